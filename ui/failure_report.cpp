#include "ui/failure_report.h"

#include "model/failure_text.h"

#include <QApplication>
#include <QWidget>

namespace brenvik {

FailureReport::~FailureReport()
{
    delete m_box.data();
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
    auto* box = new QMessageBox(QMessageBox::Critical, kApplicationTitle, text, QMessageBox::Ok);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    m_box = box;
    connect(box, &QMessageBox::finished, this, [this] { m_box.clear(); });
    box->open();
}

} // namespace brenvik
