#include "ui/map/probability_map_view.h"

#include "model/sweep_steps.h"
#include "ui/map/colour_scale.h"
#include "ui/map/map_contours.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace brenvik {

namespace {
// Room around the cells for the axes' numbers and titles and for the legend.
constexpr int kLeft = 64, kRight = 100, kTop = 46, kBottom = 46;
constexpr int kLegendGap = 18, kLegendWidth = 16;
constexpr int kTick = 4;

// The cell of a plot's pixel along one side, the pixel counted from the plot's left or
// bottom edge: the cell that the pixel's left or bottom edge lies in. Drawing and the
// read-out share it, so that the pointer reads the cell whose colour is under it.
int cellOfPixel(int pixel, int pixels, int cells) { return pixel * cells / pixels; }
}  // namespace

ProbabilityMapView::ProbabilityMapView(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    updateMinimumSize();
}

void ProbabilityMapView::updateMinimumSize()
{
    const QFontMetrics metrics(font());
    const int line = metrics.height();
    const auto widest = [&](std::initializer_list<QString> texts) {
        int width = 0;
        for (const QString& text : texts)
            width = std::max(width, metrics.horizontalAdvance(text));
        return width;
    };
    // Along the bottom and the top, the axes' titles; at the left, the levels' title
    // turned upright; in the legend, 0.9 and 1 a tenth of its height apart, a line each.
    const int plotWidth =
        std::max(2 * kMapSteps, widest({tr("Шаг T2 по диагонали: T2 = (шаг − 60, шаг − 60)"),
                                        tr("Расстояние |T2 − T1|, единиц датчика")}) +
                                    8);
    const int plotHeight =
        std::max({2 * kMapNoiseLevels, widest({tr("Уровень шума"), tr("Порог")}) + 8, 10 * (line + 2) + 1});
    setMinimumSize(kLeft + kRight + plotWidth, kTop + kBottom + plotHeight);
}

void ProbabilityMapView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::LanguageChange)
        updateMinimumSize();
    QWidget::changeEvent(event);
}

void ProbabilityMapView::setMap(std::optional<ProbabilityMap> map)
{
    m_map = std::move(map);
    if (m_map) {
        m_grid = m_map->grid;
        m_cells = QImage(kMapSteps, levels(), QImage::Format_RGB32);
        for (int level = 0; level < levels(); ++level)
            for (int step = 0; step < kMapSteps; ++step)
                m_cells.setPixel(step, levels() - 1 - level, viridisColour(m_map->at(step, level)).rgb());
    }
    update();
}

void ProbabilityMapView::setGrid(const MapGrid& grid)
{
    m_grid = grid;
    // A threshold map has more levels than a noise map: the cells stay on the grid.
    for (std::optional<QPoint>* cell : {&m_cursor, &m_lastHovered})
        if (*cell)
            (*cell)->setY(std::min((*cell)->y(), levels() - 1));
    update();
}

void ProbabilityMapView::setSeparator(char separator)
{
    m_separator = separator;
    update();
}

void ProbabilityMapView::setSweepPath(QPolygonF path)
{
    m_sweepPath = std::move(path);
    update();
}

QRect ProbabilityMapView::plotRect() const
{
    return QRect(kLeft, kTop, width() - kLeft - kRight, height() - kTop - kBottom);
}

QPointF ProbabilityMapView::widgetPoint(QPointF grid) const
{
    const QRect plot = plotRect();
    const double cellWidth = static_cast<double>(plot.width()) / kMapSteps;
    const double cellHeight = static_cast<double>(plot.height()) / levels();
    return QPointF(plot.left() + (grid.x() + 0.5) * cellWidth,
                   plot.top() + plot.height() - (grid.y() + 0.5) * cellHeight);
}

std::optional<QPoint> ProbabilityMapView::gridPointAt(QPoint position) const
{
    const QRect plot = plotRect();
    if (!plot.contains(position))
        return std::nullopt;
    return QPoint(cellOfPixel(position.x() - plot.left(), plot.width(), kMapSteps),
                  cellOfPixel(plot.top() + plot.height() - 1 - position.y(), plot.height(), levels()));
}

