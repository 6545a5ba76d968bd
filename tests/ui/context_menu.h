#pragma once
// What a right click on a shown widget offers: the texts of the context menu it opens.

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QStringList>
#include <QTimer>
#include <QWidget>

namespace brenvik::testing {

/// Right-clicks `widget` at `at` and returns the items of the menu that opens, then closes
/// it; empty when no menu opens.
inline QStringList contextMenuItems(QWidget& widget, QPoint at = QPoint(100, 100))
{
    QStringList offered;
    QTimer::singleShot(0, [&] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (QAction* action : menu->actions())
                offered << action->text();
            menu->close();
        }
    });
    QContextMenuEvent click(QContextMenuEvent::Mouse, at, widget.mapToGlobal(at));
    QApplication::sendEvent(&widget, &click);
    return offered;
}

}  // namespace brenvik::testing
