#include "TrackDrawing.h"
#include "SegmentTypeColours.h"

#include <cstddef>
#include <vector>

namespace mOGL3D {

void DrawGround() {
    glColor3f(0.0f, 0.3f, 0.0f);
    glLoadName(GroundPickName);
    glBegin(GL_QUADS);
    glVertex3f(-220.0f, 0.0f, -220.0f);
    glVertex3f(-220.0f, 0.0f, 220.0f);
    glVertex3f(220.0f, 0.0f, 220.0f);
    glVertex3f(220.0f, 0.0f, -220.0f);
    glEnd();
}

} // namespace mOGL3D

namespace mKV_TraceTrack {

namespace {

Colour Scaled(Colour c, float f) {
    return {c.r * f, c.g * f, c.b * f};
}

void SetColour(Colour c) {
    glColor3f(c.r, c.g, c.b);
}

bool IsSelected(const TraceState& state, int32_t segIndex) {
    return segIndex >= 0 && static_cast<std::size_t>(segIndex) < state.SegmentSelected.size() &&
           state.SegmentSelected[static_cast<std::size_t>(segIndex)];
}

// Issues the lines to OpenGL, each segment's under its own name and colour.
struct GLLines {
    const TraceState& state;

    void StartSegment(const SpinePoint& point, float shade) const {
        SetColour(Scaled(SegmentTypeColour(point.SegType), shade));
        glEnd();
        glLoadName(static_cast<GLuint>(point.SegIndex));
        glBegin(GL_LINES);
        if (IsSelected(state, point.SegIndex)) {
            SetColour(Scaled(White, shade));
        }
    }
    void Line(const Vector3D& a, const Vector3D& b) const {
        glVertex3f(a.x, a.y, a.z);
        glVertex3f(b.x, b.y, b.z);
    }
};

// Collects the lines' end points.
struct CollectedLines {
    std::vector<Vector3D>& vertices;

    void StartSegment(const SpinePoint&, float) const {}
    void Line(const Vector3D& a, const Vector3D& b) const {
        vertices.push_back(a);
        vertices.push_back(b);
    }
};

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
        lines.Line(prev.Center, p.Center);
        lines.Line(prev.RailRight, p.RailRight);
        lines.Line(prev.RailLeft, p.RailLeft);
    });
}

template <typename Lines>
void DrawCrossTies(const Lines& lines, const TraceState& state, int32_t trackStyle) {
    DrawPass(state, 0.5f, lines,
             [&](int32_t, const SpinePoint& p) { DrawCrossTie(lines, trackStyle, p); });
}

} // namespace

void DrawTrack(const TraceState& state, int32_t trackStyle) {
    if (state.SpinePointCount < 1) {
        return;
    }
    const GLLines lines{state};
    glBegin(GL_LINES);
    DrawRails(lines, state);
    if (state.SpinePointCount - 1 < 1) {
        glEnd();
        return;
    }
    DrawCrossTies(lines, state, trackStyle);
    glEnd();
}

std::vector<Vector3D> TrackLineVertices(const TraceState& state, int32_t trackStyle) {
    std::vector<Vector3D> vertices;
    const CollectedLines lines{vertices};
    DrawRails(lines, state);
    DrawCrossTies(lines, state, trackStyle);
    return vertices;
}

} // namespace mKV_TraceTrack
