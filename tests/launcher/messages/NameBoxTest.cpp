// The name box's key rules and when its OK may be pressed.
#include <gtest/gtest.h>

#include "messages/NameBox.h"

namespace orbilo {
namespace {

TEST(NameBoxTest, KeysAreTakenDiscardedOrAnswer) {
    const struct {
        NameKeyKind kind;
        char32_t character;
        const char* text;
        NameKeyAction action;
    } cases[] = {
        {NameKeyKind::Character, U'A', "", NameKeyAction::Accept},
        {NameKeyKind::Character, U'Z', "An", NameKeyAction::Accept},
        {NameKeyKind::Character, U'a', "", NameKeyAction::Accept},
        {NameKeyKind::Character, U'z', "An", NameKeyAction::Accept},
        {NameKeyKind::Character, U' ', "Ann", NameKeyAction::Discard},
        {NameKeyKind::Character, U'2', "Ann", NameKeyAction::Discard},
        {NameKeyKind::Character, U'@', "", NameKeyAction::Discard},  // just below A
        {NameKeyKind::Character, U'[', "", NameKeyAction::Discard},  // just above Z
        {NameKeyKind::Character, U'`', "", NameKeyAction::Discard},  // just below a
        {NameKeyKind::Character, U'{', "", NameKeyAction::Discard},  // just above z
        {NameKeyKind::Character, U'\u00e9', "", NameKeyAction::Discard},
        {NameKeyKind::Character, U'\x16', "", NameKeyAction::Discard},  // Ctrl+V
        {NameKeyKind::Backspace, 0, "Ann", NameKeyAction::Accept},
        {NameKeyKind::Backspace, 0, "", NameKeyAction::Accept},
        {NameKeyKind::Enter, 0, "Ann", NameKeyAction::Ok},
        {NameKeyKind::Enter, 0, "", NameKeyAction::Cancel},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(c.kind) << " U+" << std::hex
                                        << static_cast<unsigned>(c.character) << " in '" << c.text << "'");
        EXPECT_EQ(NameBoxKeyAction(c.kind, c.character, c.text), c.action);
    }
}

TEST(NameBoxTest, OkNeedsANameAndNamesAreLettersOnly) {
    EXPECT_FALSE(NameBoxOkEnabled(""));
    EXPECT_TRUE(NameBoxOkEnabled("A"));
    EXPECT_TRUE(IsNameText("Ann"));
    EXPECT_TRUE(IsNameText(""));
    EXPECT_FALSE(IsNameText("Ann 2"));
    EXPECT_FALSE(IsNameText("Zo\xc3\xab"));  // UTF-8 for a letter outside A to Z
}

}  // namespace
}  // namespace orbilo
