// The settings panels of the real main window on the demo track: a control of every kind and
// unit with its caption, its fill from the lowest selected segment and its apply to every
// selected one, each apply one step of the edit history. Which field a control shows comes
// from the field table, checked against the file once.
#include "ColorSwatch.h"
#include "EditHistory.h"
#include "MainWindowFixture.h"
#include "Twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QScrollBar>
#include <QUndoStack>
#include <QWheelEvent>

#include <map>
#include <tuple>
#include <variant>

using namespace mKavrano_TrackIO_1_3;

namespace {

// 1 g and 1 km/h in stored units, written out rather than taken from the code under test.
constexpr double kG = 9.816650390625;
constexpr double kKmph = 0.277777791023254;

using S = TrackSegment;
using Field = std::variant<float S::*, bool S::*, uint8_t S::*>;

void Set(S& s, const Field& field, double value) {
    std::visit(
        [&](auto member) { s.*member = std::remove_reference_t<decltype(s.*member)>(value); },
        field);
}

// A control: its name, its caption, the unit after a box, the field it shows and writes, that
// field's value for the fill, the box's text ("on" / "off" for a button), the text typed into a
// box and entered (a button is clicked instead), and what the apply stores, in the unit shown.
using Control = std::tuple<const char*, const char*, const char*, Field, double, const char*,
                           const char*, double>;

const std::vector<Control> kStation = {
    {"chkStationNone", "No Building", "", &S::StationNoBuilding, 2, "on", "", 0},
    {"chkStationSimple", "Base Only", "", &S::StationBaseOnly, 0, "off", "", 1},
    // A byte without a control state shows neither choice.
    {"optStationEntrance(0)", "Left Entrance", "", &S::StationEntrance, 7, "off", "", 0},
    {"optStationEntrance(1)", "Right Entrance", "", &S::StationEntrance, 7, "off", "", 1},
    // The whole stored text is shown; typing stops at the box's limit.
    {"txtStationWait(0)", "Average:", "sec", &S::StationWaitAverage, 12.125, "12.125", "123456",
     12345},
    {"txtStationWait(1)", "Minimum:", "sec", &S::StationWaitMinimum, 30, "30", "1,2a 3", 123},
    {"txtStationWait(2)", "Maximum:", "sec", &S::StationWaitMaximum, 0.1f, "0.1", "1.2.3", 1.2f},
    {"txtStationWait(3)", "Deviation:", "sec", &S::StationWaitDeviation, -2, "-2", "-.", 0},
    {"chkStationSync", "Syncronized", "", &S::StationWaitSync, 1, "on", "", 0},
    {"txtStationMainBrake", "Deceleration:", "g", &S::StationMainBrakeDecel, 14.715f, "1.5",
     "12345678", 1234567},
    {"chkStationWheels", "Enabled", "", &S::StationWheels, 1, "on", "", 0},
    {"txtStationWheels(0)", "Speed:", "kmph", &S::StationWheelsSpeed, 10, "36", "72", 72},
    {"txtStationWheels(1)", "Acceleration:", "g", &S::StationWheelsAccel, kG, "1", "2", 2},
    {"chkStationPreBrake", "Enabled", "", &S::StationPreBrake, 1, "on", "", 0},
    {"txtStationPreBrake(0)", "Speed Limit:", "kmph", &S::StationPreBrakeSpeedLimit, 5, "18", "9",
     9},
    {"txtStationPreBrake(2)", "Deceleration:", "g", &S::StationPreBrakeDecel, 0.5 * kG, "0.5",
     "1.5", 1.5},
};

const std::vector<Control> kLift = {
    {"optLiftStyle(0)", "Chain", "", &S::LiftStyle, 1, "off", "", 0},
    {"optLiftStyle(1)", "Transport Wheels", "", &S::LiftStyle, 0, "off", "", 1},
    {"chkLiftRailing(1)", "Right Railing", "", &S::LiftRightRailing, 0, "off", "", 1},
    {"txtLiftMotor(0)", "Speed:", "kmph", &S::LiftMotorSpeed, 10, "36", "50", 50},
    {"txtLiftMotor(1)", "Acceleration:", "g", &S::LiftMotorAccel, 0.25 * kG, "0.25", "1", 1},
};

const std::vector<Control> kTransport = {
    {"optTransportStyle(0)", "L.I.M.", "", &S::TransportStyle, 1, "off", "", 0},
    {"optTransportStyle(1)", "Transport Wheels", "", &S::TransportStyle, 0, "off", "", 1},
    {"chkTransportRailing(1)", "Right Railing", "", &S::TransportRightRailing, 0, "off", "", 1},
    {"txtTransportMotor(2)", "Deceleration:", "g", &S::TransportMotorDecel, 0.5 * kG, "0.5", "1.5",
     1.5},
};

const std::vector<Control> kBrake = {
    {"chkBrakeBlock", "Blocksegment", "", &S::BrakeBlock, 1, "on", "", 0},
    {"chkBrakeStop", "Complete Stop", "", &S::BrakeCompleteStop, 0, "off", "", 1},
    {"chkBrakeRailing(1)", "Right Railing", "", &S::BrakeRightRailing, 0, "off", "", 1},
    {"txtBrakeBrake(0)", "Speed Limit:", "kmph", &S::BrakeSpeedLimit, 20, "72", "18", 18},
    {"txtBrakeBrake(2)", "Deceleration:", "g", &S::BrakeDecel, 3 * kG, "3", "0.1", 0.1},
    {"chkBrakeWheels", "Enabled", "", &S::BrakeWheels, 1, "on", "", 0},
    {"txtBrakeWheels(0)", "Speed:", "kmph", &S::BrakeWheelsSpeed, 20, "72", "36", 36},
};

const std::tuple<int32_t, const char*, std::vector<Control>> kPanels[] = {
    {SegStation, "Station settings", kStation},
    {SegLift, "Lift settings", kLift},
    {SegTransport, "Transport settings", kTransport},
    {SegBrake, "Brake settings", kBrake},
    {SegPlain, "Tunnel", {{"chkMainTunnel", "Tunnel", "", &S::Tunnel, 0, "off", "", 1}}},
};

// Stored units per unit shown.
const std::map<std::string, double> kScale = {{"kmph", kKmph}, {"g", kG}, {"sec", 1}, {"", 1}};

// A station unit switched off stores zeros in its boxes' fields; the brake wheels keep theirs.
const std::map<std::string, std::vector<float S::*>> kZeroedWhenOff = {
    {"chkStationWheels", {&S::StationWheelsSpeed, &S::StationWheelsAccel, &S::StationWheelsDecel}},
    {"chkStationPreBrake",
     {&S::StationPreBrakeSpeedLimit, &S::StationPreBrakeHysteresis, &S::StationPreBrakeDecel}},
};

// The text of the label on a box's row left of it (its caption) or right of it (its unit).
QString LabelBeside(const QWidget& box, bool left) {
    for (const QLabel* label : box.parentWidget()->findChildren<QLabel*>())
        if (label->geometry().top() == box.geometry().top() &&
            (left ? label->geometry().right() < box.geometry().left()
                  : label->geometry().left() > box.geometry().right()))
            return label->text();
    return "none";
}

// A box's text, or "on" / "off" for a button.
std::string Shown(QWidget& control) {
    if (auto* box = qobject_cast<NumericTextBox*>(&control))
        return box->text().toStdString();
    return static_cast<QAbstractButton&>(control).isChecked() ? "on" : "off";
}

QColor PaintedColor(QWidget& widget) {
    return widget.grab().toImage().pixelColor(widget.width() / 2, widget.height() / 2);
}

} // namespace

