// Where a window goes so that it fits the screen and leaves another window's inputs clear:
// the graph window at its corner where it covers none of them, elsewhere or shrunk where it
// would; and the main window moved out of the graph's corner where the screen has room.

#include "ui/window_placement.h"

#include <QtTest>

using namespace brenvik;

namespace {
// The main window's two input panels, centred on a 1280 × 1024 screen, and at 2× (in window
// pixels: 640 × 512) where it fills the screen.
const QList<QRect> kInputsAt1x{QRect(787, 307, 153, 425), QRect(339, 307, 441, 41)};
const QList<QRect> kInputsAt2x{QRect(456, 8, 153, 425), QRect(8, 8, 441, 41)};
const QSize kGraph(538, 342);  // 528 × 312 and a frame
const QSize kSmallest(274, 180);
}  // namespace

class WindowPlacementTest : public QObject {
    Q_OBJECT

private slots:
    void placeClear_data()
    {
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QList<QRect>>("keepClear");
        QTest::addColumn<QRect>("placed");
        QTest::newRow("nothing in the corner")
            << QRect(0, 0, 1280, 1024) << QList<QRect>{QRect(0, 400, 700, 400)} << QRect(742, 0, 538, 342);
        // Whole, in the free place nearest the corner: over the main window's view.
        QTest::newRow("1x, inputs in the corner")
            << QRect(0, 0, 1280, 1024) << kInputsAt1x << QRect(249, 348, 538, 342);
        // No place holds it: shrunk to the free place that keeps the most of it.
        QTest::newRow("2x") << QRect(0, 0, 640, 512) << kInputsAt2x << QRect(0, 49, 456, 342);
        QTest::newRow("2x, taskbar at the top")
            << QRect(0, 30, 640, 482) << kInputsAt2x << QRect(0, 49, 456, 342);
        // Only a strip is free: less than the smallest, but the most there is.
        QTest::newRow("only a strip")
            << QRect(0, 0, 640, 512) << QList<QRect>{QRect(0, 100, 640, 412)} << QRect(102, 0, 538, 100);
        QTest::newRow("larger than the screen")
            << QRect(0, 0, 500, 300) << QList<QRect>{} << QRect(0, 0, 500, 300);
    }

    void placeClear()
    {
        QFETCH(QRect, available);
        QFETCH(QList<QRect>, keepClear);
        QFETCH(QRect, placed);
        const QRect place = brenvik::placeClear(available, kGraph, keepClear, kSmallest);
        QCOMPARE(place, placed);
        QVERIFY(available.contains(place));
        for (const QRect& area : keepClear)
            QVERIFY(!area.intersects(place));
    }

    void shiftClearOf_data()
    {
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QList<QRect>>("areas");
        QTest::addColumn<QPoint>("shift");
        QTest::newRow("clear already") << QRect(0, 0, 1280, 1024) << QRect(0, 500, 627, 473)
                                       << QList<QRect>{QRect(461, 533, 153, 425)} << QPoint();
        // Down by 35 is shorter than left by 198.
        QTest::newRow("1x centred") << QRect(0, 0, 1280, 1024) << QRect(326, 275, 627, 473) << kInputsAt1x
                                    << QPoint(0, 35);
        // Too near the bottom to go down: to the left.
        QTest::newRow("1x low") << QRect(0, 0, 1280, 1024) << QRect(326, 540, 627, 473)
                                << QList<QRect>{QRect(787, 300, 153, 425)} << QPoint(-198, 0);
        // No room either way: stays.
        QTest::newRow("2x") << QRect(0, 0, 640, 512) << QRect(6, 20, 627, 470)
                            << QList<QRect>{QRect(467, 50, 153, 425), QRect(19, 50, 441, 41)} << QPoint();
    }

    void shiftClearOf()
    {
        QFETCH(QRect, available);
        QFETCH(QRect, frame);
        QFETCH(QList<QRect>, areas);
        QFETCH(QPoint, shift);
        const QRect corner(available.right() + 1 - kGraph.width(), available.top(), kGraph.width(),
                           kGraph.height());
        const QPoint move = brenvik::shiftClearOf(available, frame, areas, corner);
        QCOMPARE(move, shift);
        if (!move.isNull()) {
            QVERIFY(available.contains(frame.translated(move)));
            for (const QRect& area : areas)
                QVERIFY(!area.translated(move).intersects(corner));
        }
    }
};

QTEST_MAIN(WindowPlacementTest)
#include "window_placement_test.moc"
