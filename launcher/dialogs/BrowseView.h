// The Add To List form (frmBrowse) as the main window's box handling drives it: boxes 0 "Add
// To List" and 1 "Open". Sizes and places are in twips.
#pragma once

#include <string>

namespace orbilo {

struct BrowseLayout {
    int box = 0;
    std::string title;        // the form's title: "Add To List" or "Open"
    std::string backCaption;  // FrameBrowseBack: the title followed by " :"
    // FrameBrowseOption, FrameFindPath, FrameAddPath and FrameAddToList (Add To List only).
    bool addFramesVisible = false;
    bool selectVisible = false;  // FrameSelect (Open only)
    int cancelTop = 0;           // FrameAddCancel
    int height = 0;              // FrameBrowseBack and the form
    int option = 0;              // the OptionBrowse button to select
    int left = 0;
    int top = 0;
};

class BrowseView {
  public:
    virtual ~BrowseView() = default;
    // Re-reads the file list and leaves it without a selection (a reset, not a click), hides
    // FrameAddedInfo, lays the frames out, selects the option, empties the path and Launch
    // Name boxes, titles, sizes and places the form, and shows it without taking the keyboard.
    virtual void OpenBrowse(const BrowseLayout& layout) = 0;
    // Empties the path and Launch Name boxes.
    virtual void ClearBrowseFields() = 0;
    virtual void HideBrowse() = 0;
};

}  // namespace orbilo