using SettingsPanelsTest = MainWindowTest;

TEST_F(SettingsPanelsTest, EveryControlShowsItsFieldAndStoresItInEverySelectedSegment) {
    const TrackDocument original = window->Document();
    const auto& segments = window->Document().Segments;
    const QUndoStack& history = window->History().Stack();
    for (const auto& [type, step, controls] : kPanels) { // the name of the edit in the history
        const std::vector<int32_t> ofType = SegmentsOfType(type);
        const int32_t a = ofType.at(0), b = ofType.at(1), c = ofType.at(2);
        for (const auto& [name, caption, unit, field, value, shown, typed, applied] : controls) {
            SCOPED_TRACE(name);
            Segment(a) = original.Segments[size_t(a)];
            Segment(b) = original.Segments[size_t(b)];
            Set(Segment(a), field, value);
            const std::vector<TrackSegment> filled = segments;
            const int steps = history.index();
            SelectOnly({b, a}); // the fill comes from the lowest
            EXPECT_EQ(VisiblePanel(), type);
            EXPECT_EQ(segments, filled); // a fill writes only controls
            EXPECT_EQ(history.index(), steps);

            QWidget& widget = Find(name);
            EXPECT_EQ(Shown(widget), shown);
            if (auto* box = qobject_cast<NumericTextBox*>(&widget)) {
                EXPECT_EQ(LabelBeside(*box, true), caption);
                EXPECT_EQ(LabelBeside(*box, false), unit);
                EXPECT_EQ(mTwips::GeometryInTwips(*box).size(), QSize(615, 285));
                TypeAndEnter(name, typed);
            } else {
                EXPECT_EQ(static_cast<QAbstractButton&>(widget).text(), caption);
                Click(name);
            }
            TrackSegment expected = filled[size_t(a)];
            Set(expected, field, applied * kScale.at(unit));
            if (const auto zeroed = kZeroedWhenOff.find(name); zeroed != kZeroedWhenOff.end())
                for (float S::*off : zeroed->second)
                    expected.*off = 0;
            EXPECT_EQ(segments[size_t(a)], expected);
            EXPECT_EQ(segments[size_t(b)], expected); // the whole panel, to every selected one
            EXPECT_EQ(segments[size_t(c)], filled[size_t(c)]);
            EXPECT_EQ(window->focusWidget(), &window->View());
            ASSERT_EQ(history.index(), steps + 1);
            EXPECT_EQ(history.undoText(), step);
            EXPECT_EQ(Caption(), "Kavrano Tornelle - demo*");

            // Undo brings back the step's selection and fills the panel from it again.
            const std::vector<TrackSegment> edited = segments;
            SelectOnly({c});
            Undo();
            EXPECT_EQ(segments, filled);
            EXPECT_EQ(Selected(), Flags({a, b}));
            EXPECT_EQ(Shown(widget), shown);
            Redo();
            EXPECT_EQ(segments, edited);
        }
    }
    // A byte that names neither entrance is kept, each segment's own, by another control's
    // apply; the entrances are exclusive again afterwards.
    Segment(0).StationEntrance = 7;
    Segment(1).StationEntrance = 1;
    SelectOnly({0, 1});
    Click("chkStationSync");
    EXPECT_EQ(std::tie(Segment(0).StationEntrance, Segment(1).StationEntrance),
              std::make_tuple(uint8_t(7), uint8_t(1)));
    Click("optStationEntrance(0)");
    Click("optStationEntrance(1)");
    EXPECT_FALSE(Find<QAbstractButton>("optStationEntrance(0)").isChecked());
}

