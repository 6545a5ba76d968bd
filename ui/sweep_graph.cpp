#include "ui/sweep_graph.h"

#include "ui/graph_canvas.h"
#include "ui/graph_geometry.h"

namespace brenvik {

std::int32_t drawAxesAndGrid(GraphCanvas& canvas, QSize outer)
{
    const auto [left, right, base, dx, dy] = graphGrid(outer.width(), outer.height());

    canvas.setBrushColor(Qt::black);
    canvas.fillRect(canvas.clipRect());

    canvas.setPenStyle(Qt::SolidLine);
    canvas.setPenColor(Qt::white);
    canvas.setPenWidth(3);
    canvas.moveTo({left, 0});
    canvas.lineTo({left, base});
    canvas.lineTo({right, base});
    for (int i = 1; i <= 10; ++i) {
        canvas.moveTo({left + i * dx, base - 5});
        canvas.lineTo({left + i * dx, base + 5});
    }
    for (int i = 1; i <= 10; ++i) {
        canvas.moveTo({5, base - i * dy});
        canvas.lineTo({15, base - i * dy});
    }

    canvas.setPenWidth(1);
    canvas.setPenStyle(Qt::DotLine);
    canvas.setPenColor(QColor(192, 192, 192));
    for (int i = 1; i <= 10; ++i) {
        canvas.moveTo({left + i * dx, base});
        canvas.lineTo({left + i * dx, 0});
    }
    for (int i = 1; i <= 10; ++i) {
        canvas.moveTo({left, base - i * dy});
        canvas.lineTo({right, base - i * dy});
    }

    const GraphPixel start = curveStart(base);
    canvas.moveTo({start.x, start.y});
    canvas.setPenStyle(Qt::SolidLine);
    canvas.setPenColor(QColor(0, 255, 0));
    return base;
}

QPoint curvePoint(int step, Extended P, std::int32_t graphBaseY)
{
    const GraphPixel point = curvePixel(step, P, graphBaseY);
    return {point.x, point.y};
}

QPolygon expectedCurve(const std::vector<SweepPoint>& points, std::int32_t graphBaseY)
{
    QPolygon curve;
    for (const GraphPixel p : expectedStaircase(points, graphBaseY))
        curve << QPoint(p.x, p.y);
    return curve;
}

}  // namespace brenvik
