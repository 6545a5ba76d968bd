#include "ui/Unit2.h"

#include "ui/check_mark_style.h"
#include "ui/sound_service.h"
#include "ui/window_placement.h"
#include "ui_Unit2.h"

namespace brenvik {

namespace {
constexpr int kCreditsIntervalMs = 50;
constexpr int kCreditsCycle = 255;  // steps before the credits jump back
}  // namespace

TAboutBox::TAboutBox(SoundService& sound, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::TAboutBox>()), m_sound(sound)
{
    m_ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowStaysOnTopHint);
    setFixedSize(size());
    setModal(false);
    setAttribute(Qt::WA_StyledBackground);
    useDarkCheckMarks(this);
    m_ui->ProgramIcon->setPixmap(QPixmap(QStringLiteral(":/brenvik/program_icon.png")));
    // Hints show on hover although another window of the program is the active one.
    setAttribute(Qt::WA_AlwaysShowToolTips);
    // The credits size themselves to their text, as auto-sized labels do.
    for (QLabel* label : m_ui->Credits->findChildren<QLabel*>())
        label->adjustSize();
    m_creditsStart = m_ui->Credits->pos();

    m_timer1.setInterval(kCreditsIntervalMs);
    connect(&m_timer1, &QTimer::timeout, this, &TAboutBox::Timer1Timer);
    connect(m_ui->OKButton, &QPushButton::clicked, this, &TAboutBox::OKButtonClick);
    connect(m_ui->CheckBox1, &QCheckBox::toggled, this, &TAboutBox::CheckBox1Click);

    FormCreate();
}

TAboutBox::~TAboutBox() = default;

void TAboutBox::FormCreate()
{
    // Decided once: a device that appears later is not used, one that goes away is.
    m_soundAvailable = m_sound.hasOutputDevice();
    m_musicOn = m_soundAvailable;
    m_ui->CheckBox1->setEnabled(m_soundAvailable);
}

void TAboutBox::showEvent(QShowEvent* event)
{
    if (!m_placed) {
        // Centred the first time; afterwards it opens where it was.
        centreOnScreen(*this);
        m_placed = true;
    }
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TAboutBox::FormShow()
{
    m_scrollCount = 0;
    scrollCredits(0);
    m_timer1.start();
    if (m_soundAvailable && m_musicOn)
        m_sound.playLooped();
}

void TAboutBox::done(int result)
{
    FormClose();
    QDialog::done(result);
}

void TAboutBox::FormClose()
{
    if (m_soundAvailable)
        m_sound.stop();
    m_timer1.stop();
    scrollCredits(0);  // back to the start position; the count is reset when shown
}

void TAboutBox::OKButtonClick() { close(); }

void TAboutBox::CheckBox1Click()
{
    m_musicOn = !m_musicOn;
    if (!m_soundAvailable)
        return;
    if (m_musicOn)
        m_sound.playLooped();
    else
        m_sound.stop();
}

void TAboutBox::Timer1Timer()
{
    m_scrollCount = static_cast<std::uint8_t>(m_scrollCount + 1);
    if (m_scrollCount == kCreditsCycle)
        m_scrollCount = 0;
    scrollCredits(m_scrollCount);
}

void TAboutBox::scrollCredits(int pixels) { m_ui->Credits->move(m_creditsStart - QPoint(0, pixels)); }

}  // namespace brenvik
