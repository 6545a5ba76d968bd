#pragma once
// Every fixed-function OpenGL call of the program: the context's set-up (clear colour,
// depth test, colour material, light 0, smoothed points), the fixed orthographic camera,
// and the scene of one frame. It needs a current compatibility-profile context.

#include "view3d/scene_frame.h"
#include "view3d/view_rotation.h"

namespace brenvik {

class SceneRenderer {
public:
    /// The context's set-up. Light 0's position is given while the model-view matrix is
    /// the identity, so the light stays put in eye space when the model turns.
    void initialize();

    /// Viewport (10, 10, width − 200, height − 50) from the window's outer size in device
    /// pixels. A negative size would be refused by OpenGL: the previous viewport stays.
    void setWindowSize(int outerWidth, int outerHeight);

    /// Clears, then draws the frame (nothing more when there is none yet) under the
    /// camera and the model-view matrix given.
    void render(const SceneFrame* frame, const Matrix4& modelView) const;

    struct Viewport {
        int x = 10, y = 10, width = 0, height = 0;
    };
    Viewport viewport() const { return m_viewport; }

private:
    Viewport m_viewport;
};

} // namespace brenvik
