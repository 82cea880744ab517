#include "SegmentEditors.h"

#include "ColorSwatch.h"
#include "NumericTextBox.h"
#include "Overloaded.h"
#include "PanelFields.h"
#include "SegmentEdits.h"
#include "SettingsPanels.h"
#include "TriggerScrollBar.h"
#include "UserDialogs.h"
#include "ucContainer.h"

#include <QCheckBox>
#include <QRadioButton>

#include <array>
#include <variant>

using mKavrano_TrackIO_1_3::Colour;
using mKavrano_TrackIO_1_3::TrackSegment;

namespace {

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

    // A click on any button, Enter in any box and a change of the trigger bar apply the panel.
    const std::pair<int32_t, void (SegmentEditors::*)()> applies[] = {
        {mKavrano_TrackIO_1_3::SegStation, &SegmentEditors::ApplyStationSettings},
        {mKavrano_TrackIO_1_3::SegLift, &SegmentEditors::ApplyLiftSettings},
        {mKavrano_TrackIO_1_3::SegTransport, &SegmentEditors::ApplyTransportSettings},
        {mKavrano_TrackIO_1_3::SegBrake, &SegmentEditors::ApplyBrakeSettings}};
    for (const auto& typeAndApply : applies) {
        // A plain variable, not a binding: the lambdas below capture it.
        const auto apply = typeAndApply.second;
        for (const mMain::FieldControl& row : panels.FieldControls(typeAndApply.first)) {
            std::visit(Overloaded{
                           [&](QCheckBox* box) { onClick(box, apply); },
                           [&](const std::array<QRadioButton*, 2>& options) {
                               for (QRadioButton* option : options)
                                   onClick(option, apply);
                           },
                           [&](NumericTextBox* box) { onEnter(box, apply); },
                           // Without tracking the bar changes on arrow and track clicks and
                           // when a drag is released.
                           [&](TriggerScrollBar* bar) {
                               connections.push_back(
                                   QObject::connect(bar, &QScrollBar::valueChanged, bar,
                                                    [this, apply] { (this->*apply)(); }));
                           },
                       },
                       row.Control);
        }
    }

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

void SegmentEditors::ApplySegmentSettings(int32_t type, const QString& name) {
    if (context.State.bUpdatingControls)
        return;
    const mMain::FieldValues fields(panels.FieldControls(type));
    CommitEdit(name, [&](TrackSegment& s) { fields.WriteTo(s); });
}

void SegmentEditors::ApplyStationSettings() {
    ApplySegmentSettings(mKavrano_TrackIO_1_3::SegStation, "Station settings");
}

void SegmentEditors::ApplyLiftSettings() {
    ApplySegmentSettings(mKavrano_TrackIO_1_3::SegLift, "Lift settings");
}

void SegmentEditors::ApplyTransportSettings() {
    ApplySegmentSettings(mKavrano_TrackIO_1_3::SegTransport, "Transport settings");
}

void SegmentEditors::ApplyBrakeSettings() {
    ApplySegmentSettings(mKavrano_TrackIO_1_3::SegBrake, "Brake settings");
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
