#include "SharedRide.h"

#include <utility>

SharedRide::SharedRide(const mKavrano_TrackIO_1_3::TrackDocument& shownDocument,
                       const mKV_TraceTrack::TraceState& traceState, QObject* parent)
    : QObject(parent), document(shownDocument), trace(traceState),
      ride(mKV_RidePreview::PreviewRide(trace, document)) {}

void SharedRide::Recompute() {
    ride = mKV_RidePreview::PreviewRide(trace, document, {}, std::move(ride));
    emit changed();
}
