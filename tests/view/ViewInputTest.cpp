// The view driven like a user drives it: clicks pick, the right button toggles look mode,
// keys and the mouse fly the camera on the view's own timer.
#include "Picking.h"
#include "TestTracks.h"
#include "ViewHarness.h"

#include <QCursor>
#include <QFocusEvent>
#include <QScreen>
#include <QTimer>
#include <QtTest/QTest>
#include <gtest/gtest.h>

namespace {

using namespace viewtest;
using namespace test_tracks;

const std::vector<Vector3D> Square = {{-10, 2, -10}, {10, 2, -10}, {10, 2, 10}, {-10, 2, 10}};

QPoint SegmentPoint(const ViewHarness& h, std::size_t i) {
    return h.Project(Between(Square[i], Square[(i + 1) % Square.size()], 0.5f));
}

// A mouse move delivered straight to the view, without moving the real cursor.
void MoveTo(QWidget* view, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, view->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(view, &move);
}

TEST(ViewInput, TheFrameReachesTheScreenAndLeftClicksToggleSegmentsUnlessInLookMode) {
    ViewHarness h;
    h.ShowFromAbove(Polyline(Square, {0, 1, 2, 3}), 40.0f);
    // The frame reaches the screen: the window system shows `colour` within 8 pixels of a point.
    auto onScreen = [&](QPoint centre, Rgb colour) {
        const Pixels shot{h.window->screen()->grabWindow(h.window->winId()).toImage()};
        return Contains(shot.Around(h.view->mapTo(h.window.get(), centre), 8), colour);
    };
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return onScreen(SegmentPoint(h, 0), TypeColour(0)) &&
               onScreen(QPoint(20, 20), FromUnit(0.0f, 0.3f, 0.0f));
    }));

    // The hook runs after the redraw: segment 1 is white when told it is picked, and not when
    // told the ground cleared it.
    std::vector<std::vector<bool>> seen;
    std::vector<bool> white;
    QObject::connect(h.view, &OpenGLView::selectionChanged, [&] {
        seen.push_back(h.trace.SegmentSelected);
        white.push_back(Contains(h.Read().Around(SegmentPoint(h, 1), 8), FromUnit(1, 1, 1)));
    });

    // Which clicks toggle which segment: see FindAndSelectTest; here the view's own picks.
    for (const QPoint at : {SegmentPoint(h, 1), SegmentPoint(h, 3), h.Project({0, 0, 0})})
        QTest::mouseClick(h.view, Qt::LeftButton, {}, at);
    const std::vector<std::vector<bool>> expected = {
        {false, true, false, false}, {false, true, false, true}, {false, false, false, false}};
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(white, (std::vector<bool>{true, true, false}));

    // Right clicks never pick, and left clicks in look mode move instead: looking down,
    // forward is down, one step of 0.5.
    QTest::mouseClick(h.view, Qt::RightButton, {}, SegmentPoint(h, 1));
    EXPECT_EQ(h.view->cursor().shape(), Qt::BlankCursor);
    MoveTo(h.view, SegmentPoint(h, 1));
    QTest::mouseClick(h.view, Qt::LeftButton, {}, SegmentPoint(h, 1));
    EXPECT_FLOAT_EQ(h.camera.CamPos.y, 39.5f);
    QTest::mouseClick(h.view, Qt::RightButton, {}, SegmentPoint(h, 1));
    EXPECT_EQ(h.camera.LookMode, mCamera3D::kLookOff);
    EXPECT_NE(h.view->cursor().shape(), Qt::BlankCursor);
    EXPECT_EQ(seen.size(), expected.size()); // nothing more was picked
}

