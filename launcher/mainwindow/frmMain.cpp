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
