// The strip's widgets and their wiring to the window's rules, the interpreter and autocompletion.
#include "mainwindow/frmMain.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTimer>
#include <QUrl>
#include <QWindow>
#include <utility>

#include "format/Utf8.h"
#include "interpreter/Autocompletion.h"
#include "interpreter/Interpreter.h"
#include "launchlist/ListRules.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/Twips.h"
#include "mainwindow/WindowGeometry.h"

namespace orbilo {
namespace {

constexpr int kTimerIntervalMs = 1000;

QString CssColour(Rgb colour) {
    return QStringLiteral("rgb(%1, %2, %3)").arg(colour.red).arg(colour.green).arg(colour.blue);
}

QFont StripFont(bool bold = true) {
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(kStripFontPoints);
    font.setBold(bold);
    return font;
}

QString LineEditStyle(const QString& objectName, const QString& background) {
    return QStringLiteral(
               "QLineEdit#%1 { background: %2; border: 1px solid rgb(96, 96, 96); padding: 0 2px; }"
               "QLineEdit#%1:disabled { background: %3; color: rgb(64, 64, 64); }")
        .arg(objectName, background, CssColour(kLightGrey));
}

unsigned ButtonBits(Qt::MouseButtons buttons) {
    unsigned bits = 0;
    if (buttons & Qt::LeftButton) bits |= kLeftButton;
    if (buttons & Qt::RightButton) bits |= kRightButton;
    if (buttons & Qt::MiddleButton) bits |= kMiddleButton;
    // Any other button still makes the state "not exactly the left button".
    if (buttons & ~(Qt::LeftButton | Qt::RightButton | Qt::MiddleButton)) bits |= kMiddleButton << 1;
    return bits;
}

}  // namespace

void UrlDropBox::dragEnterEvent(QDragEnterEvent* event) {
    if (!event->mimeData()->hasFormat(QStringLiteral("text/plain")) && event->mimeData()->hasUrls()) {
        event->acceptProposedAction();
        return;
    }
    QLineEdit::dragEnterEvent(event);
}

void UrlDropBox::dragMoveEvent(QDragMoveEvent* event) {
    if (!event->mimeData()->hasFormat(QStringLiteral("text/plain")) && event->mimeData()->hasUrls()) {
        event->acceptProposedAction();
        return;
    }
    QLineEdit::dragMoveEvent(event);
}

void UrlDropBox::dropEvent(QDropEvent* event) {
    const QMimeData* data = event->mimeData();
    if (!data->hasFormat(QStringLiteral("text/plain")) && !data->urls().isEmpty()) {
        insert(data->urls().constFirst().toString());
        event->acceptProposedAction();
        return;
    }
    QLineEdit::dropEvent(event);
}

frmMain::frmMain(const Context& ctx, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QString::fromStdString(ctx.app.programName));
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        m_dpiX = screen->logicalDotsPerInchX();
        m_dpiY = screen->logicalDotsPerInchY();
    }
    for (int i = 0; i < kButtonPictureCount; ++i) BButton[static_cast<std::size_t>(i)] = ButtonPicture(i);
    for (int i = 0; i < kHelpPictureCount; ++i) ImageHelpPics[static_cast<std::size_t>(i)] = HelpPicture(i);

    setAutoFillBackground(true);
    QPalette surface = palette();
    surface.setColor(QPalette::Window, QColor(kButtonFace.red, kButtonFace.green, kButtonFace.blue));
    setPalette(surface);
    setFont(StripFont());
    // Moves without a button reach the surface too: they pull an off-screen strip back.
    setMouseTracking(true);

    CommandWeb =
        MakeButton(this, "CommandWeb", QString(), kCommandWebTooltip, kCommandWebLeft, kButtonWidthPixels);
    const int pictureSize = PxX(kButtonWidthPixels) - 2;
    CommandWeb->setIconSize(QSize(pictureSize, pictureSize));
    CommandWeb->setIcon(QIcon(BButton[kPictureWebHidden]));
    connect(CommandWeb, &QPushButton::clicked, this, [this] {
        if (m_logic != nullptr) m_logic->CommandWebClick();
    });

    TextMain = new QLineEdit(this);
    TextMain->setObjectName(QStringLiteral("TextMain"));
    TextMain->setGeometry(PxX(kTextMainLeft), 0, PxX(kTextMainWidth), PxY(kStripHeightPixels));
    TextMain->setStyleSheet(LineEditStyle(QStringLiteral("TextMain"), CssColour(kTextMainBack)));
    TextMain->installEventFilter(this);
    m_box = TextMainBox(TextMain);
    connect(TextMain, &QLineEdit::textChanged, this, [this](const QString& text) { TextMainChanged(text); });

    for (int i = 0; i < kMenuCount; ++i) {
        const auto index = static_cast<std::size_t>(i);
        CommandMenu[index] = MakeButton(this, "CommandMenu", QString::fromUtf8(kMenuGlyphs[index]),
                                        kCommandMenuTooltips[index], CommandMenuLeft(i), kButtonWidthPixels);
        CommandMenu[index]->setProperty("Index", i);
        connect(CommandMenu[index], &QPushButton::clicked, this, [this, i] {
            if (m_logic != nullptr) m_logic->CommandMenuClick(i);
        });
    }

    CommandMin = MakeButton(this, "CommandMin", QString::fromUtf8(kCommandMinCaption), kCommandMinTooltip,
                            kCommandMinLeft, kButtonWidthPixels);
    CommandExit = MakeButton(this, "CommandExit", QString::fromUtf8(kCommandExitCaption), kCommandExitTooltip,
                             kCommandExitLeft, kButtonWidthPixels);
    connect(CommandMin, &QPushButton::clicked, this, [this] {
        if (m_logic != nullptr) m_logic->CommandMinClick();
    });
    connect(CommandExit, &QPushButton::clicked, this, [this] {
        if (m_logic != nullptr) {
            m_logic->CommandExitClick();
        } else {
            close();
        }
    });

    BuildAddUrlBox();

    TimerOnTop = new QTimer(this);
    TimerOnTop->setObjectName(QStringLiteral("TimerOnTop"));
    TimerOnTop->setInterval(kTimerIntervalMs);
    connect(TimerOnTop, &QTimer::timeout, this, [this] {
        if (m_logic != nullptr) m_logic->TimerOnTopTick();
    });
    TimerWatchOnTop = new QTimer(this);
    TimerWatchOnTop->setObjectName(QStringLiteral("TimerWatchOnTop"));
    TimerWatchOnTop->setInterval(kTimerIntervalMs);
    connect(TimerWatchOnTop, &QTimer::timeout, this, [this] {
        if (m_logic != nullptr) m_logic->TimerWatchOnTopTick();
    });

    setFixedSize(NarrowRightPixels(m_dpiX), PxY(kStripHeightPixels));
    setFocusProxy(TextMain);
}

