#include "SimulatorSearch.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace mMain;

TEST(SimulatorSearch, BesideTheProgramThenGivenThenEnvironmentThenTheShallowestInTheWinePrefix) {
    TempFolder folder;
    for (const std::string name :
         {"program/KavranoSimulator.exe", "given/KavranoSimulator.exe", "env/Sim.exe",
          "wine/drive_c/Program Files/Kavrano Simulator/KavranoSimulator.exe",
          "wine/drive_c/A/B/C/KavranoSimulator.exe", "deep/drive_c/a/b/c/KavranoSimulator.exe",
          "deeper/drive_c/a/b/c/d/KavranoSimulator.exe"}) {
        folder.MakeFolder(std::filesystem::path(name).parent_path());
        folder.Write(name, {'M', 'Z'}); // not executable, as Wine leaves it
    }
    // The places (empty: none) and what is found, or the given path that is no file.
    const std::tuple<SimulatorPlaces, std::string, std::string> cases[] = {
        {{"program", "given/KavranoSimulator.exe", "env/Sim.exe", "wine"},
         "program/KavranoSimulator.exe",
         ""},
        {{"empty", "given/KavranoSimulator.exe", "env/Sim.exe", "wine"},
         "given/KavranoSimulator.exe",
         ""},
        {{"empty", "given/missing.exe", "env/Sim.exe", "wine"}, "", "given/missing.exe"},
        {{"empty", "", "env/Sim.exe", "wine"}, "env/Sim.exe", ""},
        {{"empty", "", "given", "wine"}, "", "given"},
        {{"empty", "", "", "wine"},
         "wine/drive_c/Program Files/Kavrano Simulator/KavranoSimulator.exe",
         ""},
        {{"empty", "", "", "deep"}, "deep/drive_c/a/b/c/KavranoSimulator.exe", ""},
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
