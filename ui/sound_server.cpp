#include "ui/sound_server.h"

#include <sys/stat.h>

namespace brenvik {

namespace {

bool isSocket(const QString& path)
{
    struct stat status {};
    return !path.isEmpty() && stat(path.toLocal8Bit().constData(), &status) == 0 && S_ISSOCK(status.st_mode);
}

}  // namespace

SoundServerPlaces SoundServerPlaces::fromEnvironment()
{
    return {.namedServer = qEnvironmentVariable("PULSE_SERVER"),
            .runtimeDir = qEnvironmentVariable("XDG_RUNTIME_DIR"),
            .systemSocket = QStringLiteral("/run/pulse/native")};
}

bool soundServerMayListen(const SoundServerPlaces& places)
{
    // A named server may be anywhere, even on another machine: only asking tells.
    if (!places.namedServer.isEmpty())
        return true;
    return (!places.runtimeDir.isEmpty() && isSocket(places.runtimeDir + QStringLiteral("/pulse/native"))) ||
           isSocket(places.systemSocket);
}

}  // namespace brenvik
