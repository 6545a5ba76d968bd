#include "ui/graph_canvas.h"

#include <QPainter>

namespace brenvik {

GraphCanvas::GraphCanvas(QSize size) : m_image(size, QImage::Format_RGB32) { m_image.fill(Qt::black); }

void GraphCanvas::fillRect(const QRect& rect)
{
    QPainter painter(&m_image);
    painter.fillRect(rect, m_brush);
}

void GraphCanvas::lineTo(QPoint point)
{
    QPainter painter(&m_image);
    painter.setPen(m_pen);
    painter.drawLine(m_current, point);
    m_current = point;
}

}  // namespace brenvik
