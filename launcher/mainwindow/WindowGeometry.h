// The geometry rules of the strip and its boxes, in twips: the strip's measures, keeping it on
// screen, and where each box form goes beside it.
#pragma once

#include <array>

#include "dialogs/BrowseView.h"
#include "dialogs/ChooseView.h"
#include "mainwindow/StripView.h"

namespace orbilo {

// Room kept between the strip and the right and lower screen edges.
inline constexpr int kRightEdgeGap = 480;
inline constexpr int kBottomEdgeGap = 600;
// Room between the strip and a box, and below a box's last frame.
inline constexpr int kBoxGap = 120;

struct StripMeasures {
    int narrowWidth = 0;  // to the right edge of CommandExit
    int wideWidth = 0;    // to the right edge of FrameWeb
    int stripHeight = 0;
};

StripMeasures MeasureStrip(double dpiX, double dpiY);
// Where the strip's controls end and where FrameWeb begins, in pixels on a screen of this dpi.
int NarrowRightPixels(double dpiX);
int FrameWebLeftPixels(double dpiX);

// A left edge below 0 becomes 0, one beyond screen width - (width + 480) that value; the same
// for the top with the strip's height and 600.
TwipsPoint KeepOnScreen(TwipsPoint position, int width, int stripHeight, int screenWidth, int screenHeight);

// After the Add URL box is shown or hidden the strip ends at least 480 twips before the right
// screen edge.
int LeftAfterAddUrlToggle(int left, int width, int screenWidth);

// Box 0 or 1 beside the strip: above it when it fits there, else below it.
BrowseLayout PlaceBrowse(int box, TwipsPoint strip, int stripHeight);

struct ChooseRequest {
    int box = 2;
    std::array<bool, 4> groupFilled{};  // Program, File, Folder, Web Site hold items
    bool userPicture = false;
    int siblingLast = -1;
    TwipsPoint strip;
    int stripHeight = 0;
    int screenHeight = 0;
};

struct ChoosePlacement {
    ChooseLayout layout;
    // Where the strip stands afterwards: moved below the box when the box went to the top.
    TwipsPoint strip;
};

// Boxes 2 to 6: the frames to show, the form's height, and below the strip when it fits there,
// else at the top of the screen with the strip moved to just below it.
ChoosePlacement PlaceChoose(const ChooseRequest& request);

}  // namespace orbilo
