#pragma once

// The "Ride Preview (estimate)" window: the train's speed and height, and the vertical and
// lateral forces, against distance along the lap, over bands of the segment types. It
// recomputes the preview from the document and its trace whenever it is asked to and shown.

#include "RidePreview.h"
#include "TrackDocument.h"
#include "TrackTracer.h"

#include <QWidget>

#include <cstdint>
#include <functional>

class QLabel;
class QLineSeries;
class QValueAxis;
class RideChartView;

class RidePreviewWindow : public QWidget {
    Q_OBJECT

public:
    // Does what a plain click on the segment in the 3D view does.
    using SegmentClick = std::function<void(int32_t segment)>;

    enum Curve { Speed, Height, VerticalG, LateralG, CurveCount };

    RidePreviewWindow(const mKavrano_TrackIO_1_3::TrackDocument& document,
                      const mKV_TraceTrack::TraceState& trace, SegmentClick click, QWidget* owner);

    // Shows the window beside its owner, on its owner's screen, or hides it.
    void Toggle();
    // Follows the document and its trace; nothing to do while hidden.
    void Refresh();

    const mKV_RidePreview::RidePreview& Ride() const { return ride; }
    const QLineSeries& Series(Curve curve) const { return *series[curve]; }
    RideChartView& SpeedChart() const { return *speedChart; }

private:
    void ShowRide();
    // The sample nearest the distance, or null without samples.
    const mKV_RidePreview::RideSample* SampleAt(double distance) const;
    void ShowReadout(double distance);
    void ClickAt(double distance);

    const mKavrano_TrackIO_1_3::TrackDocument& document;
    const mKV_TraceTrack::TraceState& trace;
    SegmentClick click;
    mKV_RidePreview::RidePreview ride;
    QLineSeries* series[CurveCount];
    QValueAxis* distanceAxes[2];
    QValueAxis* valueAxes[3]; // speed, height, g
    RideChartView* speedChart;
    RideChartView* forceChart;
    QLabel* lblEnd;
    QLabel* lblReadout;
};
