#pragma once

namespace mMain {

// Design geometry of the main window, in twips.
inline constexpr int kClientWidth = 11880;
inline constexpr int kClientHeight = 8490;
inline constexpr int kToolBarHeight = 435;
inline constexpr int kViewLeft = 1740;
inline constexpr int kViewTop = 480;
inline constexpr int kTrackSettingWidth = 1695;
inline constexpr int kTrackSettingHeight = 2115;
inline constexpr int kSegStyleHeight = 2235;
inline constexpr int kPanelGap = 60;

// Where Form_Resize puts the view and the panels for a client area of width x height twips.
struct MainLayout {
    int ViewWidth = 0;
    int ViewHeight = 0;
    int SegStyleTop = 0;
    int SegStyleWidth = 0;
    int TrackSettingTop = 0;
};

MainLayout ComputeMainLayout(int clientWidth, int clientHeight);

} // namespace mMain
