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
        const double left = chart()->mapToScene(chart()->mapToPosition({band.from, 0})).x();
        const double right = chart()->mapToScene(chart()->mapToPosition({band.to, 0})).x();
        painter->fillRect(QRectF(left, plot.top(), right - left, plot.height()), band.colour);
    }
}

bool RideChartView::DistanceAt(const QPointF& pos, double& distance) const {
    if (chart()->series().isEmpty())
        return false;
    distance = chart()->mapToValue(chart()->mapFromScene(mapToScene(pos.toPoint()))).x();
    return true;
}

void RideChartView::mouseMoveEvent(QMouseEvent* event) {
    double distance = 0.0;
    if (DistanceAt(event->position(), distance))
        emit hovered(distance);
    QChartView::mouseMoveEvent(event);
}

void RideChartView::mousePressEvent(QMouseEvent* event) {
    double distance = 0.0;
    if (event->button() == Qt::LeftButton && DistanceAt(event->position(), distance))
        emit clicked(distance);
    QChartView::mousePressEvent(event);
}
