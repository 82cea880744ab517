#include "SessionPlatform.h"

#include <cstdlib>

namespace mMain {

namespace {

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

} // namespace

SessionEnvironment ReadSessionEnvironment() {
    return {Variable("XDG_SESSION_TYPE"), Variable("WAYLAND_DISPLAY"), Variable("DISPLAY"),
            Variable("QT_QPA_PLATFORM")};
}

bool StartOnX11(const SessionEnvironment& environment, bool platformChosen) {
    const bool wayland =
        environment.XdgSessionType == "wayland" || !environment.WaylandDisplay.empty();
    return wayland && !environment.Display.empty() && environment.QtQpaPlatform.empty() &&
           !platformChosen;
}

} // namespace mMain
