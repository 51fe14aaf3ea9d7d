// The frames of the two box forms, frmBrowse and frmChoose, as designed: places and sizes in
// twips. The forms lay themselves out from these, and the main window sizes and places the
// boxes from the same values.
#pragma once

#include <algorithm>

namespace orbilo {

struct FrameRect {
    int left;
    int top;
    int width;
    int height;
};

// frmBrowse: the Add To List and Open boxes. The form is as wide and as high as FrameBrowseBack.
inline constexpr int kBrowseWidth = 5400;
inline constexpr FrameRect kFrameBrowseOption{120, 4200, 2580, 600};
inline constexpr FrameRect kFrameFindPath{2760, 4200, 2520, 600};
inline constexpr FrameRect kFrameAddPath{120, 4920, 5160, 600};
inline constexpr FrameRect kFrameAddToList{120, 5640, 5160, 600};
inline constexpr FrameRect kFrameSelect{2880, 4200, 960, 480};
inline constexpr int kFrameAddCancelLeft = 3960;
inline constexpr int kFrameAddCancelWidth = 1320;
inline constexpr int kFrameAddCancelHeight = 480;
inline constexpr int kAddCancelTopAddToList = 6360;
inline constexpr int kAddCancelTopOpen = 4200;
inline constexpr int kBrowseAddedInfoLeft = 1320;
inline constexpr int kBrowseAddedInfoWidth = 2520;

// frmChoose: the Open From List, Run, Preferences, Help and Code List boxes.
inline constexpr int kChooseWidth = 6000;
// The four group frames of the Open From List box are alike; shown ones stack from the top.
inline constexpr int kGroupFrameLeft = 120;
inline constexpr int kGroupFrameWidth = 5760;
inline constexpr int kGroupFrameHeight = 1440;
inline constexpr int kGroupFrameFirstTop = 240;
inline constexpr int kGroupFrameStep = 1560;
inline constexpr int kFrameRunLeft = 1560;
inline constexpr int kFrameRunTop = 240;
inline constexpr int kFrameRunWidth = 3000;
inline constexpr FrameRect kFrameOptions{1080, 240, 3840, 2400};
inline constexpr FrameRect kFrameHelp{1560, 240, 3000, 2160};
inline constexpr FrameRect kFrameCommand{120, 120, 5760, 6000};
inline constexpr int kFrameCancelLeft = 4560;
inline constexpr int kFrameCancelWidth = 1320;
inline constexpr int kFrameCancelHeight = 480;
inline constexpr int kFrameUserLeft = 120;
inline constexpr int kFrameUserWidth = 1440;
// The user's picture takes a row of its own below the Run, Preferences and Help boxes; the
// Hide button of the Help box moves down by kUserPictureExtra to stand at that row's foot.
inline constexpr int kFrameUserHeight = 1920;
inline constexpr int kUserPictureExtra = 1440;

// The Run box has a button row for each sibling program, four at most.
inline constexpr int kRunRows = 4;
constexpr int FrameRunHeight(int siblingLast) {
    return std::clamp(siblingLast, 0, kRunRows - 1) * 240 + 615;
}

}  // namespace orbilo
