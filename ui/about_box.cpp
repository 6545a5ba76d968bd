#include "ui/about_box.h"

#include "ui/fixed_window.h"
#include "ui/keyboard_context_menu.h"
#include "ui/sound_service.h"
#include "ui/window_placement.h"
#include "ui_about_box.h"

namespace brenvik {

namespace {
constexpr int kCreditsIntervalMs = 50;
constexpr int kCreditsCycle = 255;  // steps before the credits jump back
}  // namespace

AboutBox::Controls AboutBox::Controls::setUp(AboutBox& box)
{
    Ui::TAboutBox form;
    form.setupUi(&box);
    return {.okButton = form.OKButton,
            .musicCheck = form.CheckBox1,
            .credits = form.Credits,
            .picture = form.ProgramIcon};
}

AboutBox::AboutBox(SoundService& sound, QWidget* parent)
    : QDialog(parent), m_controls(Controls::setUp(*this)), m_sound(sound)
{
    setUpFixedWindow(*this, {.kind = Qt::Dialog, .staysOnTop = true});
    setModal(false);
    setAttribute(Qt::WA_StyledBackground);
    letShiftF10OpenContextMenus(*this);  // the description's copy menu
    m_controls.picture->setPixmap(QPixmap(QStringLiteral(":/brenvik/program_icon.png")));
    // The credits size themselves to their text, as auto-sized labels do.
    for (QLabel* label : m_controls.credits->findChildren<QLabel*>())
        label->adjustSize();
    m_creditsStart = m_controls.credits->pos();

    m_creditsTimer.setInterval(kCreditsIntervalMs);
    connect(&m_creditsTimer, &QTimer::timeout, this, &AboutBox::raiseCredits);
    connect(m_controls.okButton, &QPushButton::clicked, this, &QWidget::close);
    connect(m_controls.musicCheck, &QCheckBox::toggled, this, &AboutBox::toggleMusic);

    detectSound();
}

AboutBox::~AboutBox() = default;

void AboutBox::detectSound()
{
    // Decided once: a device that appears later is not used, one that goes away is.
    m_soundAvailable = m_sound.hasOutputDevice();
    m_musicOn = m_soundAvailable;
    m_controls.musicCheck->setEnabled(m_soundAvailable);
}

void AboutBox::showEvent(QShowEvent* event)
{
    if (!m_placed) {
        // Centred the first time; afterwards it opens where it was.
        centreOnScreen(*this);
        m_placed = true;
    }
    QDialog::showEvent(event);
    if (!event->spontaneous())
        startShowing();
}

void AboutBox::startShowing()
{
    m_scrollCount = 0;
    scrollCredits(0);
    m_creditsTimer.start();
    if (m_soundAvailable && m_musicOn)
        m_sound.playLooped();
}

void AboutBox::done(int result)
{
    stopShowing();
    QDialog::done(result);
}

void AboutBox::stopShowing()
{
    if (m_soundAvailable)
        m_sound.stop();
    m_creditsTimer.stop();
    scrollCredits(0);  // back to the start position; the count is reset when shown
}

void AboutBox::toggleMusic()
{
    m_musicOn = !m_musicOn;
    if (!m_soundAvailable)
        return;
    if (m_musicOn)
        m_sound.playLooped();
    else
        m_sound.stop();
}

void AboutBox::raiseCredits()
{
    m_scrollCount = static_cast<std::uint8_t>(m_scrollCount + 1);
    if (m_scrollCount == kCreditsCycle)
        m_scrollCount = 0;
    scrollCredits(m_scrollCount);
}

void AboutBox::scrollCredits(int pixels) { m_controls.credits->move(m_creditsStart - QPoint(0, pixels)); }

}  // namespace brenvik
