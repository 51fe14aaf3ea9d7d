// The list form's frames and their placing by the main window's rules.
#include "dialogs/frmChoose.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "dialogs/BoxTexts.h"
#include "mainwindow/StripLayout.h"
#include "mainwindow/StripPictures.h"

namespace orbilo {
namespace {

struct GroupFrameLook {
    const char* objectName;
    Rgb background;
};
constexpr std::array<GroupFrameLook, 4> kGroupFrames = {{
    {"FrameProgList", {220, 220, 220}},
    {"FrameFileList", {230, 230, 250}},
    {"FrameFoldList", {255, 250, 250}},
    {"FrameWebList", {240, 248, 255}},
}};

constexpr FrameRect kImageHelp{120, 240, 1920, 1680};
constexpr FrameRect kImageUser{60, 240, 1320, 1560};

}  // namespace

frmChoose::frmChoose(const Context& ctx, QWidget* parent) : BoxForm("frmChoose", parent) {
    FrameChooseBack = new QFrame(this);
    FrameChooseBack->setObjectName(QStringLiteral("FrameChooseBack"));
    FrameChooseBack->setFrameShape(QFrame::NoFrame);

    QString groupStyle;
    for (std::size_t g = 0; g < GroupFrames.size(); ++g) {
        GroupFrames[g] =
            MakeFrame(FrameChooseBack, kGroupFrames[g].objectName, kGroupFrameCaptions[g],
                      {kGroupFrameLeft, kGroupFrameFirstTop, kGroupFrameWidth, kGroupFrameHeight});
        const Rgb colour = kGroupFrames[g].background;
        groupStyle += QStringLiteral("QGroupBox#%1 { background: rgb(%2, %3, %4); }")
                          .arg(QString::fromLatin1(kGroupFrames[g].objectName))
                          .arg(colour.red)
                          .arg(colour.green)
                          .arg(colour.blue);
    }
    FrameChooseBack->setStyleSheet(groupStyle);

    FrameRun =
        MakeFrame(FrameChooseBack, "FrameRun", kCaptionRun,
                  {kFrameRunLeft, kFrameRunTop, kFrameRunWidth, FrameRunHeight(ctx.siblings.SiblingLast)});
    FrameOptions = MakeFrame(FrameChooseBack, "FrameOptions", kCaptionOptions, kFrameOptions);
    FrameHelp = MakeFrame(FrameChooseBack, "FrameHelp", ctx.app.programName.c_str(), kFrameHelp);
    ImageHelp = new QLabel(FrameHelp);
    ImageHelp->setObjectName(QStringLiteral("ImageHelp"));
    ImageHelp->setGeometry(Px(kImageHelp));
    ImageHelp->setScaledContents(true);
    FrameCommand = MakeFrame(FrameChooseBack, "FrameCommand", kCaptionCommand, kFrameCommand);

    FrameCancel = new QFrame(FrameChooseBack);
    FrameCancel->setObjectName(QStringLiteral("FrameCancel"));
    FrameCancel->setFrameShape(QFrame::NoFrame);
    FrameCancel->setGeometry(Px({kFrameCancelLeft, 0, kFrameCancelWidth, kFrameCancelHeight}));
    CommandListCancel =
        MakePictureButton(FrameCancel, "CommandListCancel", LabelCancel, "LabelCancel", kCaptionCancel);
    CommandListCancel->setGeometry(0, 0, PxX(kFrameCancelWidth), PxY(kFrameCancelHeight));
    connect(CommandListCancel, &QPushButton::clicked, this, [this] { Cancel(); });

    FrameUser = MakeFrame(FrameChooseBack, "FrameUser", ctx.user.PicCaption.c_str(),
                          {kFrameUserLeft, 0, kFrameUserWidth, kFrameUserHeight});
    ImageUser = new QLabel(FrameUser);
    ImageUser->setObjectName(QStringLiteral("ImageUser"));
    ImageUser->setGeometry(Px(kImageUser));
    ImageUser->setAlignment(Qt::AlignCenter);
    if (!ctx.user.UserPic.empty()) {
        // A file that is no picture leaves the frame empty; the caption still names the user.
        const QPixmap picture(QString::fromStdString(ctx.user.UserPic));
        if (!picture.isNull()) {
            ImageUser->setPixmap(
                picture.scaled(ImageUser->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
        }
    }

    for (QWidget* frame : {static_cast<QWidget*>(FrameRun), static_cast<QWidget*>(FrameOptions),
                           static_cast<QWidget*>(FrameHelp), static_cast<QWidget*>(FrameCommand),
                           static_cast<QWidget*>(FrameCancel), static_cast<QWidget*>(FrameUser)}) {
        frame->hide();
    }
    for (QGroupBox* frame : GroupFrames) frame->hide();
    FrameChooseBack->setGeometry(0, 0, PxX(kChooseWidth), PxY(kFrameOptions.height));
    setFixedSize(FrameChooseBack->size());
}

void frmChoose::OpenChoose(const ChooseLayout& layout) {
    for (std::size_t g = 0; g < GroupFrames.size(); ++g) {
        GroupFrames[g]->move(GroupFrames[g]->x(), PxY(layout.groupTop[g]));
        GroupFrames[g]->setVisible(layout.groupVisible[g]);
    }
    FrameRun->setVisible(layout.runVisible);
    FrameOptions->setVisible(layout.optionsVisible);
    FrameHelp->setVisible(layout.helpVisible);
    FrameCommand->setVisible(layout.commandVisible);
    LabelCancel->setText(QString::fromStdString(layout.cancelCaption));
    FrameCancel->move(FrameCancel->x(), PxY(layout.cancelTop));
    FrameCancel->setVisible(layout.cancelVisible);
    FrameUser->move(FrameUser->x(), PxY(layout.userTop));
    FrameUser->setVisible(layout.userVisible);
    FrameChooseBack->resize(PxX(kChooseWidth), PxY(layout.height));
    ShowPlaced(layout.title, kChooseWidth, layout.height, layout.left, layout.top);
}

void frmChoose::HideChoose() {
    hide();
}

void frmChoose::PrepareListBox() {
    // The groups' lists and rename panels arrive with the Open From List box's contents.
}

void frmChoose::PrepareOptionsBox(bool /*startWithWindows*/, bool /*alwaysOnTop*/,
                                  bool /*showAddUrlBoxAtStart*/, bool /*shortcutEnabled*/) {
    // The check boxes and buttons arrive with the Preferences box's contents.
}

void frmChoose::ShowHelpPicture(int index) {
    ImageHelp->setPixmap(HelpPicture(index));
}

}  // namespace orbilo
