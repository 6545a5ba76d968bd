#include "ui/sweep_graph.h"

#include "model/sweep_steps.h"
#include "ui/graph_canvas.h"
#include "ui/sweep_points.h"

#include <cmath>

namespace brenvik {

namespace {
constexpr int kLeft = 10;        // x of the vertical axis and of the curve's start
constexpr int kFullScale = 200;  // pixels for probability 1
}  // namespace

std::int32_t drawAxesAndGrid(GraphCanvas& canvas, QSize outer)
{
    const int width = outer.width();
    const std::int32_t base = outer.height() - 40;
    const int right = width - 10;

    canvas.setBrushColor(Qt::black);
    canvas.fillRect(canvas.clipRect());

    canvas.setPenStyle(Qt::SolidLine);
    canvas.setPenColor(Qt::white);
    canvas.setPenWidth(3);
    canvas.moveTo({kLeft, 0});
    canvas.lineTo({kLeft, base});
    canvas.lineTo({right, base});
    const int dx = (width - 20) / 10;
    for (int i = 1; i <= 10; ++i) {
        canvas.moveTo({kLeft + i * dx, base - 5});
        canvas.lineTo({kLeft + i * dx, base + 5});
    }
    const int dy = (base - 10) / 10;
    for (int i = 1; i <= 10; ++i) {
        canvas.moveTo({5, base - i * dy});
        canvas.lineTo({15, base - i * dy});
    }

    canvas.setPenWidth(1);
    canvas.setPenStyle(Qt::DotLine);
    canvas.setPenColor(QColor(192, 192, 192));
    for (int i = 1; i <= 10; ++i) {
        canvas.moveTo({kLeft + i * dx, base});
        canvas.lineTo({kLeft + i * dx, 0});
    }
    for (int i = 1; i <= 10; ++i) {
        canvas.moveTo({kLeft, base - i * dy});
        canvas.lineTo({right, base - i * dy});
    }

    canvas.moveTo({kLeft, base - kFullScale});  // where the curve begins: P = 1
    canvas.setPenStyle(Qt::SolidLine);
    canvas.setPenColor(QColor(0, 255, 0));
    return base;
}

QPoint curvePoint(int step, Extended P, std::int32_t graphBaseY)
{
    return {4 * step + kLeft, graphBaseY - curveHeight(P)};
}

QPolygon expectedCurve(const std::vector<SweepPoint>& points, std::int32_t graphBaseY)
{
    QPolygon curve;
    for (const SweepPoint& p : points) {
        if (!std::isfinite(p.expected))
            continue;
        const QPoint level = curvePoint(p.step, p.expected, graphBaseY);
        if (!curve.isEmpty())
            curve << QPoint(level.x(), curve.back().y());  // the last level runs on to this step
        curve << level;
    }
    return curve;
}

}  // namespace brenvik
