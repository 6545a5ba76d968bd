#include "view3d/scene_renderer.h"

#include "view3d/camera.h"
#include "view3d/view_volume.h"

#include <GL/gl.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace brenvik {

namespace {

constexpr float kPlateY = -51.0f;
constexpr float kGridY = -50.0f;
constexpr float kMarkerY = 60.0f;
constexpr float kMidLineTopY = 0.0f;

void vertex(float x, float y, float z) { glVertex3f(x, y, z); }

/// Corners of count × count squares of the given side at the grid's height, one quad
/// after another: a from 0 (model z) outside, b from 0 (model x) inside.
template <int count>
constexpr std::array<float, count * count * 12> gridSquares(float side)
{
    std::array<float, count * count * 12> corners{};
    std::size_t i = 0;
    for (int a = 0; a < count; ++a) {
        for (int b = 0; b < count; ++b) {
            const float x0 = side * b - 60, z0 = side * a - 60;
            for (const auto& [dx, dz] : {std::pair{0, 0}, {1, 0}, {1, 1}, {0, 1}}) {
                corners[i++] = x0 + side * dx;
                corners[i++] = kGridY;
                corners[i++] = z0 + side * dz;
            }
        }
    }
    return corners;
}

constexpr auto kFineGrid = gridSquares<15>(8);    // the 15 × 15 sensor cells
constexpr auto kCoarseGrid = gridSquares<3>(40);  // the coarse 3 × 3 grid

/// Every square is a quad primitive of its own; one call hands them all over in order.
template <std::size_t n>
void drawQuads(const std::array<float, n>& corners)
{
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, corners.data());
    glDrawArrays(GL_QUADS, 0, static_cast<GLsizei>(n / 3));
    glDisableClientState(GL_VERTEX_ARRAY);
}

/// The plate and its cell grid. Leaves line width 3, polygon mode GL_LINE, colour black.
/// Widths are in pixels of the window, `ratio` device pixels each.
void drawBasePlate(float ratio)
{
    glLineWidth(1 * ratio);
    glColor3f(0.6f, 0.6f, 0.8f);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glBegin(GL_QUADS);
    vertex(-60, kPlateY, -60);
    vertex(60, kPlateY, -60);
    vertex(60, kPlateY, 60);
    vertex(-60, kPlateY, 60);
    glEnd();

    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    glColor3f(0, 0, 0);
    drawQuads(kFineGrid);
    glLineWidth(3 * ratio);
    drawQuads(kCoarseGrid);
}

// llvmpipe's geometry stage walks every vertex of a draw call each time its small output
// buffer fills, which for smoothed points happens every few dozen points: the cost of a
// call grows with the square of its vertex count (four tenths of a frame's processor
// time for the surface's strip in one call). Calls of a few hundred vertices keep it
// small.
constexpr GLsizei kPieceVertices = 256;
static_assert(kPieceVertices % 2 == 0, "strip pieces must start at even vertices");

void drawPointsInPieces(GLsizei count)
{
    for (GLsizei first = 0; first < count; first += kPieceVertices)
        glDrawArrays(GL_POINTS, first, std::min(kPieceVertices, count - first));
}

/// The strip's triangle i joins vertices i, i + 1 and i + 2. Pieces that start at even
/// vertices and overlap by two draw every triangle once, in order, and keep the order of
/// the vertices within it (a strip swaps the first two of every odd triangle).
void drawStripInPieces(GLsizei count)
{
    for (GLsizei first = 0; first + 2 < count; first += kPieceVertices)
        glDrawArrays(GL_TRIANGLE_STRIP, first, std::min(kPieceVertices + 2, count - first));
}

}  // namespace

