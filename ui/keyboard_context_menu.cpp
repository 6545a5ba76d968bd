#include "ui/keyboard_context_menu.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QShortcut>
#include <QWidget>

namespace brenvik {

void letShiftF10OpenContextMenus(QWidget& window)
{
    auto* shortcut = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), &window);
    QObject::connect(shortcut, &QShortcut::activated, &window, [&window] {
        QWidget* target = window.focusWidget() ? window.focusWidget() : &window;
        // Where Qt puts a menu the Menu key opens: the middle of the control's cursor
        // rectangle. A control without a menu of its own passes the event to its parents.
        const QPoint at = target->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
        QContextMenuEvent event(QContextMenuEvent::Keyboard, at, target->mapToGlobal(at), Qt::ShiftModifier);
        QCoreApplication::sendEvent(target, &event);
    });
}

}  // namespace brenvik
