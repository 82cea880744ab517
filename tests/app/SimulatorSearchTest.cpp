#include "SimulatorSearch.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace mMain;

TEST(SimulatorSearch, BesideTheProgramThenGivenThenEnvironmentThenTheShallowestInTheWinePrefix) {
    TempFolder folder;
    const std::string given = "given/KavranoSimulator.exe", env = "env/Sim.exe",
                      wine = "wine/drive_c/Program Files/Kavrano Simulator/KavranoSimulator.exe",
                      deep = "deep/drive_c/a/b/c/KavranoSimulator.exe";
    for (const std::string& name :
         std::initializer_list<std::string>{"program/KavranoSimulator.exe", given, env, wine,
                                            "wine/drive_c/A/B/C/KavranoSimulator.exe", deep,
                                            "deeper/drive_c/a/b/c/d/KavranoSimulator.exe"}) {
        folder.MakeFolder(std::filesystem::path(name).parent_path());
        folder.Write(name, {'M', 'Z'}); // not executable, as Wine leaves it
    }
    // The places (empty: none) and what is found, or the given path that is no file.
    const std::tuple<SimulatorPlaces, std::string, std::string> cases[] = {
        {{"program", given, env, "wine"}, "program/KavranoSimulator.exe", ""},
        {{"empty", given, env, "wine"}, given, ""},
        {{"empty", "given/missing.exe", env, "wine"}, "", "given/missing.exe"},
        {{"empty", "", env, "wine"}, env, ""},
        {{"empty", "", "given", "wine"}, "", "given"},
        {{"empty", "", "", "wine"}, wine, ""},
        {{"empty", "", "", "deep"}, deep, ""},
        {{"empty", "", "", "deeper"}, "", ""},
        {{"empty", "", "", ""}, "", ""},
    };
    const auto inFolder = [&](const std::string& name) {
        return name.empty() ? name : folder.Path(name);
    };
    for (const auto& [places, found, notAFile] : cases) {
        const SimulatorSearch search =
            FindSimulator({inFolder(places.ProgramFolder), inFolder(places.Given),
                           inFolder(places.Environment), inFolder(places.WinePrefix)});
        EXPECT_EQ(std::tie(search.Simulator, search.NotAFile),
                  std::tuple(inFolder(found), inFolder(notAFile)))
            << places.Given << "|" << places.Environment << "|" << places.WinePrefix;
    }
}
