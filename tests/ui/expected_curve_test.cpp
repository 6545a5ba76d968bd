// The expected probability over the graph: a menu item, off at start, that shows the
// plotted points' expected shares as a dotted yellow curve without touching the picture.

#include "context_menu.h"
#include "form_fixture.h"
#include "model/sweep_steps.h"
#include "ui/sweep_graph.h"

#include <QAction>
#include <QMenu>
#include <QTimer>

#include <cmath>

using namespace brenvik;
using brenvik::testing::FormFixture;

namespace {

const QColor kYellow(255, 255, 0);

QString itemText() { return QCoreApplication::translate("brenvik::GraphWindow", "Ожидаемая вероятность"); }

/// A noise sweep with T1 at (−15, 0) and T2 at (15, 0), 5 trials per batch, run to its end.
struct NoiseSweep : FormFixture {
    NoiseSweep()
    {
        checkBox("CheckBox2")->setChecked(false);
        checkBox("CheckBox3")->setChecked(true);
        slider("TrackBar1")->setValue(-15);
        slider("TrackBar3")->setValue(15);
        form->startSweep();
        for (int tick = 0; form->sweep().active && tick < 125 * 5; ++tick)
            form->tick();
    }

    QImage shown() { return graph.grab().toImage(); }
};

QList<QPoint> yellowPixels(const QImage& image)
{
    QList<QPoint> found;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == kYellow)
                found << QPoint(x, y);
    return found;
}

/// The curve is made of horizontal and vertical pieces.
bool onCurve(const QPolygon& curve, QPoint p)
{
    for (int i = 1; i < curve.size(); ++i) {
        const QRect piece = QRect(curve[i - 1], curve[i]).normalized();
        if (piece.contains(p))
            return true;
    }
    return false;
}

}  // namespace

class ExpectedCurveTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { brenvik::testing::closeOpenReports(); }

    void menuOffersTheItemUncheckedAtStart()
    {
        FormFixture f;
        QAction* item = f.graph.expectedCurveAction();
        QCOMPARE(item->text(), itemText());
        QVERIFY(item->isCheckable());
        QVERIFY(!item->isChecked());

        f.graph.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.graph));
        const QStringList offered = brenvik::testing::contextMenuItems(f.graph);
        QVERIFY2(offered.contains(itemText()), qPrintable(offered.join(QLatin1Char('|'))));
    }

    void curveShowsOnlyWhileTheItemIsChecked()
    {
        NoiseSweep f;
        QCOMPARE(int(f.form->sweep().step), kSweepEndStep);
        QVERIFY(QTest::qWaitForWindowExposed(&f.graph));
        const QImage plain = f.shown();
        QVERIFY(yellowPixels(plain).isEmpty());
        const QImage& canvas = f.graph.canvas().image();
        for (int y = 60; y < canvas.height(); ++y)  // below the button panel
            for (int x = 0; x < canvas.width(); ++x)
                QCOMPARE(plain.pixel(x, y), canvas.pixel(x, y));

        f.graph.expectedCurveAction()->setChecked(true);
        const QImage withCurve = f.shown();
        const QList<QPoint> yellow = yellowPixels(withCurve);
        const QPolygon curve = expectedCurve(f.graph.points(), f.graph.graphBaseY());
        QVERIFY(yellow.size() > 100);
        for (const QPoint p : yellow)
            QVERIFY2(onCurve(curve, p), qPrintable(QStringLiteral("%1, %2").arg(p.x()).arg(p.y())));
        // Every step's level shows: the run from its point to the next holds a dot.
        const auto& points = f.graph.points();
        for (std::size_t i = 0; i + 1 < points.size(); ++i) {
            const QPoint level = curvePoint(points[i].step, points[i].expected, f.graph.graphBaseY());
            const int nextX = curvePoint(points[i + 1].step, 0, 0).x();
            const bool dotted = std::any_of(yellow.begin(), yellow.end(), [&](QPoint p) {
                return p.y() == level.y() && p.x() >= level.x() && p.x() <= nextX;
            });
            QVERIFY2(dotted, qPrintable(QString::number(points[i].step)));
        }
        // The screenshot shows what the window shows.
        QVERIFY(!yellowPixels(f.graph.screenshot()).isEmpty());

        f.graph.expectedCurveAction()->setChecked(false);
        QCOMPARE(f.shown(), plain);
    }

    void expectedSharesFollowTheTrials()
    {
        // 600 trials at 120 levels: what was resolved and what was expected differ by
        // chance only, a few standard deviations at most (the trials are always the same).
        NoiseSweep f;
        double resolved = 0, expected = 0, variance = 0;
        for (const SweepPoint& p : f.graph.points()) {
            QVERIFY(p.expected >= 0.0 && p.expected <= 1.0);
            const double trials = static_cast<double>(p.trials.trials());
            resolved += std::round(static_cast<double>(p.probability) * trials);
            expected += p.expected * trials;
            variance += p.expected * (1 - p.expected) * trials;
        }
        QVERIFY(variance > 10);  // the noise leaves many levels undecided
        QVERIFY2(std::abs(resolved - expected) < 4 * std::sqrt(variance),
                 qPrintable(QStringLiteral("%1 resolved, %2 expected").arg(resolved).arg(expected)));
    }
};

QTEST_MAIN(ExpectedCurveTest)
#include "expected_curve_test.moc"
