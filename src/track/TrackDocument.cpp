#include "TrackDocument.h"

namespace mKavrano_TrackIO_1_3 {

void ClearTrack(TrackDocument& doc) {
    // The emptied arrays keep their storage, so that reading the next file into the same
    // document reuses it instead of faulting in fresh memory.
    TrackDocument cleared;
    auto reuse = [](auto& to, auto& from) {
        from.clear();
        to = std::move(from);
    };
    reuse(cleared.TrackEntries, doc.TrackEntries);
    reuse(cleared.BezierNodes, doc.BezierNodes);
    reuse(cleared.Segments, doc.Segments);
    reuse(cleared.FundRecords, doc.FundRecords);
    reuse(cleared.RascRecords, doc.RascRecords);
    reuse(cleared.FrenRecords, doc.FrenRecords);
    reuse(cleared.TubeRecords, doc.TubeRecords);
    reuse(cleared.CatwRecords, doc.CatwRecords);
    reuse(cleared.ScenRecords, doc.ScenRecords);
    reuse(cleared.ScobRecords, doc.ScobRecords);
    reuse(cleared.TeraGrid, doc.TeraGrid);
    doc = std::move(cleared);
}

} // namespace mKavrano_TrackIO_1_3
