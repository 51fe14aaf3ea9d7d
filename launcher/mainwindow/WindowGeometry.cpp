// The strip's and the boxes' geometry, all in twips.
#include "mainwindow/WindowGeometry.h"

#include <algorithm>

#include "dialogs/BoxFrames.h"
#include "dialogs/BoxTexts.h"
#include "mainwindow/StripLayout.h"
#include "mainwindow/Twips.h"

namespace orbilo {

int NarrowRightPixels(double dpiX) {
    return ScaledPixels(kCommandExitLeft, dpiX) + ScaledPixels(kButtonWidthPixels, dpiX);
}

int FrameWebLeftPixels(double dpiX) {
    return NarrowRightPixels(dpiX) + ScaledPixels(kFrameWebGap, dpiX);
}

StripMeasures MeasureStrip(double dpiX, double dpiY) {
    StripMeasures measures;
    measures.narrowWidth = PixelsToTwips(NarrowRightPixels(dpiX), dpiX);
    measures.wideWidth = PixelsToTwips(FrameWebLeftPixels(dpiX) + ScaledPixels(kFrameWebWidth, dpiX), dpiX);
    measures.stripHeight = PixelsToTwips(ScaledPixels(kStripHeightPixels, dpiY), dpiY);
    return measures;
}

TwipsPoint KeepOnScreen(TwipsPoint position, int width, int stripHeight, int screenWidth, int screenHeight) {
    const int rightmost = screenWidth - (width + kRightEdgeGap);
    const int lowest = screenHeight - (stripHeight + kBottomEdgeGap);
    if (position.left < 0) {
        position.left = 0;
    } else if (position.left > rightmost) {
        position.left = rightmost;
    }
    if (position.top < 0) {
        position.top = 0;
    } else if (position.top > lowest) {
        position.top = lowest;
    }
    return position;
}

int LeftAfterAddUrlToggle(int left, int width, int screenWidth) {
    return std::min(left, screenWidth - (width + kRightEdgeGap));
}

BrowseLayout PlaceBrowse(int box, TwipsPoint strip, int stripHeight) {
    BrowseLayout layout;
    layout.box = box;
    const bool addToList = box == 0;
    layout.title = addToList ? kTitleAddToList : kTitleOpen;
    layout.backCaption = layout.title + kBackCaptionSuffix;
    layout.addFramesVisible = addToList;
    layout.selectVisible = !addToList;
    layout.cancelTop = addToList ? kAddCancelTopAddToList : kAddCancelTopOpen;
    layout.height = layout.cancelTop + kFrameAddCancelHeight + kBoxGap;
    layout.option = addToList ? 0 : 1;
    layout.left = strip.left;
    if (layout.height + kBoxGap < strip.top) {
        layout.top = strip.top - layout.height - kBoxGap;
    } else {
        layout.top = strip.top + stripHeight + kBoxGap;
    }
    return layout;
}

namespace {

const char* ChooseTitle(int box, int siblingLast) {
    switch (box) {
        case 2:
            return kTitleList;
        case 3:
            return siblingLast == 0 ? kTitleRunOne : kTitleRunMany;
        case 4:
            return kTitleOptions;
        case 5:
            return kTitleHelp;
        default:
            return kTitleCode;
    }
}

}  // namespace

ChoosePlacement PlaceChoose(const ChooseRequest& request) {
    const int box = request.box;
    const bool besideUser = request.userPicture && box >= 3 && box <= 5;
    const int extra = besideUser ? kUserPictureExtra : 0;

    ChoosePlacement placement;
    ChooseLayout& layout = placement.layout;
    layout.box = box;
    layout.title = ChooseTitle(box, request.siblingLast);

    int contentHeight = 0;
    switch (box) {
        case 2: {
            int shown = 0;
            for (std::size_t group = 0; group < layout.groupVisible.size(); ++group) {
                if (!request.groupFilled[group]) continue;
                layout.groupVisible[group] = true;
                layout.groupTop[group] = kGroupFrameFirstTop + kGroupFrameStep * shown;
                ++shown;
            }
            contentHeight =
                std::max(shown - 1, 0) * kGroupFrameStep + kGroupFrameFirstTop + kGroupFrameHeight + kBoxGap;
            break;
        }
        case 3:
            layout.runVisible = true;
            contentHeight = FrameRunHeight(request.siblingLast) + 240 + kBoxGap;
            break;
        case 4:
            layout.optionsVisible = true;
            contentHeight = kFrameOptions.height + 240 + kBoxGap;
            break;
        case 5:
            layout.helpVisible = true;
            contentHeight = kFrameHelp.height + 240 + kBoxGap;
            break;
        default:
            layout.commandVisible = true;
            contentHeight = kFrameCommand.height + 240;
            break;
    }

    const bool withCancel = box == 2 || box == 5 || box == 6;
    layout.cancelVisible = withCancel;
    layout.cancelCaption = box == 2 ? kCaptionCancel : kCaptionHide;
    layout.cancelTop = contentHeight + extra;
    layout.userVisible = besideUser;
    layout.userTop = contentHeight;
    if (besideUser) {
        layout.height = contentHeight + kFrameUserHeight + kBoxGap;
    } else if (withCancel) {
        layout.height = contentHeight + kFrameCancelHeight + kBoxGap;
    } else {
        layout.height = contentHeight;
    }

    placement.strip = request.strip;
    layout.left = request.strip.left;
    if (request.strip.top < request.screenHeight - (request.stripHeight + layout.height + kBoxGap)) {
        layout.top = request.strip.top + request.stripHeight + kBoxGap;
    } else {
        layout.top = 0;
        placement.strip.top = layout.height + kBoxGap;
    }
    return placement;
}

}  // namespace orbilo
