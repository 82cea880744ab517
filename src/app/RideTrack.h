#pragma once

#include "AppContext.h"

#include <string>

namespace mMain {

// Where a ride looks for the simulator and writes the track it hands over.
struct RidePaths {
    std::string ProgramFolder;  // ends with a separator
    std::string Simulator;      // ProgramFolder + "KavranoSimulator.exe"
    std::string TemporaryTrack; // ProgramFolder + "$Tornelle$.kvtrack"
};

RidePaths BuildRidePaths(const std::string& programFolder);

// Writes the document as it is in memory to the temporary track and starts the simulator on
// it without waiting, through Wine when the simulator is a Windows program. Does nothing without a
// loaded track; every failure is reported through the dialogs and leaves the caption and the
// modified flag as they were.
void RideTrack(AppContext& app, const std::string& programFolder);

// Deletes the temporary track, ignoring a file that is not there.
void RemoveRideTrack(const std::string& programFolder);

} // namespace mMain
