#include "TrackDrawing.h"
#include "SegmentTypeColours.h"

#include "TrackLines.h"

#include <GL/gl.h>
#include <array>
#include <cstddef>
#include <span>
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

// Issues the lines to OpenGL with a colour at each end from its spine point's; a selected
// segment's lines are white (rails) and grey (cross-ties) all through.
struct GLColouredLines {
    struct Run {
        bool Selected = false;
        float Shade = 1.0f;
        Colour From{};
        Colour To{};
    };
    const TraceState& state;
    std::span<const Colour> colours;
    Run& run;

    void StartSegment(const SpinePoint& point, float shade) const {
        glEnd();
        glLoadName(static_cast<GLuint>(point.SegIndex));
        glBegin(GL_LINES);
        run.Selected = IsSelected(state, point.SegIndex);
        run.Shade = shade;
        if (run.Selected)
            SetColour(Scaled(kWhite, shade));
    }
    void Points(int32_t from, int32_t to) const {
        run.From = Scaled(colours[static_cast<std::size_t>(from)], run.Shade);
        run.To = Scaled(colours[static_cast<std::size_t>(to)], run.Shade);
    }
    void Line(const Vector3D& a, const Vector3D& b) const {
        if (!run.Selected)
            SetColour(run.From);
        glVertex3f(a.x, a.y, a.z);
        if (!run.Selected)
            SetColour(run.To);
        glVertex3f(b.x, b.y, b.z);
    }
};

template <typename Lines>
void IssueTrack(const Lines& lines, const TraceState& state, int32_t trackStyle) {
    glBegin(GL_LINES);
    DrawRails(lines, state);
    if (state.SpinePointCount - 1 < 1) {
        glEnd();
        return;
    }
    DrawCrossTies(lines, state, trackStyle);
    glEnd();
}

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

void DrawTrack(const TraceState& state, int32_t trackStyle, std::span<const Colour> pointColours) {
    if (state.SpinePointCount < 1)
        return;
    if (pointColours.size() != static_cast<std::size_t>(state.SpinePointCount)) {
        IssueTrack(GLLines{state}, state, trackStyle);
        return;
    }
    // Colours blend along a line only with smooth shading; the rest of the scene stays flat.
    GLColouredLines::Run run;
    glShadeModel(GL_SMOOTH);
    IssueTrack(GLColouredLines{state, pointColours, run}, state, trackStyle);
    glShadeModel(GL_FLAT);
}

std::vector<Vector3D> TrackLineVertices(const TraceState& state, int32_t trackStyle) {
    std::vector<Vector3D> vertices;
    WalkTrackLines(CollectedLines{vertices}, state, trackStyle);
    return vertices;
}

} // namespace mKV_TraceTrack
