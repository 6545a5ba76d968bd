#pragma once
// Shift+F10 opens a context menu, as the Menu key does. Qt's X11 platform turns the Menu key
// into a keyboard context-menu event for the focused control; Shift+F10, the other key for
// it, is left to the program.

class QWidget;

namespace brenvik {

/// Lets Shift+F10 open the context menu of the focused control of `window` (the window's own
/// where no control has the focus, or where the control has none), where the Menu key opens it.
void letShiftF10OpenContextMenus(QWidget& window);

}  // namespace brenvik
