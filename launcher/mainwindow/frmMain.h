// The strip: the Add URL button, the instruction box TextMain, the seven box buttons, the
// minimise and exit buttons. It draws the context's state and forwards events to logic.
#pragma once

#include <QWidget>
#include <array>
#include <functional>

#include "mainwindow/StripKeys.h"
#include "mainwindow/StripLayout.h"
#include "startup/Context.h"

class QLineEdit;
class QPushButton;

namespace orbilo {

class frmMain : public QWidget {
  public:
    explicit frmMain(Context& ctx, QWidget* parent = nullptr);

    // Shows the strip and asks for the keyboard, as a start or an activation from another
    // instance does.
    void ShowStrip();
    // Restores a minimised strip, raises it and gives it the keyboard.
    void BringForward();
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
    void Act(const StripKey& key);

    Context& m_ctx;
    double m_scale = 1.0;
    double m_twipsPerPixel = 15.0;
    std::function<void(int, int)> m_onClosing;
};

}  // namespace orbilo
