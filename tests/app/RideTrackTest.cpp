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

struct RideFixture {
    TrackDocument document = MakeDemoTrack();
    mKV_TraceTrack::TraceState trace;
    mMain::MainState state;
    ScriptedDialogs dialogs;
    AppContext app{document, trace, state, dialogs, [] {}, {}};

    RideFixture() {
        state.bTrackLoaded = true;
        state.bTrackModified = true;
        state.CurrentFileName = "/tracks/demo.kvtrack";
        state.Caption = "Kavrano Tornelle - demo*";
    }
};

void WriteScript(const std::string& path, const std::string& text) {
    std::ofstream(path) << text;
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
}

// A stand-in simulator that records its arguments and a copy of the track it was given.
void WriteFakeSimulator(const std::string& folder) {
    WriteScript(folder + "/KavranoSimulator.exe",
                "#!/bin/sh\n"
                "cd \"$(dirname \"$0\")\"\n"
                "printf '%s\\n' \"$@\" > args.tmp && mv args.tmp args.txt\n"
                "cp \"$2\" given.kvtrack\n");
}

// Makes a folder the whole of PATH while it lives, so that no installed Wine is found.
class PathOnly {
public:
    explicit PathOnly(const std::string& folder) : saved(std::getenv("PATH")) {
        setenv("PATH", folder.c_str(), 1);
    }
    ~PathOnly() { setenv("PATH", saved.c_str(), 1); }

private:
    std::string saved;
};

