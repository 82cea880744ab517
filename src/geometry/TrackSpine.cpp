#include "TrackSpine.h"

#include <algorithm>
#include <array>

namespace mKV_TraceTrack {

using mKavrano_TrackIO_1_3::TrackDocument;

namespace {

// A cross-section point's offset in the sample's frame (x right, y up); unused points
// stay at the origin.
struct Offset {
    bool Used = false;
    float X = 0.0f;
    float Y = 0.0f;
};

// The seven points in the order of the SpinePoint fields.
using CrossSection = std::array<Offset, 7>;

constexpr Offset At(float x, float y) {
    return {true, x, y};
}

constexpr CrossSection TwoRails(float centerY, float railX) {
    return {At(0.0f, centerY), At(railX, 0.0f), At(-railX, 0.0f)};
}

constexpr CrossSection Braced(float centerY, float railX, float braceX, float braceY) {
    return {At(0.0f, centerY), At(railX, 0.0f), At(-railX, 0.0f), At(braceX, braceY),
            At(-braceX, braceY)};
}

const CrossSection& CrossSectionOf(int32_t style) {
    static constexpr CrossSection kPlain = TwoRails(-0.3f, 0.5f);
    static constexpr CrossSection kBox = Braced(-0.6f, 0.6f, 0.6f, -0.6f);
    static constexpr CrossSection kInverted = Braced(0.6f, 0.6f, 0.6f, 0.6f);
    static constexpr CrossSection kTriangle = Braced(-0.3f, 0.6f, 0.2f, -0.3f);
    static constexpr CrossSection kRaised = Braced(0.3f, 0.6f, 0.2f, 0.6f);
    static constexpr CrossSection kDeep = TwoRails(-1.0f, 0.5f);
    static constexpr CrossSection kWide = {At(0.0f, -0.2f), At(0.3f, 0.0f),   At(-0.3f, 0.0f),
                                           At(0.3f, -0.2f), At(-0.3f, -0.2f), At(0.5f, 0.0f),
                                           At(-0.5f, 0.0f)};
    switch (style) {
    case 1:
        return kBox;
    case 2:
        return kInverted;
    case 3:
    case 6:
    case 7:
    case 8:
        return kTriangle;
    case 4:
        return kRaised;
    case 5:
        return kDeep;
    case 9:
    case 10:
    case 11:
    case 12:
        return kWide;
    default:
        return kPlain; // style 0, and unknown styles so that the track stays visible
    }
}

Vector3D Place(const Matrix3D& world, const Offset& offset) {
    Vector3D point;
    if (offset.Used)
        mMatrix3D::TransformPoint(point, world, {offset.X, offset.Y, 0.0f});
    return point;
}

} // namespace

void ResetSpine(TraceState& state) {
    state.SpinePoints.clear();
    state.SpinePointCount = 0;
    state.SegmentSelected.assign(std::max(state.TracedSegmentCount, 0), false);
    state.LastClickedSegment = -1;
}

void AddSpinePoint(TraceState& state, const Vector3D& center, const Vector3D& railRight,
                   const Vector3D& railLeft, const Vector3D& braceRight, const Vector3D& braceLeft,
                   const Vector3D& outerRight, const Vector3D& outerLeft, int32_t segType,
                   int32_t segIndex) {
    state.SpinePoints.push_back({segType, segIndex, center, railRight, railLeft, braceRight,
                                 braceLeft, outerRight, outerLeft});
    state.SpinePointCount = static_cast<int32_t>(state.SpinePoints.size());
}

void BuildSpine(TraceState& state, const TrackDocument& doc) {
    ResetSpine(state);
    const CrossSection& section = CrossSectionOf(doc.TrackStyle);
    const size_t count = std::min({static_cast<size_t>(std::max(state.TracedSegmentCount, 0)),
                                   state.TracedSegments.size(), doc.Segments.size()});
    for (size_t i = 0; i < count; ++i) {
        const int32_t segType = doc.Segments[i].SegmentType;
        for (const TrackSample& sample : state.TracedSegments[i].Samples) {
            const Matrix3D& w = sample.World;
            AddSpinePoint(state, Place(w, section[0]), Place(w, section[1]), Place(w, section[2]),
                          Place(w, section[3]), Place(w, section[4]), Place(w, section[5]),
                          Place(w, section[6]), segType, static_cast<int32_t>(i));
        }
    }
    if (doc.TrackClosed && state.SpinePointCount > 0) {
        const SpinePoint first = state.SpinePoints.front();
        AddSpinePoint(state, first.Center, first.RailRight, first.RailLeft, first.BraceRight,
                      first.BraceLeft, first.OuterRight, first.OuterLeft,
                      doc.Segments[0].SegmentType, 0);
    }
}

} // namespace mKV_TraceTrack
