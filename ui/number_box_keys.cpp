#include "ui/number_box_keys.h"

#include "ui/decimal_separator.h"
#include "ui/number_key_filter.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace brenvik {

NumberBoxKeys::NumberBoxKeys(const DecimalSeparator& separator, QObject* parent)
    : QObject(parent), m_separator(separator)
{
}

void NumberBoxKeys::watch(QLineEdit& box)
{
    box.installEventFilter(this);
    // Typed characters must come as key presses, which the filter sees.
    box.setAttribute(Qt::WA_InputMethodEnabled, false);
}

bool NumberBoxKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress)
        if (auto* box = qobject_cast<QLineEdit*>(watched))
            return filterKey(*box, static_cast<const QKeyEvent&>(*event));
    return QObject::eventFilter(watched, event);
}

bool NumberBoxKeys::filterKey(QLineEdit& box, const QKeyEvent& event) const
{
    const QString typed = event.text();
    // Keys that type nothing keep their editing and focus roles. Delete and Tab carry a
    // control character as text on some platforms, yet they are no typed characters.
    const int k = event.key();
    if (typed.isEmpty() || k == Qt::Key_Delete || k == Qt::Key_Tab || k == Qt::Key_Backtab)
        return false;
    if (typed.size() != 1)
        return true;  // a composed sequence of several characters is no single digit

    const char16_t original = typed.front().unicode();
    char16_t key = original;
    filterNumberKey(box.text(), key, QChar(m_separator.value()));
    if (key == kCancelledKey)
        return true;
    if (key == original)
        return false;  // the box inserts it as usual
    box.insert(QString(QChar(key)));
    return true;
}

}  // namespace brenvik