TEST_F(SettingsPanelsTest, TheTriggerBarAppliesOnClicksAndReleasedDragsOnly) {
    const std::vector<int32_t> brakes = SegmentsOfType(SegBrake);
    const float unselected = Segment(brakes[2]).BrakeTriggerPos;
    SelectOnly({brakes[0], brakes[1]});
    auto& bar = Find<QScrollBar>("hsBrakeTrigger");
    ASSERT_EQ(bar.value(), 5000);
    const auto stored = [&](int32_t i) { return Segment(brakes[size_t(i)]).BrakeTriggerPos; };

    // The wheel moves nothing; a drag changes nothing until the thumb is released.
    QWheelEvent wheel(QPointF(5, 5), bar.mapToGlobal(QPointF(5, 5)), {}, QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&bar, &wheel);
    EXPECT_EQ(bar.value(), 5000);
    // The thumb is in the middle; the arrows are at the ends.
    const QPoint grip = bar.rect().center();
    const QPoint quarter(bar.width() / 4, grip.y());
    QTest::mousePress(&bar, Qt::LeftButton, {}, grip);
    QTest::mouseMove(&bar, quarter);
    EXPECT_NE(bar.sliderPosition(), 5000);
    EXPECT_EQ(stored(0), 0.5f);
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, quarter);
    EXPECT_LT(bar.value(), 5000);
    EXPECT_EQ(stored(0), float(bar.value() / 10000.0));
    EXPECT_EQ(stored(1), stored(0));
    EXPECT_EQ(window->focusWidget(), &window->View());

    // An arrow click and a click on the track apply at once.
    for (const int x : {bar.width() - 3, bar.width() * 3 / 4}) {
        const int before = bar.value();
        QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(x, grip.y()));
        EXPECT_GT(bar.value(), before);
        EXPECT_EQ(stored(1), float(bar.value() / 10000.0));
    }
    EXPECT_EQ(stored(2), unselected);

    // Another control's apply keeps a position the bar cannot show.
    Segment(brakes[0]).BrakeTriggerPos = 1.7f;
    SelectOnly({brakes[0]});
    EXPECT_EQ(bar.value(), 10000);
    Click("chkBrakeStop");
    EXPECT_EQ(stored(0), 1.7f);
}

