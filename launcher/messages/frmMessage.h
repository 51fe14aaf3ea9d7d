// The launcher's message dialog: shows one filled message modally and answers OK or Cancel.
// What each answer means is decided by the message logic, not here.
#pragma once

#include <QDialog>

#include "messages/MessageUi.h"

class QEvent;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace orbilo {

class frmMessage : public QDialog, public MessageUi {
  public:
    explicit frmMessage(QWidget* parent = nullptr);

    MessageReply ShowModal(const MessageView& view) override;

    // Fills the dialog for a message without showing it; the answer starts out as Cancel.
    void Fill(const MessageView& view);
    const MessageReply& Reply() const { return m_reply; }

    // Esc and the window's close button come here: they answer Cancel.
    void reject() override;

    QFrame* PictureMessage = nullptr;
    QLabel* LabelHead = nullptr;
    QLabel* LabelMessage = nullptr;
    QPushButton* CommandOK = nullptr;
    QLabel* LabelOK = nullptr;
    QPushButton* CommandCancel = nullptr;
    QLabel* LabelCancel = nullptr;
    QLineEdit* TextInput0 = nullptr;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void CommandOK_Click();
    void CommandCancel_Click();
    void TextInput0_Change();
    bool TextInput0_KeyPress(QEvent* event);

    MessageReply m_reply;
    bool m_nameInput = false;
};

}  // namespace orbilo
