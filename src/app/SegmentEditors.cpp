#include "SegmentEditors.h"

#include "ColorSwatch.h"
#include "MotorFields.h"
#include "NumericTextBox.h"
#include "PanelNumbers.h"
#include "SegmentEdits.h"
#include "SettingsPanels.h"
#include "TriggerScrollBar.h"
#include "UserDialogs.h"

#include <QCheckBox>
#include <QRadioButton>

#include <array>
#include <initializer_list>
#include <optional>

using mKavrano_TrackIO_1_3::Colour;
using mKavrano_TrackIO_1_3::TrackSegment;

namespace {

// What a box stores, each box in its own unit; reading a box applies it.
float SecondsOf(NumericTextBox& box) {
    return box.ApplyStored([](double seconds) { return mMain::StoredSingle(seconds); });
}

float SpeedOf(NumericTextBox& box) {
    return box.ApplyStored(
        [](double kmph) { return mMain::StoredSingle(mMain::KmphToSpeed(kmph)); });
}

float AccelOf(NumericTextBox& box) {
    return box.ApplyStored([](double g) { return mMain::StoredSingle(mMain::GToAccel(g)); });
}

uint8_t ByteOf(const QCheckBox& box) {
    return box.isChecked() ? 1 : 0;
}

// The index of the selected option; none when neither is selected, so the field keeps its
// value.
std::optional<uint8_t> ChoiceOf(const std::array<QRadioButton*, 2>& options) {
    for (size_t i = 0; i < options.size(); ++i)
        if (options[i]->isChecked())
            return uint8_t(i);
    return std::nullopt;
}

// What the lift or the transport panel shows, in stored units.
struct MotorSettings {
    std::optional<uint8_t> Style;
    bool bLeftRailing;
    bool bRightRailing;
    float Speed;
    float Accel;
    float Decel;
};

MotorSettings ReadMotorPanel(const SettingsPanels::MotorControls& c) {
    return {ChoiceOf(c.optStyle),    c.chkRailing[0]->isChecked(), c.chkRailing[1]->isChecked(),
            SpeedOf(*c.txtMotor[0]), AccelOf(*c.txtMotor[1]),      AccelOf(*c.txtMotor[2])};
}

void WriteMotorSettings(TrackSegment& s, const MotorSettings& v, const mMain::MotorFields& f) {
    if (v.Style)
        s.*f.Style = *v.Style;
    s.*f.LeftRailing = v.bLeftRailing;
    s.*f.RightRailing = v.bRightRailing;
    s.*f.Speed = v.Speed;
    s.*f.Accel = v.Accel;
    s.*f.Decel = v.Decel;
}

// The three colours the swatches stand for: spine, crosstie, rails. A neutral swatch stands
// for the track's own colour of its part, the one the simulator draws without custom colours.
std::array<Colour, 3> SwatchColours(const SettingsPanels& panels,
                                    const mKavrano_TrackIO_1_3::TrackDocument& doc) {
    std::array<Colour, 3> colours{};
    for (int i = 0; i < 3; ++i) {
        const Colour shown = panels.lblMainColor(i).Colour();
        colours[size_t(i)] =
            shown == ColorSwatch::kNeutral
                ? doc.TrackColours[size_t(SettingsPanels::kTrackColourOfSwatch[size_t(i)])]
                : shown;
    }
    return colours;
}

void WriteColours(TrackSegment& s, const std::array<Colour, 3>& colours) {
    s.SpineColour = colours[0];
    s.CrosstieColour = colours[1];
    s.RailsColour = colours[2];
}

} // namespace

SegmentEditors::SegmentEditors(AppContext& appContext, const SettingsPanels& settingsPanels)
    : context(appContext), panels(settingsPanels) {
    ConnectControls();
}

SegmentEditors::~SegmentEditors() {
    for (const QMetaObject::Connection& connection : connections)
        QObject::disconnect(connection);
}

