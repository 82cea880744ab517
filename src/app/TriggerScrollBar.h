#pragma once

#include <QScrollBar>

#include <optional>

// The brake's trigger bar. It moves by the hand only (arrow and track clicks, a released drag;
// the mouse wheel does not move it), and while the user has not moved it since the last fill
// or apply it stands for the exact stored trigger position, which the bar's steps of 1/10000
// may not hold.
class TriggerScrollBar : public QScrollBar {
    Q_OBJECT

public:
    explicit TriggerScrollBar(QWidget* parent);

    // A fill: shows `position` without reporting a change.
    void ShowStored(float position);
    // The position an apply stores: the exact one while the bar stands where it was filled or
    // applied, else the bar's value / 10000. The bar then counts as applied there.
    float ApplyStored();

protected:
    void wheelEvent(QWheelEvent* event) override;

private:
    int committedScroll = 0;
    std::optional<float> committedPosition; // none before the first fill
};
