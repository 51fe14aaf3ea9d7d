// The shared behaviour of the box forms frmBrowse and frmChoose.
#include "dialogs/BoxForm.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "mainwindow/StripPictures.h"
#include "mainwindow/Twips.h"

namespace orbilo {

BoxForm::BoxForm(const char* objectName, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QString::fromLatin1(objectName));
    // Showing a box leaves the keyboard with the strip's instruction box.
    setAttribute(Qt::WA_ShowWithoutActivating);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        m_dpiX = screen->logicalDotsPerInchX();
        m_dpiY = screen->logicalDotsPerInchY();
    }
}

int BoxForm::PxX(int twips) const {
    return TwipsToPixels(twips, m_dpiX);
}

int BoxForm::PxY(int twips) const {
    return TwipsToPixels(twips, m_dpiY);
}

QRect BoxForm::Px(const FrameRect& frame) const {
    return QRect(PxX(frame.left), PxY(frame.top), PxX(frame.width), PxY(frame.height));
}

void BoxForm::ShowPlaced(const std::string& title, int widthTwips, int heightTwips, int leftTwips,
                         int topTwips) {
    setWindowTitle(QString::fromStdString(title));
    setFixedSize(PxX(widthTwips), PxY(heightTwips));
    move(PxX(leftTwips), PxY(topTwips));
    show();
}

QGroupBox* BoxForm::MakeFrame(QWidget* parent, const char* objectName, const char* caption,
                              const FrameRect& place) {
    auto* frame = new QGroupBox(QString::fromUtf8(caption), parent);
    frame->setObjectName(QString::fromLatin1(objectName));
    frame->setGeometry(Px(place));
    return frame;
}

QPushButton* BoxForm::MakePictureButton(QWidget* parent, const char* objectName, QLabel*& label,
                                        const char* labelName, const char* caption) {
    auto* button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setStyleSheet(PictureButtonStyle(kPictureUp, kPicturePressed, kPictureDisabled));
    button->setCursor(Qt::PointingHandCursor);
    label = new QLabel(QString::fromUtf8(caption), button);
    label->setObjectName(QString::fromLatin1(labelName));
    label->setAlignment(Qt::AlignCenter);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->setStyleSheet(QStringLiteral("color: white; font-weight: bold; background: transparent;"));
    auto* layout = new QHBoxLayout(button);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label);
    return button;
}

void BoxForm::Cancel() {
    if (m_onCancel) m_onCancel();
}

void BoxForm::closeEvent(QCloseEvent* event) {
    // The box stays loaded for the whole run; closing its window closes the box instead.
    event->ignore();
    Cancel();
}

}  // namespace orbilo
