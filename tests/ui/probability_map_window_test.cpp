// The probability map window: opened from the graph window's menu and from the main window
// for the main window's inputs, computed off the GUI thread, drawn in viridis with its
// contours where the values pass 0.5 and 0.9, the value under the mouse or the keyboard's
// cell, the sweep's path, following the inputs, saving, and its place on the screen.

#include "context_menu.h"
#include "form_fixture.h"
#include "model/probability_map.h"
#include "model/probability_map_csv.h"
#include "ui/file_error_reason.h"
#include "ui/map/colour_scale.h"
#include "ui/map/map_contour_pieces.h"
#include "ui/map/probability_map_view.h"
#include "ui/map/probability_map_window.h"
#include "ui/window_placement.h"

#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QProgressBar>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolButton>

#include <algorithm>
#include <cerrno>
#include <cmath>

using namespace brenvik;
using brenvik::testing::FormFixture;

namespace {

QString tr3(const char* text) { return QCoreApplication::translate("brenvik::GraphWindow", text); }
QString trMap(const char* text) { return QCoreApplication::translate("brenvik::ProbabilityMapWindow", text); }

// The read-out with the pointer at `pixel` of the view, the move delivered at once (a
// pointer moved on the display comes back when the display sends it).
QString readOutAt(ProbabilityMapWindow& w, QPoint pixel)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(pixel), w.view().mapToGlobal(QPointF(pixel)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&w.view(), &move);
    return w.readOut().text();
}

// The read-out with the pointer on a cell's centre; delivered at once, as a pointer moved
// on the display could come back after the next key.
QString readOutUnderPointer(ProbabilityMapWindow& w, QPoint cell)
{
    return readOutAt(w, w.view().widgetPoint(QPointF(cell)).toPoint());
}

// CIELAB lightness of an sRGB colour.
double lightness(const QColor& colour)
{
    const auto linear = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const double y =
        0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
    return y > 216.0 / 24389 ? 116 * std::cbrt(y) - 16 : y * 24389.0 / 27;
}

ProbabilityMapWindow& waitForMap(FormFixture& f)
{
    ProbabilityMapWindow* window = &f.mapWindow;
    if (!window)
        qFatal("no map window");
    QSignalSpy shown(window, &ProbabilityMapWindow::mapShown);
    if (window->computing() && !shown.wait(60000))
        qFatal("the map did not come");
    return *window;
}

// The map window opened from the graph's menu, showing the map of `axis`.
ProbabilityMapWindow& openMapOn(FormFixture& f, MapAxis axis)
{
    f.graph.probabilityMapAction()->trigger();
    ProbabilityMapWindow& w = waitForMap(f);
    if (!QTest::qWaitForWindowExposed(&w))
        qFatal("the map window did not show");
    w.setAxis(axis);
    return waitForMap(f);
}

// Whether some square of four grid points within `reach` pixels of `pixel` has values
// on both sides of p.
bool nearACrossingSquare(const ProbabilityMapView& view, QPoint pixel, double p, int reach)
{
    const ProbabilityMap& map = *view.map();
    const QRect plot = view.plotRect();
    const double cellWidth = double(plot.width()) / kMapSteps;
    const double cellHeight = double(plot.height()) / map.grid.levels();
    for (int dy = -reach; dy <= reach; ++dy) {
        for (int dx = -reach; dx <= reach; ++dx) {
            const double gx = (pixel.x() + dx + 0.5 - plot.left()) / cellWidth - 0.5;
            const double gy = (plot.top() + plot.height() - (pixel.y() + dy + 0.5)) / cellHeight - 0.5;
            const int s = static_cast<int>(std::floor(gx));
            const int l = static_cast<int>(std::floor(gy));
            if (s < 0 || l < 0 || s + 1 >= kMapSteps || l + 1 >= map.grid.levels())
                continue;
            const double v[] = {map.at(s, l), map.at(s + 1, l), map.at(s, l + 1), map.at(s + 1, l + 1)};
            const bool anyAbove = std::any_of(std::begin(v), std::end(v), [&](double x) { return x >= p; });
            const bool anyBelow = std::any_of(std::begin(v), std::end(v), [&](double x) { return x < p; });
            if (anyAbove && anyBelow)
                return true;
        }
    }
    return false;
}

// A map of the window's grid whose cells take four colours, each differing from its four
// neighbours', all below 0.5 so that no contour covers them.
ProbabilityMap checkerMap(const MapGrid& grid)
{
    ProbabilityMap map{grid, std::vector<double>(std::size_t(kMapSteps) * std::size_t(grid.levels()))};
    for (int level = 0; level < grid.levels(); ++level)
        for (int step = 0; step < kMapSteps; ++step)
            map.p[std::size_t(level) * kMapSteps + std::size_t(step)] = 0.1 * (step % 2) + 0.2 * (level % 2);
    return map;
}

// Resizes the map window so that its plot is `plot` pixels.
void resizePlot(ProbabilityMapWindow& w, QSize plot)
{
    const QSize now = w.view().plotRect().size();
    w.resize(w.size() + plot - now);
    QTRY_COMPARE(w.view().plotRect().size(), plot);
}

}  // namespace

class ProbabilityMapWindowTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { brenvik::testing::closeOpenReports(); }

    void colourScaleIsViridisWithEvenlyRisingLightness()
    {
        QCOMPARE(viridisColour(0.0), QColor(0x44, 0x01, 0x54));
        QCOMPARE(viridisColour(0.5), QColor(0x21, 0x90, 0x8c));
        QCOMPARE(viridisColour(1.0), QColor(0xfd, 0xe7, 0x25));
        QCOMPARE(viridisColour(-1.0), viridisColour(0.0));
        QCOMPARE(viridisColour(2.0), viridisColour(1.0));
        QCOMPARE(viridisColour(std::nan("")), viridisColour(0.0));
        // Lightness rises at every hundredth, and by nearly the same amount in every tenth.
        double previous = lightness(viridisColour(0.0));
        for (int i = 1; i <= 100; ++i) {
            const double l = lightness(viridisColour(i / 100.0));
            QVERIFY2(l > previous, qPrintable(QString::number(i)));
            previous = l;
        }
        const double span = lightness(viridisColour(1.0)) - lightness(viridisColour(0.0));
        for (int i = 0; i < 10; ++i) {
            const double rise = lightness(viridisColour((i + 1) / 10.0)) - lightness(viridisColour(i / 10.0));
            QVERIFY2(rise > 0.6 * span / 10 && rise < 1.4 * span / 10, qPrintable(QString::number(i)));
        }
    }

    // A saddle square, its diagonal corners on the line's side: two pieces, each cutting off
    // a corner whose side differs from the square's centre value.
    void saddleSquareGivesTwoPiecesApartFromItsCentre_data()
    {
        QTest::addColumn<double>("onDiagonal");   // at (0, 0) and (1, 1)
        QTest::addColumn<double>("offDiagonal");  // at (1, 0) and (0, 1)
        QTest::addColumn<QString>("pieces");
        // Centre above 0.5: the corners below are cut off.
        QTest::newRow("centre above") << 1.0 << 0.0 << QStringLiteral("(0.5,0)-(1,0.5) (0.5,1)-(0,0.5)");
        // Centre below: the corners above are cut off.
        QTest::newRow("centre below")
            << 0.625 << 0.125 << QStringLiteral("(0,0.25)-(0.25,0) (1,0.75)-(0.75,1)");
    }

    void saddleSquareGivesTwoPiecesApartFromItsCentre()
    {
        QFETCH(double, onDiagonal);
        QFETCH(double, offDiagonal);
        QFETCH(QString, pieces);
        ProbabilityMap map;
        map.p.assign(static_cast<std::size_t>(kMapSteps * map.grid.levels()), 0.0);
        map.p[0] = map.p[kMapSteps + 1] = onDiagonal;
        map.p[1] = map.p[kMapSteps] = offDiagonal;
        QStringList inSquare;
        const auto place = [](GridPlace at) { return QStringLiteral("(%1,%2)").arg(at.x).arg(at.y); };
        for (const ContourPiece& piece : contourPieces(map, 0.5))
            if (std::max({piece.from.x, piece.from.y, piece.to.x, piece.to.y}) <= 1)
                inSquare << place(piece.from) + "-" + place(piece.to);
        QCOMPARE(inSquare.join(' '), pieces);
    }

    void colourScaleAnchorsAreViridisExactly_data()
    {
        QTest::addColumn<double>("p");
        QTest::addColumn<QColor>("colour");
        // Viridis's colours at eleven even steps, as its authors publish them.
        const QRgb published[] = {0x440154, 0x482576, 0x414487, 0x35608d, 0x2a788e, 0x21908c,
                                  0x22a884, 0x43bf71, 0x7ad151, 0xbbdf27, 0xfde725};
        const double at[] = {0.0, 0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9, 1.0};
        for (int i = 0; i < 11; ++i)
            QTest::addRow("%g", at[i]) << at[i] << QColor::fromRgb(published[i]);
    }

    void colourScaleAnchorsAreViridisExactly()
    {
        QFETCH(double, p);
        QFETCH(QColor, colour);
        QCOMPARE(viridisColour(p), colour);
    }

    void opensFromTheGraphMenuForTheMainWindowsInputsOffTheGuiThread()
    {
        FormFixture f;
        QCOMPARE(f.graph.probabilityMapAction()->text(), tr3("Карта вероятности…"));
        f.graph.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.graph));
        const QStringList offered = brenvik::testing::contextMenuItems(f.graph);
        QVERIFY2(offered.contains(tr3("Карта вероятности…")), qPrintable(offered.join(QLatin1Char('|'))));

        f.edit("Edit1")->setText(f.local("8,5"));
        f.edit("Edit3")->setText(f.local("0,3"));
        f.slider("TrackBar1")->setValue(-10);
        f.slider("TrackBar2")->setValue(4);
        f.slider("TrackBar3")->setValue(33);  // T2 is the map's x axis: not taken
        f.checkBox("CheckBox1")->setChecked(true);
        f.slider("TrackBar5")->setValue(12);
        f.graph.probabilityMapAction()->trigger();
        ProbabilityMapWindow* window = &f.mapWindow;
        QVERIFY(window && window->isVisible());
        // Still computing when the menu's handler has returned: the GUI thread goes on.
        QVERIFY(window->computing());
        QVERIFY(!window->view().map());
        QVERIFY(window->progressBar().isVisible());
        QVERIFY(!window->savePictureButton().isEnabled());

        ProbabilityMapWindow& w = waitForMap(f);
        QVERIFY(!w.progressBar().isVisible());
        QVERIFY(w.savePictureButton().isEnabled());
        MapGrid grid;
        grid.axis = MapAxis::noise;
        grid.base.q = 8.5f;
        grid.base.threshold = 0.3f;
        grid.base.t1x = -10;
        grid.base.t1y = 4;
        grid.base.noise = {true, 12};
        QCOMPARE(w.view().map()->p, computeProbabilityMap(grid, 1)->p);
        QCOMPARE(w.view().map()->grid.levels(), 31);

        // The threshold on the vertical axis: the main window's noise stays.
        w.setAxis(MapAxis::threshold);
        QVERIFY(w.computing());
        waitForMap(f);
        grid.axis = MapAxis::threshold;
        QCOMPARE(w.view().map()->p, computeProbabilityMap(grid, 1)->p);

        // A box without a number is reported as a frame reports it; the map stays.
        f.edit("Edit1")->clear();
        f.graph.probabilityMapAction()->trigger();
        QCOMPARE(f.takeReport(), QStringLiteral("'' is not a valid floating point value."));
        QVERIFY(!w.computing());
        QCOMPARE(w.view().map()->grid.base.q, 8.5f);
    }

    void contourPixelsLieWhereTheValuesCross()
    {
        FormFixture f;
        f.checkBox("CheckBox1")->setChecked(false);
        f.graph.probabilityMapAction()->trigger();
        ProbabilityMapWindow& w = waitForMap(f);
        w.view().setSweepPath({});
        for (const MapAxis axis : {MapAxis::noise, MapAxis::threshold}) {
            w.setAxis(axis);
            waitForMap(f);
            const QImage image = w.view().grab().toImage();
            const QRect plot = w.view().plotRect();
            const ProbabilityMap& map = *w.view().map();
            for (const auto& [p, colour] : {std::pair{0.5, ProbabilityMapView::kHalfContour},
                                            std::pair{0.9, ProbabilityMapView::kNinetyContour}}) {
                int pixels = 0;
                for (int y = plot.top(); y <= plot.bottom(); ++y) {
                    for (int x = plot.left(); x <= plot.right(); ++x) {
                        if (image.pixel(x, y) != colour)
                            continue;
                        ++pixels;
                        QVERIFY2(nearACrossingSquare(w.view(), QPoint(x, y), p, 2),
                                 qPrintable(QStringLiteral("p %1 at %2, %3").arg(p).arg(x).arg(y)));
                    }
                }
                QVERIFY(pixels > 50);
                // Where two neighbours in a row pass p, the line runs between them.
                for (int level = 0; level < map.grid.levels(); ++level) {
                    for (int step = 0; step + 1 < kMapSteps; ++step) {
                        const double a = map.at(step, level);
                        const double b = map.at(step + 1, level);
                        if ((a >= p) == (b >= p))
                            continue;
                        const QPointF at = w.view().widgetPoint(QPointF(step + (p - a) / (b - a), level));
                        bool drawn = false;
                        for (int dy = -1; dy <= 1 && !drawn; ++dy)
                            for (int dx = -1; dx <= 1 && !drawn; ++dx)
                                drawn = image.pixel(int(at.x()) + dx, int(at.y()) + dy) == colour;
                        QVERIFY2(drawn,
                                 qPrintable(
                                     QStringLiteral("p %1, level %2, step %3").arg(p).arg(level).arg(step)));
                    }
                }
            }
            // A cell far from the lines has its value's colour.
            const QPointF centre = w.view().widgetPoint(QPointF(2, map.grid.levels() / 2));
            QCOMPARE(QColor(image.pixel(centre.toPoint())), viridisColour(map.at(2, map.grid.levels() / 2)));
        }
    }

    void mouseShowsStepLevelAndProbability()
    {
        FormFixture f;
        f.checkBox("CheckBox1")->setChecked(true);
        f.graph.probabilityMapAction()->trigger();
        ProbabilityMapWindow& w = waitForMap(f);
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QPoint over = w.view().widgetPoint(QPointF(37, 20)).toPoint();
        QCOMPARE(w.view().gridPointAt(over), std::optional<QPoint>(QPoint(37, 20)));
        QTest::mouseMove(&w.view(), over);
        QTRY_VERIFY(w.readOut().text().contains(QStringLiteral("37")));
        const QString text = w.readOut().text();
        const QString p =
            QString::number(w.view().map()->at(37, 20), 'g', 4).replace(QLatin1Char('.'), f.sep());
        QVERIFY2(text.endsWith(p), qPrintable(text + QStringLiteral(" / ") + p));
        QVERIFY2(text.contains(QStringLiteral(" 20;")), qPrintable(text));
        // |T2 − T1| = 23·√2 = 32.53 sensor units, 3.61 Q.
        QVERIFY2(text.contains(QStringLiteral("32") + f.sep() + QStringLiteral("53")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("3") + f.sep() + QStringLiteral("61 Q")), qPrintable(text));
        QVERIFY(!w.view().gridPointAt(QPoint(2, 2)));
    }

    void everyPixelReadsTheCellDrawnThere_data()
    {
        QTest::addColumn<bool>("threshold");
        QTest::addColumn<QSize>("size");  ///< the window's; empty: as it opens
        // Cells of a fraction of a pixel's width and height: some pixels hold two cells'
        // edges apart, and each must read the cell it shows.
        QTest::newRow("noise map as it opens") << false << QSize();
        QTest::newRow("noise map 733 × 547") << false << QSize(733, 547);
        QTest::newRow("threshold map as it opens") << true << QSize();
        QTest::newRow("threshold map 733 × 547") << true << QSize(733, 547);
    }

    void everyPixelReadsTheCellDrawnThere()
    {
        QFETCH(bool, threshold);
        QFETCH(QSize, size);
        FormFixture f;
        ProbabilityMapWindow& w = openMapOn(f, threshold ? MapAxis::threshold : MapAxis::noise);
        ProbabilityMapView& view = w.view();
        if (!size.isEmpty()) {
            const QSize before = view.size();
            w.resize(size);
            QTRY_VERIFY(view.size() != before);
        }
        view.setMap(checkerMap(view.map()->grid));
        const QRect plot = view.plotRect();
        QVERIFY(plot.width() % kMapSteps != 0 && plot.height() % view.map()->grid.levels() != 0);
        const QImage image = view.grab().toImage();
        const qreal ratio = image.devicePixelRatio();
        const ProbabilityMap& map = *view.map();
        for (int y = plot.top(); y <= plot.bottom(); ++y) {
            for (int x = plot.left(); x <= plot.right(); ++x) {
                const std::optional<QPoint> cell = view.gridPointAt(QPoint(x, y));
                QVERIFY(cell && QRect(0, 0, kMapSteps, map.grid.levels()).contains(*cell));
                const QColor shown(image.pixel(int(x * ratio), int(y * ratio)));
                if (shown != viridisColour(map.at(cell->x(), cell->y())))
                    QFAIL(qPrintable(
                        QStringLiteral("pixel (%1, %2) of the plot %3 × %4 reads step %5, level %6")
                            .arg(x - plot.left())
                            .arg(y - plot.top())
                            .arg(plot.width())
                            .arg(plot.height())
                            .arg(cell->x())
                            .arg(cell->y())));
            }
        }
    }

    void pointerOnACellsEdgeReadsTheCellDrawnUnderIt_data()
    {
        QTest::addColumn<bool>("threshold");
        QTest::addColumn<QPointF>("at");    ///< x: steps from the left edge, y: levels from the bottom
        QTest::addColumn<QPoint>("nudge");  ///< pixels from there
        QTest::addColumn<QPoint>("cell");
        QTest::addColumn<QPoint>("across");  ///< the cell on the edge's other side
        // A pixel whose corner is on an edge lies right of it and below it: it is drawn in
        // the cell on the right and in the one below, and reads that cell.
        QTest::newRow("on the edge of steps 36 and 37")
            << false << QPointF(37, 20.5) << QPoint(0, 0) << QPoint(37, 20) << QPoint(36, 20);
        QTest::newRow("a pixel left of it")
            << false << QPointF(37, 20.5) << QPoint(-1, 0) << QPoint(36, 20) << QPoint(37, 20);
        QTest::newRow("on the edge of levels 19 and 20")
            << false << QPointF(50.5, 20) << QPoint(0, 0) << QPoint(50, 19) << QPoint(50, 20);
        QTest::newRow("a pixel above it")
            << false << QPointF(50.5, 20) << QPoint(0, -1) << QPoint(50, 20) << QPoint(50, 19);
        QTest::newRow("on a corner") << false << QPointF(37, 20) << QPoint(0, 0) << QPoint(37, 19)
                                     << QPoint(36, 20);
        QTest::newRow("top row: level 30")
            << false << QPointF(60.5, 31) << QPoint(0, 0) << QPoint(60, 30) << QPoint(60, 29);
        QTest::newRow("top right pixel")
            << false << QPointF(121, 31) << QPoint(-1, 0) << QPoint(120, 30) << QPoint(119, 30);
        QTest::newRow("bottom left pixel")
            << false << QPointF(0, 0) << QPoint(0, -1) << QPoint(0, 0) << QPoint(0, 1);
        QTest::newRow("threshold: on the edge of levels 89 and 90")
            << true << QPointF(10.5, 90) << QPoint(0, 0) << QPoint(10, 89) << QPoint(10, 90);
        QTest::newRow("threshold: top row, level 99")
            << true << QPointF(10.5, 100) << QPoint(0, 0) << QPoint(10, 99) << QPoint(10, 98);
    }

    void pointerOnACellsEdgeReadsTheCellDrawnUnderIt()
    {
        QFETCH(bool, threshold);
        QFETCH(QPointF, at);
        QFETCH(QPoint, nudge);
        QFETCH(QPoint, cell);
        QFETCH(QPoint, across);
        FormFixture f;
        ProbabilityMapWindow& w = openMapOn(f, threshold ? MapAxis::threshold : MapAxis::noise);
        ProbabilityMapView& view = w.view();
        const int levels = view.map()->grid.levels();
        // Whole pixels a cell, so that the edges fall on pixels' corners.
        const QSize margins = view.size() - view.plotRect().size();
        const QSize least = view.minimumSize() - margins;
        const int cellWidth = (least.width() + kMapSteps - 1) / kMapSteps;
        const int cellHeight = (least.height() + levels - 1) / levels;
        resizePlot(w, QSize(kMapSteps * cellWidth, levels * cellHeight));
        view.setMap(checkerMap(view.map()->grid));
        const QRect plot = view.plotRect();
        const QPoint pixel = QPoint(plot.left() + int(at.x() * cellWidth),
                                    plot.top() + plot.height() - int(at.y() * cellHeight)) +
                             nudge;
        QVERIFY(plot.contains(pixel));
        const QImage image = view.grab().toImage();
        const ProbabilityMap& map = *view.map();
        QCOMPARE(QColor(image.pixel((QPointF(pixel) * image.devicePixelRatio()).toPoint())),
                 viridisColour(map.at(cell.x(), cell.y())));
        QCOMPARE(view.gridPointAt(pixel), std::optional<QPoint>(cell));
        const auto centre = [&](QPoint of) { return view.widgetPoint(QPointF(of)).toPoint(); };
        const QString wanted = readOutAt(w, centre(cell));
        QVERIFY(wanted != readOutAt(w, centre(across)));
        QCOMPARE(readOutAt(w, pixel), wanted);
    }

    void legendMarksStandOnTheRowsOfTheirValues_data()
    {
        QTest::addColumn<double>("p");
        QTest::addColumn<QRgb>("colour");
        QTest::newRow("0.5, white") << 0.5 << ProbabilityMapView::kHalfContour;
        QTest::newRow("0.9, black") << 0.9 << ProbabilityMapView::kNinetyContour;
    }

    void legendMarksStandOnTheRowsOfTheirValues()
    {
        QFETCH(double, p);
        QFETCH(QRgb, colour);
        FormFixture f;
        f.graph.probabilityMapAction()->trigger();
        ProbabilityMapWindow& w = waitForMap(f);
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        ProbabilityMapView& view = w.view();
        const QColor textColour = view.palette().text().color();
        // Ten heights a pixel apart: p's place falls on every tenth of a row.
        for (int grown = 0; grown < 10; ++grown) {
            if (grown > 0) {
                const QSize before = view.size();
                w.resize(w.width(), w.height() + 1);
                QTRY_VERIFY(view.size() != before);
            }
            const QImage image = view.grab().toImage();
            const qreal ratio = image.devicePixelRatio();
            const auto at = [&](int x, int y) { return QColor(image.pixel(int(x * ratio), int(y * ratio))); };
            const QRect plot = view.plotRect();
            // The legend stands beside the plot, the scale's 0 on its bottom row, 1 on its top row.
            int left = plot.right() + 2;
            while (left < view.width() && (at(left, plot.bottom()) != viridisColour(0.0) ||
                                           at(left, plot.top()) != viridisColour(1.0)))
                ++left;
            int right = left;
            while (right + 1 < view.width() && at(right + 1, plot.bottom()) == viridisColour(0.0))
                ++right;
            QVERIFY(right < view.width() - 8);
            const int middle = (left + right) / 2;
            const double rows = plot.height() - 1;
            const double place = plot.bottom() - p * rows;  // p's row, between two rows as it may be
            const auto nearest = [&](int y) { return std::abs(y - place) <= 0.5 + 1e-9; };
            const QString where = QStringLiteral("plot height %1").arg(plot.height());

            QList<int> marked;
            for (int y = plot.top(); y <= plot.bottom(); ++y)
                if (at(middle, y) == QColor::fromRgb(colour))
                    marked << y;
            QVERIFY2(!marked.isEmpty() && marked.size() <= 2 && marked.last() - marked.first() < 2,
                     qPrintable(where));
            QVERIFY2(std::any_of(marked.begin(), marked.end(), nearest), qPrintable(where));
            for (const int y : {marked.first() - 1, marked.last() + 1})
                QCOMPARE(at(middle, y), viridisColour((plot.bottom() - y) / rows));
            // Its tick, right of the legend, on p's row.
            QList<int> ticks;
            for (int y = int(place) - 4; y <= int(place) + 4; ++y)
                if (at(right + 3, y) == textColour)
                    ticks << y;
            QVERIFY2(ticks.size() == 1 && nearest(ticks.first()), qPrintable(where));
        }
    }

    void lastPositionSweepIsMarkedAtItsLevel()
    {
        FormFixture f;
        f.edit("Edit2")->setText(QStringLiteral("2"));
        f.checkBox("CheckBox1")->setChecked(true);
        f.slider("TrackBar5")->setValue(12);
        f.form->startSweep();
        for (int tick = 0; f.form->sweep().active && tick < 125 * 2; ++tick)
            f.form->tick();
        f.graph.probabilityMapAction()->trigger();
        ProbabilityMapWindow& w = waitForMap(f);
        const QPolygonF path = w.view().sweepPath();
        QVERIFY(path.size() > 100);
        for (const QPointF& point : path)
            QCOMPARE(point.y(), 12.0);
        QVERIFY(path.first().x() <= 2.0);  // from the first level the curve shows
        QVERIFY(path.last().x() >= 118.0);
        for (int i = 1; i < path.size(); ++i)
            QVERIFY(path[i].x() >= path[i - 1].x());
        const QImage image = w.view().grab().toImage();
        const int y = int(w.view().widgetPoint(QPointF(0, 12)).y());
        int orange = 0;
        for (int x = w.view().plotRect().left(); x <= w.view().plotRect().right(); ++x)
            orange += image.pixel(x, y) == ProbabilityMapView::kSweepPath ? 1 : 0;
        QVERIFY(orange > 50);
        // On the threshold map the sweep's threshold 0.27 is a row; a changed Q is not its map.
        w.setAxis(MapAxis::threshold);
        QCOMPARE(w.view().sweepPath().first().y(), 27.0);
        waitForMap(f);
        f.edit("Edit1")->setText(QStringLiteral("7"));
        f.graph.probabilityMapAction()->trigger();
        QVERIFY(w.view().sweepPath().isEmpty());
        waitForMap(f);
    }

    void sweepPathStandsOnItsThresholdsRow_data()
    {
        QTest::addColumn<QString>("threshold");  ///< with a comma
        QTest::addColumn<int>("level");
        // Thresholds whose single-precision value times 100 falls just below the whole number.
        QTest::newRow("0.29") << "0,29" << 29;
        QTest::newRow("0.57") << "0,57" << 57;
        QTest::newRow("0.9") << "0,9" << 90;
    }

    void sweepPathStandsOnItsThresholdsRow()
    {
        QFETCH(QString, threshold);
        QFETCH(int, level);
        FormFixture f;
        f.edit("Edit2")->setText(QStringLiteral("2"));
        f.edit("Edit3")->setText(f.local(threshold));
        f.form->startSweep();
        for (int tick = 0; f.form->sweep().active && tick < 125 * 2; ++tick)
            f.form->tick();
        f.graph.probabilityMapAction()->trigger();
        ProbabilityMapWindow& w = waitForMap(f);
        w.setAxis(MapAxis::threshold);
        waitForMap(f);
        const QPolygonF path = w.view().sweepPath();
        QVERIFY(path.size() > 100);
        for (const QPointF& point : path)
            QCOMPARE(point.y(), double(level));
        const QImage image = w.view().grab().toImage();
        const qreal ratio = image.devicePixelRatio();
        const int y = int(w.view().widgetPoint(QPointF(0, level)).y());
        int orange = 0;
        for (int x = w.view().plotRect().left(); x <= w.view().plotRect().right(); ++x)
            orange += image.pixel(int(x * ratio), int(y * ratio)) == ProbabilityMapView::kSweepPath ? 1 : 0;
        QVERIFY2(orange > 50, qPrintable(QString::number(orange)));
    }

    void savesPictureAndValuesThroughTheSaveDialog()
    {
        FormFixture f;
        f.graph.probabilityMapAction()->trigger();
        ProbabilityMapWindow& w = waitForMap(f);
        QTemporaryDir dir;
        QStringList asked;
        w.setFileNameAsker([&](QFileDialog& dialog) {
            asked << dialog.defaultSuffix() << dialog.nameFilters().join(QLatin1Char(';'));
            return dir.filePath(dialog.defaultSuffix() == QStringLiteral("png") ? QStringLiteral("map")
                                                                                : QStringLiteral("map.csv"));
        });
        QTest::mouseClick(&w.savePictureButton(), Qt::LeftButton);
        QTest::mouseClick(&w.saveDataButton(), Qt::LeftButton);
        QCOMPARE(asked.value(0), QStringLiteral("png"));
        QVERIFY(asked.value(1).contains(QStringLiteral("*.png")));
        QCOMPARE(asked.value(2), QStringLiteral("csv"));

        // The asker answers for the dialog; the suffix is the dialog's to add. The picture
        // is the line of inputs, as the window shows it, over the map.
        const QImage saved =
            QImage(dir.filePath(QStringLiteral("map")), "PNG").convertToFormat(QImage::Format_RGB32);
        QCOMPARE(saved, w.picture().convertToFormat(QImage::Format_RGB32));
        const QImage inputs = w.inputsLabel().grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage map = w.view().grab().toImage().convertToFormat(QImage::Format_RGB32);
        QVERIFY(w.inputsLabel().text().startsWith(QStringLiteral("Q = 9, T1 = (0, 0), ")));
        QCOMPARE(saved.height(), inputs.height() + map.height());
        QCOMPARE(saved.copy(0, 0, inputs.width(), inputs.height()), inputs);
        QCOMPARE(saved.copy(0, inputs.height(), map.width(), map.height()), map);
        QFile csv(dir.filePath(QStringLiteral("map.csv")));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QList<QByteArray> rows = csv.readAll().split('\n');
        QCOMPARE(rows.size(), 1 + 31 * 121 + 1);  // the last line ends with its newline
        QCOMPARE(rows[0] + '\n', QByteArray(kMapCsvHeader.data(), qsizetype(kMapCsvHeader.size())));
        QVERIFY(rows[0].endsWith(",q,t1x,t1y"));
        QVERIFY2(rows[1].endsWith(",9,0,0") && rows[31 * 121].endsWith(",9,0,0"), rows[1].constData());

        // A file that cannot be written is reported; nothing is lost.
        const QString missing = dir.filePath(QStringLiteral("no/such/map.csv"));
        w.setFileNameAsker([&](QFileDialog&) { return missing; });
        QTest::mouseClick(&w.saveDataButton(), Qt::LeftButton);
        QCOMPARE(f.takeReport(), QCoreApplication::translate("FileError", "Не удалось создать файл «%1». %2")
                                     .arg(missing, fileErrorReason(ENOENT)));
    }

    void saveErrorIsInFrontOfTheWindowThatSavedInItsLanguage_data()
    {
        QTest::addColumn<bool>("map");
        QTest::addColumn<bool>("picture");
        QTest::newRow("map PNG") << true << true;
        QTest::newRow("map CSV") << true << false;
        QTest::newRow("graph BMP") << false << true;
        QTest::newRow("graph CSV") << false << false;
    }

    void saveErrorIsInFrontOfTheWindowThatSavedInItsLanguage()
    {
        QFETCH(bool, map);
        QFETCH(bool, picture);
        FormFixture f;
        f.showExposed();
        QWidget* window = map ? static_cast<QWidget*>(&f.mapWindow) : &f.graph;
        if (map) {
            f.form->probabilityMapAction()->trigger();
            waitForMap(f);
        } else {
            f.graph.show();
        }
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const QString path = QStringLiteral("/proc/brenvik-%1.x").arg(QTest::currentDataTag());
        const FileNameAsker asker = [&](QFileDialog&) { return path; };
        if (map) {
            f.mapWindow.setFileNameAsker(asker);
            picture ? f.mapWindow.savePicture() : f.mapWindow.saveData();
        } else {
            f.graph.setFileNameAsker(asker);
            picture ? f.graph.savePicture() : f.graph.saveData();
        }
        QMessageBox* box = f.report.openBox();
        QVERIFY(box);
        // Owned by the window that saved, which stays on top: the box stays on top too.
        QCOMPARE(box->parentWidget(), window);
        QVERIFY(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(box->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(QTest::qWaitForWindowExposed(box));
        QCOMPARE(box->windowHandle()->transientParent(), window->windowHandle());
        QCOMPARE(box->windowTitle(), kApplicationTitle);
        // The program's own words, the reason included (root may not create it, others may not write).
        const QString text = QCoreApplication::translate("FileError", "Не удалось создать файл «%1». %2");
        QVERIFY2(box->text() == text.arg(path, fileErrorReason(ENOENT)) ||
                     box->text() == text.arg(path, fileErrorReason(EACCES)),
                 qPrintable(box->text()));
        QVERIFY(!QFile::exists(path));
    }

    void emptyQIsReportedEachTimeTheMapIsAskedFor()
    {
        FormFixture f;
        f.showActive();
        f.edit("Edit1")->clear();
        f.edit("Edit2")->setFocus();
        f.ticks(1);  // the frame reports it
        const QString report = f.takeReport();
        QCOMPARE(report, QStringLiteral("'' is not a valid floating point value."));
        f.ticks(1);  // not again from the frames
        QVERIFY(!f.report.isOpen());
        // Asked for, from either window, and while the box is being edited too.
        f.edit("Edit1")->setFocus();
        for (QAction* ask : {f.form->probabilityMapAction(), f.graph.probabilityMapAction()}) {
            ask->trigger();
            QCOMPARE(f.takeReport(), report);
            QVERIFY(!f.mapWindow.isVisible());
        }
    }

    void mapWarnsOfWhatTheToolWarnsOf()
    {
        FormFixture f;
        f.edit("Edit1")->setText(QStringLiteral("0"));
        f.form->probabilityMapAction()->trigger();
        ProbabilityMapWindow& w = waitForMap(f);
        QVERIFY(w.warningLabel().isVisible());
        QCOMPARE(w.warningLabel().text(), trMap("При Q = 0 каждая интенсивность — NaN, и критерий считает "
                                                "разрешённым каждое испытание."));
        for (double p : w.view().map()->p)
            QCOMPARE(p, 1.0);
        // A threshold of 1 on a noise map is warned of too; on a threshold map its rows replace it.
        f.edit("Edit1")->setText(QStringLiteral("9"));
        f.edit("Edit3")->setText(QStringLiteral("1"));
        f.form->probabilityMapAction()->trigger();
        waitForMap(f);
        QCOMPARE(w.warningLabel().text(), trMap("При пороге 1 и больше ни одно испытание не считается "
                                                "разрешённым, пока среднее по ячейке больше 0."));
        w.setAxis(MapAxis::threshold);
        waitForMap(f);
        QVERIFY(w.warningLabel().isHidden());
    }

    void openMapFollowsTheInputsWithoutWaitingForTheComputation()
    {
        FormFixture f;
        f.form->probabilityMapAction()->trigger();
        ProbabilityMapWindow& w = waitForMap(f);
        // A quick series of changes makes one computation, a moment after the last.
        QSignalSpy shown(&w, &ProbabilityMapWindow::mapShown);
        f.edit("Edit1")->setText(f.local("7,5"));
        f.slider("TrackBar1")->setValue(-6);
        f.slider("TrackBar2")->setValue(3);
        QVERIFY(!w.computing());
        QTRY_VERIFY_WITH_TIMEOUT(w.computing(), 5 * ProbabilityMapWindow::kFollowDelayMs);
        // Another change, perhaps while it computes, computes anew.
        f.edit("Edit3")->setText(f.local("0,4"));
        QTRY_VERIFY_WITH_TIMEOUT(w.view().map() && w.view().map()->grid.base.threshold == 0.4f, 60000);
        QVERIFY(shown.count() <= 2);
        MapGrid grid;
        grid.base.q = 7.5f;
        grid.base.t1x = -6;
        grid.base.t1y = 3;
        grid.base.threshold = 0.4f;
        QCOMPARE(w.view().map()->p, computeProbabilityMap(grid, 1)->p);
        QVERIFY(w.inputsLabel().text().startsWith(QStringLiteral("Q = ") + f.local("7,5") +
                                                  QStringLiteral(", T1 = (-6, 3), ")));
        // What the map does not show changes nothing: T2, the batch size, the noise of a noise map.
        f.slider("TrackBar3")->setValue(20);
        f.edit("Edit2")->setText(QStringLiteral("9"));
        f.checkBox("CheckBox1")->setChecked(!f.checkBox("CheckBox1")->isChecked());
        QTest::qWait(3 * ProbabilityMapWindow::kFollowDelayMs);
        QVERIFY(!w.computing());
        // A box without a number leaves the map as it is, and says nothing while typed.
        f.edit("Edit1")->clear();
        QTest::qWait(3 * ProbabilityMapWindow::kFollowDelayMs);
        QVERIFY(!w.computing());
        QVERIFY(!f.report.isOpen());
        QCOMPARE(w.view().map()->grid.base.q, 7.5f);
        // Closed, it follows nothing.
        w.close();
        f.edit("Edit1")->setText(QStringLiteral("5"));
        QTest::qWait(3 * ProbabilityMapWindow::kFollowDelayMs);
        QVERIFY(!w.computing());
    }

    void sweepPathGrowsOnTheOpenMapToItsEnd()
    {
        FormFixture f;
        f.edit("Edit2")->setText(QStringLiteral("2"));
        f.checkBox("CheckBox1")->setChecked(true);
        f.slider("TrackBar5")->setValue(12);
        f.form->probabilityMapAction()->trigger();
        ProbabilityMapWindow& w = waitForMap(f);
        QVERIFY(w.view().sweepPath().isEmpty());
        f.form->startSweep();
        qsizetype before = 0;
        for (int tick = 0; f.form->sweep().active && tick < 125 * 2; ++tick) {
            f.form->tick();
            if (tick == 100) {
                before = w.view().sweepPath().size();
                QVERIFY(before > 10);
            }
        }
        QVERIFY(!f.form->sweep().active);
        const QPolygonF path = w.view().sweepPath();
        QVERIFY(path.size() > before);
        QVERIFY(path.last().x() >= 118.0);
        for (const QPointF& point : path)
            QCOMPARE(point.y(), 12.0);
        // The sweep moved T2 only: the map was not computed again.
        QVERIFY(!w.computing());
        // The next Start clears the path.
        f.form->startSweep();
        QVERIFY(w.view().sweepPath().isEmpty());
        f.form->stopSweep();
    }

    void mainWindowOpensTheMapByKeyAndByTheViewsMenu()
    {
        FormFixture f;
        f.showActive();
        QVERIFY(!f.mapWindow.isVisible());
        QCOMPARE(f.form->probabilityMapAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_M));
        QTest::keyClick(f.form.get(), Qt::Key_M, Qt::ControlModifier);
        QVERIFY(f.mapWindow.isVisible());
        waitForMap(f);
        f.mapWindow.close();
        QWidget* view = f.form->findChild<QWidget*>(QStringLiteral("View3D"));
        QVERIFY(view);
        const QStringList offered = brenvik::testing::contextMenuItems(*view);
        const QString item = QCoreApplication::translate("brenvik::MainWindow", "Карта вероятности…");
        QVERIFY2(offered.contains(item), qPrintable(offered.join(QLatin1Char('|'))));
    }

    void arrowKeysMoveACellWhoseReadOutIsThePointers()
    {
        FormFixture f;
        f.checkBox("CheckBox1")->setChecked(true);
        f.form->probabilityMapAction()->trigger();
        ProbabilityMapWindow& w = waitForMap(f);
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.view().focusPolicy(), Qt::StrongFocus);
        QVERIFY(!w.view().cursorCell());
        struct Press {
            int key;
            Qt::KeyboardModifiers modifiers;
            QPoint cell;
        };
        // From the middle of the map; held at its edges.
        const Press presses[] = {
            {Qt::Key_Right, Qt::NoModifier, {61, 15}},   {Qt::Key_Up, Qt::NoModifier, {61, 16}},
            {Qt::Key_Left, Qt::ShiftModifier, {51, 16}}, {Qt::Key_Down, Qt::ShiftModifier, {51, 6}},
            {Qt::Key_Home, Qt::NoModifier, {0, 6}},      {Qt::Key_Left, Qt::NoModifier, {0, 6}},
            {Qt::Key_PageUp, Qt::NoModifier, {0, 30}},   {Qt::Key_Up, Qt::NoModifier, {0, 30}},
            {Qt::Key_End, Qt::NoModifier, {120, 30}},    {Qt::Key_PageDown, Qt::NoModifier, {120, 0}},
        };
        for (const Press& press : presses) {
            QTest::keyClick(&w.view(), Qt::Key(press.key), press.modifiers);
            QCOMPARE(w.view().cursorCell(), std::optional<QPoint>(press.cell));
            const QString byKey = w.readOut().text();
            QVERIFY2(byKey.startsWith(trMap("Шаг %1: |T2 − T1| = %2 (%3 Q); %4; P = %5")
                                          .arg(press.cell.x())
                                          .section(QLatin1Char(':'), 0, 0)),
                     qPrintable(byKey));
            QCOMPARE(byKey, readOutUnderPointer(w, press.cell));
        }
        // The cell is outlined while the view has the focus.
        w.activateWindow();
        w.view().setFocus();
        QTRY_VERIFY(w.view().hasFocus());
        const QImage image = w.view().grab().toImage();
        const QPointF at = w.view().widgetPoint(QPointF(120, 0));
        int outline = 0;
        for (int dx = -8; dx <= 8; ++dx)
            outline += image.pixel(int(at.x()) + dx, int(at.y()) - 3) == ProbabilityMapView::kCursor ? 1 : 0;
        QVERIFY(outline > 0);
        // A threshold map has more levels; a noise map fewer: the cell stays on the grid.
        w.setAxis(MapAxis::threshold);
        waitForMap(f);
        QTest::keyClick(&w.view(), Qt::Key_PageUp);
        QCOMPARE(w.view().cursorCell(), std::optional<QPoint>(QPoint(120, 99)));
        w.setAxis(MapAxis::noise);
        QTest::keyClick(&w.view(), Qt::Key_Left);
        QCOMPARE(w.view().cursorCell(), std::optional<QPoint>(QPoint(119, 30)));
        waitForMap(f);
    }

    void atItsSmallestEverythingReads()
    {
        FormFixture f;
        f.form->probabilityMapAction()->trigger();
        ProbabilityMapWindow& w = waitForMap(f);
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        for (const MapAxis axis : {MapAxis::noise, MapAxis::threshold}) {
            w.setAxis(axis);
            waitForMap(f);
            w.resize(1, 1);  // held at the minimum size
            QTRY_COMPARE(w.view().size(), w.view().minimumSize());
            const QRect plot = w.view().plotRect();
            const QFontMetrics metrics(w.view().font());
            const auto width = [&](const char* text) {
                return metrics.horizontalAdvance(
                    QCoreApplication::translate("brenvik::ProbabilityMapView", text));
            };
            // The legend's 0.9 and 1 a line apart; the titles within the plot's sides.
            QVERIFY2(0.1 * (plot.height() - 1) >= metrics.height(),
                     qPrintable(QString::number(plot.height())));
            QVERIFY(width(axis == MapAxis::noise ? "Уровень шума" : "Порог") < plot.height());
            QVERIFY(width("Шаг T2 по диагонали: T2 = (шаг − 60, шаг − 60)") < plot.width());
            QVERIFY(width("Расстояние |T2 − T1|, единиц датчика") < plot.width());
        }
    }

    void everyWindowFitsTheScreenAndTheInputsStayClear()
    {
        FormFixture f;
        f.showExposed();
        const QRect available = f.form->screen()->availableGeometry();
        f.form->probabilityMapAction()->trigger();
        ProbabilityMapWindow& w = waitForMap(f);
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY2(available.contains(w.frameGeometry()),
                 qPrintable(
                     QStringLiteral("%1×%2").arg(w.frameGeometry().width()).arg(w.frameGeometry().height())));
        f.form->startSweep();
        QVERIFY(QTest::qWaitForWindowExposed(&f.graph));
        f.form->stopSweep();
        const QRect graph = f.graph.frameGeometry();
        QVERIFY(available.contains(graph));
        for (const QRect& inputs : f.form->inputAreas())
            QVERIFY(!inputs.intersects(graph));
        // Its buttons show, however much it shrank, and after a second Start too.
        f.form->startSweep();
        f.form->stopSweep();
        for (const char* name : {"SpeedButton1", "SpeedButton2"}) {
            const auto* button = f.graph.findChild<QToolButton*>(QString::fromLatin1(name));
            QVERIFY(button);
            QVERIFY(f.graph.rect().contains(QRect(button->mapTo(&f.graph, QPoint()), button->size())));
        }
    }
};

QTEST_MAIN(ProbabilityMapWindowTest)
#include "probability_map_window_test.moc"
