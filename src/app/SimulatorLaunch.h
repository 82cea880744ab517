#pragma once

// How a ride starts the simulator: directly, or through Wine when "KavranoSimulator.exe" is a
// Windows program, as on Linux it is.

#include "RideTrack.h"

#include <QString>
#include <QStringList>

namespace mMain {

struct SimulatorLaunch {
    QString Program;
    QStringList Arguments;
    QString Error; // not empty: the simulator cannot be started, and this says why
};

// The program and arguments that start the simulator in paths on paths.TemporaryTrack.
SimulatorLaunch PlanSimulatorLaunch(const RidePaths& paths);

} // namespace mMain
