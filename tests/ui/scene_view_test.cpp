// The rendered picture, read back from the view, against the scene's geometry and the
// fixed-function lighting the view sets up: for a vertex of colour c the lit colour is
// c · ((0.5, 0.8, 0.7) + d), clamped, with d = max(0, n·l), n the model's normal (0, 0, 1)
// turned with the model and l the unit vector from the vertex to the light at (3, 3, 3).

#include "form_fixture.h"
#include "view3d/pixel_format.h"
#include "view3d/scene_view.h"
#include "view3d/view_volume.h"

#include <GL/gl.h>
#include <QOpenGLContext>

#include <array>
#include <cmath>
#include <map>
#include <optional>
#include <vector>

using namespace brenvik;
using brenvik::testing::FormFixture;

namespace {

using Vec3 = std::array<double, 3>;

Vec3 transform(const Matrix4& m, const Vec3& p, double w)
{
    Vec3 r{};
    for (int row = 0; row < 3; ++row)
        r[row] = m[row] * p[0] + m[4 + row] * p[1] + m[8 + row] * p[2] + m[12 + row] * w;
    return r;
}

Vec3 litColour(const Vec3& colour, const Vec3& vertex, const Matrix4& modelView)
{
    const Vec3 eye = transform(modelView, vertex, 1);
    const Vec3 n = transform(modelView, {0, 0, 1}, 0);
    Vec3 l{3 - eye[0], 3 - eye[1], 3 - eye[2]};
    const double length = std::sqrt(l[0] * l[0] + l[1] * l[1] + l[2] * l[2]);
    const double d = std::max(0.0, (n[0] * l[0] + n[1] * l[1] + n[2] * l[2]) / length);
    const Vec3 ambient{0.5, 0.8, 0.7};
    Vec3 lit{};
    for (int i = 0; i < 3; ++i)
        lit[i] = std::clamp(colour[i] * (ambient[i] + d), 0.0, 1.0);
    return lit;
}

Vec3 mix(const Vec3& a, const Vec3& b, double t)
{
    return {a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t, a[2] + (b[2] - a[2]) * t};
}

const Vec3 kPlate{0.6, 0.6, 0.8};
const Vec3 kCell{1.2, 1.0, 1.0};
const Vec3 kSourceLine{0.7, 0, 0};
const Vec3 kMidLine{0, 0.7, 0};
const Vec3 kSurface{0.8, 0.6, 0.1};
const Vec3 kT1Marker{1.4, 0, 1.4};
const Vec3 kT2Marker{0.6, 0.62, 1.0};

/// A frame read back from the view, with the camera that drew it.
struct Picture {
    QImage image;
    SceneRenderer::Viewport viewport;
    Matrix4 modelView;

    /// Pixel (column, row in the image) of a model point.
    QPoint pixelOf(const Vec3& model) const
    {
        const Vec3 eye = transform(modelView, model, 1);
        const double xw = viewport.x + (eye[0] / 100.0 + 1) / 2 * viewport.width;
        const double yw = viewport.y + (eye[1] / 100.0 + 1) / 2 * viewport.height;
        return {static_cast<int>(std::floor(xw)), image.height() - 1 - static_cast<int>(std::floor(yw))};
    }

    Vec3 colourAt(QPoint p) const
    {
        const QColor c = image.pixelColor(p);
        return {c.redF(), c.greenF(), c.blueF()};
    }

    /// Whether a pixel within `radius` of the model point shows `expected` to `tolerance`.
    bool showsNear(const Vec3& model, const Vec3& expected, int radius = 1, double tolerance = 0.025) const
    {
        const QPoint centre = pixelOf(model);
        for (int dy = -radius; dy <= radius; ++dy)
            for (int dx = -radius; dx <= radius; ++dx) {
                const Vec3 c = colourAt(centre + QPoint(dx, dy));
                if (std::fabs(c[0] - expected[0]) <= tolerance &&
                    std::fabs(c[1] - expected[1]) <= tolerance && std::fabs(c[2] - expected[2]) <= tolerance)
                    return true;
            }
        return false;
    }

    Vec3 lit(const Vec3& colour, const Vec3& vertex) const { return litColour(colour, vertex, modelView); }
};

std::string describe(const Vec3& c)
{
    return "(" + std::to_string(c[0]) + ", " + std::to_string(c[1]) + ", " + std::to_string(c[2]) + ")";
}

int differingPixels(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return -1;
    int differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            differing += a.pixel(x, y) != b.pixel(x, y);
    return differing;
}

/// Pixels of the image row through `centre`, within `reach` of it, that `matches` accepts.
template <class Match>
int countAcross(const Picture& p, QPoint centre, int reach, Match matches)
{
    int count = 0;
    for (int dx = -reach; dx <= reach; ++dx)
        count += matches(p.colourAt(centre + QPoint(dx, 0)));
    return count;
}

}  // namespace

