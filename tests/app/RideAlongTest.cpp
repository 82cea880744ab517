// The track coloured by the ride and the ride along it, through the real main window: the
// legend of every colouring, the fastest and the unreached spine in the frame, and the ride's
// clock, keys, pose, line and end on a clock the test moves.
#include "ColourLegend.h"
#include "MainWindowFixture.h"
#include "RideOnTrack.h"
#include "SharedRide.h"

#include <QLabel>
#include <QRegularExpression>
#include <QVector3D>

#include <cmath>

using namespace mKV_RidePreview;

namespace {

using RideAlongTest = MainWindowTest;

QVector3D Q(const Vector3D& v) {
    return {v.x, v.y, v.z};
}

bool Close(QRgb pixel, const mKV_TraceTrack::Colour& c) {
    const auto near = [](int p, float unit) { return std::abs(p - unit * 255.0f) <= 4.0f; };
    return near(qRed(pixel), c.r) && near(qGreen(pixel), c.g) && near(qBlue(pixel), c.b);
}

} // namespace

TEST_F(RideAlongTest, CCyclesTheColouringsWithTheirLegendsAndSpeedColoursTheSpine) {
    OpenGLView& view = window->View();
    view.setFocus();
    const ColourLegend& legend = view.Legend();
    EXPECT_FALSE(legend.isVisible());
    const std::tuple<ColourBy, QString, QStringList> cycle[] = {
        {ColourBy::Speed, "Speed (km/h)", {"0", "47", "95"}},
        {ColourBy::VerticalG, "Vertical g (5 Hz)", {"−3.4", "1", "5.4"}},
        {ColourBy::LateralG, "Lateral g (5 Hz)", {"−3", "0", "3"}},
        {ColourBy::SegmentType, "", {}},
    };
    for (const auto& [by, title, labels] : cycle) {
        QTest::keyClick(&view, Qt::Key_C);
        EXPECT_EQ(view.Colouring(), by);
        EXPECT_EQ(legend.isVisible(), !title.isEmpty());
        if (title.isEmpty())
            continue;
        EXPECT_EQ(legend.Title(), title);
        EXPECT_EQ(legend.Labels(), labels);
        EXPECT_GE(legend.width(), 100);
        EXPECT_EQ(legend.geometry().bottomRight(), view.rect().bottomRight() - QPoint(4, 4));
    }

    // From just above a spine point, straight down: the point is in the middle of the frame.
    QTest::keyClick(&view, Qt::Key_C);
    const RidePreview& ride = window->Ride().Ride();
    const auto& spine = window->Trace().SpinePoints;
    const std::vector<int32_t> sampleAt = RideSampleAtSpinePoints(ride, window->Trace());
    // Whether the colour shows within two pixels of the middle of the frame.
    const auto seenAt = [&](size_t point, const mKV_TraceTrack::Colour& colour) {
        window->Camera().CamPos = {spine[point].Center.x, spine[point].Center.y + 6,
                                   spine[point].Center.z};
        window->Camera().CamRot = {-90.0f, 0.0f, 0.0f};
        view.RenderFrame();
        const QImage frame = view.grabFramebuffer();
        bool seen = false;
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx)
                seen |= Close(frame.pixel(frame.width() / 2 + dx, frame.height() / 2 + dy), colour);
        return seen;
    };
    const auto fastest = std::find_if(sampleAt.begin(), sampleAt.end(), [&](int32_t k) {
        return k >= 0 && ride.Samples[size_t(k)].Speed == ride.Peaks.Speed.Max;
    });
    ASSERT_NE(fastest, sampleAt.end());
    EXPECT_TRUE(seenAt(size_t(fastest - sampleAt.begin()), SequentialColour(1.0)));
    const auto unreached = std::find(sampleAt.begin(), sampleAt.end(), -1);
    ASSERT_NE(unreached, sampleAt.end());
    const size_t middle = size_t(unreached - sampleAt.begin()) + 8;
    ASSERT_EQ(sampleAt[middle], -1);
    EXPECT_TRUE(seenAt(middle, kUnreachedColour));
}

