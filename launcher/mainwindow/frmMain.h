// The strip: the Add URL button, the instruction box TextMain, the seven box buttons, the
// minimise and exit buttons. It draws the context's state and forwards events to logic.
#pragma once

#include <QWidget>
#include <array>
#include <functional>

#include "interpreter/InstructionBox.h"
#include "mainwindow/StripCommands.h"
#include "mainwindow/StripKeys.h"
#include "mainwindow/StripLayout.h"
#include "startup/Context.h"

class QLineEdit;
class QPushButton;

namespace orbilo {

class Autocompletion;
class Interpreter;

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

class frmMain : public QWidget, public StripCommands {
  public:
    explicit frmMain(Context& ctx, QWidget* parent = nullptr);

    // Shows the strip and asks for the keyboard, as a start or an activation from another
    // instance does.
    void ShowStrip();
    // Restores a minimised strip, raises it and gives it the keyboard.
    void BringForward();
    // The instruction box's logic: its keys go to the interpreter, its changes to autocompletion.
    void Attach(Interpreter& interpreter, Autocompletion& completion);
    InstructionBox& Box() { return m_box; }

    void ClickMenu(int index) override;
    void ClickMinimize() override;

    // Called once when the strip closes, with its position in twips, before the program ends.
    void SetClosingHandler(std::function<void(int topTwips, int leftTwips)> handler) {
        m_onClosing = std::move(handler);
    }

    QLineEdit* TextMain = nullptr;
    QPushButton* CommandWeb = nullptr;
    std::array<QPushButton*, kMenuCount> CommandMenu{};
    QPushButton* CommandMin = nullptr;
    QPushButton* CommandExit = nullptr;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    int Px(int designPixels) const;
    QPushButton* MakeButton(const char* objectName, const QString& caption, const char* tooltip, int left);
    bool HandleFunctionKey(int qtKey);
    bool HandleTextMainKey(QKeyEvent* key);
    void TextMainChanged(const QString& text);
    void Act(const StripKey& key);

    Context& m_ctx;
    double m_scale = 1.0;
    double m_twipsPerPixel = 15.0;
    std::function<void(int, int)> m_onClosing;
    TextMainBox m_box{nullptr};
    Interpreter* m_interpreter = nullptr;
    Autocompletion* m_completion = nullptr;
    bool m_applyingCompletion = false;
};

}  // namespace orbilo
