#include "RidePreviewWindow.h"

#include "RideChartView.h"
#include "SegmentTypeColours.h"
#include "WindowPlacement.h"

#include <QChart>
#include <QLabel>
#include <QLineSeries>
#include <QScreen>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <utility>

using mKV_RidePreview::RideSample;

namespace {

constexpr double kKmhPerMps = 3.6;
constexpr int kBandAlpha = 60; // light enough for the curves to stay readable over the bands

QValueAxis* MakeAxis(const QString& title) {
    auto* axis = new QValueAxis;
    axis->setTitleText(title);
    return axis;
}

QLineSeries* MakeSeries(const QString& name) {
    auto* line = new QLineSeries;
    line->setName(name);
    return line;
}

// A chart of two curves against one distance axis, the second on its own axis at the right
// when it has one.
RideChartView* MakeChart(QLineSeries* first, QLineSeries* second, QValueAxis* distance,
                         QValueAxis* firstAxis, QValueAxis* secondAxis) {
    auto* chart = new QChart;
    chart->addSeries(first);
    chart->addSeries(second);
    chart->addAxis(distance, Qt::AlignBottom);
    chart->addAxis(firstAxis, Qt::AlignLeft);
    if (secondAxis)
        chart->addAxis(secondAxis, Qt::AlignRight);
    for (QLineSeries* line : {first, second})
        line->attachAxis(distance);
    first->attachAxis(firstAxis);
    second->attachAxis(secondAxis ? secondAxis : firstAxis);
    return new RideChartView(chart);
}

void SetRange(QValueAxis* axis, double low, double high) {
    const double margin = std::max((high - low) * 0.05, 0.5);
    axis->setRange(low - margin, high + margin);
}

} // namespace

RidePreviewWindow::RidePreviewWindow(const mKavrano_TrackIO_1_3::TrackDocument& shownDocument,
                                     const mKV_TraceTrack::TraceState& traceState,
                                     SegmentClick onClick, QWidget* owner)
    : QWidget(owner, Qt::Window), document(shownDocument), trace(traceState),
      click(std::move(onClick)), series{MakeSeries("Speed (km/h)"), MakeSeries("Height (m)"),
                                        MakeSeries("Vertical g"), MakeSeries("Lateral g")},
      distanceAxes{MakeAxis("Distance (m)"), MakeAxis("Distance (m)")},
      valueAxes{MakeAxis("Speed (km/h)"), MakeAxis("Height (m)"), MakeAxis("g")},
      speedChart(
          MakeChart(series[Speed], series[Height], distanceAxes[0], valueAxes[0], valueAxes[1])),
      forceChart(
          MakeChart(series[VerticalG], series[LateralG], distanceAxes[1], valueAxes[2], nullptr)),
      lblEnd(new QLabel), lblReadout(new QLabel) {
    setObjectName("frmRidePreview");
    setWindowTitle("Ride Preview (estimate)");
    lblEnd->setObjectName("lblRideEnd");
    lblReadout->setObjectName("lblRideReadout");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(speedChart, 1);
    layout->addWidget(forceChart, 1);
    layout->addWidget(lblEnd);
    layout->addWidget(lblReadout);
    for (RideChartView* chart : {speedChart, forceChart}) {
        connect(chart, &RideChartView::hovered, this, &RidePreviewWindow::ShowReadout);
        connect(chart, &RideChartView::clicked, this, &RidePreviewWindow::ClickAt);
    }
    resize(640, 560);
}

void RidePreviewWindow::Toggle() {
    if (isVisible()) {
        hide();
        return;
    }
    if (const QWidget* owner = parentWidget()) {
        const QSize decoration = frameGeometry().size() - size();
        const QRect placed = mMain::PlaceBeside(owner->frameGeometry(), frameGeometry().size(),
                                                owner->screen()->availableGeometry());
        resize(placed.size() - decoration);
        move(placed.topLeft());
    }
    show();
    ride = {};
    Refresh();
}

