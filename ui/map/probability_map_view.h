#pragma once
// The probability map drawn: one coloured cell a grid point (viridis, 0 … 1) with the
// legend of its colours, axes with T2's step below and the separation |T2 − T1| above,
// the noise level or the threshold at the left, the contours of 0.5 (white) and 0.9
// (black), and the path of the last position sweep (orange, dashed).

#include "model/probability_map.h"

#include <QPolygonF>
#include <QWidget>

#include <optional>

namespace brenvik {

class ProbabilityMapView : public QWidget {
    Q_OBJECT
public:
    static constexpr QRgb kHalfContour = 0xffffffff;    ///< the line of P = 0.5
    static constexpr QRgb kNinetyContour = 0xff000000;  ///< the line of P = 0.9
    static constexpr QRgb kSweepPath = 0xffff8000;      ///< the last position sweep
    static constexpr QRgb kCursor = 0xffff0000;         ///< the keyboard's cell

    explicit ProbabilityMapView(QWidget* parent = nullptr);

    /// The map to draw; nothing while it is being computed.
    void setMap(std::optional<ProbabilityMap> map);
    const std::optional<ProbabilityMap>& map() const { return m_map; }
    /// The grid the axes show while there is no map yet.
    void setGrid(const MapGrid& grid);
    /// The numbers' decimal separator.
    void setSeparator(char separator);
    /// The last position sweep's steps and levels, in grid coordinates; empty: none.
    void setSweepPath(QPolygonF path);
    const QPolygonF& sweepPath() const { return m_sweepPath; }

    /// Where the cells are drawn.
    QRect plotRect() const;
    /// The widget position of grid point (step, level), which may lie between points.
    QPointF widgetPoint(QPointF grid) const;
    /// The grid point whose cell holds the position, if any.
    std::optional<QPoint> gridPointAt(QPoint position) const;
    /// The keyboard's cell (step, level), outlined while the view has the focus; none
    /// until an arrow key is pressed.
    std::optional<QPoint> cursorCell() const { return m_cursor; }

signals:
    /// The mouse is over the cell of grid point (step, level).
    void hovered(int step, int level);
    /// The mouse left the cells.
    void leftCells();
    /// The keyboard moved its cell to grid point (step, level).
    void cursorMoved(int step, int level);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    /// Arrows move the keyboard's cell a step or a level, with Shift ten; Home and End
    /// go to the first and last step, Page Up and Page Down to the top and bottom level.
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    int levels() const { return m_grid.levels(); }
    QString number(double value, int decimals) const;
    /// The cells at `size`, the plot's size, each pixel in the colour of its cell.
    QImage scaledCells(QSize size) const;
    void drawAxes(QPainter& painter, QRect plot) const;
    void drawLegend(QPainter& painter, QRect plot) const;
    /// The smallest size at which the axes' titles and the legend's numbers read whole.
    void updateMinimumSize();

    std::optional<ProbabilityMap> m_map;
    MapGrid m_grid;
    QImage m_cells;  ///< one pixel a grid point, level 0 at the bottom
    QPolygonF m_sweepPath;
    std::optional<QPoint> m_cursor;
    std::optional<QPoint> m_lastHovered;  ///< where the keyboard's cell starts
    char m_separator = '.';
};

}  // namespace brenvik
