#pragma once
// The picture a sweep draws on: an off-screen image with a brush, a pen and a current
// point that persists between ticks, so that the curve's segments join. The graph window
// shows the image whenever it is exposed, so minimising or covering it loses nothing.

#include <QColor>
#include <QImage>
#include <QPen>
#include <QPoint>
#include <QRect>

namespace brenvik {

class GraphCanvas {
public:
    explicit GraphCanvas(QSize size);

    const QImage& image() const { return m_image; }

    void setBrushColor(const QColor& colour) { m_brush = colour; }
    /// The whole drawing surface.
    QRect clipRect() const { return m_image.rect(); }
    void fillRect(const QRect& rect);

    void setPenStyle(Qt::PenStyle style) { m_pen.setStyle(style); }
    void setPenColor(const QColor& colour) { m_pen.setColor(colour); }
    void setPenWidth(int width) { m_pen.setWidth(width); }

    void moveTo(QPoint point) { m_current = point; }
    /// A line from the current point to `point`, which becomes the current point.
    void lineTo(QPoint point);
    QPoint penPos() const { return m_current; }

private:
    QImage m_image;
    QColor m_brush = Qt::white;
    QPen m_pen{Qt::black, 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin};
    QPoint m_current;
};

}  // namespace brenvik