void frmMain::BuildAddUrlBox() {
    FrameWeb = new QFrame(this);
    FrameWeb->setObjectName(QStringLiteral("FrameWeb"));
    FrameWeb->setGeometry(FrameWebLeftPixels(m_dpiX), 0, PxX(kFrameWebWidth), PxY(kStripHeightPixels));
    // A frame is a control of its own: the mouse over it does not drag the strip.
    FrameWeb->setAttribute(Qt::WA_NoMousePropagation);
    FrameWeb->hide();

    auto* caption = new QLabel(QString::fromUtf8(kFrameWebCaption), FrameWeb);
    caption->setObjectName(QStringLiteral("LabelWeb"));
    caption->setGeometry(PxX(kLabelWebLeft), 0, PxX(kLabelWebWidth), PxY(kStripHeightPixels));
    caption->setAlignment(Qt::AlignCenter);
    caption->setFont(StripFont(false));

    TextWebUrl = new UrlDropBox(FrameWeb);
    TextWebUrl->setObjectName(QStringLiteral("TextWebUrl"));
    TextWebUrl->setGeometry(PxX(kTextWebUrlLeft), 0, PxX(kTextWebUrlWidth), PxY(kStripHeightPixels));
    TextWebUrl->setStyleSheet(LineEditStyle(QStringLiteral("TextWebUrl"), QStringLiteral("palette(base)")));
    TextWebUrl->setFont(StripFont(false));
    TextWebUrl->setAcceptDrops(true);
    TextWebUrl->installEventFilter(this);
    connect(TextWebUrl, &QLineEdit::textChanged, this, [this] {
        if (m_logic != nullptr) m_logic->TextWebUrlChange();
    });

    auto* nameLabel = new QLabel(QString::fromUtf8(kLabelWebNameCaption), FrameWeb);
    nameLabel->setObjectName(QStringLiteral("LabelWebName"));
    nameLabel->setGeometry(PxX(kLabelWebNameLeft), 0, PxX(kLabelWebNameWidth), PxY(kStripHeightPixels));
    nameLabel->setAlignment(Qt::AlignCenter);
    nameLabel->setFont(StripFont(false));

    TextWebName = new QLineEdit(FrameWeb);
    TextWebName->setObjectName(QStringLiteral("TextWebName"));
    TextWebName->setGeometry(PxX(kTextWebNameLeft), 0, PxX(kTextWebNameWidth), PxY(kStripHeightPixels));
    TextWebName->setStyleSheet(LineEditStyle(QStringLiteral("TextWebName"), QStringLiteral("palette(base)")));
    TextWebName->setFont(StripFont(false));
    TextWebName->setEnabled(false);
    TextWebName->installEventFilter(this);
    connect(TextWebName, &QLineEdit::textChanged, this, [this] {
        if (m_logic != nullptr) m_logic->TextWebNameChange();
    });
    connect(TextWebName, &QLineEdit::returnPressed, this, [this] {
        if (m_logic != nullptr) m_logic->TextWebNameEnter();
    });

    CommandAddWeb = new QPushButton(QString::fromUtf8(kCommandAddWebCaption), FrameWeb);
    CommandAddWeb->setObjectName(QStringLiteral("CommandAddWeb"));
    CommandAddWeb->setFocusPolicy(Qt::NoFocus);
    CommandAddWeb->setGeometry(PxX(kCommandAddWebLeft), 0, PxX(kCommandAddWebWidth), PxY(kStripHeightPixels));
    CommandAddWeb->setStyleSheet(PictureButtonStyle(kPictureUp, kPicturePressed, kPictureDisabled) +
                                 QStringLiteral("QPushButton#CommandAddWeb { padding: 0; }"));
    CommandAddWeb->setEnabled(false);
    connect(CommandAddWeb, &QPushButton::clicked, this, [this] {
        if (m_logic != nullptr) m_logic->CommandAddWebClick();
    });

    FrameAddedInfo = new QLabel(QString::fromUtf8(kSiteAddedInfo), FrameWeb);
    FrameAddedInfo->setObjectName(QStringLiteral("FrameAddedInfo"));
    FrameAddedInfo->setGeometry(PxX(kAddedInfoLeft), 0, PxX(kAddedInfoWidth), PxY(kStripHeightPixels));
    FrameAddedInfo->setAlignment(Qt::AlignCenter);
    FrameAddedInfo->setFont(StripFont(false));
    FrameAddedInfo->setStyleSheet(
        QStringLiteral("QLabel#FrameAddedInfo { background: rgb(255, 250, 205); color: rgb(0, 90, 20);"
                       " border: 1px solid rgb(150, 140, 60); }"));
    FrameAddedInfo->setCursor(Qt::PointingHandCursor);
    FrameAddedInfo->installEventFilter(this);
    FrameAddedInfo->hide();
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

int frmMain::PxX(int designPixels) const {
    return ScaledPixels(designPixels, m_dpiX);
}

int frmMain::PxY(int designPixels) const {
    return ScaledPixels(designPixels, m_dpiY);
}

QPushButton* frmMain::MakeButton(QWidget* parent, const char* objectName, const QString& caption,
                                 const char* tooltip, int left, int width) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setToolTip(QString::fromUtf8(tooltip));
    button->setFocusPolicy(Qt::NoFocus);
    button->setGeometry(PxX(left), 0, PxX(width), PxY(kStripHeightPixels));
    button->setStyleSheet(
        QStringLiteral("QPushButton { background: %1; border: 1px outset rgb(224, 224, 224); padding: 0; }"
                       "QPushButton:pressed { border-style: inset; }")
            .arg(CssColour(kButtonFace)));
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

ScreenMetrics frmMain::Screen() const {
    ScreenMetrics metrics;
    metrics.twipsPerPixelX = TwipsPerPixel(m_dpiX);
    metrics.twipsPerPixelY = TwipsPerPixel(m_dpiY);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        metrics.widthTwips = PixelsToTwips(screen->geometry().width(), m_dpiX);
        metrics.heightTwips = PixelsToTwips(screen->geometry().height(), m_dpiY);
    }
    return metrics;
}

