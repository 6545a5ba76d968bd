// The probability map window: opened from the graph window's menu for the main window's
// inputs, computed off the GUI thread, drawn in viridis with its contours where the
// values pass 0.5 and 0.9, the value under the mouse, the last sweep's path, saving.

#include "context_menu.h"
#include "form_fixture.h"
#include "model/probability_map.h"
#include "model/probability_map_csv.h"
#include "ui/map/colour_scale.h"
#include "ui/map/probability_map_view.h"
#include "ui/map/probability_map_window.h"

#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolButton>

#include <cmath>

using namespace brenvik;
using brenvik::testing::FormFixture;

namespace {

QString tr3(const char* text) { return QCoreApplication::translate("brenvik::GraphWindow", text); }

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

        // The asker answers for the dialog; the suffix is the dialog's to add.
        QImage saved(dir.filePath(QStringLiteral("map")), "PNG");
        QCOMPARE(saved.size(), w.view().size());
        QCOMPARE(saved.convertToFormat(QImage::Format_RGB32),
                 w.picture().convertToFormat(QImage::Format_RGB32));
        QFile csv(dir.filePath(QStringLiteral("map.csv")));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QList<QByteArray> rows = csv.readAll().split('\n');
        QCOMPARE(rows.size(), 1 + 31 * 121 + 1);  // the last line ends with its newline
        QCOMPARE(rows[0] + '\n', QByteArray(kMapCsvHeader.data(), qsizetype(kMapCsvHeader.size())));

        // A file that cannot be written is reported; nothing is lost.
        w.setFileNameAsker([&](QFileDialog&) { return dir.filePath(QStringLiteral("no/such/map.csv")); });
        QTest::mouseClick(&w.saveDataButton(), Qt::LeftButton);
        QVERIFY(f.takeReport().startsWith(QStringLiteral("Cannot create file")));
    }
};

QTEST_MAIN(ProbabilityMapWindowTest)
#include "probability_map_window_test.moc"
