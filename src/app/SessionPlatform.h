#pragma once

// Which of the toolkit's platforms the editor starts on. Look mode puts the pointer back in
// the middle of the view, which a Wayland session forbids; under XWayland it is allowed.

#include <string>

namespace mMain {

// The environment variables that decide it; an unset variable is empty.
struct SessionEnvironment {
    std::string XdgSessionType;
    std::string WaylandDisplay;
    std::string Display;
    std::string QtQpaPlatform;
};

SessionEnvironment ReadSessionEnvironment();

// True when the session is Wayland, an X server is there (XWayland) and the user chose no
// platform, neither with QT_QPA_PLATFORM nor with -platform.
bool StartOnX11(const SessionEnvironment& environment, bool platformChosen);

} // namespace mMain
