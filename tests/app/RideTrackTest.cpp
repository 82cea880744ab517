// Ride through the real main window: where it finds the simulator, where it writes the track
// it hands over, and how it starts a native or a Windows simulator.
#include "MainWindowFixture.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>

namespace fs = std::filesystem;

namespace {

// Sets an environment variable, or unsets it for "".
void Set(const char* name, const std::string& value) {
    value.empty() ? unsetenv(name) : setenv(name, value.c_str(), 1);
}

void WriteScript(const std::string& path, const std::string& text) {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path) << text;
    fs::permissions(path, fs::perms::owner_all);
}

// A text file's contents once it is there; "" when it never comes.
std::string ReadText(const std::string& path) {
    if (!QTest::qWaitFor([&] { return fs::exists(path); }, 10000))
        return {};
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

// The demo track with an unsaved edit; an empty Wine prefix and no simulator in the
// environment.
class RideTrackTest : public MainWindowTest {
protected:
    const std::string prefix = folder.MakeFolder("prefix");

    void SetUp() override {
        Set("WINEPREFIX", prefix);
        Set("TORNELLE_SIMULATOR", "");
        MainWindowTest::SetUp();
        EditFirstSegment();
    }
    void TearDown() override {
        Set("WINEPREFIX", "");
        Set("TORNELLE_SIMULATOR", "");
    }

    // A stand-in simulator (or Wine) that records, beside itself, where it runs, its arguments
    // and a copy of the track it was given. It names its tools in full, as PATH may hold only
    // it.
    std::string FakeSimulator(const std::string& name) {
        WriteScript(folder.Path(name), "#!/bin/sh\n"
                                       "printf '%s\\n' \"$PWD\" \"$@\" > \"$0.tmp\"\n"
                                       "/bin/cp -- \"$2\" \"$0.kvtrack\"\n"
                                       "/bin/mv \"$0.tmp\" \"$0.args\"\n");
        return folder.Path(name);
    }

    // A ride with `path` as the whole of PATH when given, so that no installed Wine is found.
    void Ride(const std::string& path = "") {
        const std::string saved = std::getenv("PATH");
        Set("PATH", path.empty() ? saved : path);
        window->ToolBar_ButtonClick(frmMain::CmdRide);
        Set("PATH", saved);
    }

    // Rides and checks that `simulator` ran in its folder on the document in memory; the
    // track it was given.
    std::string RideOn(const std::string& simulator) {
        fs::remove(simulator + ".args");
        Ride();
        const std::string args = ReadText(simulator + ".args");
        const std::string track = args.substr(args.rfind('\n', args.size() - 2) + 1);
        EXPECT_EQ(args, fs::path(simulator).parent_path().string() + "\n-s\n" + track);
        EXPECT_EQ(SegmentsIn(simulator + ".kvtrack"), window->Document().Segments);
        return track.substr(0, track.size() - 1);
    }

    // The one error message since `count` messages.
    void ExpectError(size_t count, const std::string& text) {
        ASSERT_EQ(dialogs.Messages.size(), count + 1);
        EXPECT_EQ(dialogs.Messages.back().Title, "Error!");
        EXPECT_TRUE(dialogs.Messages.back().Text.contains(QString::fromStdString(text)))
            << dialogs.Messages.back().Text.toStdString();
    }
};

TEST_F(RideTrackTest, AsksForTheSimulatorOnceAndWritesTheTrackWhereItCan) {
    // Nothing found: the dialog asks, and cancelled, nothing happens.
    Ride();
    ASSERT_EQ(dialogs.OpenRequests.size(), 1u);
    EXPECT_EQ(std::tuple(dialogs.OpenRequests[0].Title, dialogs.OpenRequests[0].Filter),
              std::tuple("Locate Kavrano Simulator",
                         "Kavrano Simulator (KavranoSimulator.exe)|KavranoSimulator.exe"));
    EXPECT_TRUE(dialogs.Messages.empty());

    // A path that is not a file, from the dialog or the environment, is named.
    const std::string nothing = folder.MakeFolder("nothing here");
    dialogs.OpenPaths.push_back(QString::fromStdString(nothing));
    for (size_t i = 0; i < 2; ++i) {
        Ride();
        ExpectError(i, "Error: Kavrano Simulator Not Found!\r\n\"" + nothing + "\" is not a file.");
        Set("TORNELLE_SIMULATOR", nothing);
    }
    Set("TORNELLE_SIMULATOR", "");

    // The simulator located holds for the next rides; the track goes in its folder, and the
    // document rides with its unsaved edit, which stays unsaved.
    const std::string located = FakeSimulator("Kavrano Sim/Sim.exe");
    dialogs.OpenPaths.push_back(QString::fromStdString(located));
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(RideOn(located), folder.Path("Kavrano Sim/$Tornelle$.kvtrack"));
    EXPECT_EQ(dialogs.OpenRequests.size(), 3u);
    EXPECT_EQ(Caption(), "Kavrano Tornelle - demo*");

    // A simulator's folder that takes no track: a folder of Tornelle's own, for this user
    // alone, or where even that cannot be made, an error and no ride.
    const std::string blocked = FakeSimulator("blocked/KavranoSimulator.exe");
    folder.MakeFolder("blocked/$Tornelle$.kvtrack/in the way");
    Set("TORNELLE_SIMULATOR", blocked);
    Set("TMPDIR", folder.Path("no such folder"));
    Ride();
    Set("TMPDIR", "");
    ExpectError(2, "Error: Unable to write \"" + folder.Path("blocked/$Tornelle$.kvtrack"));
    const std::string own = RideOn(blocked);
    EXPECT_EQ(fs::status(fs::path(own).parent_path()).permissions(), fs::perms::owner_all);

    // A simulator that cannot be started.
    const std::string stuck = folder.Write("Kavrano Sim/KavranoSimulator.exe", {'#', '!'});
    Set("TORNELLE_SIMULATOR", stuck);
    Ride();
    ExpectError(3, "Error: Unable to start \"" + stuck + "\"!");

    // Closing removes every track written and Tornelle's own folder.
    dialogs.Answers.push_back(MessageAnswer::No);
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(fs::exists(fs::path(own).parent_path()));
    EXPECT_FALSE(fs::exists(folder.Path("Kavrano Sim/$Tornelle$.kvtrack")));
}

TEST_F(RideTrackTest, StartsAWindowsSimulatorInTheWinePrefixThroughWine) {
    const std::string simulator = prefix + "/drive_c/Program Files/Kavrano/KavranoSimulator.exe";
    fs::create_directories(fs::path(simulator).parent_path());
    folder.Write(simulator, {'M', 'Z', 0x90, 0});
    const std::string track = fs::path(simulator).parent_path() / "$Tornelle$.kvtrack";
    // Fake Wine tools; winepath answers as Wine's does.
    const std::string wine = FakeSimulator("wine/wine");
    WriteScript(folder.Path("wine/winepath"), "#!/bin/sh\n"
                                              "printf 'Z:%s\\n' \"$2\" | /usr/bin/tr / '\\\\'\n");
    Ride(folder.Path("wine"));
    std::string windowsTrack = "Z:" + track;
    std::replace(windowsTrack.begin(), windowsTrack.end(), '/', '\\');
    EXPECT_EQ(ReadText(wine + ".args"), fs::path(simulator).parent_path().string() + "\n" +
                                            simulator + "\n-s\n" + windowsTrack + "\n");
    EXPECT_EQ(SegmentsIn(track), window->Document().Segments);
    EXPECT_TRUE(dialogs.Messages.empty());

    // Without Wine, or when winepath fails, nothing is left to ride.
    Ride(folder.MakeFolder("nowine"));
    ExpectError(0, "Error: Kavrano Simulator is a Windows program and Wine was not found!\r\n"
                   "Install Wine to ride tracks in the simulator.");
    WriteScript(folder.Path("wine/winepath"), "#!/bin/sh\nexit 1\n");
    Ride(folder.Path("wine"));
    ExpectError(1, "winepath");
    EXPECT_FALSE(fs::exists(track));
}

// tornelle --simulator PATH comes before the environment's.
class GivenSimulatorTest : public RideTrackTest {
protected:
    GivenSimulatorTest() { simulatorOption = QString::fromStdString(folder.Path("given/Sim")); }
};

TEST_F(GivenSimulatorTest, RidesTheSimulatorGivenOnTheCommandLine) {
    Set("TORNELLE_SIMULATOR", FakeSimulator("named/Sim"));
    Ride();
    ExpectError(0, folder.Path("given/Sim") + "\" is not a file.");
    EXPECT_EQ(RideOn(FakeSimulator("given/Sim")), folder.Path("given/$Tornelle$.kvtrack"));
}
