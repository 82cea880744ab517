// Entry point of the GUI test programs: a real QApplication with the editor's GL format,
// so that widgets are driven and OpenGL is read back as in the running program.
#include "SurfaceFormat.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    mOGL3D::SetDefaultSurfaceFormat();
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
