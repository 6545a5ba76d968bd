#include "ui/failure_report.h"

#include "model/failure_text.h"

#include <QApplication>
#include <QWidget>

namespace brenvik {

FailureReport::~FailureReport() { delete m_box.data(); }

QString elidedForDisplay(const QString& text)
{
    constexpr qsizetype kHead = 120;
    constexpr qsizetype kTail = 60;
    if (text.size() <= kHead + kTail + 20)
        return text;
    return text.left(kHead) + QStringLiteral(" … ") + text.right(kTail);
}

void FailureReport::ReportFailure(const QString& message)
{
    if (isOpen() || message == m_lastReported)
        return;
    m_lastReported = message;

    // Like a cancel-mode notice: a drag or an open menu ends before the box appears.
    if (QWidget* grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
    if (QWidget* popup = QApplication::activePopupWidget())
        popup->close();

    const QString text = QString::fromStdString(withFullStop(message.toStdString()));
    auto* box = new QMessageBox(QMessageBox::Critical, kApplicationTitle, elidedForDisplay(text),
                                QMessageBox::Ok, m_owner);
    if (box->text() != text)
        box->setDetailedText(text);
    box->setAttribute(Qt::WA_DeleteOnClose);
    // Modal for the whole application, yet the failed handler returns at once and the
    // frames go on behind the box.
    box->setWindowModality(Qt::ApplicationModal);
    m_box = box;
    connect(box, &QMessageBox::finished, this, [this] { m_box.clear(); });
    box->show();
}

void FailureReport::ReportInputFailure(const QString& message, const QWidget& box)
{
    if (!box.hasFocus())
        ReportFailure(message);
}

}  // namespace brenvik
