#pragma once
// Whether a sound server is there, learnt without asking Qt Multimedia: asked where there is
// none, its PulseAudio backend prints a warning on the terminal.

#include <QString>

namespace brenvik {

/// Where a PulseAudio client (PipeWire's PulseAudio server included) looks for its server.
struct SoundServerPlaces {
    QString namedServer;   ///< PULSE_SERVER: a server named by the user
    QString runtimeDir;    ///< XDG_RUNTIME_DIR, which holds a session's pulse/native socket
    QString systemSocket;  ///< the system-wide server's socket

    /// The places this process's environment gives.
    static SoundServerPlaces fromEnvironment();
};

/// True when a server is named, or a socket (not any other file) stands at a server's place:
/// only then is Qt Multimedia asked for the outputs.
bool soundServerMayListen(const SoundServerPlaces& places);

}  // namespace brenvik
