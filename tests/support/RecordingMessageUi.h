// A scripted message dialog: records every view it is asked to show and answers from a queue
// (OK when the queue is empty).
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "messages/MessageUi.h"

namespace orbilo::test {

class RecordingMessageUi : public MessageUi {
  public:
    MessageReply ShowModal(const MessageView& view) override {
        views.push_back(view);
        if (onShow) onShow(view);
        if (replies.empty()) return MessageReply{MessageAnswer::Ok, ""};
        MessageReply reply = replies.front();
        replies.pop_front();
        return reply;
    }

    void AnswerOk(std::string input = "") { replies.push_back({MessageAnswer::Ok, std::move(input)}); }
    void AnswerCancel() { replies.push_back({MessageAnswer::Cancel, ""}); }

    std::vector<MessageView> views;
    std::deque<MessageReply> replies;
    // Runs while the dialog is "open", to look at the world at that moment.
    std::function<void(const MessageView&)> onShow;
};

}  // namespace orbilo::test
