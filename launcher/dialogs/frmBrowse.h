// The Add To List form: boxes 0 "Add To List" and 1 "Open" beside the strip. Created once at
// start-up and only shown and hidden afterwards; the main window's rules decide its frames,
// size and place.
#pragma once

#include <array>

#include "dialogs/BoxForm.h"
#include "dialogs/BrowseView.h"

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace orbilo {

class frmBrowse : public BoxForm, public BrowseView {
  public:
    explicit frmBrowse(QWidget* parent = nullptr);

    void OpenBrowse(const BrowseLayout& layout) override;
    void ClearBrowseFields() override;
    void HideBrowse() override;

    QGroupBox* FrameBrowseBack = nullptr;
    QGroupBox* FrameBrowseOption = nullptr;
    std::array<QRadioButton*, 3> OptionBrowse{};
    QGroupBox* FrameFindPath = nullptr;
    QGroupBox* FrameAddPath = nullptr;
    QLineEdit* TextAddPath = nullptr;
    QGroupBox* FrameAddToList = nullptr;
    QLineEdit* TextAddName = nullptr;
    QFrame* FrameSelect = nullptr;
    QFrame* FrameAddCancel = nullptr;
    QPushButton* CommandAddCancel = nullptr;
    QLabel* LabelAddCancel = nullptr;
    QLabel* FrameAddedInfo = nullptr;
};

}  // namespace orbilo