void SceneRenderer::initialize()
{
    glClearColor(0, 0, 0, 0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glEnable(GL_COLOR_MATERIAL);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    const GLfloat position[] = {3, 3, 3, 1};
    const GLfloat spotDirection[] = {-1, -1, -3};
    const GLfloat ambient[] = {0.3f, 0.6f, 0.5f, 1.0f};
    glLightfv(GL_LIGHT0, GL_POSITION, position);
    glLightfv(GL_LIGHT0, GL_SPOT_DIRECTION, spotDirection);
    glLightfv(GL_LIGHT0, GL_AMBIENT, ambient);
    glEnable(GL_POINT_SMOOTH);
}

void SceneRenderer::setWindowSize(int outerWidth, int outerHeight, double pixelRatio)
{
    m_pixelRatio = static_cast<float>(pixelRatio);
    const int width = outerWidth - 200;
    const int height = outerHeight - 50;
    if (width < 0 || height < 0)
        return;
    auto device = [pixelRatio](int length) { return static_cast<int>(std::lround(length * pixelRatio)); };
    m_viewport = {device(10), device(10), device(width), device(height)};
}

void SceneRenderer::render(const SceneFrame* frame, const Matrix4& modelView)
{
    // The widget toolkit sets its own viewport before every paint; ours goes back on.
    glViewport(m_viewport.x, m_viewport.y, m_viewport.width, m_viewport.height);
    glMatrixMode(GL_PROJECTION);
    glLoadMatrixd(kCameraProjection.data());
    glMatrixMode(GL_MODELVIEW);
    glLoadMatrixd(modelView.data());

    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (!frame)
        return;

    drawBasePlate(m_pixelRatio);

    const ModelParameters& p = frame->parameters;
    glColor3f(1.4f, 0, 1.4f);
    glPointSize(3 * m_pixelRatio);
    glBegin(GL_POINTS);
    vertex(p.t1x, kMarkerY, p.t1y);
    glEnd();
    glColor3f(0.6f, 0.62f, 1.0f);
    glBegin(GL_POINTS);
    vertex(p.t2x, kMarkerY, p.t2y);
    glEnd();

    glLineWidth(1 * m_pixelRatio);
    glColor3f(0.7f, 0, 0);
    glBegin(GL_LINES);
    vertex(p.t1x, kMarkerY, p.t1y);
    vertex(p.t1x, kGridY, p.t1y);
    vertex(p.t2x, kMarkerY, p.t2y);
    vertex(p.t2x, kGridY, p.t2y);
    glEnd();

    const MidpointCell& c = frame->cell;
    glColor3f(1.2f, 1.0f, 1.0f);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glBegin(GL_QUADS);
    vertex(c.CellXLo, kGridY, c.CellYLo);
    vertex(c.CellXHi, kGridY, c.CellYLo);
    vertex(c.CellXHi, kGridY, c.CellYHi);
    vertex(c.CellXLo, kGridY, c.CellYHi);
    glEnd();

    glColor3f(0, 0.7f, 0);
    glBegin(GL_LINES);
    vertex(c.MidX, kMidLineTopY, c.MidY);
    vertex(c.MidX, kGridY, c.MidY);
    glEnd();

    drawSurface(*frame, modelView);
}

void SceneRenderer::drawSurface(const SceneFrame& frame, const Matrix4& modelView)
{
    // The surface is one triangle strip through every sample in loop order, drawn in
    // polygon mode GL_POINT: every triangle is drawn as its three vertices, so a vertex is
    // drawn again by each of the (up to) three triangles that share it. A repeat covers
    // the same fragments at the same depth as the vertex's first drawing, so the depth
    // test GL_LESS rejects it, and with blending off a rejected fragment changes nothing.
    // The first drawings come in the vertices' own order. The picture is therefore that of
    // every vertex drawn once, in order, as GL_POINTS, except where the view volume cuts a
    // triangle: the cut's new vertices on the volume's face are drawn as points too. So
    // the points are drawn alone only when every vertex lies inside the volume, clear of
    // its faces, where no triangle can be cut.
    if (m_forcedPath)
        m_lastSurfacePath = *m_forcedPath;
    else if (insideViewVolume(frame.surface, multiply(kCameraProjection, modelView)))
        m_lastSurfacePath = SurfacePath::Points;
    else
        m_lastSurfacePath = SurfacePath::Strip;

    glColor3f(0.8f, 0.6f, 0.1f);
    glPolygonMode(GL_FRONT_AND_BACK, GL_POINT);
    glPointSize(2 * m_pixelRatio);
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, frame.surface.data());
    switch (m_lastSurfacePath) {
    case SurfacePath::Points:
        drawPointsInPieces(kSampleCount);
        break;
    case SurfacePath::Strip:
        drawStripInPieces(kSampleCount);
        break;
    case SurfacePath::WholeStrip:
        glDrawArrays(GL_TRIANGLE_STRIP, 0, kSampleCount);
        break;
    }
    glDisableClientState(GL_VERTEX_ARRAY);
}

}  // namespace brenvik
