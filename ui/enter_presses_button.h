#pragma once
// Enter and keypad Enter press the button that has the keyboard focus, as Space does. Qt
// leaves them to a dialog's default button; in an ordinary window they would do nothing.

class QWidget;

namespace brenvik {

/// Lets Enter press each push and tool button of `window` while it has the focus.
void letEnterPressFocusedButtons(QWidget& window);

}  // namespace brenvik
