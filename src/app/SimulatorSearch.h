#pragma once

// Where a ride finds the simulator, in the order tried: beside the tornelle executable, at the
// path given with --simulator, at the path in TORNELLE_SIMULATOR, and in the Wine prefix.

#include <string>

namespace mMain {

inline constexpr char kSimulatorName[] = "KavranoSimulator.exe";

struct SimulatorPlaces {
    std::string ProgramFolder; // the folder of the tornelle executable
    std::string Given;         // tornelle --simulator PATH; empty: none
    std::string Environment;   // TORNELLE_SIMULATOR; empty: unset
    std::string WinePrefix;    // $WINEPREFIX, else ~/.wine; empty: neither is known
};

// The places, with the environment's own read now.
SimulatorPlaces ReadSimulatorPlaces(const std::string& programFolder, const std::string& given);

struct SimulatorSearch {
    std::string Simulator; // the absolute path of the simulator found; empty: none
    std::string NotAFile;  // a path the user gave that is no file: the search stops there
};

SimulatorSearch FindSimulator(const SimulatorPlaces& places);

// True for an ordinary file (or a link to one) at path.
bool IsFile(const std::string& path);

} // namespace mMain
