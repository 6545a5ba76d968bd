#pragma once
// The About box: a picture, the program's name, a few words about it, credits that
// scroll up and looped music while it is open.

#include <QDialog>
#include <QTimer>

#include <cstdint>

class QCheckBox;
class QLabel;
class QPushButton;

namespace brenvik {

class SoundService;

class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(SoundService& sound, QWidget* parent = nullptr);
    ~AboutBox() override;

    bool soundAvailable() const { return m_soundAvailable; }
    bool musicOn() const { return m_musicOn; }
    int scrollCount() const { return m_scrollCount; }
    QTimer& creditsTimer() { return m_creditsTimer; }

    /// One tick of the credits timer: the credits rise by a pixel, and jump back to their
    /// start after a whole cycle. (Timer1Timer)
    void raiseCredits();

    /// Closing by the OK button, the title bar or Escape all pass here.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    /// The form's controls by role.
    struct Controls {
        /// Builds the form (about_box.ui) on `box`; the one place that names its controls.
        static Controls setUp(AboutBox& box);

        QPushButton* okButton;
        QCheckBox* musicCheck;
        QWidget* credits;  ///< the credit labels, moved inside their scroll box
        QLabel* picture;
    };

    /// Whether there is a sound device is decided once, as the box is built. (FormCreate)
    void detectSound();
    /// Each time the box turns visible: the credits from the start, the music if wanted.
    /// (FormShow)
    void startShowing();
    /// Each time the box closes: music and credits stop, the credits go back to the start.
    /// (FormClose)
    void stopShowing();
    /// "Muzzic" switched: the music starts or stops. (CheckBox1Click)
    void toggleMusic();
    void scrollCredits(int pixels);

    const Controls m_controls;
    SoundService& m_sound;
    QTimer m_creditsTimer;
    QPoint m_creditsStart;
    bool m_soundAvailable = false;
    bool m_musicOn = false;
    std::uint8_t m_scrollCount = 0;
    bool m_placed = false;
};

}  // namespace brenvik