TwipsPoint frmMain::StripPosition() const {
    if (m_placed && pos() == m_placedPixels) return m_placedTwips;
    return {PixelsToTwips(x(), m_dpiX), PixelsToTwips(y(), m_dpiY)};
}

void frmMain::MoveStrip(TwipsPoint position) {
    m_placedPixels = QPoint(TwipsToPixels(position.left, m_dpiX), TwipsToPixels(position.top, m_dpiY));
    m_placedTwips = position;
    m_placed = true;
    move(m_placedPixels);
}

void frmMain::SetStripSize(int widthTwips, int heightTwips) {
    setFixedSize(TwipsToPixels(widthTwips, m_dpiX), TwipsToPixels(heightTwips, m_dpiY));
}

void frmMain::ShowFrameWeb(bool shown) {
    FrameWeb->setVisible(shown);
}

void frmMain::SetCommandWebPicture(bool boxShown) {
    CommandWeb->setIcon(QIcon(BButton[boxShown ? kPictureWebShown : kPictureWebHidden]));
}

void frmMain::ShowRunButton(bool shown) {
    CommandMenu[kRunMenuIndex]->setVisible(shown);
}

void frmMain::SetMenuCaption(int index, const std::string& caption) {
    if (index < 0 || index >= kMenuCount) return;
    CommandMenu[static_cast<std::size_t>(index)]->setText(QString::fromStdString(caption));
}

