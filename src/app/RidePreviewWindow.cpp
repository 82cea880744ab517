#include "RidePreviewWindow.h"

#include "RideChartView.h"
#include "SegmentTexts.h"
#include "SegmentTypeColours.h"
#include "WindowPlacement.h"

#include <QChart>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPen>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <set>
#include <utility>

using mKV_RidePreview::FilteredSample;
using mKV_RidePreview::kKmhPerMps;
using mKV_RidePreview::RideSample;

namespace {

constexpr double kBandAlpha = 60 / 255.0; // light enough for the curves to stay readable
constexpr int kRawAlpha = 70;             // the raw forces stay in the background
constexpr int kMostTicks = 8;

QValueAxis* MakeAxis(const QString& title) {
    auto* axis = new QValueAxis;
    axis->setTitleText(title);
    return axis;
}

QLineSeries* MakeSeries(const QString& name, QColor colour) {
    auto* line = new QLineSeries;
    line->setName(name);
    line->setPen(QPen(colour, 1.5));
    return line;
}

QLineSeries* MakeRawSeries(const QString& name, QColor colour) {
    colour.setAlpha(kRawAlpha);
    QLineSeries* line = MakeSeries(name, colour);
    line->setPen(QPen(colour, 1.0));
    return line;
}

// A chart of curves against one place axis, on the left axis, and one curve on its own axis
// at the right when there is one.
RideChartView* MakeChart(std::initializer_list<QLineSeries*> left, QLineSeries* right,
                         QValueAxis* place, QValueAxis* leftAxis, QValueAxis* rightAxis) {
    auto* chart = new QChart;
    chart->addAxis(place, Qt::AlignBottom);
    chart->addAxis(leftAxis, Qt::AlignLeft);
    for (QLineSeries* line : left) {
        chart->addSeries(line);
        line->attachAxis(place);
        line->attachAxis(leftAxis);
    }
    if (right) {
        chart->addAxis(rightAxis, Qt::AlignRight);
        chart->addSeries(right);
        right->attachAxis(place);
        right->attachAxis(rightAxis);
    }
    return new RideChartView(chart);
}

// A round step of 1, 2 or 5 times a power of ten that cuts the span into at most kMostTicks
// parts, and no finer than `finest`.
double TickStep(double span, double finest) {
    if (!std::isfinite(span) || span <= 0.0)
        return finest;
    const double rough = span / kMostTicks;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double m : {1.0, 2.0, 5.0}) {
        if (m * power >= rough)
            return std::max(m * power, finest);
    }
    return std::max(10.0 * power, finest);
}

// Ticks at the multiples of a round step; the range widened to the next ones when `widen`.
void SetRoundRange(QValueAxis* axis, double low, double high, double finest, bool widen) {
    const double step = TickStep(high - low, finest);
    if (widen) {
        low = std::floor(low / step) * step;
        high = std::max(std::ceil(high / step) * step, low + step);
    }
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0.0);
    axis->setTickInterval(step);
    axis->setLabelFormat(step < 1.0 ? "%.1f" : "%.0f");
    axis->setRange(low, high);
}

QColor BandColour(int32_t type) {
    const mKV_TraceTrack::Colour c = mKV_TraceTrack::SegmentTypeColour(type);
    return QColor::fromRgbF(c.r, c.g, c.b, float(kBandAlpha));
}

// The legend of the bands: a swatch of each type's band, as it shows over the white chart.
QString BandLegend(const std::set<int32_t>& types) {
    QString text;
    for (const int32_t type : types) {
        const QColor band = BandColour(type);
        const auto over = [&](double c) {
            return int(std::lround(255 * (1 - kBandAlpha + c * kBandAlpha)));
        };
        const QColor shown(over(band.redF()), over(band.greenF()), over(band.blueF()));
        text +=
            QString("<span style=\"background-color:%1\">&nbsp;&nbsp;&nbsp;&nbsp;</span> %2 "
                    "&nbsp;")
                .arg(shown.name(), QString::fromStdString(mKV_TraceTrack::SegmentTypeName(type)));
    }
    return text;
}

std::pair<double, double> RangeOf(const QList<QPointF>& points) {
    double low = 0.0, high = 0.0;
    for (const QPointF& p : points)
        std::tie(low, high) = std::pair{std::min(low, p.y()), std::max(high, p.y())};
    return {low, high};
}

} // namespace

