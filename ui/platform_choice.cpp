#include "ui/platform_choice.h"

#include <QByteArray>
#include <QString>

namespace brenvik {

std::string platformFor(const SessionEnvironment& session)
{
    const bool wayland = !session.waylandDisplay.empty() || session.sessionType == "wayland";
    if (session.qtPlatform.empty() && wayland && !session.x11Display.empty())
        return "xcb";
    return {};
}

SessionEnvironment currentSessionEnvironment()
{
    const auto value = [](const char* name) { return qEnvironmentVariable(name).toStdString(); };
    return {value("QT_QPA_PLATFORM"), value("WAYLAND_DISPLAY"), value("XDG_SESSION_TYPE"), value("DISPLAY")};
}

void choosePlatform()
{
    const std::string platform = platformFor(currentSessionEnvironment());
    if (!platform.empty())
        qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(platform));
}

}  // namespace brenvik
