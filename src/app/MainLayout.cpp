#include "MainLayout.h"

#include <algorithm>

namespace mMain {

MainLayout ComputeMainLayout(int clientWidth, int clientHeight) {
    MainLayout layout;
    // The view runs to the right edge and down to a gap above the bottom panels.
    layout.ViewWidth = std::max(0, clientWidth - kViewLeft);
    layout.ViewHeight = std::max(0, clientHeight - (kSegStyleHeight + kPanelGap) - kViewTop);
    layout.SegStyleTop = clientHeight - kSegStyleHeight;
    layout.SegStyleWidth = clientWidth;
    // The track settings sit low beside the view, but never above the view's top.
    layout.TrackSettingTop =
        std::max(kViewTop, layout.SegStyleTop - kTrackSettingHeight - kPanelGap);
    return layout;
}

} // namespace mMain
