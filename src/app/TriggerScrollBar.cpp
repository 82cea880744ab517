#include "TriggerScrollBar.h"

#include "PanelNumbers.h"

#include <QSignalBlocker>
#include <QWheelEvent>

TriggerScrollBar::TriggerScrollBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {
    setRange(0, mMain::kTriggerScrollMax);
    setSingleStep(100);
    setPageStep(1000);
    // A drag reports its value once, when the thumb is released.
    setTracking(false);
}

void TriggerScrollBar::ShowStored(float position) {
    // The bar reports programmatic changes too; a fill must never reach the editor.
    const QSignalBlocker blocker(this);
    setValue(mMain::TriggerToScroll(position));
    committedScroll = value();
    committedPosition = position;
}

float TriggerScrollBar::ApplyStored() {
    const float position = value() == committedScroll && committedPosition
                               ? *committedPosition
                               : static_cast<float>(mMain::ScrollToTrigger(value()));
    committedScroll = value();
    committedPosition = position;
    return position;
}

void TriggerScrollBar::wheelEvent(QWheelEvent* event) {
    event->ignore();
}
