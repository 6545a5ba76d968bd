#include "ui/sound_service.h"

#include "ui/sound_server.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>

namespace brenvik {

QtSoundService::QtSoundService(QUrl music) : m_music(std::move(music)) {}

QtSoundService::~QtSoundService() = default;

bool QtSoundService::hasOutputDevice()
{
    // Without a server Qt Multimedia finds no output either, but says so on the terminal.
    return soundServerMayListen(SoundServerPlaces::fromEnvironment()) &&
           !QMediaDevices::audioOutputs().isEmpty();
}

void QtSoundService::playLooped()
{
    if (!m_effect) {
        m_effect = std::make_unique<QSoundEffect>();
        m_effect->setLoopCount(QSoundEffect::Infinite);
        m_effect->setSource(m_music);
    }
    // Playing again restarts the music from its beginning.
    m_effect->stop();
    m_effect->play();
}

void QtSoundService::stop()
{
    if (m_effect)
        m_effect->stop();
}

}  // namespace brenvik