RidePreviewWindow::RidePreviewWindow(const mKavrano_TrackIO_1_3::TrackDocument& shownDocument,
                                     const SharedRide& sharedRide, SegmentClick onClick,
                                     QWidget* owner)
    : QWidget(owner, Qt::Window), document(shownDocument), shared(sharedRide),
      click(std::move(onClick)), series{MakeSeries("Speed (km/h)", QColor(30, 30, 30)),
                                        MakeSeries("Height (m)", QColor(120, 120, 120)),
                                        MakeSeries("Vertical g", QColor(30, 60, 170)),
                                        MakeSeries("Lateral g", QColor(170, 30, 120)),
                                        MakeSeries("Longitudinal g", QColor(120, 80, 0)),
                                        MakeRawSeries("Vertical g (raw)", QColor(30, 60, 170)),
                                        MakeRawSeries("Lateral g (raw)", QColor(170, 30, 120)),
                                        MakeRawSeries("Longitudinal g (raw)", QColor(120, 80, 0))},
      placeAxes{MakeAxis({}), MakeAxis({})}, valueAxes{MakeAxis("Speed (km/h)"),
                                                       MakeAxis("Height (m)"), MakeAxis("g")},
      speedChart(
          MakeChart({series[Speed]}, series[Height], placeAxes[0], valueAxes[0], valueAxes[1])),
      forceChart(MakeChart({series[RawVerticalG], series[RawLateralG], series[RawLongitudinalG],
                            series[VerticalG], series[LateralG], series[LongitudinalG]},
                           nullptr, placeAxes[1], valueAxes[2], nullptr)),
      optRideAxis{new QRadioButton("Distance"), new QRadioButton("Time")},
      chkRawForces(new QCheckBox("Raw forces")), lblBandLegend(new QLabel),
      lblRideSummary(new QLabel), lblEnd(new QLabel), lblReadout(new QLabel) {
    setObjectName("frmRidePreview");
    setWindowTitle("Ride Preview (estimate)");
    optRideAxis[0]->setObjectName("optRideAxis(0)");
    optRideAxis[1]->setObjectName("optRideAxis(1)");
    optRideAxis[0]->setChecked(true);
    chkRawForces->setObjectName("chkRawForces");
    chkRawForces->setChecked(true);
    lblBandLegend->setObjectName("lblBandLegend");
    lblRideSummary->setObjectName("lblRideSummary");
    lblEnd->setObjectName("lblRideEnd");
    lblReadout->setObjectName("lblRideReadout");
    // Long lines wrap rather than widen the window past the screen.
    for (QLabel* label : {lblBandLegend, lblRideSummary, lblEnd, lblReadout})
        label->setWordWrap(true);
    for (const Curve raw : {RawVerticalG, RawLateralG, RawLongitudinalG}) {
        for (QLegendMarker* marker : forceChart->chart()->legend()->markers(series[raw]))
            marker->setVisible(false);
    }

    auto* controls = new QHBoxLayout;
    controls->addWidget(new QLabel("Along:"));
    controls->addWidget(optRideAxis[0]);
    controls->addWidget(optRideAxis[1]);
    controls->addSpacing(16);
    controls->addWidget(chkRawForces);
    controls->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(speedChart, 1);
    layout->addWidget(forceChart, 1);
    layout->addWidget(lblBandLegend);
    layout->addWidget(lblRideSummary);
    layout->addWidget(lblEnd);
    layout->addWidget(lblReadout);
    for (RideChartView* chart : {speedChart, forceChart}) {
        connect(chart, &RideChartView::hovered, this, &RidePreviewWindow::ShowReadout);
        connect(chart, &RideChartView::clicked, this, &RidePreviewWindow::ClickAt);
    }
    connect(optRideAxis[1], &QRadioButton::toggled, this, &RidePreviewWindow::ShowRide);
    connect(&shared, &SharedRide::changed, this, &RidePreviewWindow::Refresh);
    connect(chkRawForces, &QCheckBox::toggled, this, [this](bool shown) {
        for (const Curve raw : {RawVerticalG, RawLateralG, RawLongitudinalG})
            series[raw]->setVisible(shown);
    });
    resize(720, 760);
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
    Refresh();
}

void RidePreviewWindow::Refresh() {
    if (isVisible())
        ShowRide();
}

bool RidePreviewWindow::ByTime() const {
    return optRideAxis[1]->isChecked();
}

template <typename Sample> double RidePreviewWindow::PlaceOf(const Sample& s) const {
    return ByTime() ? s.Time : s.Distance;
}

