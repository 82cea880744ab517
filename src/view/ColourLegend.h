#pragma once

// The legend of the track's colouring by the ride, "wgtColourLegend": the way's name, its map
// as a continuous gradient and the values at its ends and middle, over a translucent backdrop
// so that the track shows through.

#include "RideColourMaps.h"

#include <QStringList>
#include <QWidget>

class ColourLegend : public QWidget {
    Q_OBJECT

public:
    explicit ColourLegend(QWidget* parent);

    // Shows the map of `by` over scale; hidden for SegmentType.
    void ShowScale(mKV_RidePreview::ColourBy by, const mKV_RidePreview::ColourScale& scale);

    const QString& Title() const { return title; }
    // The values under the gradient's left end, middle and right end.
    const QStringList& Labels() const { return labels; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    mKV_RidePreview::ColourBy by = mKV_RidePreview::ColourBy::SegmentType;
    mKV_RidePreview::ColourScale scale;
    QString title;
    QStringList labels;
};
