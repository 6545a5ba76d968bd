#pragma once
// The program's one failure report: a modal error box captioned with the application
// title. Frames go on while it is open, so a failure that repeats on every tick must
// not bury the user under boxes: only one is ever open, and a failure identical to the
// one last reported is shown again only after a frame succeeded or a number box changed.

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QString>

namespace brenvik {

inline const QString kApplicationTitle = QStringLiteral("Brenvik");

/// The message with every word wider than `width` (a pasted text of thousands of digits)
/// shown with its middle left out; the box's details hold the whole message.
QString elidedForDisplay(const QString& text, const QFontMetrics& metrics, int width);

class FailureReport : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~FailureReport() override;

    /// The window the boxes belong to, so that the window system keeps them above it.
    void setOwner(QWidget* owner) { m_owner = owner; }

    /// Cancel any mouse capture, then show the message, with a full stop appended when
    /// its last character is above ".", in a modal box with the stop icon and one OK
    /// button. Returns at once; the box closes when the user dismisses it. The box belongs
    /// to `owner` where given (the window whose action failed) and to the owner set above
    /// otherwise; it stays in front of a window that stays on top.
    void reportFailure(const QString& message, QWidget* owner = nullptr);

    /// As reportFailure, for a failure to convert the text of `box`; but not while the
    /// user edits that box (it has the keyboard focus): a box opening then would take the
    /// keys still being typed. The first failure after the box lost focus is reported.
    void reportInputFailure(const QString& message, const QWidget& box);

    /// A frame succeeded or the text of a number box changed: the last failure may be
    /// reported again.
    void forgetLastFailure() { m_lastReported.clear(); }

    bool isOpen() const { return !m_box.isNull(); }
    QMessageBox* openBox() const { return m_box.data(); }

private:
    QPointer<QWidget> m_owner;
    QPointer<QMessageBox> m_box;
    QString m_lastReported;
};

}  // namespace brenvik
