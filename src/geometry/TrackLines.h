#pragma once

// The order and grouping of the track's lines, shared by everything that walks them: the GL
// drawing, the vertex collection and the picker. A Lines policy receives StartSegment(point,
// shade) whenever the segment changes and Line(a, b) for every line; a policy that colours
// by spine point also receives Points(from, to), the spine points of the lines that follow.

#include "TrackTracer.h"

#include <cstddef>
#include <cstdint>

namespace mKV_TraceTrack {

// Each pass walks points 1 to count - 1 and starts a new run of lines whenever the segment
// changes; the colour set there stays current until the next change.
template <typename Lines, typename DrawAtPoint>
void DrawPass(const TraceState& state, float shade, const Lines& lines, DrawAtPoint drawAtPoint) {
    int32_t current = -1;
    for (int32_t k = 1; k < state.SpinePointCount; ++k) {
        const SpinePoint& point = state.SpinePoints[static_cast<std::size_t>(k)];
        if (point.SegIndex != current) {
            current = point.SegIndex;
            lines.StartSegment(point, shade);
        }
        drawAtPoint(k, point);
    }
}

template <typename Lines> void Points(const Lines& lines, int32_t from, int32_t to) {
    if constexpr (requires { lines.Points(from, to); })
        lines.Points(from, to);
}

template <typename Lines>
void DrawCrossTie(const Lines& lines, int32_t trackStyle, const SpinePoint& p) {
    switch (trackStyle) {
    case 0:
        lines.Line(p.RailRight, p.Center);
        lines.Line(p.RailLeft, p.Center);
        break;
    case 5:
        lines.Line(p.RailRight, p.Center);
        lines.Line(p.RailLeft, p.Center);
        lines.Line(p.RailRight, p.RailLeft);
        break;
    case 1:
    case 2:
    case 3:
    case 4:
    case 6:
    case 7:
    case 8:
        lines.Line(p.RailRight, p.BraceRight);
        lines.Line(p.BraceRight, p.BraceLeft);
        lines.Line(p.BraceLeft, p.RailLeft);
        break;
    case 9:
    case 10:
    case 11:
    case 12:
        lines.Line(p.OuterRight, p.RailRight);
        lines.Line(p.RailRight, p.BraceRight);
        lines.Line(p.BraceRight, p.BraceLeft);
        lines.Line(p.BraceLeft, p.RailLeft);
        lines.Line(p.RailLeft, p.OuterLeft);
        break;
    default:
        break;
    }
}

template <typename Lines> void DrawRails(const Lines& lines, const TraceState& state) {
    DrawPass(state, 1.0f, lines, [&](int32_t k, const SpinePoint& p) {
        const SpinePoint& prev = state.SpinePoints[static_cast<std::size_t>(k - 1)];
        Points(lines, k - 1, k);
        lines.Line(prev.Center, p.Center);
        lines.Line(prev.RailRight, p.RailRight);
        lines.Line(prev.RailLeft, p.RailLeft);
    });
}

template <typename Lines>
void DrawCrossTies(const Lines& lines, const TraceState& state, int32_t trackStyle) {
    DrawPass(state, 0.5f, lines, [&](int32_t k, const SpinePoint& p) {
        Points(lines, k, k);
        DrawCrossTie(lines, trackStyle, p);
    });
}

// Rails first, then cross-ties: the order DrawTrack issues them in.
template <typename Lines>
void WalkTrackLines(const Lines& lines, const TraceState& state, int32_t trackStyle) {
    DrawRails(lines, state);
    DrawCrossTies(lines, state, trackStyle);
}

} // namespace mKV_TraceTrack