QImage ProbabilityMapView::scaledCells(QSize size) const
{
    QImage image(size, QImage::Format_RGB32);
    std::vector<int> steps(static_cast<std::size_t>(size.width()));
    for (int x = 0; x < size.width(); ++x)
        steps[static_cast<std::size_t>(x)] = cellOfPixel(x, size.width(), kMapSteps);
    const int rows = m_cells.height();
    for (int y = 0; y < size.height(); ++y) {
        const int level = cellOfPixel(size.height() - 1 - y, size.height(), rows);
        const auto* from = reinterpret_cast<const QRgb*>(m_cells.constScanLine(rows - 1 - level));
        auto* to = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            to[x] = from[steps[static_cast<std::size_t>(x)]];
    }
    return image;
}

QString ProbabilityMapView::number(double value, int decimals) const
{
    QString text = QString::number(value, 'f', decimals);
    return text.replace(QLatin1Char('.'), QLatin1Char(m_separator));
}

void ProbabilityMapView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const QRect plot = plotRect();
    if (m_map) {
        // One cell a grid point, each in one colour, scaled here: Qt's own scaling
        // rounds its own way and would draw some cells' edges a pixel off the read-out's.
        painter.drawImage(plot.topLeft(), scaledCells(plot.size()));
        // Unsmoothed lines, so that the contours' pixels have the contours' colours.
        const auto drawContour = [&](double p, QRgb colour) {
            painter.setPen(QPen(QColor::fromRgb(colour), 2));
            for (const QLineF& piece : contourSegments(*m_map, p))
                painter.drawLine(QLineF(widgetPoint(piece.p1()), widgetPoint(piece.p2())));
        };
        drawContour(0.5, kHalfContour);
        drawContour(0.9, kNinetyContour);
        if (!m_sweepPath.isEmpty()) {
            painter.setPen(QPen(QColor::fromRgb(kSweepPath), 1, Qt::DashLine));
            QPolygonF path;
            for (const QPointF& point : m_sweepPath)
                path << widgetPoint(point);
            painter.drawPolyline(path);
        }
        if (m_cursor && hasFocus()) {
            const QPointF corner = widgetPoint(QPointF(m_cursor->x() - 0.5, m_cursor->y() + 0.5));
            const QPointF opposite = widgetPoint(QPointF(m_cursor->x() + 0.5, m_cursor->y() - 0.5));
            painter.setPen(QPen(QColor::fromRgb(kCursor), 2));
            painter.drawRect(QRectF(corner, opposite).adjusted(-1, -1, 1, 1));
        }
    } else {
        painter.fillRect(plot, palette().base());
        painter.setPen(palette().text().color());
        painter.drawText(plot, Qt::AlignCenter, tr("Карта считается…"));
    }
    painter.setPen(palette().text().color());
    painter.drawRect(plot.adjusted(-1, -1, 0, 0));
    drawAxes(painter, plot);
    drawLegend(painter, plot);
}

void ProbabilityMapView::drawAxes(QPainter& painter, QRect plot) const
{
    const QFontMetrics metrics(painter.font());
    const int line = metrics.height();
    // Steps below, the separation at the same steps above.
    for (int step = 0; step <= kSweepLastParameterStep; step += 20) {
        const int x = static_cast<int>(widgetPoint(QPointF(step, 0)).x());
        painter.drawLine(x, plot.bottom() + 1, x, plot.bottom() + kTick);
        painter.drawLine(x, plot.top() - 1, x, plot.top() - kTick);
        const QRect below(x - 30, plot.bottom() + kTick + 1, 60, line);
        painter.drawText(below, Qt::AlignHCenter | Qt::AlignTop, QString::number(step));
        const QRect above(x - 30, plot.top() - kTick - 1 - line, 60, line);
        painter.drawText(above, Qt::AlignHCenter | Qt::AlignBottom, number(m_grid.separation(step), 1));
    }
    painter.drawText(QRect(plot.left(), plot.bottom() + kTick + line, plot.width(), line), Qt::AlignHCenter,
                     tr("Шаг T2 по диагонали: T2 = (шаг − 60, шаг − 60)"));
    painter.drawText(QRect(plot.left(), plot.top() - kTick - 2 * line - 2, plot.width(), line),
                     Qt::AlignHCenter, tr("Расстояние |T2 − T1|, единиц датчика"));

    // Levels at the left.
    const bool noise = m_grid.axis == MapAxis::noise;
    const int every = noise ? 5 : 10;
    for (int level = 0; level < levels(); level += every) {
        const int y = static_cast<int>(widgetPoint(QPointF(0, level)).y());
        painter.drawLine(plot.left() - 1, y, plot.left() - kTick, y);
        const QString text = noise ? QString::number(level) : number(level / 100.0, level % 10 == 0 ? 1 : 2);
        painter.drawText(QRect(plot.left() - kTick - 44, y - line / 2, 40, line),
                         Qt::AlignRight | Qt::AlignVCenter, level == 0 ? QStringLiteral("0") : text);
    }
    painter.save();
    painter.translate(plot.left() - kTick - 46, plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRect(-plot.height() / 2, -line, plot.height(), line), Qt::AlignCenter,
                     noise ? tr("Уровень шума") : tr("Порог"));
    painter.restore();
}