TEST_F(SettingsPanelsTest, SwatchesShowStoreAndPickTheColoursTheSimulatorDraws) {
    QPalette palette = window->palette();
    palette.setColor(QPalette::Button, QColor(10, 200, 30));
    window->setPalette(palette);
    const auto& colours = window->Document().TrackColours;
    const std::vector<Colour> trackColours = {colours[0], colours[2], colours[1]};
    const auto swatches = [&, &p = window->Panels()] {
        return std::vector<Colour>{p.lblMainColor(0).Colour(), p.lblMainColor(1).Colour(),
                                   p.lblMainColor(2).Colour()};
    };
    EXPECT_EQ(Find<QCheckBox>("chkMainColors").text(), "Custom Colors");
    // Nothing selected, or a segment without custom colours: the button face.
    const int32_t plain = SegmentsOfType(SegPlain).front();
    SelectOnly({plain});
    EXPECT_EQ(swatches(), std::vector<Colour>(3, ColorSwatch::kNeutral));
    EXPECT_EQ(PaintedColor(window->Panels().lblMainColor(1)), QColor(10, 200, 30));
    window->ToolBar_ButtonClick(frmMain::CmdSelectAll); // mixed types: the track's colours
    EXPECT_EQ(swatches(), trackColours);
    EXPECT_FALSE(window->State().bTrackModified);

    // Custom colours ticked alone store what the simulator showed; then a rails colour.
    SelectOnly({plain});
    Click("chkMainColors");
    EXPECT_TRUE(Segment(plain).CustomColours);
    const auto stored = [&] {
        const TrackSegment& s = Segment(plain);
        return std::vector<Colour>{s.SpineColour, s.CrosstieColour, s.RailsColour};
    };
    EXPECT_EQ(stored(), trackColours);
    dialogs.Colours.push_back(0x00112233);
    Click("lblMainColor(2)");
    EXPECT_EQ(dialogs.ColoursOffered, std::vector<int32_t>({int32_t(trackColours[2])}));
    EXPECT_EQ(stored(), std::vector<Colour>({trackColours[0], trackColours[1], 0x00112233}));
    EXPECT_EQ(window->History().Stack().undoText(), "Rails colour");
    SelectOnly({plain});
    EXPECT_EQ(swatches(), stored());
    EXPECT_EQ(PaintedColor(window->Panels().lblMainColor(2)), QColor(0x33, 0x22, 0x11));

    // A cancelled picker changes nothing; with custom colours off a pick is stored all the same.
    const int steps = window->History().Stack().index();
    dialogs.Colours.push_back(std::nullopt);
    Click("lblMainColor(0)");
    EXPECT_EQ(window->History().Stack().index(), steps);
    EXPECT_EQ(swatches(), stored());
    Click("chkMainColors");
    EXPECT_FALSE(Segment(plain).CustomColours);
    EXPECT_EQ(stored()[2], 0x00112233u); // the pick below rewrites all three
    dialogs.Colours.push_back(0x00445566);
    Click("lblMainColor(0)");
    EXPECT_EQ(stored(), std::vector<Colour>({0x00445566, trackColours[1], 0x00112233}));
    EXPECT_FALSE(Segment(plain).CustomColours);

    // With nothing selected the Track Setting panel changes no segment but marks the track.
    window->ToolBar_ButtonClick(frmMain::CmdUnselectAll);
    SaveAs("saved.kvtrack");
    const std::vector<TrackSegment> before = window->Document().Segments;
    Click("chkMainTunnel");
    EXPECT_EQ(window->Document().Segments, before);
    EXPECT_EQ(Caption(), "Kavrano Tornelle - saved*");
}

