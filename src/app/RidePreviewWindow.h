#pragma once

// The "Ride Preview (estimate)" window: the train's speed and height, and the filtered
// vertical, lateral and longitudinal forces (the raw ones faint, if wanted), against distance
// or time along the lap, over bands of the segment types, with a summary of the lap. It shows
// the program's shared preview whenever that changes while it is shown.

#include "RidePreview.h"
#include "SharedRide.h"
#include "TrackDocument.h"

#include <QWidget>

#include <cstdint>
#include <functional>

class QCheckBox;
class QLabel;
class QLineSeries;
class QRadioButton;
class QValueAxis;
class RideChartView;

class RidePreviewWindow : public QWidget {
    Q_OBJECT

public:
    // Does what a plain click on the segment in the 3D view does.
    using SegmentClick = std::function<void(int32_t segment)>;

    enum Curve {
        Speed,
        Height,
        VerticalG,
        LateralG,
        LongitudinalG,
        RawVerticalG,
        RawLateralG,
        RawLongitudinalG,
        CurveCount
    };

    RidePreviewWindow(const mKavrano_TrackIO_1_3::TrackDocument& document, const SharedRide& ride,
                      SegmentClick click, QWidget* owner);

    // Shows the window beside its owner, on its owner's screen, or hides it.
    void Toggle();

    const mKV_RidePreview::RidePreview& Ride() const { return shared.Ride(); }
    const QLineSeries& Series(Curve curve) const { return *series[curve]; }
    RideChartView& SpeedChart() const { return *speedChart; }
    RideChartView& ForceChart() const { return *forceChart; }

private:
    // Shows the preview as it is now; nothing to do while hidden.
    void Refresh();
    void ShowRide();
    bool ByTime() const;
    // The place along the x axis of a sample, in the axis's unit.
    template <typename Sample> double PlaceOf(const Sample& s) const;
    // The sample of `samples` nearest the place, or null without samples.
    template <typename Sample>
    const Sample* NearestTo(const std::vector<Sample>& samples, double place) const;
    void ShowReadout(double place);
    void ClickAt(double place);

    const mKavrano_TrackIO_1_3::TrackDocument& document;
    const SharedRide& shared;
    SegmentClick click;
    QLineSeries* series[CurveCount];
    QValueAxis* placeAxes[2];
    QValueAxis* valueAxes[3]; // speed, height, g
    RideChartView* speedChart;
    RideChartView* forceChart;
    QRadioButton* optRideAxis[2]; // distance, time
    QCheckBox* chkRawForces;
    QLabel* lblBandLegend;
    QLabel* lblRideSummary;
    QLabel* lblEnd;
    QLabel* lblReadout;
};
