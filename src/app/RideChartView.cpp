#include "RideChartView.h"

#include <QAbstractSeries>
#include <QMouseEvent>
#include <QPainter>

RideChartView::RideChartView(QChart* chart, QWidget* parent) : QChartView(chart, parent) {
    // The bands are painted as the view's background, so the chart must not cover them.
    chart->setBackgroundVisible(false);
    setRenderHint(QPainter::Antialiasing);
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
}

void RideChartView::SetBands(std::vector<Band> newBands) {
    bands = std::move(newBands);
    viewport()->update();
}

void RideChartView::drawBackground(QPainter* painter, const QRectF& rect) {
    painter->fillRect(rect, Qt::white);
    if (chart()->series().isEmpty())
        return;
    const QRectF plot = chart()->mapToScene(chart()->plotArea()).boundingRect();
    for (const Band& band : bands) {
        const double left = chart()->mapToScene(chart()->mapToPosition({band.From, 0})).x();
        const double right = chart()->mapToScene(chart()->mapToPosition({band.To, 0})).x();
        painter->fillRect(QRectF(left, plot.top(), right - left, plot.height()), band.Colour);
    }
}

bool RideChartView::PlaceAt(const QPointF& pos, double& place) const {
    if (chart()->series().isEmpty())
        return false;
    place = chart()->mapToValue(chart()->mapFromScene(mapToScene(pos.toPoint()))).x();
    return true;
}

void RideChartView::mouseMoveEvent(QMouseEvent* event) {
    double place = 0.0;
    if (PlaceAt(event->position(), place))
        emit hovered(place);
    QChartView::mouseMoveEvent(event);
}

void RideChartView::mousePressEvent(QMouseEvent* event) {
    double place = 0.0;
    if (event->button() == Qt::LeftButton && PlaceAt(event->position(), place))
        emit clicked(place);
    QChartView::mousePressEvent(event);
}