TEST_F(RideAlongTest,
       F6RidesOnTheClockAtTheChosenRateEscapeGivesTheCameraBackAndATrackWithoutAStartSaysWhy) {
    OpenGLView& view = window->View();
    double now = 50.0;
    view.SetClock([&] { return now; });
    SelectOnly({4});
    const Vector3D position = window->Camera().CamPos;
    const Vector3D angles = window->Camera().CamRot;
    QTest::keyClick(window.get(), Qt::Key_F6);
    ASSERT_TRUE(view.Riding());
    const RidePreview& ride = window->Ride().Ride();
    const auto& spine = window->Trace().SpinePoints;
    const std::vector<int32_t> sampleAt = RideSampleAtSpinePoints(ride, window->Trace());
    const QLabel& line = view.RideLine();
    const QRegularExpression first(
        "^0:00 · \\d+ km/h · −?\\d+\\.\\d g · −?\\d+\\.\\d g lat · segment 4$");
    EXPECT_TRUE(first.match(line.text()).hasMatch()) << line.text().toStdString();

    // Rows: the keys pressed, one a character ('p' and 'm': the keypad's + and −), the seconds
    // that pass, the lap's clock then and the line's start and end.
    const std::tuple<const char*, double, double, const char*, const char*> steps[] = {
        {"", 1.0, 1.0, "0:01 · ", " lat · segment 4"},
        {"+", 1.0, 3.0, "0:03 · ", " · ×2"},
        {"=", 0.5, 5.0, "0:05 · ", " · ×4"},
        {"p", 1.0, 9.0, "0:09 · ", " · ×4"},
        {"--m--", 4.0, 10.0, "0:10 · ", " · ×0.25"},
        {" ", 10.0, 10.0, "0:10 · ", " · ×0.25 · paused"},
        {" ", 240.0, 70.0, "1:10 · ", " · ×0.25"},
    };
    // The ride's timer reads the clock: wait for its tick, which load may delay.
    const auto reaches = [&view](double lapSeconds) {
        return QTest::qWaitFor(
            [&] { return std::abs(view.RideAlongClock().LapSeconds - lapSeconds) < 1e-9; });
    };
    for (const auto& [keys, seconds, lapSeconds, starts, ends] : steps) {
        for (const char* key = keys; *key != '\0'; ++key) {
            const bool keypad = *key == 'p' || *key == 'm';
            QTest::keyClick(&view, keypad ? (*key == 'p' ? '+' : '-') : *key,
                            keypad ? Qt::KeypadModifier : Qt::NoModifier);
        }
        now += seconds;
        EXPECT_TRUE(reaches(lapSeconds)) << view.RideAlongClock().LapSeconds;
        EXPECT_TRUE(line.text().startsWith(starts) && line.text().endsWith(ends))
            << line.text().toStdString();
        // The eye rides 1.2 m over the rails of the sample just passed, along the travel.
        const auto passed =
            std::upper_bound(ride.Samples.begin(), ride.Samples.end(), lapSeconds,
                             [](double t, const RideSample& s) { return t < s.Time; }) -
            1;
        const size_t point = size_t(
            std::find(sampleAt.begin(), sampleAt.end(), int32_t(passed - ride.Samples.begin())) -
            sampleAt.begin());
        ASSERT_LT(point + 1, spine.size());
        const RidePose pose = view.RiderPose();
        const QVector3D over =
            Q(pose.Eye) - (Q(spine[point].RailRight) + Q(spine[point].RailLeft)) / 2;
        const QVector3D travel = Q(spine[point + 1].Center) - Q(spine[point].Center);
        EXPECT_NEAR(QVector3D::dotProduct(over, Q(pose.Up)), kRiderHeight, 0.05);
        EXPECT_LT(over.lengthSquared(), kRiderHeight * kRiderHeight + 0.3);
        EXPECT_GT(QVector3D::dotProduct(travel, Q(pose.Forward)), 0.99 * travel.length());
    }

    // While riding: the lift's panel is locked and a click picks nothing.
    EXPECT_FALSE(window->Panels().conSegStyle(2).isEnabled());
    QTest::mouseClick(&view, Qt::LeftButton, {}, view.rect().center());
    EXPECT_EQ(Selected(), Flags({4}));

    now += 1e4;
    EXPECT_TRUE(reaches(ride.Peaks.Duration)) << view.RideAlongClock().LapSeconds;
    EXPECT_EQ(line.text(), QString::fromStdString(DescribeRideEnd(ride)));

    QTest::keyClick(&view, Qt::Key_Escape);
    EXPECT_FALSE(view.Riding());
    EXPECT_EQ(Selected(), Flags({4})); // Escape ended the ride, nothing else
    EXPECT_TRUE(window->Panels().conSegStyle(2).isEnabled());
    const auto& camera = window->Camera();
    EXPECT_EQ(std::tie(camera.CamPos, camera.CamRot.x, camera.CamRot.y),
              std::tie(position, angles.x, angles.y));

    // A track without a start says why instead of riding.
    mKavrano_TrackIO_1_3::TrackDocument plain = window->Document();
    for (TrackSegment& s : plain.Segments)
        s.SegmentType = mKavrano_TrackIO_1_3::SegPlain;
    ASSERT_TRUE(SaveTrackFile(plain, folder.Path("plain.kvtrack")).Saved);
    Open(folder.Path("plain.kvtrack"));
    QTest::keyClick(window.get(), Qt::Key_F6);
    EXPECT_FALSE(window->View().Riding());
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0].Text, QString(kNothingToStart));
    EXPECT_EQ(dialogs.Messages[0].Title, "Error!");
}
