#include "mainwindow/frmMain.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <cmath>
#include <utility>

#include "format/Utf8.h"
#include "interpreter/Autocompletion.h"
#include "interpreter/Interpreter.h"

namespace orbilo {
namespace {

QColor ToColor(Rgb rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

QFont StripFont() {
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(kStripFontPoints);
    font.setBold(true);
    return font;
}

// The Add URL button's face: a small globe, drawn at the button's size so it stays crisp at
// any dpi.
QIcon AddUrlPicture(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF globe(1.5, 1.5, size - 3.0, size - 3.0);
    painter.setPen(QPen(QColor(20, 60, 140), 1.0));
    painter.setBrush(QColor(120, 170, 235));
    painter.drawEllipse(globe);
    painter.drawLine(QPointF(globe.left(), globe.center().y()), QPointF(globe.right(), globe.center().y()));
    painter.drawEllipse(
        QRectF(globe.center().x() - globe.width() / 4.0, globe.top(), globe.width() / 2.0, globe.height()));
    return QIcon(pixmap);
}

}  // namespace

frmMain::frmMain(Context& ctx, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_ctx(ctx) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QString::fromStdString(ctx.app.programName));
    if (const QScreen* screen = QApplication::primaryScreen())
        m_scale = screen->logicalDotsPerInchX() / kDesignDpi;

    setAutoFillBackground(true);
    QPalette surface = palette();
    surface.setColor(QPalette::Window, ToColor(kButtonFace));
    setPalette(surface);
    setFont(StripFont());

    CommandWeb = MakeButton("CommandWeb", QString(), kCommandWebTooltip, kCommandWebLeft);
    CommandWeb->setIcon(AddUrlPicture(Px(kButtonWidthPixels) - 2));
    CommandWeb->setIconSize(QSize(Px(kButtonWidthPixels) - 2, Px(kButtonWidthPixels) - 2));

    TextMain = new QLineEdit(this);
    TextMain->setObjectName(QStringLiteral("TextMain"));
    TextMain->setGeometry(Px(kTextMainLeft), 0, Px(kTextMainWidth), Px(kStripHeightPixels));
    TextMain->setStyleSheet(
        QStringLiteral("QLineEdit { background: rgb(%1, %2, %3); border: 1px solid rgb(96, 96, 96);"
                       " padding: 0 2px; }")
            .arg(kTextMainBack.red)
            .arg(kTextMainBack.green)
            .arg(kTextMainBack.blue));
    TextMain->installEventFilter(this);
    m_box = TextMainBox(TextMain);
    connect(TextMain, &QLineEdit::textChanged, this, [this](const QString& text) { TextMainChanged(text); });

    for (int i = 0; i < kMenuCount; ++i) {
        CommandMenu[static_cast<std::size_t>(i)] =
            MakeButton("CommandMenu", QString::fromUtf8(kMenuGlyphs[static_cast<std::size_t>(i)]),
                       kCommandMenuTooltips[static_cast<std::size_t>(i)], CommandMenuLeft(i));
        CommandMenu[static_cast<std::size_t>(i)]->setProperty("Index", i);
    }
    CommandMenu[kRunMenuIndex]->setVisible(ctx.siblings.SiblingLast != -1);

    CommandMin =
        MakeButton("CommandMin", QString::fromUtf8(kCommandMinCaption), kCommandMinTooltip, kCommandMinLeft);
    CommandExit = MakeButton("CommandExit", QString::fromUtf8(kCommandExitCaption), kCommandExitTooltip,
                             kCommandExitLeft);
    connect(CommandMin, &QPushButton::clicked, this, [this] { Act({StripAction::Minimize, -1}); });
    connect(CommandExit, &QPushButton::clicked, this, [this] { Act({StripAction::Exit, -1}); });

    setFixedSize(Px(NarrowRightPixels()), Px(kStripHeightPixels));
    // Where the strip was when the program last ended (the top left corner the first time).
    move(static_cast<int>(std::lround(ctx.settingsFile.Left / m_twipsPerPixel)),
         static_cast<int>(std::lround(ctx.settingsFile.Top / m_twipsPerPixel)));

