#include "CommandLine.h"
#include "SessionPlatform.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace mMain;
using Action = CommandLine::Action;

TEST(CommandLine, ReadsAFileHelpVersionTheSimulatorAndTheToolkitsOptions) {
    // The arguments, then what they ask for: the request, the track file, a chosen platform,
    // the simulator's path.
    const std::tuple<std::vector<std::string>, Action, std::string, bool, std::string> cases[] = {
        {{}, Action::Run, "", false, ""},
        {{"/tracks/a.kvtrack"}, Action::Run, "/tracks/a.kvtrack", false, ""},
        {{"--help"}, Action::Help, "", false, ""},
        {{"--version"}, Action::Version, "", false, ""},
        {{"-platform", "xcb", "a.kvtrack"}, Action::Run, "a.kvtrack", true, ""},
        {{"a.kvtrack", "--platform=wayland"}, Action::Run, "a.kvtrack", true, ""},
        {{"-style", "fusion", "-reverse"}, Action::Run, "", false, ""},
        {{"--simulator", "/s/K.exe", "a.kvtrack"}, Action::Run, "a.kvtrack", false, "/s/K.exe"},
        {{"a.kvtrack", "--simulator=/s/K.exe"}, Action::Run, "a.kvtrack", false, "/s/K.exe"},
        {{"a.kvtrack", "b.kvtrack"}, Action::BadUsage, "", false, ""},
        {{"--help", "a.kvtrack"}, Action::BadUsage, "", false, ""},
        {{"--frobnicate"}, Action::BadUsage, "", false, ""},
        {{"-reverse=1"}, Action::BadUsage, "", false, ""},
        {{"-platform"}, Action::BadUsage, "", false, ""},
        {{"--simulator"}, Action::BadUsage, "", false, ""},
        {{"--simulator="}, Action::BadUsage, "", false, ""},
        {{"--simulator", "a", "--simulator=b"}, Action::BadUsage, "", false, ""},
        {{"--simulatorx"}, Action::BadUsage, "", false, ""},
    };
    for (const auto& [arguments, request, trackFile, bPlatformChosen, simulator] : cases) {
        const CommandLine line = ParseCommandLine(arguments);
        EXPECT_EQ(std::tuple(line.Request, line.TrackFile, line.PlatformChosen, line.Simulator),
                  std::tuple(request, trackFile, bPlatformChosen, simulator))
            << ::testing::PrintToString(arguments);
    }
}

TEST(SessionPlatform, X11OnlyUnderXWaylandWhenNoPlatformWasChosen) {
    // The environment (session type, Wayland display, X display, QT_QPA), a chosen platform,
    // and whether X11 is used.
    const std::tuple<SessionEnvironment, bool, bool> cases[] = {
        {{"wayland", "wayland-0", ":0", ""}, false, true},
        {{"wayland", "", ":0", ""}, false, true},
        {{"", "wayland-0", ":0", ""}, false, true},
        {{"wayland", "wayland-0", "", ""}, false, false}, // no X server
        {{"wayland", "wayland-0", ":0", "wayland"}, false, false},
        {{"wayland", "wayland-0", ":0", ""}, true, false},
        {{"x11", "", ":0", ""}, false, false},
        {{"tty", "", "", ""}, false, false},
    };
    for (const auto& [e, bPlatformChosen, bX11] : cases) {
        EXPECT_EQ(StartOnX11(e, bPlatformChosen), bX11)
            << e.XdgSessionType << "|" << e.WaylandDisplay << "|" << e.Display << "|"
            << e.QtQpaPlatform << "|" << bPlatformChosen;
    }
}
