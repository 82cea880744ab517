#include "TrackDocument.h"

namespace mKavrano_TrackIO_1_3 {

void ClearTrack(TrackDocument& doc) {
    doc = TrackDocument{};
}

} // namespace mKavrano_TrackIO_1_3
