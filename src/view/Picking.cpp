#include "Picking.h"

#include <GL/glu.h>
#include <algorithm>
#include <vector>

namespace mOGL3D {

namespace {

// One selection-mode render; the hit count, or -1 when buffer overflowed.
GLint RenderSelection(ViewState& view, int32_t x, int32_t y, GLint (&viewport)[4],
                      std::vector<GLuint>& buffer, const std::function<void()>& renderFrame) {
    glSelectBuffer(static_cast<GLsizei>(buffer.size()), buffer.data());
    glRenderMode(GL_SELECT);
    glInitNames();
    glPushName(0);

    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    gluPickMatrix(x, viewport[3] - y, PickWindowPixels, PickWindowPixels, viewport);
    const GLint height = std::max(viewport[3] - viewport[1], 1);
    gluPerspective(ViewFovY, static_cast<double>(viewport[2] - viewport[0]) / height, ViewZNear,
                   ViewZFar);
    glMatrixMode(GL_MODELVIEW);

    view.PickMode = true;
    renderFrame();
    view.PickMode = false;

    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    return glRenderMode(GL_RENDER);
}

} // namespace

int32_t NearestHit(std::span<const GLuint> buffer, GLint hits) {
    int32_t best = NoPick;
    GLuint bestDepth = 0;
    std::size_t at = 0;
    // A record: name count, minimum depth, maximum depth, then the names (the top one last).
    for (GLint i = 0; i < hits && at + 3 <= buffer.size(); ++i) {
        const GLuint names = buffer[at];
        const GLuint minDepth = buffer[at + 1];
        const std::size_t next = at + 3 + names;
        if (names > 0 && next <= buffer.size() && (best == NoPick || minDepth < bestDepth)) {
            best = static_cast<int32_t>(buffer[next - 1]);
            bestDepth = minDepth;
        }
        at = next;
    }
    return best;
}

std::size_t PickBufferBound(const mKV_TraceTrack::TraceState& trace) {
    const std::size_t points = static_cast<std::size_t>(std::max(trace.SpinePointCount, 0));
    const std::size_t records = 2 * points + 2;
    return std::max(PickBufferEntries, 4 * records);
}

int32_t PickAt(ViewState& view, int32_t x, int32_t y, std::size_t maxEntries,
               const std::function<void()>& renderFrame) {
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    std::vector<GLuint> buffer(PickBufferEntries);
    for (;;) {
        const GLint hits = RenderSelection(view, x, y, viewport, buffer, renderFrame);
        if (hits >= 0) {
            return NearestHit(buffer, hits);
        }
        // Overflow: a dense spot under the click still has a nearest segment.
        if (buffer.size() >= maxEntries) {
            return NoPick;
        }
        buffer.resize(std::min(buffer.size() * 2, maxEntries));
    }
}

void TogglePickedSegment(mKV_TraceTrack::TraceState& trace, int32_t name) {
    const bool isSegment = name >= 0 && name < trace.TracedSegmentCount &&
                           static_cast<std::size_t>(name) < trace.SegmentSelected.size();
    if (!isSegment) {
        mKV_TraceTrack::UnselectAllSegments(trace);
        return;
    }
    const auto flag = trace.SegmentSelected[static_cast<std::size_t>(name)];
    trace.SegmentSelected[static_cast<std::size_t>(name)] = !flag;
}

} // namespace mOGL3D
