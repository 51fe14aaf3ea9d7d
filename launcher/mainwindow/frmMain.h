// The strip: the Add URL button, the instruction box TextMain, the seven box buttons, the
// minimise and exit buttons and the Add URL box. It draws what its logic tells it and forwards
// every event to one logic call.
#pragma once

#include <QLineEdit>
#include <QPixmap>
#include <QPoint>
#include <QWidget>
#include <array>
#include <functional>

#include "interpreter/InstructionBox.h"
#include "mainwindow/StripLayout.h"
#include "mainwindow/StripPictures.h"
#include "mainwindow/StripView.h"
#include "startup/Context.h"

class QFrame;
class QLabel;
class QPushButton;
class QTimer;

namespace orbilo {

class Autocompletion;
class Interpreter;
class MainWindow;

// TextMain as the interpreter sees it.
class TextMainBox : public InstructionBox {
  public:
    explicit TextMainBox(QLineEdit* edit) : m_edit(edit) {}
    std::string Text() const override;
    void SetText(const std::string& text) override;
    void Focus() override;

  private:
    QLineEdit* m_edit;
};

// The URL box takes text dropped from a browser; a drop that brings only a list of addresses
// gives the first of them.
class UrlDropBox : public QLineEdit {
  public:
    using QLineEdit::QLineEdit;

  protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

class frmMain : public QWidget, public StripView {
  public:
    explicit frmMain(const Context& ctx, QWidget* parent = nullptr);

    // The window's rules; until it is set the strip only draws.
    void SetLogic(MainWindow& logic) { m_logic = &logic; }
    // The instruction box's logic: its keys go to the interpreter, its changes to autocompletion.
    void Attach(Interpreter& interpreter, Autocompletion& completion);
    InstructionBox& Box() { return m_box; }

    // Shows the strip and asks for the keyboard, as a start or an activation from another
    // instance does.
    void ShowStrip();
    // Restores a minimised strip, raises it and gives it the keyboard.
    void BringForward();

    // Called once when the strip closes, with its position in twips, before the program ends.
    void SetClosingHandler(std::function<void(int topTwips, int leftTwips)> handler) {
        m_onClosing = std::move(handler);
    }

    // StripView
    ScreenMetrics Screen() const override;
    TwipsPoint StripPosition() const override;
    void MoveStrip(TwipsPoint position) override;
    void SetStripSize(int widthTwips, int heightTwips) override;
    void ShowFrameWeb(bool shown) override;
    void SetCommandWebPicture(bool boxShown) override;
    void ShowRunButton(bool shown) override;
    void SetMenuCaption(int index, const std::string& caption) override;
    std::string InstructionText() const override;
    void SetInstructionText(const std::string& text) override;
    void SelectInstructionText() override;
    void FocusTextMain() override;
    std::string WebUrl() const override;
    std::string WebName() const override;
    void SetWebUrl(const std::string& text) override;
    void SetWebName(const std::string& text) override;
    void EnableWebName(bool enabled) override;
    void EnableAddWeb(bool enabled) override;
    void FocusWebName() override;
    void ShowAddedInfo(bool shown) override;
    void SetTimerOnTop(bool enabled) override;
    void SetTimerWatchOnTop(bool enabled) override;
    void MakeTopmost() override;
    void MakeNotTopmost() override;
    void StartSystemMove() override;
    void MinimizeStrip() override;
    bool IsMinimized() const override;
    void CloseStrip() override;

    QPushButton* CommandWeb = nullptr;
    QLineEdit* TextMain = nullptr;
    std::array<QPushButton*, kMenuCount> CommandMenu{};
    QPushButton* CommandMin = nullptr;
    QPushButton* CommandExit = nullptr;
    QFrame* FrameWeb = nullptr;
    UrlDropBox* TextWebUrl = nullptr;
    QLineEdit* TextWebName = nullptr;
    QPushButton* CommandAddWeb = nullptr;
    QLabel* FrameAddedInfo = nullptr;
    QTimer* TimerOnTop = nullptr;
    QTimer* TimerWatchOnTop = nullptr;
    // The hidden picture arrays.
    std::array<QPixmap, kButtonPictureCount> BButton;
    std::array<QPixmap, kHelpPictureCount> ImageHelpPics;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    int PxX(int designPixels) const;
    int PxY(int designPixels) const;
    QPushButton* MakeButton(QWidget* parent, const char* objectName, const QString& caption,
                            const char* tooltip, int left, int width);
    void BuildAddUrlBox();
    bool HandleFunctionKey(const QKeyEvent* key);
    bool HandleTextMainKey(QKeyEvent* key);
    void TextMainChanged(const QString& text);
    void SurfaceMouse(const QMouseEvent* event);

    double m_dpiX = kDesignDpi;
    double m_dpiY = kDesignDpi;
    std::function<void(int, int)> m_onClosing;
    TextMainBox m_box{nullptr};
    MainWindow* m_logic = nullptr;
    Interpreter* m_interpreter = nullptr;
    Autocompletion* m_completion = nullptr;
    bool m_applyingCompletion = false;
    // The last place the logic asked for, so a strip that was not moved since reports the
    // twips it was given rather than a rounded-back value.
    bool m_placed = false;
    TwipsPoint m_placedTwips;
    QPoint m_placedPixels;
    // Without a window manager to move the window, the strip follows the mouse itself.
    bool m_manualDrag = false;
    QPoint m_lastPressGlobal;
    QPoint m_dragOffset;
};

}  // namespace orbilo
