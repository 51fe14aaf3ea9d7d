// The modal message dialog as logic sees it: a filled view goes in, the user's answer comes
// out. The Qt dialog implements it; tests script it.
#pragma once

#include <string>

namespace orbilo {

struct MessageView {
    std::string title;
    std::string head;
    std::string text;  // lines joined with CR LF
    std::string okCaption;
    std::string cancelCaption;
    bool okEnabled = false;
    bool cancelEnabled = false;
    bool nameInput = false;  // shows the name box, which takes the focus
};

enum class MessageAnswer { Ok, Cancel };

struct MessageReply {
    MessageAnswer answer = MessageAnswer::Cancel;  // closing the dialog any other way is Cancel
    std::string input;                             // the name box's text
};

class MessageUi {
  public:
    virtual ~MessageUi() = default;
    virtual MessageReply ShowModal(const MessageView& view) = 0;
};

}  // namespace orbilo
