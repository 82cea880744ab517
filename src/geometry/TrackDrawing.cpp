#include "TrackDrawing.h"
#include "SegmentTypeColours.h"

#include "TrackLines.h"

#include <GL/gl.h>
#include <array>
#include <cstddef>
#include <vector>

namespace mOGL3D {

void DrawGround() {
    glColor3f(0.0f, 0.3f, 0.0f);
    glLoadName(static_cast<GLuint>(kGroundPickName));
    glBegin(GL_QUADS);
    for (const Vector3D& corner : kGroundCorners)
        glVertex3f(corner.x, corner.y, corner.z);
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
        if (IsSelected(state, point.SegIndex))
            SetColour(Scaled(kWhite, shade));
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

} // namespace

void DrawTrack(const TraceState& state, int32_t trackStyle) {
    if (state.SpinePointCount < 1)
        return;
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
    WalkTrackLines(CollectedLines{vertices}, state, trackStyle);
    return vertices;
}

} // namespace mKV_TraceTrack
