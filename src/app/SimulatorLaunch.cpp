#include "SimulatorLaunch.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>

namespace mMain {

namespace {

// Windows executables start with the "MZ" of their DOS header.
bool IsWindowsProgram(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(2) == "MZ";
}

// The Windows form of a path as Wine's winepath gives it, or "" when it cannot.
QString WindowsPath(const QString& winepath, const QString& path) {
    if (winepath.isEmpty())
        return {};
    QProcess process;
    process.start(winepath, {"-w", path});
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return {};
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

} // namespace

SimulatorLaunch PlanSimulatorLaunch(const RidePaths& paths) {
    const QString simulator = QString::fromStdString(paths.Simulator);
    const QString track = QString::fromStdString(paths.TemporaryTrack);
    // The arguments go to the program as a list, so a folder with spaces needs no quoting.
    if (!IsWindowsProgram(simulator))
        return {simulator, {"-s", track}, {}};

    const QString wine = QStandardPaths::findExecutable("wine");
    if (wine.isEmpty()) {
        return {{},
                {},
                "Error: Kavrano Simulator is a Windows program and Wine was not found!\r\n"
                "Install Wine to ride tracks in the simulator."};
    }
    const QString windowsTrack = WindowsPath(QStandardPaths::findExecutable("winepath"), track);
    if (windowsTrack.isEmpty()) {
        return {{},
                {},
                "Error: Unable to start \"" + simulator + "\"!\r\n" +
                    "winepath cannot give the Windows path of \"" + track + "\"."};
    }
    return {wine, {simulator, "-s", windowsTrack}, {}};
}

} // namespace mMain