std::string frmMain::InstructionText() const {
    return TextMain->text().toStdString();
}

void frmMain::SetInstructionText(const std::string& text) {
    TextMain->setText(QString::fromStdString(text));
}

void frmMain::SelectInstructionText() {
    TextMain->selectAll();
}

void frmMain::FocusTextMain() {
    TextMain->setFocus();
    // The keyboard comes back to the strip from a box the user was working in.
    if (isVisible() && !isMinimized() && !isActiveWindow()) activateWindow();
}

std::string frmMain::WebUrl() const {
    return TextWebUrl->text().toStdString();
}

std::string frmMain::WebName() const {
    return TextWebName->text().toStdString();
}

void frmMain::SetWebUrl(const std::string& text) {
    const QSignalBlocker quiet(TextWebUrl);
    TextWebUrl->setText(QString::fromStdString(text));
}

void frmMain::SetWebName(const std::string& text) {
    const QSignalBlocker quiet(TextWebName);
    TextWebName->setText(QString::fromStdString(text));
}

void frmMain::EnableWebName(bool enabled) {
    TextWebName->setEnabled(enabled);
}

void frmMain::EnableAddWeb(bool enabled) {
    CommandAddWeb->setEnabled(enabled);
}

void frmMain::FocusWebName() {
    TextWebName->setFocus();
}

void frmMain::ShowAddedInfo(bool shown) {
    FrameAddedInfo->setVisible(shown);
    if (shown) FrameAddedInfo->raise();
}

void frmMain::SetTimerOnTop(bool enabled) {
    // Enabling a running timer keeps its rhythm, as re-enabling it did on the original.
    if (!enabled) {
        TimerOnTop->stop();
    } else if (!TimerOnTop->isActive()) {
        TimerOnTop->start();
    }
}

