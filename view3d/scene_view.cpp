#include "view3d/scene_view.h"

namespace brenvik {

SceneView::SceneView(QWidget* parent) : QOpenGLWidget(parent)
{
    // Panels lie on top; the view never takes the focus from the controls.
    setFocusPolicy(Qt::NoFocus);
}

SceneView::~SceneView() = default;

void SceneView::setFrame(const TFrameInputs& inputs, const FrameResult& result)
{
    m_frame->set(inputs, result, *m_samples);
    m_hasFrame = true;
}

void SceneView::present()
{
    // The widget draws the frame into its framebuffer and the window composes it on the
    // screen in the paint that this asks for, before the next tick.
    if (!m_stopped)
        update();
}

void SceneView::initializeGL()
{
    // Also after a new context replaced the old one: the orientation is ours, not its.
    m_renderer.initialize();
}

void SceneView::paintGL()
{
    const QSize outer = window()->frameGeometry().size();
    m_renderer.setWindowSize(outer.width(), outer.height(), devicePixelRatioF());
    m_renderer.render(m_hasFrame && !m_stopped ? m_frame.get() : nullptr, m_rotation.matrix());
}

}  // namespace brenvik
