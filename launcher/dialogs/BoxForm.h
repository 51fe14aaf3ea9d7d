// What the two box forms share: a tool window beside the strip that never takes the keyboard
// when shown, is laid out in twips, and counts closing its window as its Cancel.
#pragma once

#include <QRect>
#include <QWidget>
#include <functional>

#include "dialogs/BoxFrames.h"

class QGroupBox;
class QLabel;
class QPushButton;

namespace orbilo {

class BoxForm : public QWidget {
  public:
    explicit BoxForm(const char* objectName, QWidget* parent = nullptr);

    // Runs when the box closes itself: its Cancel button or its window's close button.
    void SetCancelHandler(std::function<void()> handler) { m_onCancel = std::move(handler); }

  protected:
    int PxX(int twips) const;
    int PxY(int twips) const;
    QRect Px(const FrameRect& frame) const;
    // Titles, sizes (the form's width is fixed) and places the form, then shows it.
    void ShowPlaced(const std::string& title, int widthTwips, int heightTwips, int leftTwips, int topTwips);
    QGroupBox* MakeFrame(QWidget* parent, const char* objectName, const char* caption,
                         const FrameRect& place);
    // A picture button of BButton's faces with its caption label on it.
    QPushButton* MakePictureButton(QWidget* parent, const char* objectName, QLabel*& label,
                                   const char* labelName, const char* caption);
    void Cancel();
    void closeEvent(QCloseEvent* event) override;

  private:
    double m_dpiX = 96.0;
    double m_dpiY = 96.0;
    std::function<void()> m_onCancel;
};

}  // namespace orbilo
