#pragma once
// The sound service the About box asks for its music: whether a sound output exists,
// and playing the looped music from its beginning or stopping it.

#include <QObject>
#include <QUrl>

#include <memory>

class QSoundEffect;

namespace brenvik {

class SoundService {
public:
    virtual ~SoundService() = default;
    /// Whether the system has an audio output now.
    virtual bool hasOutputDevice() = 0;
    /// Play the music in a loop, from its beginning; returns at once.
    virtual void playLooped() = 0;
    virtual void stop() = 0;
};

/// The real service: Qt Multimedia, the music from the program's resources.
class QtSoundService : public SoundService {
public:
    explicit QtSoundService(QUrl music = QUrl(QStringLiteral("qrc:/brenvik/jungle.wav")));
    ~QtSoundService() override;

    bool hasOutputDevice() override;
    void playLooped() override;
    void stop() override;

private:
    QUrl m_music;
    std::unique_ptr<QSoundEffect> m_effect;  // made on first use, with a device
};

}  // namespace brenvik