void SegmentEditors::ConnectControls() {
    using Buttons = std::initializer_list<QAbstractButton*>;
    const auto onClick = [this](QAbstractButton* button, void (SegmentEditors::*editor)()) {
        connections.push_back(QObject::connect(button, &QAbstractButton::clicked, button,
                                               [this, editor] { (this->*editor)(); }));
    };
    const auto onEnter = [this](NumericTextBox* box, void (SegmentEditors::*editor)()) {
        connections.push_back(QObject::connect(box, &NumericTextBox::EnterPressed, box,
                                               [this, editor] { (this->*editor)(); }));
    };

    const SettingsPanels::StationControls& station = panels.Station();
    for (QAbstractButton* button :
         Buttons{station.chkStationNone, station.chkStationSimple, station.optStationEntrance[0],
                 station.optStationEntrance[1], station.chkStationSync, station.chkStationWheels,
                 station.chkStationPreBrake})
        onClick(button, &SegmentEditors::ApplyStationSettings);
    for (NumericTextBox* box : station.txtStationWait)
        onEnter(box, &SegmentEditors::ApplyStationSettings);
    onEnter(station.txtStationMainBrake, &SegmentEditors::ApplyStationSettings);
    for (NumericTextBox* box : station.txtStationWheels)
        onEnter(box, &SegmentEditors::ApplyStationSettings);
    for (NumericTextBox* box : station.txtStationPreBrake)
        onEnter(box, &SegmentEditors::ApplyStationSettings);

    const std::pair<const SettingsPanels::MotorControls&, void (SegmentEditors::*)()> motors[] = {
        {panels.Lift(), &SegmentEditors::ApplyLiftSettings},
        {panels.Transport(), &SegmentEditors::ApplyTransportSettings}};
    for (const auto& [motor, apply] : motors) {
        for (QAbstractButton* button : motor.optStyle)
            onClick(button, apply);
        for (QAbstractButton* button : motor.chkRailing)
            onClick(button, apply);
        for (NumericTextBox* box : motor.txtMotor)
            onEnter(box, apply);
    }

    const SettingsPanels::BrakeControls& brake = panels.Brake();
    for (QAbstractButton* button :
         Buttons{brake.chkBrakeBlock, brake.chkBrakeStop, brake.chkBrakeRailing[0],
                 brake.chkBrakeRailing[1], brake.chkBrakeWheels})
        onClick(button, &SegmentEditors::ApplyBrakeSettings);
    for (NumericTextBox* box : brake.txtBrakeBrake)
        onEnter(box, &SegmentEditors::ApplyBrakeSettings);
    for (NumericTextBox* box : brake.txtBrakeWheels)
        onEnter(box, &SegmentEditors::ApplyBrakeSettings);
    // Without tracking the bar changes on arrow and track clicks and when a drag is released.
    connections.push_back(QObject::connect(brake.hsBrakeTrigger, &QScrollBar::valueChanged,
                                           brake.hsBrakeTrigger, [this] { ApplyBrakeSettings(); }));

    onClick(&panels.chkMainTunnel(), &SegmentEditors::chkMainTunnel_Click);
    onClick(&panels.chkMainColors(), &SegmentEditors::chkMainColors_Click);
    for (int i = 0; i < 3; ++i) {
        ColorSwatch* const swatch = &panels.lblMainColor(i);
        connections.push_back(QObject::connect(swatch, &ColorSwatch::Clicked, swatch,
                                               [this, i] { lblMainColor_Click(i); }));
    }
}

void SegmentEditors::CommitEdit(const QString& name, const SegmentChange& change) {
    std::vector<mMain::SegmentEdit> edits =
        mMain::PlanSelectedSegmentEdits(context.Trace, context.Document, change);
    if (context.CommitEdits)
        context.CommitEdits(name, std::move(edits));
    else
        mMain::StoreSegmentEdits(context.Document, edits);
    mMain::SetTrackModified(context.State);
    if (context.FocusView)
        context.FocusView();
}

void SegmentEditors::ApplyStationSettings() {
    if (context.State.bUpdatingControls)
        return;
    const SettingsPanels::StationControls& c = panels.Station();
    const uint8_t noBuilding = ByteOf(*c.chkStationNone);
    const uint8_t baseOnly = ByteOf(*c.chkStationSimple);
    const std::optional<uint8_t> entrance = ChoiceOf(c.optStationEntrance);
    const bool bSync = c.chkStationSync->isChecked();
    std::array<float, 4> wait{};
    for (size_t i = 0; i < wait.size(); ++i)
        wait[i] = SecondsOf(*c.txtStationWait[i]);
    const float mainBrake = AccelOf(*c.txtStationMainBrake);
    // A disabled unit stores zeros, whatever its boxes show.
    const bool bWheels = c.chkStationWheels->isChecked();
    const float wheelsSpeed = bWheels ? SpeedOf(*c.txtStationWheels[0]) : 0.0f;
    const float wheelsAccel = bWheels ? AccelOf(*c.txtStationWheels[1]) : 0.0f;
    const float wheelsDecel = bWheels ? AccelOf(*c.txtStationWheels[2]) : 0.0f;
    const bool bPreBrake = c.chkStationPreBrake->isChecked();
    const float preBrakeSpeed = bPreBrake ? SpeedOf(*c.txtStationPreBrake[0]) : 0.0f;
    const float preBrakeHysteresis = bPreBrake ? SpeedOf(*c.txtStationPreBrake[1]) : 0.0f;
    const float preBrakeDecel = bPreBrake ? AccelOf(*c.txtStationPreBrake[2]) : 0.0f;

    CommitEdit("Station settings", [&](TrackSegment& s) {
        s.StationNoBuilding = noBuilding;
        s.StationBaseOnly = baseOnly;
        if (entrance)
            s.StationEntrance = *entrance;
        s.StationWaitSync = bSync;
        s.StationWaitAverage = wait[0];
        s.StationWaitMinimum = wait[1];
        s.StationWaitMaximum = wait[2];
        s.StationWaitDeviation = wait[3];
        s.StationMainBrakeDecel = mainBrake;
        s.StationWheels = bWheels;
        s.StationWheelsSpeed = wheelsSpeed;
        s.StationWheelsAccel = wheelsAccel;
        s.StationWheelsDecel = wheelsDecel;
        s.StationPreBrake = bPreBrake;
        s.StationPreBrakeSpeedLimit = preBrakeSpeed;
        s.StationPreBrakeHysteresis = preBrakeHysteresis;
        s.StationPreBrakeDecel = preBrakeDecel;
    });
}

