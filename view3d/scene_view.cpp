#include "view3d/scene_view.h"

#include "view3d/pixel_format.h"

#include <QOpenGLFunctions>

namespace brenvik {

SceneView::SceneView(QWidget* parent) : QOpenGLWidget(parent)
{
    // Panels lie on top; the view never takes the focus from the controls.
    setFocusPolicy(Qt::NoFocus);
    setFormat(requestedSurfaceFormat());
    // A picture without alpha: the window composes it opaque on every platform. With an
    // alpha channel, a compositor that honours it (native Wayland) would show the desktop
    // through the background, which is cleared with alpha 0.
    setTextureFormat(GL_RGB8);
}

SceneView::~SceneView() = default;

void SceneView::setFrame(const ModelParameters& parameters, const FrameResult& result)
{
    m_frame->set(parameters, result, *m_samples);
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
