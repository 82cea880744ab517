#include "CommandLine.h"
#include "SessionPlatform.h"

#include <gtest/gtest.h>

using namespace mMain;
using Action = CommandLine::Action;

TEST(CommandLine, ReadsAFileHelpVersionAndTheToolkitsOptions) {
    struct Case {
        std::vector<std::string> Arguments;
        Action Request;
        std::string TrackFile;
        bool PlatformChosen;
    };
    const Case cases[] = {
        {{}, Action::Run, "", false},
        {{"/tracks/a.kvtrack"}, Action::Run, "/tracks/a.kvtrack", false},
        {{"--help"}, Action::Help, "", false},
        {{"--version"}, Action::Version, "", false},
        {{"-platform", "xcb", "a.kvtrack"}, Action::Run, "a.kvtrack", true},
        {{"a.kvtrack", "--platform=wayland"}, Action::Run, "a.kvtrack", true},
        {{"-style", "fusion", "-reverse"}, Action::Run, "", false},
        {{"a.kvtrack", "b.kvtrack"}, Action::BadUsage, "", false},
        {{"--help", "a.kvtrack"}, Action::BadUsage, "", false},
        {{"--frobnicate"}, Action::BadUsage, "", false},
        {{"-reverse=1"}, Action::BadUsage, "", false},
        {{"-platform"}, Action::BadUsage, "", false},
    };
    for (const Case& c : cases) {
        const CommandLine line = ParseCommandLine(c.Arguments);
        const std::string shown = ::testing::PrintToString(c.Arguments);
        EXPECT_EQ(line.Request, c.Request) << shown;
        EXPECT_EQ(line.TrackFile, c.TrackFile) << shown;
        EXPECT_EQ(line.PlatformChosen, c.PlatformChosen) << shown;
    }
}

TEST(SessionPlatform, X11OnlyUnderXWaylandWhenNoPlatformWasChosen) {
    struct Case {
        SessionEnvironment Environment; // session type, Wayland display, X display, QT_QPA
        bool PlatformChosen;
        bool X11;
    };
    const Case cases[] = {
        {{"wayland", "wayland-0", ":0", ""}, false, true},
        {{"wayland", "", ":0", ""}, false, true},
        {{"", "wayland-0", ":0", ""}, false, true},
        {{"wayland", "wayland-0", "", ""}, false, false}, // no X server
        {{"wayland", "wayland-0", ":0", "wayland"}, false, false},
        {{"wayland", "wayland-0", ":0", ""}, true, false},
        {{"x11", "", ":0", ""}, false, false},
        {{"tty", "", "", ""}, false, false},
    };
    for (const Case& c : cases) {
        const SessionEnvironment& e = c.Environment;
        EXPECT_EQ(StartOnX11(e, c.PlatformChosen), c.X11)
            << e.XdgSessionType << "|" << e.WaylandDisplay << "|" << e.Display << "|"
            << e.QtQpaPlatform << "|" << c.PlatformChosen;
    }
}
