#pragma once
// Which Qt platform the program runs on. Under Wayland a window cannot place itself or
// stay on top, yet the graph window must appear at the top right of the desktop above
// the main window: where XWayland is there, the program runs as an X11 client instead.

#include <string>

namespace brenvik {

/// The environment that decides, each value empty when the variable is unset.
struct SessionEnvironment {
    std::string qtPlatform;      ///< QT_QPA_PLATFORM: the user's own choice
    std::string waylandDisplay;  ///< WAYLAND_DISPLAY
    std::string sessionType;     ///< XDG_SESSION_TYPE
    std::string x11Display;      ///< DISPLAY: XWayland (or a plain X server) is there
};

/// "xcb" when the user chose no platform and the session is Wayland with an X display at
/// hand; otherwise empty, leaving the choice to Qt.
std::string platformFor(const SessionEnvironment& session);

SessionEnvironment currentSessionEnvironment();

/// Applies platformFor() to this process; call before the application object exists.
void choosePlatform();

}  // namespace brenvik