    TextMain->setText(QString::fromStdString(ctx.app.programName));
    TextMain->selectAll();
    setFocusProxy(TextMain);
}

std::string TextMainBox::Text() const {
    return m_edit->text().toStdString();
}

void TextMainBox::SetText(const std::string& text) {
    m_edit->setText(QString::fromStdString(text));
}

void TextMainBox::Focus() {
    m_edit->setFocus();
}

void frmMain::Attach(Interpreter& interpreter, Autocompletion& completion) {
    m_interpreter = &interpreter;
    m_completion = &completion;
}

void frmMain::ClickMenu(int /*index*/) {
    // The boxes beside the strip arrive with the main window's box handling; until then no box
    // can be open, so there is nothing to close.
}

void frmMain::ClickMinimize() {
    Act({StripAction::Minimize, -1});
}

void frmMain::TextMainChanged(const QString& text) {
    // The completion's own replacement is a change too; it would only find the same candidate.
    if (m_applyingCompletion || m_completion == nullptr) return;
    const auto completed = m_completion->OnChange(text.toStdString());
    if (!completed) return;
    m_applyingCompletion = true;
    const QString shown = QString::fromStdString(completed->text);
    TextMain->setText(shown);
    // Positions arrive in characters; the line edit counts UTF-16 units.
    const std::string& utf8 = completed->text;
    const auto units = [&](int characters) {
        const auto bytes = CodePointOffset(utf8, static_cast<std::size_t>(characters));
        return static_cast<int>(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(bytes)).size());
    };
    if (completed->selLength > 0) {
        const int start = units(completed->selStart);
        TextMain->setSelection(start, units(completed->selStart + completed->selLength) - start);
    } else {
        TextMain->setCursorPosition(static_cast<int>(shown.size()));
    }
    m_applyingCompletion = false;
}

bool frmMain::HandleTextMainKey(QKeyEvent* key) {
    if (m_interpreter == nullptr) return false;
    InstructionKey pressed;
    switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            pressed.kind = InstructionKey::Kind::Enter;
            m_interpreter->OnKeyPress(pressed);
            return true;
        case Qt::Key_Backspace:
            pressed.kind = InstructionKey::Kind::Backspace;
            m_interpreter->OnKeyPress(pressed);
            return false;
        case Qt::Key_Escape:
            pressed.kind = InstructionKey::Kind::Escape;
            m_interpreter->OnKeyPress(pressed);
            return true;
        default:
            break;
    }
    const QString text = key->text();
    if (text.isEmpty() || !text.at(0).isPrint()) return false;
    pressed.kind = InstructionKey::Kind::Character;
    pressed.text = text.toStdString();
    return m_interpreter->OnKeyPress(pressed);
}

int frmMain::Px(int designPixels) const {
    return static_cast<int>(std::lround(designPixels * m_scale));
}

QPushButton* frmMain::MakeButton(const char* objectName, const QString& caption, const char* tooltip,
                                 int left) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setToolTip(QString::fromUtf8(tooltip));
    button->setFocusPolicy(Qt::NoFocus);
    button->setGeometry(Px(left), 0, Px(kButtonWidthPixels), Px(kStripHeightPixels));
    button->setStyleSheet(
        QStringLiteral("QPushButton { background: rgb(%1, %2, %3); border: 1px outset rgb(224, 224, 224);"
                       " padding: 0; }"
                       "QPushButton:pressed { border-style: inset; }")
            .arg(kButtonFace.red)
            .arg(kButtonFace.green)
            .arg(kButtonFace.blue));
    return button;
}

void frmMain::ShowStrip() {
    show();
    activateWindow();
    TextMain->setFocus();
}

void frmMain::BringForward() {
    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
    TextMain->setFocus();
}

bool frmMain::HandleFunctionKey(int qtKey) {
    if (qtKey < Qt::Key_F1 || qtKey > Qt::Key_F12) return false;
    Act(FunctionKeyAction(qtKey - Qt::Key_F1 + 1, m_ctx.siblings.SiblingLast));
    return true;
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    // Function keys act on release also while the instruction box has the keyboard.
    if (watched == TextMain && event->type() == QEvent::KeyRelease) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!key->isAutoRepeat() && HandleFunctionKey(key->key())) return true;
    }
    if (watched == TextMain && event->type() == QEvent::KeyPress) {
        return HandleTextMainKey(static_cast<QKeyEvent*>(event));
    }
    if (watched == TextMain && event->type() == QEvent::MouseButtonDblClick && m_interpreter != nullptr) {
        m_interpreter->OnDoubleClick();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void frmMain::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat() || !HandleFunctionKey(event->key())) QWidget::keyReleaseEvent(event);
}

void frmMain::Act(const StripKey& key) {
    switch (key.action) {
        case StripAction::Exit:
            close();
            break;
        case StripAction::Minimize:
            showMinimized();
            break;
        case StripAction::ClearText:
            TextMain->clear();
            TextMain->setFocus();
            break;
        case StripAction::ToggleAddUrl:
        case StripAction::ToggleBox:
        case StripAction::None:
            break;
    }
}

void frmMain::closeEvent(QCloseEvent* event) {
    event->accept();
    if (m_onClosing) {
        const auto handler = std::exchange(m_onClosing, nullptr);
        handler(static_cast<int>(std::lround(y() * m_twipsPerPixel)),
                static_cast<int>(std::lround(x() * m_twipsPerPixel)));
    }
    // Closing the strip by any means ends the program and every other window with it.
    QApplication::quit();
}

}  // namespace orbilo
