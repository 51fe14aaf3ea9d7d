// The Add To List form's frames and their placing by the main window's rules.
#include "dialogs/frmBrowse.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "dialogs/BoxTexts.h"

namespace orbilo {
namespace {

// Inside a frame: a row of controls below its caption.
constexpr int kInnerLeft = 120;
constexpr int kInnerTop = 240;
constexpr int kRowHeight = 285;

}  // namespace

frmBrowse::frmBrowse(QWidget* parent) : BoxForm("frmBrowse", parent) {
    const int backHeight = kAddCancelTopAddToList + kFrameAddCancelHeight + 120;
    FrameBrowseBack = MakeFrame(this, "FrameBrowseBack", kTitleAddToList, {0, 0, kBrowseWidth, backHeight});

    FrameBrowseOption =
        MakeFrame(FrameBrowseBack, "FrameBrowseOption", kCaptionBrowseOption, kFrameBrowseOption);
    // "Folder" needs more room than "Prog." and "File".
    constexpr std::array<int, 3> kOptionLefts = {60, 840, 1500};
    constexpr std::array<int, 3> kOptionWidths = {780, 660, 1020};
    for (std::size_t i = 0; i < OptionBrowse.size(); ++i) {
        OptionBrowse[i] = new QRadioButton(QString::fromUtf8(kOptionBrowseCaptions[i]), FrameBrowseOption);
        OptionBrowse[i]->setObjectName(QStringLiteral("OptionBrowse"));
        OptionBrowse[i]->setProperty("Index", static_cast<int>(i));
        OptionBrowse[i]->setGeometry(Px({kOptionLefts[i], kInnerTop, kOptionWidths[i], kRowHeight}));
    }
    OptionBrowse[0]->setChecked(true);

    FrameFindPath = MakeFrame(FrameBrowseBack, "FrameFindPath", kCaptionFindPath, kFrameFindPath);

    FrameAddPath = MakeFrame(FrameBrowseBack, "FrameAddPath", kCaptionAddPath, kFrameAddPath);
    TextAddPath = new QLineEdit(FrameAddPath);
    TextAddPath->setObjectName(QStringLiteral("TextAddPath"));
    TextAddPath->setReadOnly(true);
    TextAddPath->setGeometry(Px({kInnerLeft, kInnerTop, kFrameAddPath.width - 2 * kInnerLeft, kRowHeight}));

    FrameAddToList = MakeFrame(FrameBrowseBack, "FrameAddToList", kCaptionAddToList, kFrameAddToList);
    TextAddName = new QLineEdit(FrameAddToList);
    TextAddName->setObjectName(QStringLiteral("TextAddName"));
    TextAddName->setGeometry(Px({kInnerLeft, kInnerTop, kFrameAddToList.width - 2 * kInnerLeft, kRowHeight}));
    TextAddName->setEnabled(false);
    TextAddName->setStyleSheet(QStringLiteral("QLineEdit:disabled { background: rgb(192, 192, 192); }"));

    FrameSelect = new QFrame(FrameBrowseBack);
    FrameSelect->setObjectName(QStringLiteral("FrameSelect"));
    FrameSelect->setFrameShape(QFrame::NoFrame);
    FrameSelect->setGeometry(Px(kFrameSelect));

    FrameAddCancel = new QFrame(FrameBrowseBack);
    FrameAddCancel->setObjectName(QStringLiteral("FrameAddCancel"));
    FrameAddCancel->setFrameShape(QFrame::NoFrame);
    FrameAddCancel->setGeometry(
        Px({kFrameAddCancelLeft, kAddCancelTopAddToList, kFrameAddCancelWidth, kFrameAddCancelHeight}));
    CommandAddCancel = MakePictureButton(FrameAddCancel, "CommandAddCancel", LabelAddCancel, "LabelAddCancel",
                                         kCaptionCancel);
    CommandAddCancel->setGeometry(0, 0, PxX(kFrameAddCancelWidth), PxY(kFrameAddCancelHeight));
    connect(CommandAddCancel, &QPushButton::clicked, this, [this] { Cancel(); });

    FrameAddedInfo = new QLabel(FrameBrowseBack);
    FrameAddedInfo->setObjectName(QStringLiteral("FrameAddedInfo"));
    FrameAddedInfo->setGeometry(
        Px({kBrowseAddedInfoLeft, kAddCancelTopAddToList, kBrowseAddedInfoWidth, kFrameAddCancelHeight}));
    FrameAddedInfo->hide();

    setFixedSize(PxX(kBrowseWidth), PxY(backHeight));
}

void frmBrowse::OpenBrowse(const BrowseLayout& layout) {
    // The file list arrives with the box's contents; re-reading it belongs here.
    FrameAddedInfo->hide();
    FrameBrowseBack->setTitle(QString::fromStdString(layout.backCaption));
    FrameBrowseOption->setVisible(layout.addFramesVisible);
    FrameFindPath->setVisible(layout.addFramesVisible);
    FrameAddPath->setVisible(layout.addFramesVisible);
    FrameAddToList->setVisible(layout.addFramesVisible);
    FrameSelect->setVisible(layout.selectVisible);
    FrameAddCancel->move(FrameAddCancel->x(), PxY(layout.cancelTop));
    FrameAddedInfo->move(FrameAddedInfo->x(), PxY(layout.cancelTop));
    FrameBrowseBack->resize(PxX(kBrowseWidth), PxY(layout.height));
    if (layout.option >= 0 && layout.option < static_cast<int>(OptionBrowse.size())) {
        OptionBrowse[static_cast<std::size_t>(layout.option)]->setChecked(true);
    }
    ClearBrowseFields();
    ShowPlaced(layout.title, kBrowseWidth, layout.height, layout.left, layout.top);
}

void frmBrowse::ClearBrowseFields() {
    TextAddPath->clear();
    TextAddName->clear();
}

void frmBrowse::HideBrowse() {
    hide();
}

}  // namespace orbilo
