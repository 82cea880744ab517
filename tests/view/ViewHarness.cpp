#include "ViewHarness.h"

#include "TrackSpine.h"

#include <QVBoxLayout>
#include <QtTest/QTest>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

namespace viewtest {

Rgb FromUnit(float r, float g, float b) {
    return {static_cast<int>(std::lround(r * 255.0f)), static_cast<int>(std::lround(g * 255.0f)),
            static_cast<int>(std::lround(b * 255.0f))};
}

bool Near(const Rgb& a, const Rgb& b) {
    return std::abs(a.r - b.r) <= 1 && std::abs(a.g - b.g) <= 1 && std::abs(a.b - b.b) <= 1;
}

Rgb TypeColour(int32_t type, float brightness) {
    // Plain light blue, station orange, lift green, transport yellow, brake red; others white.
    constexpr float kUnits[][3] = {{0.0f, 0.75f, 1.0f}, {1.0f, 0.5f, 0.0f}, {0.0f, 1.0f, 0.0f},
                                   {1.0f, 1.0f, 0.0f},  {1.0f, 0.0f, 0.0f}, {1.0f, 1.0f, 1.0f}};
    const float* c = kUnits[type >= 0 && type < 5 ? type : 5];
    return FromUnit(c[0] * brightness, c[1] * brightness, c[2] * brightness);
}

Rgb Pixels::At(int x, int y) const {
    const QRgb c = image.pixel(x, y);
    return {qRed(c), qGreen(c), qBlue(c)};
}

std::vector<Rgb> Pixels::Around(QPoint centre, int half) const {
    std::vector<Rgb> colours;
    for (int y = centre.y() - half; y <= centre.y() + half; ++y)
        for (int x = centre.x() - half; x <= centre.x() + half; ++x)
            if (image.valid(x, y))
                colours.push_back(At(x, y));
    return colours;
}

bool Contains(const std::vector<Rgb>& colours, const Rgb& wanted) {
    return std::any_of(colours.begin(), colours.end(),
                       [&](const Rgb& c) { return Near(c, wanted); });
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
    // Into the camera's frame: undo the translation, then the yaw, then the pitch.
    const double yaw = camera.CamRot.y * std::numbers::pi / 180.0;
    const double pitch = camera.CamRot.x * std::numbers::pi / 180.0;
    const double dx = p.x - camera.CamPos.x;
    const double dy = p.y - camera.CamPos.y;
    const double dz = p.z - camera.CamPos.z;
    const double x1 = std::cos(yaw) * dx - std::sin(yaw) * dz;
    const double z1 = std::sin(yaw) * dx + std::cos(yaw) * dz;
    const double y2 = std::cos(pitch) * dy + std::sin(pitch) * z1;
    const double z2 = -std::sin(pitch) * dy + std::cos(pitch) * z1;
    // Perspective of 45 degrees vertically, the camera looking along its -Z.
    const double f = 1.0 / std::tan(22.5 * std::numbers::pi / 180.0);
    const double aspect = static_cast<double>(ViewWidth) / ViewHeight;
    const double ndcX = f / aspect * x1 / -z2;
    const double ndcY = f * y2 / -z2;
    return {static_cast<int>(std::lround((ndcX + 1.0) / 2.0 * ViewWidth)),
            static_cast<int>(std::lround((1.0 - ndcY) / 2.0 * ViewHeight))};
}

Pixels ViewHarness::ShowFromAbove(const mKavrano_TrackIO_1_3::TrackDocument& doc, float height) {
    Load(doc);
    camera.CamPos = Vector3D{0.0f, height, 0.0f};
    camera.CamRot = Vector3D{-90.0f, 0.0f, 0.0f};
    return Render();
}

} // namespace viewtest