bool WaitForFile(const std::string& path) {
    for (int i = 0; i < 200 && !std::filesystem::exists(path); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    return std::filesystem::exists(path);
}

// The segments of a track file once it is there; none when it never comes or cannot be read.
std::vector<TrackSegment> SegmentsIn(const std::string& path) {
    TrackDocument document;
    EXPECT_TRUE(WaitForFile(path) && LoadTrackFile(document, path)) << path;
    return document.Segments;
}

std::string ReadText(const std::string& path) {
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

TEST(RideTrack, PathsEndTheFolderWithOneSeparator) {
    EXPECT_EQ(mMain::BuildRidePaths("/opt/kavrano").Simulator, "/opt/kavrano/KavranoSimulator.exe");
    EXPECT_EQ(mMain::BuildRidePaths("/opt/kavrano").TemporaryTrack,
              "/opt/kavrano/$Tornelle$.kvtrack");
    EXPECT_EQ(mMain::BuildRidePaths("/").Simulator, "/KavranoSimulator.exe");
    EXPECT_EQ(mMain::BuildRidePaths("/").TemporaryTrack, "/$Tornelle$.kvtrack");
}

TEST(RideTrack, StartsTheSimulatorOnTheDocumentInMemory) {
    TempFolder folder;
    const std::string program = folder.MakeFolder("Kavrano Sim");
    WriteFakeSimulator(program);
    RideFixture f;
    f.document.Segments[3].Tunnel = !f.document.Segments[3].Tunnel; // an unsaved edit

    mMain::RideTrack(f.app, program);
    ASSERT_TRUE(WaitForFile(program + "/args.txt"));
    EXPECT_EQ(ReadText(program + "/args.txt"), "-s\n" + program + "/$Tornelle$.kvtrack\n");
    EXPECT_EQ(SegmentsIn(program + "/given.kvtrack"), f.document.Segments);
    EXPECT_TRUE(f.dialogs.Messages.empty());
    // A ride leaves the file name, the caption and the unsaved state alone.
    EXPECT_TRUE(f.state.bTrackModified);
    EXPECT_EQ(f.state.Caption, "Kavrano Tornelle - demo*");
    EXPECT_EQ(f.state.CurrentFileName, "/tracks/demo.kvtrack");

    // The next ride overwrites the same temporary file; ending the editor removes it.
    f.document.Segments[3].Tunnel = !f.document.Segments[3].Tunnel;
    std::filesystem::remove(program + "/given.kvtrack");
    mMain::RideTrack(f.app, program);
    ASSERT_TRUE(WaitForFile(program + "/given.kvtrack"));
    EXPECT_EQ(SegmentsIn(program + "/$Tornelle$.kvtrack"), f.document.Segments);
    mMain::RemoveRideTrack(program);
    EXPECT_FALSE(std::filesystem::exists(program + "/$Tornelle$.kvtrack"));
    mMain::RemoveRideTrack(program); // a missing file is no error
}

TEST(RideTrack, ReportsWhatStopsARide) {
    TempFolder folder;
    RideFixture f;

    // No simulator: the two-line message, nothing written.
    mMain::RideTrack(f.app, folder.Root().string());
    ASSERT_EQ(f.dialogs.Messages.size(), 1u);
    EXPECT_EQ(f.dialogs.Messages[0].Kind, "exclamation");
    EXPECT_EQ(f.dialogs.Messages[0].Text, "Error: Kavrano Simulator Not Found!\r\n"
                                          "Tornelle must be run from the same folder as "
                                          "Kavrano Simulator.");
    EXPECT_EQ(f.dialogs.Messages[0].Title, "Error!");
    EXPECT_TRUE(folder.Entries().empty());

    // Nothing loaded: nothing at all.
    f.state.bTrackLoaded = false;
    WriteFakeSimulator(folder.Root().string());
    mMain::RideTrack(f.app, folder.Root().string());
    EXPECT_EQ(f.dialogs.Messages.size(), 1u);
    f.state.bTrackLoaded = true;

    // A temporary file that cannot be written is reported and nothing is started.
    folder.MakeFolder("$Tornelle$.kvtrack/blocked");
    mMain::RideTrack(f.app, folder.Root().string());
    ASSERT_EQ(f.dialogs.Messages.size(), 2u);
    EXPECT_EQ(f.dialogs.Messages[1].Title, "Error!");
    EXPECT_TRUE(f.dialogs.Messages[1].Text.contains("$Tornelle$.kvtrack"));
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_FALSE(std::filesystem::exists(folder.Path("args.txt")));
    std::filesystem::remove_all(folder.Path("$Tornelle$.kvtrack"));

    // A simulator that cannot be started.
    std::filesystem::permissions(folder.Path("KavranoSimulator.exe"),
                                 std::filesystem::perms::owner_read |
                                     std::filesystem::perms::owner_write);
    mMain::RideTrack(f.app, folder.Root().string());
    ASSERT_EQ(f.dialogs.Messages.size(), 3u);
    EXPECT_EQ(f.dialogs.Messages[2].Title, "Error!");
    EXPECT_TRUE(f.dialogs.Messages[2].Text.contains("KavranoSimulator.exe"));
}

TEST(RideTrack, StartsAWindowsSimulatorThroughWine) {
    TempFolder folder;
    const std::string program = folder.MakeFolder("Kavrano Sim");
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
    const std::string noWine = folder.MakeFolder("nowine");
    const std::string badWinepath = folder.MakeFolder("badwinepath");
    WriteScript(badWinepath + "/wine", "#!/bin/sh\n");
    WriteScript(badWinepath + "/winepath", "#!/bin/sh\nexit 1\n");
    RideFixture f;
    const std::string track = program + "/$Tornelle$.kvtrack";

    {
        PathOnly path(wine);
        mMain::RideTrack(f.app, program);
    }
    ASSERT_TRUE(WaitForFile(program + "/wine.txt"));
    std::string windowsTrack = "Z:" + track;
    std::replace(windowsTrack.begin(), windowsTrack.end(), '/', '\\');
    EXPECT_EQ(ReadText(program + "/wine.txt"),
              program + "\n" + program + "/KavranoSimulator.exe\n-s\n" + windowsTrack + "\n");
    EXPECT_EQ(ReadText(wine + "/winepath.txt"), "-w\n" + track + "\n");
    EXPECT_EQ(SegmentsIn(track), f.document.Segments);
    EXPECT_TRUE(f.dialogs.Messages.empty());

    // Without Wine, or when winepath fails, the ride stops before writing anything.
    std::filesystem::remove(track);
    for (const std::string& bin : {noWine, badWinepath}) {
        PathOnly path(bin);
        mMain::RideTrack(f.app, program);
    }
    ASSERT_EQ(f.dialogs.Messages.size(), 2u);
    EXPECT_EQ(f.dialogs.Messages[0].Text,
              "Error: Kavrano Simulator is a Windows program and Wine was not found!\r\n"
              "Install Wine to ride tracks in the simulator.");
    EXPECT_EQ(f.dialogs.Messages[0].Title, "Error!");
    EXPECT_TRUE(f.dialogs.Messages[1].Text.contains("winepath"));
    EXPECT_EQ(f.dialogs.Messages[1].Title, "Error!");
    EXPECT_FALSE(std::filesystem::exists(track));
}
