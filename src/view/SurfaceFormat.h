#pragma once

namespace mOGL3D {

// The fixed-function pipeline needs a compatibility profile with a depth buffer; call this
// before the QApplication is created so that every GL widget gets such a context.
void SetDefaultSurfaceFormat();

} // namespace mOGL3D
