// The name box takes letters only: the name addresses the user in every message and titles the
// dialog, so it is kept to plain alphabets.
#include "messages/NameBox.h"

#include <algorithm>

namespace orbilo {

bool IsNameLetter(char32_t character) {
    return (character >= U'A' && character <= U'Z') || (character >= U'a' && character <= U'z');
}

bool IsNameText(const std::string& text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return IsNameLetter(static_cast<unsigned char>(c)); });
}

bool NameBoxOkEnabled(const std::string& text) {
    return !text.empty();
}

NameKeyAction NameBoxKeyAction(NameKeyKind kind, char32_t character, const std::string& text) {
    switch (kind) {
        case NameKeyKind::Backspace:
            return NameKeyAction::Accept;
        case NameKeyKind::Enter:
            return text.empty() ? NameKeyAction::Cancel : NameKeyAction::Ok;
        case NameKeyKind::Character:
            return IsNameLetter(character) ? NameKeyAction::Accept : NameKeyAction::Discard;
    }
    return NameKeyAction::Discard;
}

}  // namespace orbilo
