// Tornelle: the editor of Kavrano track files. Its one command-line input is a track file
// to open at start, the desktop's "open with".
#include "SurfaceFormat.h"
#include "frmMain.h"

#include <QApplication>
#include <QStringList>
#include <QWindow>

int main(int argc, char** argv) {
    mOGL3D::SetDefaultSurfaceFormat();
    QApplication app(argc, argv);
    QApplication::setApplicationName("Tornelle");
    QApplication::setApplicationVersion("1.3.0");

    frmMain window;
    window.show();
    // The view's GL context comes into being once the window is on screen.
    for (int i = 0; i < 200 && !(window.windowHandle() && window.windowHandle()->isExposed()); ++i)
        QApplication::processEvents(QEventLoop::AllEvents, 25);
    QApplication::processEvents();
    if (!window.Form_Load())
        return 1;

    const QStringList arguments = QApplication::arguments();
    if (arguments.size() == 2)
        window.OpenTrackFile(arguments.at(1));
    return QApplication::exec();
}
