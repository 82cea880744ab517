#include "RideTrack.h"

#include "SimulatorLaunch.h"
#include "TrackWriter.h"
#include "UserDialogs.h"

#include <QProcess>
#include <QString>

#include <cstdio>
#include <filesystem>

namespace mMain {

RidePaths BuildRidePaths(const std::string& programFolder) {
    RidePaths paths;
    paths.ProgramFolder = programFolder;
    if (paths.ProgramFolder.empty() || paths.ProgramFolder.back() != '/')
        paths.ProgramFolder += '/';
    paths.Simulator = paths.ProgramFolder + "KavranoSimulator.exe";
    paths.TemporaryTrack = paths.ProgramFolder + "$Tornelle$.kvtrack";
    return paths;
}

void RideTrack(AppContext& app, const std::string& programFolder) {
    if (!app.State.bTrackLoaded)
        return;
    const RidePaths paths = BuildRidePaths(programFolder);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(paths.Simulator, ec)) {
        app.Dialogs.ShowExclamationMessage(
            "Error: Kavrano Simulator Not Found!\r\n"
            "Tornelle must be run from the same folder as Kavrano Simulator.",
            "Error!");
        return;
    }
    const SimulatorLaunch launch = PlanSimulatorLaunch(paths);
    if (!launch.Error.isEmpty()) {
        app.Dialogs.ShowExclamationMessage(launch.Error, "Error!");
        return;
    }
    const mKavrano_TrackIO_1_3::SaveResult saved =
        mKavrano_TrackIO_1_3::SaveTrackFile(app.Document, paths.TemporaryTrack);
    if (!saved.Saved) {
        app.Dialogs.ShowExclamationMessage(QString::fromStdString("Error: Unable to write \"" +
                                                                  saved.Path + "\"!\r\n" +
                                                                  saved.Error),
                                           "Error!");
        return;
    }
    if (!QProcess::startDetached(launch.Program, launch.Arguments,
                                 QString::fromStdString(paths.ProgramFolder)))
        app.Dialogs.ShowExclamationMessage("Error: Unable to start \"" +
                                               QString::fromStdString(paths.Simulator) + "\"!",
                                           "Error!");
}

void RemoveRideTrack(const std::string& programFolder) {
    std::error_code ignored;
    std::filesystem::remove(BuildRidePaths(programFolder).TemporaryTrack, ignored);
}

} // namespace mMain
