#include "ui/failure_report.h"

#include "model/failure_text.h"

#include <QApplication>
#include <QFontMetrics>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace brenvik {

FailureReport::~FailureReport() { delete m_box.data(); }

QString elidedForDisplay(const QString& text, const QFontMetrics& metrics, int width)
{
    // The box wraps its text between words only: a word wider than the line would be cut
    // at the box's edge, so it loses its middle instead.
    QStringList words = text.split(QLatin1Char(' '));
    for (QString& word : words)
        if (metrics.horizontalAdvance(word) > width)
            word = metrics.elidedText(word, Qt::ElideMiddle, width);
    return words.join(QLatin1Char(' '));
}

namespace {
/// The width a report's line may take: a message box keeps its text to about half the
/// screen, at most 500 pixels, beside its icon and within its margins.
int reportLineWidth(const QWidget* owner)
{
    const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    const int screenWidth = screen ? screen->availableGeometry().width() : 800;
    constexpr int kIconAndMargins = 100;
    return std::max(100, std::min(screenWidth / 2, 500) - kIconAndMargins);
}
}  // namespace

void FailureReport::reportFailure(const QString& message, QWidget* owner)
{
    QWidget* const parent = owner ? owner->window() : m_owner.data();
    if (isOpen() || message == m_lastReported)
        return;
    m_lastReported = message;

    // Like a cancel-mode notice: a drag or an open menu ends before the box appears.
    if (QWidget* grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
    if (QWidget* popup = QApplication::activePopupWidget())
        popup->close();

    const QString text = QString::fromStdString(withFullStop(message.toStdString()));
    auto* box = new QMessageBox(QMessageBox::Critical, kApplicationTitle, QString(), QMessageBox::Ok, parent);
    box->setText(elidedForDisplay(text, box->fontMetrics(), reportLineWidth(parent)));
    if (box->text() != text)
        box->setDetailedText(text);
    box->setAttribute(Qt::WA_DeleteOnClose);
    // Modal for the whole application, yet the failed handler returns at once and the
    // frames go on behind the box.
    box->setWindowModality(Qt::ApplicationModal);
    // A window that stays on top would otherwise hide its own box, which then takes no clicks.
    if (parent && parent->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        box->setWindowFlag(Qt::WindowStaysOnTopHint);
    m_box = box;
    connect(box, &QMessageBox::finished, this, [this] { m_box.clear(); });
    box->show();
}

void FailureReport::reportInputFailure(const QString& message, const QWidget& box)
{
    if (!box.hasFocus())
        reportFailure(message);
}

}  // namespace brenvik
