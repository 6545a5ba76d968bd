#include "ui/enter_presses_button.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QPushButton>
#include <QToolButton>

namespace brenvik {

namespace {

class EnterPressesButton final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        // Keypad Enter carries the keypad modifier; any other modifier makes another key.
        if (!enter || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        auto* button = static_cast<QAbstractButton*>(watched);
        if (!key->isAutoRepeat() && button->isEnabled())
            button->animateClick();  // pressed, shown pressed, then released: a click
        return true;
    }
};

}  // namespace

void letEnterPressFocusedButtons(QWidget& window)
{
    auto* filter = new EnterPressesButton(&window);
    // Push and tool buttons only: Enter on a check box leaves it as it is.
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>())
        if (qobject_cast<QPushButton*>(button) || qobject_cast<QToolButton*>(button))
            button->installEventFilter(filter);
}

}  // namespace brenvik
