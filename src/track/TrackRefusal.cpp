#include "TrackRefusal.h"

namespace mKavrano_TrackIO_1_3 {

std::string DescribeRefusal(const TrackRefusal& refusal) {
    std::string place = refusal.Tag;
    if (refusal.Offset >= 0)
        place += (place.empty() ? "at byte " : " at byte ") + std::to_string(refusal.Offset);
    return place.empty() ? refusal.Reason : place + ": " + refusal.Reason;
}

} // namespace mKavrano_TrackIO_1_3