class SceneViewTest : public QObject {
    Q_OBJECT

    /// A shown window whose frames are made by calling the tick handler.
    struct Scene : FormFixture {
        Scene()
        {
            edit("Edit3")->setText(local("0,27"));
            takeReport();
            showExposed();
            form->frameTimer().stop();
        }

        Picture frame()
        {
            form->tick();
            return read();
        }

        Picture read()
        {
            SceneView& view = form->view();
            return {view.grabFramebuffer(), view.renderer().viewport(), view.rotation().matrix()};
        }
    };

private slots:
    void cleanup() { brenvik::testing::closeOpenReports(); }

    void contextHasTheRequestedFormat()
    {
        Scene s;
        s.frame();
        const QSurfaceFormat format = s.form->view().context()->format();
        QVERIFY(format.depthBufferSize() >= 16);
        QCOMPARE(pixelFormatProblem(true, format), QString());
        QCOMPARE(probeRenderingContext(), QString());
        // The viewport comes from the window's outer size, in device pixels.
        const QSize outer = s.form->frameGeometry().size();
        const double ratio = s.form->devicePixelRatioF();
        QCOMPARE(s.form->view().renderer().viewport().width, qRound((outer.width() - 200) * ratio));
        QCOMPARE(s.form->view().renderer().viewport().height, qRound((outer.height() - 50) * ratio));
    }