void SegmentEditors::ApplyLiftSettings() {
    if (context.State.bUpdatingControls)
        return;
    const MotorSettings v = ReadMotorPanel(panels.Lift());
    CommitEdit("Lift settings",
               [&](TrackSegment& s) { WriteMotorSettings(s, v, mMain::kLiftFields); });
}

void SegmentEditors::ApplyTransportSettings() {
    if (context.State.bUpdatingControls)
        return;
    const MotorSettings v = ReadMotorPanel(panels.Transport());
    CommitEdit("Transport settings",
               [&](TrackSegment& s) { WriteMotorSettings(s, v, mMain::kTransportFields); });
}

void SegmentEditors::ApplyBrakeSettings() {
    if (context.State.bUpdatingControls)
        return;
    const SettingsPanels::BrakeControls& c = panels.Brake();
    const float trigger = c.hsBrakeTrigger->ApplyStored();
    const bool bBlock = c.chkBrakeBlock->isChecked();
    const bool bStop = c.chkBrakeStop->isChecked();
    const bool bLeftRailing = c.chkBrakeRailing[0]->isChecked();
    const bool bRightRailing = c.chkBrakeRailing[1]->isChecked();
    const float speedLimit = SpeedOf(*c.txtBrakeBrake[0]);
    const float hysteresis = SpeedOf(*c.txtBrakeBrake[1]);
    const float decel = AccelOf(*c.txtBrakeBrake[2]);
    // Unlike the station's, the brake's wheel values are kept when its wheels are off.
    const bool bWheels = c.chkBrakeWheels->isChecked();
    const float wheelsSpeed = SpeedOf(*c.txtBrakeWheels[0]);
    const float wheelsAccel = AccelOf(*c.txtBrakeWheels[1]);
    const float wheelsDecel = AccelOf(*c.txtBrakeWheels[2]);

    CommitEdit("Brake settings", [&](TrackSegment& s) {
        s.BrakeBlock = bBlock;
        s.BrakeCompleteStop = bStop;
        s.BrakeLeftRailing = bLeftRailing;
        s.BrakeRightRailing = bRightRailing;
        s.BrakeSpeedLimit = speedLimit;
        s.BrakeHysteresis = hysteresis;
        s.BrakeDecel = decel;
        s.BrakeTriggerPos = trigger;
        s.BrakeWheels = bWheels;
        s.BrakeWheelsSpeed = wheelsSpeed;
        s.BrakeWheelsAccel = wheelsAccel;
        s.BrakeWheelsDecel = wheelsDecel;
    });
}

void SegmentEditors::chkMainTunnel_Click() {
    if (context.State.bUpdatingControls)
        return;
    const bool bTunnel = panels.chkMainTunnel().isChecked();
    CommitEdit("Tunnel", [&](TrackSegment& s) { s.Tunnel = bTunnel; });
}

void SegmentEditors::chkMainColors_Click() {
    if (context.State.bUpdatingControls)
        return;
    // Turning custom colours on also stores what the swatches show, neutral or the track's
    // default colours included, in the same step.
    const bool bCustom = panels.chkMainColors().isChecked();
    const std::array<Colour, 3> shown = SwatchColours(panels, context.Document);
    CommitEdit("Custom colours", [&](TrackSegment& s) {
        s.CustomColours = bCustom;
        if (bCustom)
            WriteColours(s, shown);
    });
}

void SegmentEditors::lblMainColor_Click(int Index) {
    if (context.State.bUpdatingControls)
        return;
    // The picker starts at the colour the swatch stands for.
    auto colour = static_cast<int32_t>(SwatchColours(panels, context.Document)[size_t(Index)]);
    if (!context.Dialogs.ShowColorDialog(colour))
        return;
    panels.lblMainColor(Index).SetColour(static_cast<Colour>(colour));
    // All three are written, not only the one just picked; custom colours stay as they are.
    const std::array<Colour, 3> shown = SwatchColours(panels, context.Document);
    static const char* const kNames[] = {"Spine colour", "Crosstie colour", "Rails colour"};
    CommitEdit(kNames[Index], [&](TrackSegment& s) { WriteColours(s, shown); });
}