void RidePreviewWindow::ShowRide() {
    const mKV_RidePreview::RidePreview& ride = Ride();
    lblRideSummary->setText(QString::fromStdString(mKV_RidePreview::DescribeLap(ride)));
    lblEnd->setText(QString::fromStdString(mKV_RidePreview::DescribeRideEnd(ride)));
    lblReadout->clear();
    QList<QPointF> points[CurveCount];
    std::vector<RideChartView::Band> bands;
    std::set<int32_t> types;
    for (const RideSample& s : ride.Samples) {
        const double x = PlaceOf(s);
        points[Speed].append({x, s.Speed * kKmhPerMps});
        points[Height].append({x, s.Height});
        points[RawVerticalG].append({x, s.VerticalG});
        points[RawLateralG].append({x, s.LateralG});
        points[RawLongitudinalG].append({x, s.LongitudinalG});
        const int32_t type = document.Segments[static_cast<size_t>(s.Segment)].SegmentType;
        types.insert(type);
        const QColor colour = BandColour(type);
        if (bands.empty() || bands.back().Colour != colour)
            bands.push_back({x, x, colour});
        bands.back().To = x;
    }
    for (const FilteredSample& f : ride.Filtered) {
        const double x = PlaceOf(f);
        points[VerticalG].append({x, f.VerticalG});
        points[LateralG].append({x, f.LateralG});
        points[LongitudinalG].append({x, f.LongitudinalG});
    }
    // Each band reaches the next one's start, so that there are no gaps between them.
    for (size_t i = 0; i + 1 < bands.size(); ++i)
        bands[i].To = bands[i + 1].From;
    const double end = ride.Samples.empty() ? 0.0 : PlaceOf(ride.Samples.back());
    for (QValueAxis* axis : placeAxes) {
        axis->setTitleText(ByTime() ? "Time (s)" : "Distance (m)");
        SetRoundRange(axis, 0.0, std::max(end, 1.0), 1.0, false);
    }
    SetRoundRange(valueAxes[0], 0.0, RangeOf(points[Speed]).second, 20.0, true);
    const auto [low, high] = RangeOf(points[Height]);
    SetRoundRange(valueAxes[1], low, high, 1.0, true);
    double gLow = 0.0, gHigh = 0.0;
    for (const Curve curve : {VerticalG, LateralG, LongitudinalG}) {
        const auto [l, h] = RangeOf(points[curve]);
        std::tie(gLow, gHigh) = std::pair{std::min(gLow, l), std::max(gHigh, h)};
    }
    SetRoundRange(valueAxes[2], gLow, gHigh, 0.5, true);
    for (int curve = 0; curve < CurveCount; ++curve)
        series[curve]->replace(points[curve]);
    lblBandLegend->setText(BandLegend(types));
    speedChart->SetBands(bands);
    forceChart->SetBands(std::move(bands));
}

template <typename Sample>
const Sample* RidePreviewWindow::NearestTo(const std::vector<Sample>& samples, double place) const {
    if (samples.empty())
        return nullptr;
    auto after = std::lower_bound(samples.begin(), samples.end(), place,
                                  [&](const Sample& s, double x) { return PlaceOf(s) < x; });
    if (after == samples.end())
        return &samples.back();
    if (after != samples.begin() && place - PlaceOf(*(after - 1)) < PlaceOf(*after) - place)
        --after;
    return &*after;
}

void RidePreviewWindow::ShowReadout(double place) {
    const mKV_RidePreview::RidePreview& ride = Ride();
    const RideSample* s = NearestTo(ride.Samples, place);
    const FilteredSample* f = NearestTo(ride.Filtered, place);
    if (!s || !f)
        return;
    lblReadout->setText(QString("Segment %1 · %2 m · %3 s · %4 km/h · vertical %5 g · "
                                "lateral %6 g · longitudinal %7 g")
                            .arg(s->Segment)
                            .arg(s->Distance, 0, 'f', 0)
                            .arg(s->Time, 0, 'f', 1)
                            .arg(s->Speed * kKmhPerMps, 0, 'f', 1)
                            .arg(f->VerticalG, 0, 'f', 2)
                            .arg(f->LateralG, 0, 'f', 2)
                            .arg(f->LongitudinalG, 0, 'f', 2));
}

void RidePreviewWindow::ClickAt(double place) {
    if (const RideSample* s = NearestTo(Ride().Samples, place))
        click(s->Segment);
}
