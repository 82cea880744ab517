// Renders the main window on a track, with a few segments selected, into a PNG file: the
// README's screenshot. Usage: tornelle_screenshot TRACK OUT.png
#include "OpenGLView.h"
#include "SurfaceFormat.h"
#include "TrackTracer.h"
#include "frmMain.h"

#include <QApplication>
#include <QPixmap>
#include <QWindow>

#include <iostream>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: tornelle_screenshot TRACK OUT.png\n";
        return 2;
    }
    mOGL3D::SetDefaultSurfaceFormat();
    QApplication app(argc, argv);
    frmMain window;
    window.show();
    for (int i = 0; i < 200 && !(window.windowHandle() && window.windowHandle()->isExposed()); ++i)
        QApplication::processEvents(QEventLoop::AllEvents, 25);
    QApplication::processEvents();
    if (!window.Form_Load() || !window.OpenTrackFile(QString::fromLocal8Bit(argv[1])))
        return 1;
    // The lift hill, so that the picture shows a selection and the lift's settings.
    auto& trace = window.Trace();
    for (int32_t i = 0; i < trace.TracedSegmentCount; ++i)
        trace.SegmentSelected[size_t(i)] = window.Document().Segments[size_t(i)].SegmentType == 2;
    window.UpdateSettingsPanels();
    window.View().RenderFrame();
    QApplication::processEvents();
    if (!window.grab().save(QString::fromLocal8Bit(argv[2]))) {
        std::cerr << "cannot write " << argv[2] << '\n';
        return 1;
    }
    return 0;
}