    void pictureIsOpaque()
    {
        // Where a compositor honours the window's alpha (native Wayland), any pixel of the
        // view with alpha below 1 lets the desktop show through: the background included.
        Scene s;
        s.slider("TrackBar6")->setValue(60);
        s.checkBox("CheckBox1")->setChecked(true);
        s.slider("TrackBar5")->setValue(30);
        s.frame();
        SceneView& view = s.form->view();
        const QSize size = view.size() * view.devicePixelRatio();
        std::vector<GLubyte> pixels(std::size_t(size.width()) * std::size_t(size.height()) * 4);
        view.makeCurrent();
        glReadPixels(0, 0, size.width(), size.height(), GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        view.doneCurrent();
        qsizetype seeThrough = 0;
        for (std::size_t i = 3; i < pixels.size(); i += 4)
            seeThrough += pixels[i] != 255;
        QCOMPARE(seeThrough, 0);
    }

    void pixelFormatMessages()
    {
        QCOMPARE(pixelFormatProblem(false, {}), QStringLiteral("Не могу выбрать формат пискеля"));
        QSurfaceFormat shallow = requestedSurfaceFormat();
        shallow.setDepthBufferSize(8);
        QCOMPARE(pixelFormatProblem(true, shallow), QStringLiteral("Не могу установить формат пикселя"));
        QSurfaceFormat core = requestedSurfaceFormat();
        core.setProfile(QSurfaceFormat::CoreProfile);
        QCOMPARE(pixelFormatProblem(true, core), QStringLiteral("Не могу установить формат пикселя"));
        QCOMPARE(pixelFormatProblem(true, requestedSurfaceFormat()), QString());
    }

    void edgeOnStartingView()
    {
        Scene s;
        s.slider("TrackBar1")->setValue(-20);
        s.slider("TrackBar3")->setValue(20);
        const Picture p = s.frame();

        // The source lines stand at x = T1X and T2X from −50 up to the markers at 60;
        // their colour runs between the lit colours of their ends.
        for (double x : {-20.0, 20.0}) {
            const Vec3 top = p.lit(kSourceLine, {x, 60, 0});
            const Vec3 bottom = p.lit(kSourceLine, {x, -50, 0});
            for (double y : {-30.0, 10.0, 45.0}) {
                const Vec3 expected = mix(top, bottom, (60 - y) / 110);
                QVERIFY2(p.showsNear({x, y, 0}, expected),
                         (describe(expected) + " at y " + std::to_string(y)).c_str());
            }
        }
        QVERIFY(p.showsNear({-20, 60, 0}, p.lit(kT1Marker, {-20, 60, 0}), 1, 0.03));

        // The midpoint line: x = 0 from −50 up to 0, and nothing above it there.
        const Vec3 midTop = p.lit(kMidLine, {0, 0, 0});
        const Vec3 midBottom = p.lit(kMidLine, {0, -50, 0});
        QVERIFY(p.showsNear({0, -25, 0}, mix(midTop, midBottom, 0.5)));
        QVERIFY(!p.showsNear({0, 20, 0}, midTop, 2, 0.2));
        QVERIFY(p.showsNear({0, 30, 0}, {0, 0, 0}, 0, 0.01));

        // Plate, grids and cell are seen edge-on: no plate-coloured pixel anywhere.
        const Vec3 plateNearest = p.lit(kPlate, {0, -51, 0});
        for (int row = 0; row < p.image.height(); ++row)
            for (int column = 0; column < p.image.width(); ++column) {
                const Vec3 c = p.colourAt({column, row});
                QVERIFY2(std::fabs(c[2] - plateNearest[2]) > 0.1 || c[2] < 0.3,
                         ("plate colour at " + std::to_string(column) + "," + std::to_string(row)).c_str());
            }
    }

    void t1MarkerWinsOverT2AtTheSamePlace()
    {
        Scene s;
        for (const char* name : {"TrackBar1", "TrackBar3"})
            s.slider(name)->setValue(10);
        const Picture p = s.frame();
        const Vec3 marker{10, 60, 0};
        QVERIFY(p.showsNear(marker, p.lit(kT1Marker, marker), 1, 0.03));
        QVERIFY(!p.showsNear(marker, p.lit(kT2Marker, marker), 1, 0.1));
    }

    void topViewShowsPlateCellAndTheLightAboveIt()
    {
        Scene s;
        s.slider("TrackBar6")->setValue(90);
        s.slider("TrackBar1")->setValue(-40);
        s.slider("TrackBar3")->setValue(40);
        const Picture apart = s.frame();

        // The plate: colours lit at the corners and interpolated across the quad, along
        // whichever diagonal the rasteriser splits it.
        const Vec3 c0 = apart.lit(kPlate, {-60, -51, -60}), c1 = apart.lit(kPlate, {60, -51, -60});
        const Vec3 c2 = apart.lit(kPlate, {60, -51, 60}), c3 = apart.lit(kPlate, {-60, -51, 60});
        const Vec3 at{-46, -51, -42};  // inside a sensor cell, off the grid lines
        const double a = (at[0] + 60) / 120, b = (at[2] + 60) / 120;
        auto plus = [](const Vec3& base, double s, const Vec3& from, const Vec3& to) {
            return Vec3{base[0] + s * (to[0] - from[0]), base[1] + s * (to[1] - from[1]),
                        base[2] + s * (to[2] - from[2])};
        };
        const Vec3 alongV0V2 =
            b <= a ? plus(plus(c0, a, c0, c1), b, c1, c2) : plus(plus(c0, b, c0, c3), a, c3, c2);
        const Vec3 alongV1V3 =
            a + b <= 1 ? plus(plus(c0, a, c0, c1), b, c0, c3) : plus(plus(c2, 1 - a, c2, c3), 1 - b, c2, c1);
        QVERIFY2(apart.showsNear(at, alongV0V2, 0, 0.02) || apart.showsNear(at, alongV1V3, 0, 0.02),
                 (describe(alongV0V2) + " or " + describe(alongV1V3) + " but " +
                  describe(apart.colourAt(apart.pixelOf(at))))
                     .c_str());

        // The highlighted cell under the midpoint, lighter than the plate.
        const Vec3 inCell{1.5, -50, -1.5};
        QVERIFY2(apart.showsNear(inCell, apart.lit(kCell, inCell), 0, 0.03),
                 describe(apart.lit(kCell, inCell)).c_str());

        // Both sources at the centre: the light rises out of the plate where the summed
        // intensity exceeds 1 (within about 27.4 of the centre) and is hidden beyond.
        s.slider("TrackBar1")->setValue(0);
        s.slider("TrackBar3")->setValue(0);
        const Picture centred = s.frame();
        const SurfaceSamples& samples = s.form->view().samples();
        auto sampleAt = [&](int x, int y) { return samples[(x + 60) * kFieldSide + (y + 60)]; };
        const TGridSample risen = sampleAt(26, -2);
        QVERIFY(risen.Intensity1 + risen.Intensity2 > 1);
        const Vec3 risenVertex{26, surfaceHeight(risen), -2};
        QVERIFY(centred.showsNear(risenVertex, centred.lit(kSurface, risenVertex), 0, 0.03));
        const TGridSample sunk = sampleAt(30, -2);
        QVERIFY(sunk.Intensity1 + sunk.Intensity2 < 1);
        QVERIFY(centred.colourAt(centred.pixelOf({30, -51, -2}))[2] > 0.4);  // plate, not the surface
    }

    void fullTurnChangesNothing()
    {
        Scene s;
        s.slider("TrackBar7")->setValue(-180);
        const QImage before = s.frame().image;
        s.slider("TrackBar7")->setValue(180);
        QCOMPARE(s.frame().image, before);
    }

    void xYXBackEqualsATurnAboutZ()
    {
        Scene turned;
        turned.slider("TrackBar6")->setValue(90);
        turned.slider("TrackBar7")->setValue(90);
        turned.slider("TrackBar6")->setValue(0);
        const QImage viaXY = turned.frame().image;

        Scene aboutZ;
        aboutZ.slider("TrackBar8")->setValue(90);
        const QImage direct = aboutZ.frame().image;
        int differing = 0;
        for (int y = 0; y < direct.height(); ++y)
            for (int x = 0; x < direct.width(); ++x)
                differing += viaXY.pixel(x, y) != direct.pixel(x, y);
        QVERIFY2(differing < 20, std::to_string(differing).c_str());
    }

    void failedFrameDrawsNothingNew()
    {
        Scene s;
        s.checkBox("CheckBox1")->setChecked(true);
        s.slider("TrackBar5")->setValue(30);
        const QImage first = s.frame().image;
        const QImage second = s.frame().image;
        QVERIFY(first != second);  // noise changes every frame
        s.edit("Edit1")->clear();
        const QImage failed = s.frame().image;
        QCOMPARE(failed, second);
        QVERIFY(s.report.isOpen());
    }

    /// The surface drawn as points wherever the renderer chooses them, as the strip in
    /// pieces, and as the whole strip in one call: the same pixels. Where a vertex lies
    /// outside the view volume the strip must be drawn, since points alone would differ.
    void surfaceDrawingsGiveTheSamePixels_data()
    {
        QTest::addColumn<QString>("turns");  // view slider moves in order, e.g. "X30 Y45"
        QTest::addColumn<QString>("q");
        QTest::addColumn<int>("noise");  // 0: off
        QTest::addColumn<QPoint>("t1");
        QTest::addColumn<QPoint>("t2");
        QTest::addColumn<bool>("asPoints");
        QTest::addColumn<bool>("pointsAloneDiffer");

        const QPoint left(-12, 0), right(12, 0), centre(0, 0);
        QTest::newRow("start view") << ""
                                    << "9" << 0 << left << right << true << false;
        QTest::newRow("start view, noise") << ""
                                           << "9" << 30 << left << right << true << false;
        QTest::newRow("tilted about X, noise") << "X60"
                                               << "9" << 30 << left << right << true << false;
        QTest::newRow("tilted about Y") << "Y45"
                                        << "9" << 0 << QPoint(-30, 20) << QPoint(25, -10) << true << false;
        QTest::newRow("tilted about X and Y") << "X-30 Y30"
                                              << "9" << 0 << left << right << true << false;
        QTest::newRow("turned about Z, noise") << "Z30"
                                               << "9" << 30 << left << right << true << false;
        QTest::newRow("top view, together") << "X90"
                                            << "9" << 0 << centre << centre << true << false;
        QTest::newRow("tilted, together, noise") << "X60"
                                                 << "9" << 30 << centre << centre << true << false;
        // The peak of both sources at Q 3 stands 267 high; each alone, 108.
        QTest::newRow("Q 3 together, above the top") << ""
                                                     << "3" << 0 << centre << centre << false << true;
        QTest::newRow("Q 3 apart, above the top, noise") << ""
                                                         << "3" << 30 << left << right << false << true;
        // Seen from above, the peak of both at Q 6 (108) comes nearer than the near face (105).
        QTest::newRow("top view, Q 6, in front of the near face")
            << "X90"
            << "6" << 0 << centre << centre << false << true;
        // Tilted 30° and turned 45°, a corner of the sensor lies behind the far face. The
        // cut's vertices on that face have the depth of the cleared buffer and fail the
        // depth test, so there points alone happen to look the same.
        QTest::newRow("corner behind the far face") << "X30 Y45"
                                                    << "9" << 0 << left << right << false << false;
    }

    void surfaceDrawingsGiveTheSamePixels()
    {
        QFETCH(QString, turns);
        QFETCH(QString, q);
        QFETCH(int, noise);
        QFETCH(QPoint, t1);
        QFETCH(QPoint, t2);
        QFETCH(bool, asPoints);
        QFETCH(bool, pointsAloneDiffer);

        Scene s;
        const std::map<QChar, const char*> viewSliders{
            {'X', "TrackBar6"}, {'Y', "TrackBar7"}, {'Z', "TrackBar8"}};
        for (const QString& turn : turns.split(' ', Qt::SkipEmptyParts))
            s.slider(viewSliders.at(turn[0]))->setValue(turn.mid(1).toInt());
        s.edit("Edit1")->setText(q);
        s.checkBox("CheckBox1")->setChecked(noise > 0);
        s.slider("TrackBar5")->setValue(noise);
        s.slider("TrackBar1")->setValue(t1.x());
        s.slider("TrackBar2")->setValue(t1.y());
        s.slider("TrackBar3")->setValue(t2.x());
        s.slider("TrackBar4")->setValue(t2.y());

        // Every read draws the same frame again, noise and all.
        SceneRenderer& renderer = s.form->view().renderer();
        const QImage chosen = s.frame().image;
        QCOMPARE(renderer.lastSurfacePath(), asPoints ? SurfacePath::Points : SurfacePath::Strip);
        renderer.forceSurfacePath(SurfacePath::WholeStrip);
        const QImage whole = s.read().image;
        QCOMPARE(renderer.lastSurfacePath(), SurfacePath::WholeStrip);
        QCOMPARE(differingPixels(chosen, whole), 0);
        renderer.forceSurfacePath(SurfacePath::Strip);
        QCOMPARE(differingPixels(s.read().image, whole), 0);
        renderer.forceSurfacePath(SurfacePath::Points);
        QCOMPARE(differingPixels(s.read().image, whole) > 0, pointsAloneDiffer);
    }

    /// The decision uses the camera and orientation that OpenGL draws with.
    void viewVolumeTestUsesTheMatricesOfTheDrawing()
    {
        Scene s;
        s.slider("TrackBar6")->setValue(30);
        s.slider("TrackBar7")->setValue(45);
        s.frame();
        SceneView& view = s.form->view();
        view.makeCurrent();
        Matrix4 projection{}, modelView{};
        glGetDoublev(GL_PROJECTION_MATRIX, projection.data());
        glGetDoublev(GL_MODELVIEW_MATRIX, modelView.data());
        view.doneCurrent();
        for (int i = 0; i < 16; ++i) {
            QVERIFY2(std::fabs(projection[i] - kCameraProjection[i]) < 1e-7, std::to_string(i).c_str());
            QVERIFY2(std::fabs(modelView[i] - view.rotation().matrix()[i]) < 1e-6, std::to_string(i).c_str());
        }
    }

    /// Widths and sizes are in window pixels: on a screen with more device pixels to the
    /// window pixel (QT_SCALE_FACTOR) lines and points are as many times wider.
    void linesAndPointsScaleWithThePixelRatio()
    {
        Scene s;
        const double ratio = s.form->view().devicePixelRatioF();
        QCOMPARE(ratio, qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble());
        s.slider("TrackBar1")->setValue(-20);
        s.slider("TrackBar3")->setValue(20);
        const Picture p = s.frame();

        // The line under T1 (width 1), across the image row at height 30.
        const int lineWidth = countAcross(p, p.pixelOf({-20, 30, 0}), 8, [](const Vec3& c) {
            return c[0] > 0.2 && c[1] < 0.05 && c[2] < 0.05;
        });
        QCOMPARE(lineWidth, static_cast<int>(std::lround(ratio)));
        // T1's marker (size 3, smoothed), across its centre row.
        const int markerWidth = countAcross(p, p.pixelOf({-20, 60, 0}), 8, [](const Vec3& c) {
            return c[0] > 0.3 && c[2] > 0.3 && c[1] < 0.05;
        });
        QVERIFY2(std::abs(markerWidth - 3 * ratio) <= 1, std::to_string(markerWidth).c_str());

        // The frame leaves the surface's point size and the thin line width in force.
        s.form->view().makeCurrent();
        GLfloat pointSize = 0, lineWidth1 = 0;
        glGetFloatv(GL_POINT_SIZE, &pointSize);
        glGetFloatv(GL_LINE_WIDTH, &lineWidth1);
        s.form->view().doneCurrent();
        QCOMPARE(pointSize, static_cast<GLfloat>(2 * ratio));
        QCOMPARE(lineWidth1, static_cast<GLfloat>(ratio));
    }

    void closedWindowDrawsNoMore()
    {
        Scene s;
        s.frame();
        s.form->close();
        const QImage after = s.read().image;
        // The view stopped drawing: what it renders now is the cleared background only.
        QCOMPARE(after.pixelColor(after.width() / 2, after.height() / 2), QColor(Qt::black));
        QVERIFY(!s.form->view().isVisible());
    }
};

QTEST_MAIN(SceneViewTest)
#include "scene_view_test.moc"
