// The list form: boxes 2 Open From List, 3 Run, 4 Preferences, 5 Help and 6 Code List beside
// the strip. Created once at start-up and only shown and hidden afterwards; the main window's
// rules decide which frames show, the form's size and its place.
#pragma once

#include <array>

#include "dialogs/BoxForm.h"
#include "dialogs/ChooseView.h"
#include "startup/Context.h"

class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;

namespace orbilo {

class frmChoose : public BoxForm, public ChooseView {
  public:
    explicit frmChoose(const Context& ctx, QWidget* parent = nullptr);

    void OpenChoose(const ChooseLayout& layout) override;
    void HideChoose() override;
    void PrepareListBox() override;
    void PrepareOptionsBox(bool startWithWindows, bool alwaysOnTop, bool showAddUrlBoxAtStart,
                           bool shortcutEnabled) override;
    void ShowHelpPicture(int index) override;

    QFrame* FrameChooseBack = nullptr;
    // FrameProgList, FrameFileList, FrameFoldList, FrameWebList
    std::array<QGroupBox*, 4> GroupFrames{};
    QGroupBox* FrameRun = nullptr;
    QGroupBox* FrameOptions = nullptr;
    QGroupBox* FrameHelp = nullptr;
    QLabel* ImageHelp = nullptr;
    QGroupBox* FrameCommand = nullptr;
    QFrame* FrameCancel = nullptr;
    QPushButton* CommandListCancel = nullptr;
    QLabel* LabelCancel = nullptr;
    QGroupBox* FrameUser = nullptr;
    QLabel* ImageUser = nullptr;
};

}  // namespace orbilo
