#include "ui/check_mark_style.h"

#include <QApplication>
#include <QCheckBox>
#include <QStyleFactory>
#include <QStyleOptionButton>

namespace brenvik {

CheckMarkStyle::CheckMarkStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}

void CheckMarkStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                   const QWidget* widget) const
{
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
    if (element != PE_IndicatorCheckBox || !button) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // The box is filled with the palette's base colour; its matching text colour marks it.
    QStyleOptionButton indicator(*button);
    const QPalette standard = QApplication::palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        indicator.palette.setBrush(group, QPalette::Text, standard.brush(group, QPalette::Text));
    QProxyStyle::drawPrimitive(element, &indicator, painter, widget);
}

void useDarkCheckMarks(QWidget* window)
{
    const QList<QCheckBox*> boxes = window->findChildren<QCheckBox*>();
    if (boxes.isEmpty())
        return;  // a window without check boxes needs no style of its own
    // Parented to the window after its controls, so it is destroyed after them.
    auto* style = new CheckMarkStyle;
    style->setParent(window);
    for (QCheckBox* box : boxes)
        box->setStyle(style);
}

}  // namespace brenvik
