#include "SegmentEditors.h"

#include "ColorSwatch.h"
#include "MotorFields.h"
#include "NumericTextBox.h"
#include "PanelFields.h"
#include "SegmentEdits.h"
#include "SettingsPanels.h"
#include "TriggerScrollBar.h"
#include "UserDialogs.h"
#include "ucContainer.h"

#include <QCheckBox>
#include <QRadioButton>

#include <array>
#include <optional>
#include <span>

using mKavrano_TrackIO_1_3::Colour;
using mKavrano_TrackIO_1_3::TrackSegment;

namespace {

// The index of the selected option; none when neither is selected, so the field keeps its
// value.
std::optional<uint8_t> ChoiceOf(const std::array<QRadioButton*, 2>& options) {
    for (size_t i = 0; i < options.size(); ++i) {
        if (options[i]->isChecked())
            return uint8_t(i);
    }
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
    return {ChoiceOf(c.optStyle),
            c.chkRailing[0]->isChecked(),
            c.chkRailing[1]->isChecked(),
            mMain::StoredField(*c.txtMotor[0], mMain::PanelUnit::Kmph),
            mMain::StoredField(*c.txtMotor[1], mMain::PanelUnit::G),
            mMain::StoredField(*c.txtMotor[2], mMain::PanelUnit::G)};
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
    const auto onClick = [this](QAbstractButton* button, void (SegmentEditors::*editor)()) {
        connections.push_back(QObject::connect(button, &QAbstractButton::clicked, button,
                                               [this, editor] { (this->*editor)(); }));
    };
    const auto onEnter = [this](NumericTextBox* box, void (SegmentEditors::*editor)()) {
        connections.push_back(QObject::connect(box, &NumericTextBox::EnterPressed, box,
                                               [this, editor] { (this->*editor)(); }));
    };

    // The station and the brake panel connect each control their field rows name.
    const auto onFields = [&](int panel, std::span<const mMain::CheckField> checks,
                              std::span<const mMain::NumberField> numbers,
                              void (SegmentEditors::*editor)()) {
        const ucContainer& container = panels.conSegStyle(panel);
        for (const mMain::CheckField& row : checks)
            onClick(container.findChild<QCheckBox*>(row.Control), editor);
        for (const mMain::NumberField& row : numbers)
            onEnter(container.findChild<NumericTextBox*>(row.Control), editor);
    };
    onFields(mKavrano_TrackIO_1_3::SegStation, mMain::kStationChecks, mMain::kStationNumbers,
             &SegmentEditors::ApplyStationSettings);
    for (QAbstractButton* button : panels.Station().optStationEntrance)
        onClick(button, &SegmentEditors::ApplyStationSettings);
    onFields(mKavrano_TrackIO_1_3::SegBrake, mMain::kBrakeChecks, mMain::kBrakeNumbers,
             &SegmentEditors::ApplyBrakeSettings);

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

    TriggerScrollBar* const trigger = panels.Brake().hsBrakeTrigger;
    // Without tracking the bar changes on arrow and track clicks and when a drag is released.
    connections.push_back(QObject::connect(trigger, &QScrollBar::valueChanged, trigger,
                                           [this] { ApplyBrakeSettings(); }));

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
    context.CommitEdits(name, std::move(edits));
    mMain::SetTrackModified(context.State);
    if (context.FocusView)
        context.FocusView();
}

void SegmentEditors::ApplyStationSettings() {
    if (context.State.bUpdatingControls)
        return;
    const std::optional<uint8_t> entrance = ChoiceOf(panels.Station().optStationEntrance);
    const mMain::FieldValues fields(panels.conSegStyle(mKavrano_TrackIO_1_3::SegStation),
                                    mMain::kStationChecks, mMain::kStationNumbers);
    CommitEdit("Station settings", [&](TrackSegment& s) {
        fields.WriteTo(s);
        if (entrance)
            s.StationEntrance = *entrance;
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
    const float trigger = panels.Brake().hsBrakeTrigger->ApplyStored();
    const mMain::FieldValues fields(panels.conSegStyle(mKavrano_TrackIO_1_3::SegBrake),
                                    mMain::kBrakeChecks, mMain::kBrakeNumbers);
    CommitEdit("Brake settings", [&](TrackSegment& s) {
        fields.WriteTo(s);
        s.BrakeTriggerPos = trigger;
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
