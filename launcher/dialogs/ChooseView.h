// The list form (frmChoose) as the main window's box handling drives it: boxes 2 Open From
// List, 3 Run, 4 Preferences, 5 Help and 6 Code List. Sizes and places are in twips.
#pragma once

#include <array>
#include <string>

namespace orbilo {

struct ChooseLayout {
    int box = 2;
    std::string title;
    // The group frames in the order Program, File, Folder, Web Site.
    std::array<bool, 4> groupVisible{};
    std::array<int, 4> groupTop{};
    bool runVisible = false;
    bool optionsVisible = false;
    bool helpVisible = false;
    bool commandVisible = false;
    bool cancelVisible = false;  // FrameCancel
    std::string cancelCaption;   // LabelCancel: "Cancel" or "Hide"
    int cancelTop = 0;
    bool userVisible = false;  // FrameUser
    int userTop = 0;
    int height = 0;  // FrameChooseBack and the form
    int left = 0;
    int top = 0;
};

class ChooseView {
  public:
    virtual ~ChooseView() = default;
    // Shows only the frames of the box, places them, titles, sizes and places the form, and
    // shows it without taking the keyboard.
    virtual void OpenChoose(const ChooseLayout& layout) = 0;
    virtual void HideChoose() = 0;

    // The opening states of the boxes' contents, set before the box is shown.
    // Open From List: the first item of each shown group selected, every rename panel hidden,
    // every Rename button with its normal picture.
    virtual void PrepareListBox() = 0;
    // Preferences: the three check boxes from the options, OK disabled, Create Desktop Shortcut
    // enabled as told.
    virtual void PrepareOptionsBox(bool startWithWindows, bool alwaysOnTop, bool showAddUrlBoxAtStart,
                                   bool shortcutEnabled) = 0;
    // Help: ImageHelp shows picture 0 or 1 of ImageHelpPics.
    virtual void ShowHelpPicture(int index) = 0;
};

}  // namespace orbilo
