#pragma once
// Every fixed-function OpenGL call of the program: the context's set-up (clear colour,
// depth test, colour material, light 0, smoothed points), the fixed orthographic camera,
// and the scene of one frame. It needs a current compatibility-profile context.

#include "view3d/scene_frame.h"
#include "view3d/view_rotation.h"

#include <optional>

namespace brenvik {

/// How a frame's surface went to OpenGL. All three give the same pixels wherever the first
/// is chosen.
enum class SurfacePath {
    Points,      ///< every vertex once, as points: the whole surface lies inside the view volume
    Strip,       ///< the triangle strip in point mode, handed over in pieces
    WholeStrip,  ///< the strip in point mode as one call, the plainest form of the drawing
};

class SceneRenderer {
public:
    /// The context's set-up. Light 0's position is given while the model-view matrix is
    /// the identity, so the light stays put in eye space when the model turns.
    void initialize();

    /// Viewport (10, 10, width − 200, height − 50) from the window's outer size, scaled by
    /// the pixel ratio into device pixels, as are point sizes and line widths: the picture
    /// looks the same on a screen with more pixels. A negative size would be refused by
    /// OpenGL: the previous viewport stays.
    void setWindowSize(int outerWidth, int outerHeight, double pixelRatio = 1.0);

    /// Clears, then draws the frame (nothing more when there is none yet) under the
    /// camera and the model-view matrix given.
    void render(const SceneFrame* frame, const Matrix4& modelView);

    /// The path the last frame's surface took.
    SurfacePath lastSurfacePath() const { return m_lastSurfacePath; }
    /// Draws the surface this way from now on instead of choosing (no value: choose again).
    /// For comparing the drawings.
    void forceSurfacePath(std::optional<SurfacePath> path) { m_forcedPath = path; }

    struct Viewport {
        int x = 10, y = 10, width = 0, height = 0;
    };
    Viewport viewport() const { return m_viewport; }

private:
    void drawSurface(const SceneFrame& frame, const Matrix4& modelView);

    Viewport m_viewport;
    float m_pixelRatio = 1.0f;
    SurfacePath m_lastSurfacePath = SurfacePath::WholeStrip;
    std::optional<SurfacePath> m_forcedPath;
};

}  // namespace brenvik
