#include "RideTrack.h"

#include "SimulatorLaunch.h"
#include "SimulatorSearch.h"
#include "TrackWriter.h"
#include "UserDialogs.h"

#include <QProcess>
#include <QString>

#include <cstdlib>
#include <filesystem>

namespace mMain {

namespace {

constexpr char kTemporaryTrackName[] = "$Tornelle$.kvtrack";

std::string InFolder(const std::string& folder, const std::string& name) {
    return (std::filesystem::path(folder) / name).string();
}

void ShowError(AppContext& app, const std::string& text) {
    app.Dialogs.ShowExclamationMessage(QString::fromStdString(text), "Error!");
}

// The simulator found, or located by the user; "" when there is none to start (reported, or
// the user cancelled).
std::string LocateSimulator(AppContext& app, RideSession& session) {
    SimulatorSearch search =
        FindSimulator(ReadSimulatorPlaces(session.ProgramFolder, session.GivenSimulator));
    if (search.Simulator.empty() && search.NotAFile.empty()) {
        if (session.FoundByTheUser.empty()) {
            mFileDialog::FileDialogRequest request;
            request.Title = "Locate Kavrano Simulator";
            request.Filter = QString("Kavrano Simulator (%1)|%1").arg(kSimulatorName);
            request.FileMustExist = true;
            if (!app.Dialogs.ShowOpenDialog(request))
                return {};
            session.FoundByTheUser = request.FileName.toStdString();
        }
        search = IsFile(session.FoundByTheUser) ? SimulatorSearch{session.FoundByTheUser, {}}
                                                : SimulatorSearch{{}, session.FoundByTheUser};
        if (!search.NotAFile.empty())
            session.FoundByTheUser.clear(); // the next ride asks again
    }
    if (!search.NotAFile.empty()) {
        ShowError(app, "Error: Kavrano Simulator Not Found!\r\n\"" + search.NotAFile +
                           "\" is not a file.");
    }
    return search.Simulator;
}

// Writes the track in the simulator's folder, or where that takes none, in Tornelle's own;
// the path written, or "" when it was reported that neither could be written.
std::string WriteTemporaryTrack(AppContext& app, RideSession& session,
                                const std::string& simulatorFolder) {
    const mKavrano_TrackIO_1_3::SaveResult saved = mKavrano_TrackIO_1_3::SaveTrackFile(
        app.Document, InFolder(simulatorFolder, kTemporaryTrackName));
    if (saved.Saved)
        return saved.Path;
    if (session.OwnFolder.empty()) {
        std::error_code ec;
        std::string pattern = InFolder(std::filesystem::temp_directory_path(ec), "tornelle-XXXXXX");
        if (!ec && ::mkdtemp(pattern.data())) // a folder of mode 0700
            session.OwnFolder = pattern;
    }
    if (!session.OwnFolder.empty()) {
        const std::string own = InFolder(session.OwnFolder, kTemporaryTrackName);
        if (mKavrano_TrackIO_1_3::SaveTrackFile(app.Document, own).Saved)
            return own;
    }
    ShowError(app, "Error: Unable to write \"" + saved.Path + "\"!\r\n" + saved.Error);
    return {};
}

} // namespace

void RideTrack(AppContext& app, RideSession& session) {
    if (!app.State.bTrackLoaded)
        return;
    RidePaths paths;
    paths.Simulator = LocateSimulator(app, session);
    if (paths.Simulator.empty())
        return;
    paths.SimulatorFolder = (std::filesystem::path(paths.Simulator).parent_path() / "").string();
    paths.TemporaryTrack = WriteTemporaryTrack(app, session, paths.SimulatorFolder);
    if (paths.TemporaryTrack.empty())
        return;
    session.TemporaryTracks.insert(paths.TemporaryTrack);
    const SimulatorLaunch launch = PlanSimulatorLaunch(paths);
    if (!launch.Error.isEmpty()) {
        std::error_code ignored;
        std::filesystem::remove(paths.TemporaryTrack, ignored); // nothing rides it
        app.Dialogs.ShowExclamationMessage(launch.Error, "Error!");
        return;
    }
    if (!QProcess::startDetached(launch.Program, launch.Arguments,
                                 QString::fromStdString(paths.SimulatorFolder)))
        ShowError(app, "Error: Unable to start \"" + paths.Simulator + "\"!");
}

void RemoveRideTracks(RideSession& session) {
    session.TemporaryTracks.insert(InFolder(session.ProgramFolder, kTemporaryTrackName));
    std::error_code ignored;
    for (const std::string& track : session.TemporaryTracks)
        std::filesystem::remove(track, ignored);
    if (!session.OwnFolder.empty())
        std::filesystem::remove_all(session.OwnFolder, ignored);
    session.TemporaryTracks.clear();
    session.OwnFolder.clear();
}

} // namespace mMain
