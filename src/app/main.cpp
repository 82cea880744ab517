// Tornelle: the editor of Kavrano track files. Its command-line inputs are a track file to
// open at start, the desktop's "open with", and where to find the simulator; --help and
// --version answer without a display.
#include "CommandLine.h"
#include "SessionPlatform.h"
#include "SurfaceFormat.h"
#include "Version.h"
#include "frmMain.h"

#include <QApplication>
#include <QFile>
#include <QWindow>

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const mMain::CommandLine line =
        mMain::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    switch (line.Request) {
    case mMain::CommandLine::Action::Help:
        std::cout << mMain::UsageText();
        return 0;
    case mMain::CommandLine::Action::Version:
        std::cout << "Tornelle " << mVersion::kVersionText << '\n';
        return 0;
    case mMain::CommandLine::Action::BadUsage:
        std::cerr << mMain::UsageText();
        return 2;
    case mMain::CommandLine::Action::Run:
        break;
    }

    // The toolkit reads its platform from the arguments it is given, so XWayland is asked
    // for there rather than in the environment the simulator would inherit.
    std::vector<char*> arguments(argv, argv + argc);
    char platformOption[] = "-platform";
    char x11[] = "xcb";
    if (mMain::StartOnX11(mMain::ReadSessionEnvironment(), line.PlatformChosen)) {
        arguments.push_back(platformOption);
        arguments.push_back(x11);
    }
    int argumentCount = static_cast<int>(arguments.size());
    arguments.push_back(nullptr);

    mOGL3D::SetDefaultSurfaceFormat();
    QApplication app(argumentCount, arguments.data());
    QApplication::setApplicationName("Tornelle");
    QApplication::setApplicationVersion(mVersion::kVersionText);

    frmMainOptions options;
    options.Simulator = QFile::decodeName(line.Simulator.c_str());
    frmMain window(options);
    window.show();
    // The view's GL context comes into being once the window is on screen.
    for (int i = 0; i < 200 && !(window.windowHandle() && window.windowHandle()->isExposed()); ++i)
        QApplication::processEvents(QEventLoop::AllEvents, 25);
    QApplication::processEvents();
    if (!window.Form_Load())
        return 1;

    if (!line.TrackFile.empty())
        window.OpenTrackFile(QFile::decodeName(line.TrackFile.c_str()));
    return QApplication::exec();
}