TEST(ViewInput, HeldKeysFlyOnTheTimerUntilReleased) {
    ViewHarness h;
    auto* timer = h.view->findChild<QTimer*>("tmrMain");
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 1);

    // W outside look mode: no move (the press below moves one step from the start), no timer.
    QTest::keyPress(h.view, Qt::Key_W);
    EXPECT_FALSE(timer->isActive());
    QTest::keyRelease(h.view, Qt::Key_W);

    QTest::mouseClick(h.view, Qt::RightButton, {}, QPoint(320, 240));
    MoveTo(h.view, QPoint(320, 240));
    ASSERT_EQ(h.camera.LookMode, mCamera3D::kLookActive);
    QTest::keyPress(h.view, Qt::Key_W); // its first step: see CameraTest
    EXPECT_TRUE(timer->isActive());
    EXPECT_TRUE(QTest::qWaitFor([&] { return h.camera.CamPos.z <= -3.0f; }));
    QTest::keyRelease(h.view, Qt::Key_W);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !timer->isActive(); }));

    // Shift and Page Up: one whole unit up on the press; held while the view loses the
    // keyboard, they stop with it.
    QTest::keyPress(h.view, Qt::Key_Shift);
    QTest::keyPress(h.view, Qt::Key_PageUp);
    EXPECT_FLOAT_EQ(h.camera.CamPos.y, 6.0f);
    EXPECT_TRUE(timer->isActive());
    QFocusEvent focusOut(QEvent::FocusOut, Qt::OtherFocusReason);
    QCoreApplication::sendEvent(h.view, &focusOut);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !timer->isActive(); }));
}

TEST(ViewInput, MouseLookTurnsWithTheRealCursorAndRecentresIt) {
    ViewHarness h;
    const QRect frame = h.window->frameGeometry();
    const QPoint centre(frame.x() + frame.width() / 2, frame.y() + frame.height() / 2);
    std::vector<float> yawWhenMoved;
    QObject::connect(h.view, &OpenGLView::mouseMovedOver,
                     [&] { yawWhenMoved.push_back(h.camera.CamRot.y); });

    QTest::mouseClick(h.view, Qt::RightButton, {}, QPoint(100, 100));
    QTest::mouseMove(h.view, QPoint(100, 120));
    ASSERT_TRUE(QTest::qWaitFor([&] { return h.camera.LookMode == mCamera3D::kLookActive; }));

    // 10 pixels right from the reference, not from the click: 2 degrees to the right.
    QTest::mouseMove(h.view, QPoint(110, 120));
    ASSERT_TRUE(QTest::qWaitFor([&] { return h.camera.CamRot.y != 0.0f; }));
    EXPECT_EQ(h.camera.CamRot, (Vector3D{0.0f, -2.0f, 0.0f}));
    EXPECT_EQ(QCursor::pos(), centre);
    ASSERT_TRUE(QTest::qWaitFor([&] { return h.camera.LookMode == mCamera3D::kLookActive; }));
    EXPECT_FLOAT_EQ(h.camera.CamRot.y, -2.0f); // arriving at the centre is no turn
    ASSERT_FALSE(yawWhenMoved.empty());
    EXPECT_EQ(yawWhenMoved.front(), 0.0f); // told before the camera turned

    QTest::mouseMove(h.view, h.view->mapFromGlobal(centre) - QPoint(0, 5)); // up: look up
    ASSERT_TRUE(QTest::qWaitFor([&] { return h.camera.CamRot.x != 0.0f; }));
    EXPECT_EQ(h.camera.CamRot, (Vector3D{1.0f, -2.0f, 0.0f}));
}

TEST(ViewSetup, AMissingContextIsReportedWithTheFixedTextAndTitle) {
    mKavrano_TrackIO_1_3::TrackDocument document;
    mKV_TraceTrack::TraceState trace;
    mCamera3D::CameraState camera;
    OpenGLView view(document, trace, camera);
    QSurfaceFormat impossible = view.format();
    impossible.setRenderableType(QSurfaceFormat::OpenVG);
    view.setFormat(impossible);
    QStringList reports;
    view.SetFatalErrorHandler(
        [&](const QString& text, const QString& title) { reports << text << title; });
    view.resize(100, 100);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));

    EXPECT_LT(view.SetupOpenGL(), 0);
    EXPECT_EQ(reports,
              QStringList({"Error: Unable to get an OpenGL Render Context Handle!", "Error!"}));
    view.SetViewReady(true);
    view.RenderFrame();
    EXPECT_EQ(view.PickAt(50, 50), mOGL3D::kNoPick);
    EXPECT_TRUE(view.ReleaseOpenGL());
}

} // namespace
