// A message dialog that records every view it is asked to show and answers from a script
// (OK by default once the script is used up).
#pragma once

#include <deque>
#include <vector>

#include "messages/MessageUi.h"

namespace orbilo::test {

class ScriptedMessageUi : public MessageUi {
public:
    MessageReply ShowModal(const MessageView& view) override {
        shown.push_back(view);
        if (replies.empty()) return MessageReply{MessageAnswer::Ok, {}};
        MessageReply reply = replies.front();
        replies.pop_front();
        return reply;
    }

    std::deque<MessageReply> replies;
    std::vector<MessageView> shown;
};

}  // namespace orbilo::test
