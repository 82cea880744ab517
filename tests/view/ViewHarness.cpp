#include "ViewHarness.h"

#include "TrackSpine.h"
#include "ViewFrustum.h"

#include <QMatrix4x4>
#include <QVBoxLayout>
#include <QVector3D>
#include <QtTest/QTest>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

namespace viewtest {

Rgb FromUnit(float r, float g, float b) {
    return qRgb(qRound(r * 255.0f), qRound(g * 255.0f), qRound(b * 255.0f));
}

bool Near(Rgb a, Rgb b) {
    return std::abs(qRed(a) - qRed(b)) <= 1 && std::abs(qGreen(a) - qGreen(b)) <= 1 &&
           std::abs(qBlue(a) - qBlue(b)) <= 1;
}

Rgb TypeColour(int32_t type, float brightness) {
    // Plain light blue, station orange, lift green, transport yellow, brake red; others white.
    constexpr float kUnits[][3] = {{0.0f, 0.75f, 1.0f}, {1.0f, 0.5f, 0.0f}, {0.0f, 1.0f, 0.0f},
                                   {1.0f, 1.0f, 0.0f},  {1.0f, 0.0f, 0.0f}, {1.0f, 1.0f, 1.0f}};
    const float* c = kUnits[type >= 0 && type < 5 ? type : 5];
    return FromUnit(c[0] * brightness, c[1] * brightness, c[2] * brightness);
}

std::vector<Rgb> Pixels::Around(QPoint centre, int half) const {
    std::vector<Rgb> colours;
    for (int y = centre.y() - half; y <= centre.y() + half; ++y)
        for (int x = centre.x() - half; x <= centre.x() + half; ++x)
            if (image.valid(x, y))
                colours.push_back(At(x, y));
    return colours;
}

bool Contains(const std::vector<Rgb>& colours, Rgb wanted) {
    return std::ranges::any_of(colours, [&](Rgb c) { return Near(c, wanted); });
}

ViewHarness::ViewHarness() : window(std::make_unique<QWidget>()) {
    view = new OpenGLView(document, trace, camera, window.get());
    auto* layout = new QVBoxLayout(window.get());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view);
    view->setFixedSize(ViewWidth, ViewHeight);
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    EXPECT_GT(view->SetupOpenGL(), 0);
    mCamera3D::ResetCamera(camera);
    mKV_TraceTrack::ResetSpine(trace);
    view->SetViewReady(true);
}

void ViewHarness::Load(const mKavrano_TrackIO_1_3::TrackDocument& doc) {
    document = doc;
    ASSERT_TRUE(mKV_TraceTrack::TraceTrack(trace, document));
    mKV_TraceTrack::BuildSpine(trace, document);
    ASSERT_GT(trace.SpinePointCount, 1);
}

Pixels ViewHarness::Render() {
    view->RenderFrame();
    return Read();
}

Pixels ViewHarness::Read() {
    view->makeCurrent();
    QImage image(ViewWidth, ViewHeight, QImage::Format_RGBA8888);
    glReadPixels(0, 0, ViewWidth, ViewHeight, GL_RGBA, GL_UNSIGNED_BYTE, image.bits());
    return {image.mirrored()}; // GL reads the rows bottom-up
}

QPoint ViewHarness::Project(const Vector3D& p) const {
    // Qt's matrices, not the view's, set up as the frame sets up GL: the perspective, then the
    // camera's pitch and yaw and its position undone.
    QMatrix4x4 projection;
    projection.perspective(float(mOGL3D::kViewFovY), float(ViewWidth) / ViewHeight,
                           float(mOGL3D::kViewZNear), float(mOGL3D::kViewZFar));
    QMatrix4x4 eye;
    eye.rotate(-camera.CamRot.x, 1.0f, 0.0f, 0.0f);
    eye.rotate(-camera.CamRot.y, 0.0f, 1.0f, 0.0f);
    eye.translate(-camera.CamPos.x, -camera.CamPos.y, -camera.CamPos.z);
    const QVector3D at =
        QVector3D(p.x, p.y, p.z).project(eye, projection, {0, 0, ViewWidth, ViewHeight});
    return {qRound(at.x()), ViewHeight - qRound(at.y())}; // GL's rows count from the bottom
}

Pixels ViewHarness::ShowFromAbove(const mKavrano_TrackIO_1_3::TrackDocument& doc, float height) {
    Load(doc);
    camera.CamPos = Vector3D{0.0f, height, 0.0f};
    camera.CamRot = Vector3D{-90.0f, 0.0f, 0.0f};
    return Render();
}

} // namespace viewtest
