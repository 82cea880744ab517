#pragma once

#include "AppContext.h"
#include "TrackDocument.h"

#include <QMetaObject>
#include <QString>

#include <functional>
#include <vector>

class SettingsPanels;

// The event handlers of the settings panels' controls: each writes what its panel shows into
// every selected segment, marks the document changed and gives the focus back to the view.
// Every one does nothing at all while the panels are being filled (bUpdatingControls).
// Constructing the object connects the handlers to the controls; destroying it disconnects
// them. The context and the panels must outlive it.
class SegmentEditors {
public:
    SegmentEditors(AppContext& appContext, const SettingsPanels& settingsPanels);
    ~SegmentEditors();
    SegmentEditors(const SegmentEditors&) = delete;
    SegmentEditors& operator=(const SegmentEditors&) = delete;

    // The four segment panels, each written back as a whole.
    void ApplyStationSettings();
    void ApplyLiftSettings();
    void ApplyTransportSettings();
    void ApplyBrakeSettings();

    // The Track Setting panel: each writes only its own fields.
    void chkMainTunnel_Click();
    void chkMainColors_Click();
    // Picks a colour for swatch Index (0 to 2) and writes all three swatches' colours;
    // cancelling the picker does nothing.
    void lblMainColor_Click(int Index);

private:
    using SegmentChange = std::function<void(mKavrano_TrackIO_1_3::TrackSegment&)>;

    // Writes `change` into every selected segment as one step named `name`, then marks and
    // refocuses.
    void CommitEdit(const QString& name, const SegmentChange& change);
    // Writes the whole panel of segment type `type` into every selected segment.
    void ApplySegmentSettings(int32_t type, const QString& name);
    void ConnectControls();

    AppContext& context;
    const SettingsPanels& panels;
    std::vector<QMetaObject::Connection> connections;
};
