// A Messages object over an in-memory world: the program named as on Linux, no user name yet,
// a scripted dialog, and no main window (so no keep-on-top timer) unless a test adds one.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "FakeSettingsStore.h"
#include "FakeShell.h"
#include "RecordingFloating.h"
#include "RecordingMessageUi.h"
#include "messages/Messages.h"
#include "startup/Context.h"

namespace orbilo::test {

enum class Builder { Startup, Input, List, Plain, BugReport };

class MessagesFixture : public ::testing::Test {
  protected:
    MessagesFixture() {
        ctx.app.programName = "Orbilo";
        ctx.app.helpProgramName = "OrbiloHelp";
        ctx.app.executableSuffix = ".bin";
    }

    void Show(Builder builder, const std::string& messageId) {
        ctx.message.MessageID = messageId;
        switch (builder) {
            case Builder::Startup:
                messages.ShowStartupMessage();
                break;
            case Builder::Input:
                messages.ShowInputMessage();
                break;
            case Builder::List:
                messages.ShowListMessage();
                break;
            case Builder::Plain:
                messages.ShowPlainMessage();
                break;
            case Builder::BugReport:
                messages.ShowBugReport();
                break;
        }
    }

    // The user's name as the per-user store holds it; nothing when it was never saved.
    std::optional<std::string> StoredNickName() const {
        const auto it = store.values.find({"RavuVod", "NidraBhanga", "NickName"});
        if (it == store.values.end()) return std::nullopt;
        return it->second;
    }

    Context ctx;
    FakeSettingsStore store;
    FakeShell shell;
    RecordingMessageUi ui;
    RecordingFloating floating;
    Messages messages{ctx, store, shell, ui};
};

}  // namespace orbilo::test
