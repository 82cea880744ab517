#include "RideTrack.h"
#include "DemoTrack.h"
#include "ScriptedDialogs.h"
#include "TempFolder.h"
#include "TrackReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

using namespace mKavrano_TrackIO_1_3;

namespace {

void WriteScript(const std::string& path, const std::string& text) {
    std::ofstream(path) << text;
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
}

bool WaitForFile(const std::string& path) {
    for (int i = 0; i < 200 && !std::filesystem::exists(path); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    return std::filesystem::exists(path);
}

// A text file's contents once it is there.
std::string ReadText(const std::string& path) {
    WaitForFile(path);
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A loaded demo track with an unsaved edit, and a program folder for the simulator.
class RideTrackTest : public ::testing::Test {
protected:
    TempFolder folder;
    const std::string program = folder.MakeFolder("Kavrano Sim");
    const std::string track = program + "/$Tornelle$.kvtrack";
    TrackDocument document = MakeDemoTrack();
    mKV_TraceTrack::TraceState trace;
    mMain::MainState state{"/tracks/demo.kvtrack",     true, true, false,
                           "Kavrano Tornelle - demo*", {}};
    ScriptedDialogs dialogs;
    AppContext app{document, trace, state, dialogs, [] {}, {}};

    // A stand-in simulator that records its arguments and a copy of the track it was given.
    void WriteFakeSimulator() {
        WriteScript(program + "/KavranoSimulator.exe",
                    "#!/bin/sh\n"
                    "cd \"$(dirname \"$0\")\"\n"
                    "printf '%s\\n' \"$@\" > args.tmp && mv args.tmp args.txt\n"
                    "cp \"$2\" given.kvtrack\n");
    }

    // A ride with `path` as the whole of PATH when given, so that no installed Wine is found.
    void Ride(const std::string& path = {}) {
        const std::string saved = std::getenv("PATH");
        setenv("PATH", path.empty() ? saved.c_str() : path.c_str(), 1);
        mMain::RideTrack(app, program);
        setenv("PATH", saved.c_str(), 1);
    }

    // The segments of a track file once it is there; none when it never comes or cannot be read.
    static std::vector<TrackSegment> SegmentsIn(const std::string& path) {
        TrackDocument onDisk;
        EXPECT_TRUE(WaitForFile(path) && LoadTrackFile(onDisk, path)) << path;
        return onDisk.Segments;
    }

    // The one error message since `count` messages, naming `part`.
    void ExpectError(size_t count, const QString& part) {
        ASSERT_EQ(dialogs.Messages.size(), count + 1);
        EXPECT_EQ(dialogs.Messages.back().Kind, "exclamation");
        EXPECT_EQ(dialogs.Messages.back().Title, "Error!");
        EXPECT_TRUE(dialogs.Messages.back().Text.contains(part))
            << dialogs.Messages.back().Text.toStdString();
    }
};

} // namespace

TEST_F(RideTrackTest, StartsTheSimulatorOnTheDocumentInMemoryOrReportsWhatStopsARide) {
    // No simulator: the two-line message, nothing written.
    Ride();
    ExpectError(0, "Error: Kavrano Simulator Not Found!\r\n"
                   "Tornelle must be run from the same folder as Kavrano Simulator.");
    EXPECT_TRUE(std::filesystem::is_empty(program));

    // Nothing loaded: nothing at all.
    state.bTrackLoaded = false;
    WriteFakeSimulator();
    Ride();
    EXPECT_EQ(dialogs.Messages.size(), 1u);
    state.bTrackLoaded = true;

    // A temporary file that cannot be written is reported and nothing is started.
    folder.MakeFolder("Kavrano Sim/$Tornelle$.kvtrack/blocked");
    Ride();
    ExpectError(1, "$Tornelle$.kvtrack");
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_FALSE(std::filesystem::exists(program + "/args.txt"));
    std::filesystem::remove_all(track);

    // A simulator on the document in memory.
    document.Segments[3].Tunnel = !document.Segments[3].Tunnel; // an unsaved edit
    Ride();
    EXPECT_EQ(ReadText(program + "/args.txt"), "-s\n" + track + "\n");
    EXPECT_EQ(SegmentsIn(program + "/given.kvtrack"), document.Segments);
    EXPECT_EQ(dialogs.Messages.size(), 2u);
    // A ride leaves the file name, the caption and the unsaved state alone.
    EXPECT_TRUE(state.bTrackModified);
    EXPECT_EQ(state.Caption, "Kavrano Tornelle - demo*");
    EXPECT_EQ(state.CurrentFileName, "/tracks/demo.kvtrack");
    // A program folder at the root gets no second separator.
    EXPECT_EQ(mMain::BuildRidePaths("/").Simulator, "/KavranoSimulator.exe");
    EXPECT_EQ(mMain::BuildRidePaths("/").TemporaryTrack, "/$Tornelle$.kvtrack");

    // The next ride overwrites the same temporary file (closing the window removes it:
    // MainWindowTest).
    document.Segments[3].Tunnel = !document.Segments[3].Tunnel;
    std::filesystem::remove(program + "/given.kvtrack");
    Ride();
    ASSERT_TRUE(WaitForFile(program + "/given.kvtrack"));
    EXPECT_EQ(SegmentsIn(track), document.Segments);

    // A simulator that cannot be started.
    std::filesystem::permissions(program + "/KavranoSimulator.exe",
                                 std::filesystem::perms::owner_read |
                                     std::filesystem::perms::owner_write);
    Ride();
    ExpectError(2, "KavranoSimulator.exe");
}

TEST_F(RideTrackTest, StartsAWindowsSimulatorThroughWine) {
    folder.Write("Kavrano Sim/KavranoSimulator.exe", {'M', 'Z', 0x90, 0});
    // Fake Wine tools that record what they were given; winepath answers as Wine's does. PATH
    // holds only them, so they name the tools they use in full.
    const std::string wine = folder.MakeFolder("wine");
    WriteScript(wine + "/wine",
                "#!/bin/sh\n"
                "printf '%s\\n' \"$PWD\" \"$@\" > wine.tmp && /bin/mv wine.tmp wine.txt\n");
    WriteScript(wine + "/winepath", "#!/bin/sh\n"
                                    "printf '%s\\n' \"$@\" > \"${0%/*}/winepath.txt\"\n"
                                    "printf 'Z:%s\\n' \"$2\" | /usr/bin/tr / '\\\\'\n");
    Ride(wine);
    std::string windowsTrack = "Z:" + track;
    std::replace(windowsTrack.begin(), windowsTrack.end(), '/', '\\');
    EXPECT_EQ(ReadText(program + "/wine.txt"),
              program + "\n" + program + "/KavranoSimulator.exe\n-s\n" + windowsTrack + "\n");
    EXPECT_EQ(ReadText(wine + "/winepath.txt"), "-w\n" + track + "\n");
    EXPECT_EQ(SegmentsIn(track), document.Segments);
    EXPECT_TRUE(dialogs.Messages.empty());

    // Without Wine, or when winepath fails, the ride stops before writing anything.
    std::filesystem::remove(track);
    Ride(folder.MakeFolder("nowine"));
    ExpectError(0, "Error: Kavrano Simulator is a Windows program and Wine was not found!\r\n"
                   "Install Wine to ride tracks in the simulator.");
    const std::string badWinepath = folder.MakeFolder("badwinepath");
    WriteScript(badWinepath + "/wine", "#!/bin/sh\n");
    WriteScript(badWinepath + "/winepath", "#!/bin/sh\nexit 1\n");
    Ride(badWinepath);
    ExpectError(1, "winepath");
    EXPECT_FALSE(std::filesystem::exists(track));
}
