#pragma once

// A chart of ride values against distance or time, with coloured bands behind the curves, that
// reports the place under the pointer when it moves and when the left button is pressed.

#include <QChartView>
#include <QColor>

#include <vector>

class RideChartView : public QChartView {
    Q_OBJECT

public:
    // A stretch of track drawn as a band from From to To along the x axis.
    struct Band {
        double From;
        double To;
        QColor Colour;
    };

    explicit RideChartView(QChart* chart, QWidget* parent = nullptr);

    void SetBands(std::vector<Band> bands);

signals:
    void hovered(double place);
    void clicked(double place);

protected:
    void drawBackground(QPainter* painter, const QRectF& rect) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // False when the chart has no curve to measure against.
    bool PlaceAt(const QPointF& pos, double& place) const;

    std::vector<Band> bands;
};