void frmMain::SetTimerWatchOnTop(bool enabled) {
    if (!enabled) {
        TimerWatchOnTop->stop();
    } else if (!TimerWatchOnTop->isActive()) {
        TimerWatchOnTop->start();
    }
}

void frmMain::MakeTopmost() {
    // Changing the hint on the window handle (not the widget) keeps the window mapped: no flicker.
    if (QWindow* handle = windowHandle()) {
        if (!handle->flags().testFlag(Qt::WindowStaysOnTopHint))
            handle->setFlag(Qt::WindowStaysOnTopHint, true);
    }
    raise();
}

void frmMain::MakeNotTopmost() {
    if (QWindow* handle = windowHandle()) {
        if (handle->flags().testFlag(Qt::WindowStaysOnTopHint))
            handle->setFlag(Qt::WindowStaysOnTopHint, false);
    }
}

void frmMain::StartSystemMove() {
    if (QWindow* handle = windowHandle(); handle != nullptr && handle->startSystemMove()) return;
    m_manualDrag = true;
    m_dragOffset = m_lastPressGlobal - pos();
}

void frmMain::MinimizeStrip() {
    showMinimized();
}

bool frmMain::IsMinimized() const {
    return isMinimized();
}

void frmMain::CloseStrip() {
    close();
}

bool frmMain::HandleFunctionKey(const QKeyEvent* key) {
    if (key->isAutoRepeat() || key->key() < Qt::Key_F1 || key->key() > Qt::Key_F12) return false;
    if (m_logic != nullptr) m_logic->FunctionKey(key->key() - Qt::Key_F1 + 1);
    return true;
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    // Function keys act on release in every text box of the strip.
    if ((watched == TextMain || watched == TextWebUrl || watched == TextWebName) &&
        event->type() == QEvent::KeyRelease && HandleFunctionKey(static_cast<QKeyEvent*>(event))) {
        return true;
    }
    if (watched == TextMain && event->type() == QEvent::KeyPress) {
        return HandleTextMainKey(static_cast<QKeyEvent*>(event));
    }
    if (watched == TextMain && event->type() == QEvent::MouseButtonDblClick && m_interpreter != nullptr) {
        m_interpreter->OnDoubleClick();
        return true;
    }
    if (watched == FrameAddedInfo && event->type() == QEvent::MouseButtonPress) {
        if (m_logic != nullptr) m_logic->FrameAddedInfoClick();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void frmMain::keyReleaseEvent(QKeyEvent* event) {
    if (!HandleFunctionKey(event)) QWidget::keyReleaseEvent(event);
}

void frmMain::SurfaceMouse(const QMouseEvent* event) {
    if (m_logic != nullptr) m_logic->SurfaceMouse(ButtonBits(event->buttons()));
}

void frmMain::mousePressEvent(QMouseEvent* event) {
    m_lastPressGlobal = event->globalPosition().toPoint();
    SurfaceMouse(event);
}

void frmMain::mouseMoveEvent(QMouseEvent* event) {
    if (m_manualDrag) {
        if (event->buttons() == Qt::LeftButton) {
            move(event->globalPosition().toPoint() - m_dragOffset);
            return;
        }
        m_manualDrag = false;
    }
    m_lastPressGlobal = event->globalPosition().toPoint();
    SurfaceMouse(event);
}

void frmMain::mouseReleaseEvent(QMouseEvent* event) {
    if (m_manualDrag) {
        // The drag has ended: now the strip is kept on screen, as after the system's move loop.
        m_manualDrag = false;
        if (m_logic != nullptr) m_logic->KeepStripOnScreen();
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

void frmMain::closeEvent(QCloseEvent* event) {
    event->accept();
    if (m_onClosing) {
        const auto handler = std::exchange(m_onClosing, nullptr);
        const TwipsPoint position = StripPosition();
        handler(position.top, position.left);
    }
    // Closing the strip by any means ends the program and every other window with it.
    QApplication::quit();
}

}  // namespace orbilo
