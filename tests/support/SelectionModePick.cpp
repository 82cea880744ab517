#include "SelectionModePick.h"

#include "FrameRendering.h"
#include "Picking.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <algorithm>
#include <vector>

namespace {

// One selection-mode render; the hit count, or -1 when buffer overflowed.
GLint RenderSelection(const mCamera3D::CameraState& cam, const mKV_TraceTrack::TraceState& trace,
                      int32_t trackStyle, int32_t x, int32_t y, std::vector<GLuint>& buffer) {
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    glSelectBuffer(static_cast<GLsizei>(buffer.size()), buffer.data());
    glRenderMode(GL_SELECT);
    glInitNames();
    glPushName(0);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    gluPickMatrix(x, viewport[3] - y, mOGL3D::kPickWindowPixels, mOGL3D::kPickWindowPixels,
                  viewport);
    const GLint height = std::max(viewport[3] - viewport[1], 1);
    gluPerspective(mOGL3D::kViewFovY, static_cast<double>(viewport[2] - viewport[0]) / height,
                   mOGL3D::kViewZNear, mOGL3D::kViewZFar);
    glMatrixMode(GL_MODELVIEW);
    mOGL3D::ViewState view;
    view.ViewReady = true;
    mOGL3D::DrawFrame(view, cam, trace, trackStyle);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    return glRenderMode(GL_RENDER);
}

// Depths are window z in 0 to 1 scaled to 2^32 - 1 from a float: four float steps near 1.
constexpr GLuint RoundingDepth = 1024;

// Records: name count, minimum depth, maximum depth, names (the top one last).
ReferencePick NearestHit(const std::vector<GLuint>& buffer, GLint hits) {
    std::vector<std::pair<GLuint, int32_t>> records; // minimum depth, name
    for (std::size_t at = 0; records.size() < static_cast<std::size_t>(hits); at += 3 + buffer[at])
        records.emplace_back(buffer[at + 1], static_cast<int32_t>(buffer[at + 2 + buffer[at]]));
    ReferencePick pick;
    if (records.empty())
        return pick;
    // The first of the nearest records, as selection mode reports hits in drawing order.
    const auto nearest = *std::ranges::min_element(records, {}, &std::pair<GLuint, int32_t>::first);
    pick.Nearest = nearest.second;
    for (const auto& [depth, name] : records)
        if (depth - nearest.first <= RoundingDepth)
            pick.Tied.insert(name);
    return pick;
}

} // namespace

ReferencePick SelectionModePick(const mCamera3D::CameraState& cam,
                                const mKV_TraceTrack::TraceState& trace, int32_t trackStyle,
                                int32_t x, int32_t y) {
    std::vector<GLuint> buffer(2048);
    for (;;) {
        const GLint hits = RenderSelection(cam, trace, trackStyle, x, y, buffer);
        if (hits >= 0)
            return NearestHit(buffer, hits);
        buffer.resize(buffer.size() * 2);
    }
}
