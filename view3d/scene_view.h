#pragma once
// The 3-D view: an OpenGL widget behind the main window's panels. It only holds the
// frame to show, the sample points the model writes for it, and the model's orientation;
// SceneRenderer does the drawing.

#include "view3d/scene_frame.h"
#include "view3d/scene_renderer.h"
#include "view3d/view_rotation.h"

#include <QOpenGLWidget>

#include <memory>

namespace brenvik {

class SceneView : public QOpenGLWidget {
    Q_OBJECT
public:
    explicit SceneView(QWidget* parent = nullptr);
    ~SceneView() override;

    /// Where a frame puts its sample points, which setFrame then shows.
    SurfaceSamples& samples() { return *m_samples; }
    const SurfaceSamples& samples() const { return *m_samples; }
    /// The frame the next paint shows, with the sample points now in samples().
    void setFrame(const ModelParameters& parameters, const FrameResult& result);
    /// Puts the frame on the screen.
    void present();
    /// From now on no frame is shown and present() asks for no paint (the main window is
    /// closing); a paint the window system still asks for only clears the picture.
    void stopDrawing() { m_stopped = true; }

    ViewRotation& rotation() { return m_rotation; }
    const SceneRenderer& renderer() const { return m_renderer; }
    SceneRenderer& renderer() { return m_renderer; }
    bool hasFrame() const { return m_hasFrame; }

protected:
    void initializeGL() override;
    void paintGL() override;

private:
    SceneRenderer m_renderer;
    ViewRotation m_rotation;
    std::unique_ptr<SurfaceSamples> m_samples = std::make_unique<SurfaceSamples>();
    std::unique_ptr<SceneFrame> m_frame = std::make_unique<SceneFrame>();
    bool m_hasFrame = false;
    bool m_stopped = false;
};

}  // namespace brenvik