void ProbabilityMapView::drawLegend(QPainter& painter, QRect plot) const
{
    const QRect bar(plot.right() + kLegendGap, plot.top(), kLegendWidth, plot.height());
    for (int y = bar.top(); y <= bar.bottom(); ++y) {
        const double p = static_cast<double>(bar.bottom() - y) / std::max(1, bar.height() - 1);
        painter.setPen(viridisColour(p));
        painter.drawLine(bar.left(), y, bar.right(), y);
    }
    const QFontMetrics metrics(painter.font());
    const auto levelY = [&](double p) {
        return bar.bottom() - static_cast<int>(std::lround(p * (bar.height() - 1)));
    };
    for (const auto& [p, colour] : {std::pair{0.5, kHalfContour}, std::pair{0.9, kNinetyContour}}) {
        painter.setPen(QPen(QColor::fromRgb(colour), 2));
        painter.drawLine(bar.left(), levelY(p), bar.right(), levelY(p));
    }
    painter.setPen(palette().text().color());
    painter.drawRect(bar.adjusted(-1, -1, 0, 0));
    for (double p : {0.0, 0.5, 0.9, 1.0}) {
        const int y = levelY(p);
        painter.drawLine(bar.right() + 1, y, bar.right() + kTick, y);
        const QString text = p == 0.0 || p == 1.0 ? QString::number(p) : number(p, 1);
        painter.drawText(QRect(bar.right() + kTick + 3, y - metrics.height() / 2, 40, metrics.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, text);
    }
    painter.drawText(QRect(bar.left() - 10, plot.top() - kTick - 2 * metrics.height() - 2, bar.width() + 20,
                           metrics.height()),
                     Qt::AlignHCenter, QStringLiteral("P"));
}

void ProbabilityMapView::keyPressEvent(QKeyEvent* event)
{
    const int stride = event->modifiers().testFlag(Qt::ShiftModifier) ? 10 : 1;
    QPoint cell = m_cursor.value_or(m_lastHovered.value_or(QPoint(kMapSteps / 2, levels() / 2)));
    switch (event->key()) {
    case Qt::Key_Left:
        cell.rx() -= stride;
        break;
    case Qt::Key_Right:
        cell.rx() += stride;
        break;
    case Qt::Key_Up:
        cell.ry() += stride;
        break;
    case Qt::Key_Down:
        cell.ry() -= stride;
        break;
    case Qt::Key_Home:
        cell.setX(0);
        break;
    case Qt::Key_End:
        cell.setX(kMapSteps - 1);
        break;
    case Qt::Key_PageUp:
        cell.setY(levels() - 1);
        break;
    case Qt::Key_PageDown:
        cell.setY(0);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    m_cursor = QPoint(std::clamp(cell.x(), 0, kMapSteps - 1), std::clamp(cell.y(), 0, levels() - 1));
    update();
    emit cursorMoved(m_cursor->x(), m_cursor->y());
}

void ProbabilityMapView::focusInEvent(QFocusEvent* event)
{
    update();
    QWidget::focusInEvent(event);
}

void ProbabilityMapView::focusOutEvent(QFocusEvent* event)
{
    update();
    QWidget::focusOutEvent(event);
}

void ProbabilityMapView::mouseMoveEvent(QMouseEvent* event)
{
    if (const auto point = gridPointAt(event->position().toPoint())) {
        m_lastHovered = *point;
        emit hovered(point->x(), point->y());
    } else
        emit leftCells();
    QWidget::mouseMoveEvent(event);
}

void ProbabilityMapView::leaveEvent(QEvent* event)
{
    emit leftCells();
    QWidget::leaveEvent(event);
}

}  // namespace brenvik
