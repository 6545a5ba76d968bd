#pragma once
// The key filter of the main window's number boxes: one object, installed as an event
// filter on each box, passes a typed character through filterNumberKey with the box's own
// text and the separator the user's settings give at the time of the key press.

#include <QObject>

class QEvent;
class QKeyEvent;
class QLineEdit;

namespace brenvik {

class DecimalSeparator;

class NumberBoxKeys : public QObject {
public:
    explicit NumberBoxKeys(const DecimalSeparator& separator, QObject* parent = nullptr);

    /// Filters the keys typed into `box` from now on. The box's input method is turned off,
    /// so that every typed character comes as a key press.
    void watch(QLineEdit& box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool filterKey(QLineEdit& box, const QKeyEvent& event) const;

    const DecimalSeparator& m_separator;
};

}  // namespace brenvik
