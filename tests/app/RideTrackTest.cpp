// Ride through the real main window: where it finds the simulator, where it writes the track
// it hands over, and how it starts a native or a Windows simulator.
#include "MainWindowFixture.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <thread>

namespace fs = std::filesystem;

namespace {

// An environment variable set, or unset for null, until it goes.
class ScopedVariable {
public:
    ScopedVariable(const char* variable, const std::optional<std::string>& value) : name(variable) {
        if (const char* old = std::getenv(name))
            saved = old;
        Set(value);
    }
    ~ScopedVariable() { Set(saved); }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;
    void Set(const std::optional<std::string>& value) {
        value ? setenv(name, value->c_str(), 1) : unsetenv(name);
    }

private:
    const char* name;
    std::optional<std::string> saved;
};

void WriteScript(const std::string& path, const std::string& text) {
    std::ofstream(path) << text;
    fs::permissions(path, fs::perms::owner_all);
}

// A text file's contents once it is there; "" when it never comes.
std::string ReadText(const std::string& path) {
    for (int i = 0; i < 200 && !fs::exists(path); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

} // namespace

// The demo track with an unsaved edit, in a home of its own with no Wine prefix and no
// simulator named in the environment.
class RideTrackTest : public MainWindowTest {
protected:
    ScopedVariable home{"HOME", folder.MakeFolder("home")};
    ScopedVariable prefix{"WINEPREFIX", std::nullopt};
    ScopedVariable named{"TORNELLE_SIMULATOR", std::nullopt};

    void SetUp() override {
        MainWindowTest::SetUp();
        EditFirstSegment();
    }

    // A stand-in simulator that records, beside itself, where it runs, its arguments and a
    // copy of the track it was given.
    std::string FakeSimulator(const std::string& name) {
        folder.MakeFolder(fs::path(name).parent_path());
        WriteScript(folder.Path(name), "#!/bin/sh\n"
                                       "printf '%s\\n' \"$PWD\" \"$@\" > \"$0.tmp\"\n"
                                       "cp \"$2\" \"$0.kvtrack\" && mv \"$0.tmp\" \"$0.args\"\n");
        return folder.Path(name);
    }

    // A ride with `path` as the whole of PATH when given, so that no installed Wine is found.
    void Ride(const std::optional<std::string>& path = std::nullopt) {
        ScopedVariable searchPath("PATH", path.value_or(std::getenv("PATH")));
        window->ToolBar_ButtonClick(frmMain::CmdRide);
    }

    // Rides and checks that `simulator` ran in its folder on the document in memory; the
    // track it was given.
    std::string RideOn(const std::string& simulator) {
        fs::remove(simulator + ".args");
        Ride();
        const std::string args = ReadText(simulator + ".args");
        const std::string track = args.substr(args.rfind('\n', args.size() - 2) + 1);
        EXPECT_EQ(args, Lines({fs::path(simulator).parent_path(), "-s"}) + track);
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
    const std::string notAFile =
        "Error: Kavrano Simulator Not Found!\r\n\"" + nothing + "\" is not a file.";
    dialogs.OpenPaths.push_back(QString::fromStdString(nothing));
    Ride();
    ExpectError(0, notAFile);
    named.Set(nothing);
    Ride();
    ExpectError(1, notAFile);
    named.Set(std::nullopt);

    // The simulator located holds for the next rides; the track goes in its folder, and the
    // document rides with its unsaved edit, which stays unsaved.
    const std::string located = FakeSimulator("Kavrano Sim/Sim.exe");
    dialogs.OpenPaths.push_back(QString::fromStdString(located));
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(RideOn(located), folder.Path("Kavrano Sim/$Tornelle$.kvtrack"));
    EXPECT_EQ(dialogs.OpenRequests.size(), 3u);
    EXPECT_EQ(Caption(), "Kavrano Tornelle - demo*");

    // A simulator's folder that takes no track: Tornelle's own folder, for this user alone,
    // or where even that cannot be made, an error and no ride.
    const std::string blocked = FakeSimulator("blocked/KavranoSimulator.exe");
    folder.MakeFolder("blocked/$Tornelle$.kvtrack/in the way");
    named.Set(blocked);
    {
        ScopedVariable temp("TMPDIR", folder.Path("no such folder"));
        Ride();
    }
    ExpectError(2, "Error: Unable to write \"" + folder.Path("blocked/$Tornelle$.kvtrack"));
    const std::string own = RideOn(blocked);
    EXPECT_EQ(fs::status(fs::path(own).parent_path()).permissions(), fs::perms::owner_all);

    // A simulator that cannot be started.
    fs::permissions(located, fs::perms::owner_read);
    named.Set(located);
    Ride();
    ExpectError(3, "Error: Unable to start \"" + located + "\"!");

    // Closing removes every track written and Tornelle's own folder.
    dialogs.Answers.push_back(MessageAnswer::No);
    EXPECT_TRUE(window->close());
    for (const fs::path& path :
         {fs::path(own).parent_path(), fs::path(located).parent_path() / "$Tornelle$.kvtrack"})
        EXPECT_FALSE(fs::exists(path)) << path;
}

TEST_F(RideTrackTest, StartsAWindowsSimulatorInTheWinePrefixThroughWine) {
    const std::string simulator =
        folder.Path("home/.wine/drive_c/Program Files/Kavrano Simulator/KavranoSimulator.exe");
    folder.MakeFolder(fs::path(simulator).parent_path());
    folder.Write(simulator, {'M', 'Z', 0x90, 0});
    const std::string track = fs::path(simulator).parent_path() / "$Tornelle$.kvtrack";
    // Fake Wine tools that record what they were given; winepath answers as Wine's does. PATH
    // holds only them, so they name the tools they use in full.
    const std::string wine = folder.MakeFolder("wine");
    WriteScript(wine + "/wine", "#!/bin/sh\n"
                                "printf '%s\\n' \"$PWD\" \"$@\" > \"${0%/*}/wine.tmp\" && /bin/mv "
                                "\"${0%/*}/wine.tmp\" \"${0%/*}/wine.txt\"\n");
    WriteScript(wine + "/winepath", "#!/bin/sh\n"
                                    "printf '%s\\n' \"$@\" > \"${0%/*}/winepath.txt\"\n"
                                    "printf 'Z:%s\\n' \"$2\" | /usr/bin/tr / '\\\\'\n");
    Ride(wine);
    std::string windowsTrack = "Z:" + track;
    std::replace(windowsTrack.begin(), windowsTrack.end(), '/', '\\');
    EXPECT_EQ(ReadText(wine + "/wine.txt"),
              Lines({fs::path(simulator).parent_path(), simulator, "-s", windowsTrack}));
    EXPECT_EQ(ReadText(wine + "/winepath.txt"), Lines({"-w", track}));
    EXPECT_EQ(SegmentsIn(track), window->Document().Segments);
    EXPECT_TRUE(dialogs.Messages.empty());

    // Without Wine, or when winepath fails, nothing is left to ride.
    Ride(folder.MakeFolder("nowine"));
    ExpectError(0, "Error: Kavrano Simulator is a Windows program and Wine was not found!\r\n"
                   "Install Wine to ride tracks in the simulator.");
    WriteScript(wine + "/winepath", "#!/bin/sh\nexit 1\n");
    Ride(wine);
    ExpectError(1, "winepath");
    EXPECT_FALSE(fs::exists(track));
}

// tornelle --simulator PATH comes before the environment's.
class GivenSimulatorTest : public RideTrackTest {
protected:
    GivenSimulatorTest() { simulatorOption = QString::fromStdString(folder.Path("given/Sim")); }
};

TEST_F(GivenSimulatorTest, RidesTheSimulatorGivenOnTheCommandLine) {
    named.Set(FakeSimulator("named/Sim"));
    Ride();
    ExpectError(0, "\"" + folder.Path("given/Sim") + "\" is not a file.");
    EXPECT_EQ(RideOn(FakeSimulator("given/Sim")), folder.Path("given/$Tornelle$.kvtrack"));
}
