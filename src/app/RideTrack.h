#pragma once

#include "AppContext.h"

#include <set>
#include <string>

namespace mMain {

// Where a ride starts the simulator and writes the track it hands over.
struct RidePaths {
    std::string SimulatorFolder; // the simulator's own, ending with a separator
    std::string Simulator;
    std::string TemporaryTrack; // "$Tornelle$.kvtrack" in the simulator's folder or Tornelle's own
};

// What rides keep until the program ends; nothing of it is stored.
struct RideSession {
    std::string ProgramFolder;  // the folder of the tornelle executable
    std::string GivenSimulator; // tornelle --simulator PATH; empty: none
    std::string FoundByTheUser; // located in the dialog; empty: not yet
    // Where the track goes when the simulator's folder takes none, for this user alone; empty:
    // not made yet.
    std::string OwnFolder;
    std::set<std::string> TemporaryTracks; // written by rides, removed at the end
};

// Writes the document as it is in memory to the temporary track and starts the simulator on
// it without waiting, through Wine when the simulator is a Windows program. When no simulator
// is found, asks the user where it is. Does nothing without a loaded track; every failure is
// reported through the dialogs and leaves the caption and the modified flag as they were.
void RideTrack(AppContext& app, RideSession& session);

// Deletes the temporary tracks, the one in the program's folder included, and Tornelle's own
// folder, ignoring a file that is not there.
void RemoveRideTracks(RideSession& session);

} // namespace mMain