void RidePreviewWindow::Refresh() {
    if (!isVisible())
        return;
    mKV_RidePreview::RidePreview next = mKV_RidePreview::PreviewRide(trace, document);
    // Selection changes ask too; an unchanged ride keeps the charts as they are.
    if (next == ride && !series[Speed]->points().isEmpty())
        return;
    ride = std::move(next);
    ShowRide();
}

void RidePreviewWindow::ShowRide() {
    lblEnd->setText(QString::fromStdString(mKV_RidePreview::DescribeRideEnd(ride)));
    lblReadout->clear();
    QList<QPointF> points[CurveCount];
    std::vector<RideChartView::Band> bands;
    for (const RideSample& s : ride.Samples) {
        points[Speed].append({s.Distance, s.Speed * kKmhPerMps});
        points[Height].append({s.Distance, s.Height});
        points[VerticalG].append({s.Distance, s.VerticalG});
        points[LateralG].append({s.Distance, s.LateralG});
        const int32_t type = document.Segments[static_cast<size_t>(s.Segment)].SegmentType;
        const mKV_TraceTrack::Colour c = mKV_TraceTrack::SegmentTypeColour(type);
        const QColor colour = QColor::fromRgbF(c.r, c.g, c.b, kBandAlpha / 255.0f);
        if (bands.empty() || bands.back().colour != colour)
            bands.push_back({s.Distance, s.Distance, colour});
        bands.back().to = s.Distance;
    }
    // Each band reaches the next one's start, so that there are no gaps between them.
    for (size_t i = 0; i + 1 < bands.size(); ++i)
        bands[i].to = bands[i + 1].from;
    auto range = [&](Curve a, Curve b) {
        double low = 0.0, high = 0.0;
        for (Curve curve : {a, b})
            for (const QPointF& p : points[curve]) {
                low = std::min(low, p.y());
                high = std::max(high, p.y());
            }
        return std::pair{low, high};
    };
    const double length = ride.Samples.empty() ? 1.0 : ride.Samples.back().Distance;
    for (QValueAxis* axis : distanceAxes)
        axis->setRange(0.0, std::max(length, 1.0));
    SetRange(valueAxes[0], range(Speed, Speed).first, range(Speed, Speed).second);
    SetRange(valueAxes[1], range(Height, Height).first, range(Height, Height).second);
    SetRange(valueAxes[2], range(VerticalG, LateralG).first, range(VerticalG, LateralG).second);
    for (int curve = 0; curve < CurveCount; ++curve)
        series[curve]->replace(points[curve]);
    speedChart->SetBands(bands);
    forceChart->SetBands(std::move(bands));
}

const RideSample* RidePreviewWindow::SampleAt(double distance) const {
    if (ride.Samples.empty())
        return nullptr;
    auto after = std::lower_bound(ride.Samples.begin(), ride.Samples.end(), distance,
                                  [](const RideSample& s, double d) { return s.Distance < d; });
    if (after == ride.Samples.end())
        return &ride.Samples.back();
    if (after != ride.Samples.begin() &&
        distance - (after - 1)->Distance < after->Distance - distance)
        --after;
    return &*after;
}

void RidePreviewWindow::ShowReadout(double distance) {
    const RideSample* s = SampleAt(distance);
    if (!s)
        return;
    lblReadout->setText(QString("Segment %1 · %2 m · %3 km/h · vertical %4 g · lateral %5 g · "
                                "longitudinal %6 g")
                            .arg(s->Segment)
                            .arg(s->Distance, 0, 'f', 0)
                            .arg(s->Speed * kKmhPerMps, 0, 'f', 1)
                            .arg(s->VerticalG, 0, 'f', 2)
                            .arg(s->LateralG, 0, 'f', 2)
                            .arg(s->LongitudinalG, 0, 'f', 2));
}

void RidePreviewWindow::ClickAt(double distance) {
    if (const RideSample* s = SampleAt(distance))
        click(s->Segment);
}
