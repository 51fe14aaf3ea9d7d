// The message dialog's widgets and their wiring. The picture buttons are drawn with a style
// sheet in their normal, pressed and disabled states.
#include "messages/frmMessage.h"

#include <QApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <QValidator>

#include <algorithm>

#include "mainwindow/StripPictures.h"
#include "messages/NameBox.h"

namespace orbilo {

namespace {

constexpr int kTextWidth = 600;
constexpr int kMinTextWidth = 240;
constexpr int kScreenMargin = 96;  // the dialog's frame, margins and some air around it
constexpr int kButtonWidth = 96;
constexpr int kButtonHeight = 30;

constexpr const char* kStyle = R"(
QFrame#PictureMessage {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #f4f7fb, stop:1 #dce6f2);
    border: 1px solid #8aa2c0;
    border-radius: 6px;
}
QLabel#LabelHead { color: #1f3a5f; font-weight: bold; font-size: 13pt; background: transparent; }
QLabel#LabelMessage { color: #1b1b1b; background: transparent; }
QPushButton {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #5d8fd0, stop:1 #2f5f9e);
    border: 1px solid #24497a;
    border-radius: 4px;
}
QPushButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #6fa0e0, stop:1 #3a6cad); }
QPushButton:focus { border: 2px solid #f0b429; }
QPushButton:pressed { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #24497a, stop:1 #3a6cad); }
QPushButton:disabled { background: #b9c3cf; border: 1px solid #98a3b0; }
QLabel#LabelOK, QLabel#LabelCancel { color: white; font-weight: bold; background: transparent; }
QLabel#LabelOK:disabled, QLabel#LabelCancel:disabled { color: #eef1f4; }
QLineEdit#TextInput0 { padding: 3px; border: 1px solid #8aa2c0; border-radius: 3px; background: white; }
)";

// Keeps pasted or composed text to letters as well; typed keys are sorted out before this.
class NameValidator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int& /*position*/) const override {
        return IsNameText(input.toStdString()) ? Acceptable : Invalid;
    }
};

QPushButton* MakePictureButton(QWidget* parent, const char* name, QLabel*& caption, const char* captionName) {
    auto* button = new QPushButton(parent);
    button->setObjectName(name);
    button->setFixedSize(kButtonWidth, kButtonHeight);
    button->setCursor(Qt::PointingHandCursor);
    caption = new QLabel(button);
    caption->setObjectName(captionName);
    caption->setAlignment(Qt::AlignCenter);
    caption->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* layout = new QHBoxLayout(button);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(caption);
    return button;
}

QString DisplayText(const std::string& text) {
    QString shown = QString::fromStdString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

}  // namespace

frmMessage::frmMessage(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmMessage"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(true);
    setStyleSheet(QString::fromLatin1(kStyle));

    PictureMessage = new QFrame(this);
    PictureMessage->setObjectName(QStringLiteral("PictureMessage"));

    LabelHead = new QLabel(PictureMessage);
    LabelHead->setObjectName(QStringLiteral("LabelHead"));
    LabelHead->setTextFormat(Qt::PlainText);

    LabelMessage = new QLabel(PictureMessage);
    LabelMessage->setObjectName(QStringLiteral("LabelMessage"));
    LabelMessage->setTextFormat(Qt::PlainText);
    LabelMessage->setWordWrap(true);
    LabelMessage->setFixedWidth(kTextWidth);
    LabelMessage->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    TextInput0 = new QLineEdit(PictureMessage);
    TextInput0->setObjectName(QStringLiteral("TextInput0"));
    TextInput0->setValidator(new NameValidator(TextInput0));
    TextInput0->setContextMenuPolicy(Qt::NoContextMenu);
    TextInput0->installEventFilter(this);
    TextInput0->hide();

    CommandOK = MakePictureButton(PictureMessage, "CommandOK", LabelOK, "LabelOK");
    CommandCancel = MakePictureButton(PictureMessage, "CommandCancel", LabelCancel, "LabelCancel");

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(CommandOK);
    buttons->addSpacing(16);
    buttons->addWidget(CommandCancel);
    buttons->addStretch(1);

    auto* content = new QVBoxLayout(PictureMessage);
    content->setContentsMargins(20, 16, 20, 16);
    content->setSpacing(12);
    content->addWidget(LabelHead);
    content->addWidget(TextInput0);
    content->addWidget(LabelMessage);
    content->addLayout(buttons);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(6, 6, 6, 6);
    outer->addWidget(PictureMessage);
    outer->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(TextInput0, CommandOK);
    setTabOrder(CommandOK, CommandCancel);

    connect(CommandOK, &QPushButton::clicked, this, [this] { CommandOK_Click(); });
    connect(CommandCancel, &QPushButton::clicked, this, [this] { CommandCancel_Click(); });
    connect(TextInput0, &QLineEdit::textChanged, this, [this] { TextInput0_Change(); });
}

MessageReply frmMessage::ShowModal(const MessageView& view) {
    Fill(view);
    // The small-screen message must fit the very screen it complains about.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const int room = screen->availableGeometry().width() - kScreenMargin;
        LabelMessage->setFixedWidth(std::clamp(room, kMinTextWidth, kTextWidth));
    }
    // Hand the keyboard back to the window that had it (the strip), as a window manager would;
    // without one nothing else would.
    const QPointer<QWidget> previous = QApplication::activeWindow();
    exec();
    if (previous && previous->isVisible()) previous->activateWindow();
    return m_reply;
}

