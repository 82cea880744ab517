#pragma once

// The ride preview of the program's track, computed once per change of the document and read
// by everything that shows it: the preview window, the view's colouring and its ride along.

#include "RidePreview.h"
#include "TrackDocument.h"
#include "TrackTracer.h"

#include <QObject>

class SharedRide : public QObject {
    Q_OBJECT

public:
    SharedRide(const mKavrano_TrackIO_1_3::TrackDocument& document,
               const mKV_TraceTrack::TraceState& trace, QObject* parent);

    // Computes the preview again; call after every edit, undo, redo and open.
    void Recompute();
    const mKV_RidePreview::RidePreview& Ride() const { return ride; }

signals:
    void changed();

private:
    const mKavrano_TrackIO_1_3::TrackDocument& document;
    const mKV_TraceTrack::TraceState& trace;
    mKV_RidePreview::RidePreview ride;
};
