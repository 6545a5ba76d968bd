#pragma once
// The About box: a picture, the program's name, a few words about it, credits that
// scroll up and looped music while it is open.

#include <QDialog>
#include <QTimer>

#include <cstdint>
#include <memory>

namespace Ui {
class TAboutBox;
}

namespace brenvik {

class SoundService;

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(SoundService& sound, QWidget* parent = nullptr);
    ~TAboutBox() override;

    bool SoundAvailable() const { return m_soundAvailable; }
    bool MusicOn() const { return m_musicOn; }
    int ScrollCount() const { return m_scrollCount; }
    QTimer& creditsTimer() { return m_timer1; }

    // Event handlers.
    void FormCreate();
    void FormShow();
    void FormClose();
    void OKButtonClick();
    void CheckBox1Click();
    void Timer1Timer();

    /// Closing by the OK button, the title bar or Escape all pass here.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void scrollCredits(int pixels);

    std::unique_ptr<Ui::TAboutBox> m_ui;
    SoundService& m_sound;
    QTimer m_timer1;
    QPoint m_creditsStart;
    bool m_soundAvailable = false;
    bool m_musicOn = false;
    std::uint8_t m_scrollCount = 0;
    bool m_placed = false;
};

}  // namespace brenvik