void frmMessage::Fill(const MessageView& view) {
    m_reply = MessageReply{};
    m_nameInput = false;  // the name box's own rule must not touch OK while it is being emptied

    setWindowTitle(QString::fromStdString(view.title));
    // The buttons take their three faces from the strip's button pictures each time.
    const QString faces = PictureButtonStyle(kPictureNormal, kPicturePressed, kPictureDisabled) +
                          QStringLiteral("QPushButton:focus { border-width: 2px; }");
    CommandOK->setStyleSheet(faces);
    CommandCancel->setStyleSheet(faces);
    LabelHead->setText(QString::fromStdString(view.head));
    LabelMessage->setText(DisplayText(view.text));
    LabelOK->setText(QString::fromStdString(view.okCaption));
    LabelCancel->setText(QString::fromStdString(view.cancelCaption));
    CommandOK->setEnabled(view.okEnabled);
    CommandCancel->setEnabled(view.cancelEnabled);
    TextInput0->clear();
    TextInput0->setVisible(view.nameInput);
    m_nameInput = view.nameInput;

    // Enter presses the one button the message is about; the name box handles Enter itself.
    QPushButton* first = view.okEnabled ? CommandOK : CommandCancel;
    CommandOK->setDefault(first == CommandOK);
    CommandCancel->setDefault(first == CommandCancel);
    if (view.nameInput) {
        TextInput0->setFocus();
    } else {
        first->setFocus();
    }
}

void frmMessage::reject() {
    m_reply = MessageReply{};
    QDialog::reject();
}

void frmMessage::CommandOK_Click() {
    m_reply.answer = MessageAnswer::Ok;
    m_reply.input = m_nameInput ? TextInput0->text().toStdString() : std::string();
    accept();
}

void frmMessage::CommandCancel_Click() {
    reject();
}

void frmMessage::TextInput0_Change() {
    if (m_nameInput) CommandOK->setEnabled(NameBoxOkEnabled(TextInput0->text().toStdString()));
}

bool frmMessage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == TextInput0 && event->type() == QEvent::KeyPress) return TextInput0_KeyPress(event);
    return QDialog::eventFilter(watched, event);
}

bool frmMessage::TextInput0_KeyPress(QEvent* event) {
    const auto* key = static_cast<QKeyEvent*>(event);
    NameKeyKind kind = NameKeyKind::Character;
    char32_t character = 0;
    switch (key->key()) {
        case Qt::Key_Backspace:
            kind = NameKeyKind::Backspace;
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            kind = NameKeyKind::Enter;
            break;
        case Qt::Key_Delete:
        case Qt::Key_Escape:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return false;
        default: {
            // Keys that type nothing (cursor keys, Home, End, modifiers) move about as usual.
            const QList<uint> typed = key->text().toUcs4();
            if (typed.isEmpty()) return false;
            character = typed.front();
            break;
        }
    }
    switch (NameBoxKeyAction(kind, character, TextInput0->text().toStdString())) {
        case NameKeyAction::Accept:
            return false;
        case NameKeyAction::Discard:
            return true;
        case NameKeyAction::Ok:
            CommandOK_Click();
            return true;
        case NameKeyAction::Cancel:
            CommandCancel_Click();
            return true;
    }
    return true;
}

}  // namespace orbilo
