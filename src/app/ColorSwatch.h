#pragma once

#include "TrackDocument.h"

#include <QFrame>

// A bordered label whose background shows a colour value: 0x00BBGGRR, or 0x800000nn for the
// system colour nn, which is looked up in the widget's palette whenever it is painted. A click
// on it is reported, so that an editor can pick a new colour.
class ColorSwatch : public QFrame {
    Q_OBJECT

public:
    // The neutral value: the system's button-face colour.
    static constexpr mKavrano_TrackIO_1_3::Colour kNeutral = 0x8000000F;

    explicit ColorSwatch(QWidget* parent);

    mKavrano_TrackIO_1_3::Colour Colour() const { return colour; }
    void SetColour(mKavrano_TrackIO_1_3::Colour value);

    // The colour the swatch is drawn in.
    QColor ShownColor() const;

signals:
    void Clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    mKavrano_TrackIO_1_3::Colour colour = kNeutral;
    bool bPressed = false;
};