TEST_F(SettingsPanelsTest, PanelsFramesAndSwatchesCarryTheirTitles) {
    // Each panel's title, its frames' titles and its note.
    const std::tuple<QString, QStringList, QString> panels[] = {
        {"Normal", {}, "No Additional Settings for This Segment Type"},
        {"Station", {"Building", "Wait Time", "Main Brake", "Wheels", "Pre-Brake"}, "none"},
        {"Lift", {"Style", "Motor"}, "none"},
        {"Transport", {"Style", "Motor"}, "none"},
        {"Brake", {"Style", "Brake", "Wheels"}, "none"},
        {"*Multiple Segment Types Selected*",
         {},
         "Only the standard Track Settings can be modified for multiple segment types."},
        {"", {}, "none"}};
    for (int i = 0; i < SettingsPanels::kSegStylePanels; ++i) {
        const ucContainer& panel = window->Panels().conSegStyle(i);
        QStringList frames;
        for (const QGroupBox* frame : panel.findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly))
            frames << frame->title();
        const auto* note = panel.findChild<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
        EXPECT_EQ(std::tuple(panel.Title(), frames, note ? note->text() : "none"), panels[i]);
    }
    EXPECT_EQ(window->Panels().conTrackSetting().Title(), "Track Setting");
    // The swatches, each right of its name.
    const char* const names[] = {"Spine:", "Crosstie:", "Rails:"};
    for (int i = 0; i < 3; ++i) {
        const ColorSwatch& swatch = window->Panels().lblMainColor(i);
        EXPECT_EQ(mTwips::GeometryInTwips(swatch).topLeft(), QPoint(900, 960 + 360 * i));
        EXPECT_EQ(LabelBeside(swatch, true), names[i]);
    }
    // Eight characters fit every box at its design width: the caret at the end has not
    // scrolled the first one out.
    for (NumericTextBox* box : window->findChildren<NumericTextBox*>()) {
        SCOPED_TRACE(box->objectName().toStdString());
        box->setText("-8888888");
        box->setCursorPosition(0);
        const int start = box->inputMethodQuery(Qt::ImCursorRectangle).toRect().x();
        box->setCursorPosition(8);
        const int end = box->inputMethodQuery(Qt::ImCursorRectangle).toRect().x();
        EXPECT_EQ(end - start, box->fontMetrics().horizontalAdvance("-8888888"));
        EXPECT_GE(box->font().pixelSize(), 7);
    }
}
