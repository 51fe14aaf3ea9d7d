// The rules of the name box in the name prompt: which typed keys it takes, when OK may be
// pressed, and what Enter means.
#pragma once

#include <string>

namespace orbilo {

// The keys the name box tells apart. Keys that type nothing (cursor keys, Delete, Tab, Esc) are
// not subject to these rules and keep their usual meaning.
enum class NameKeyKind { Backspace, Enter, Character };

enum class NameKeyAction { Accept, Discard, Ok, Cancel };

// What the name box does with one key, given the text it holds before the key.
NameKeyAction NameBoxKeyAction(NameKeyKind kind, char32_t character, const std::string& text);

bool IsNameLetter(char32_t character);
// True when every character is a letter A to Z or a to z (also for an empty text).
bool IsNameText(const std::string& text);
bool NameBoxOkEnabled(const std::string& text);

}  // namespace orbilo
