// Lower-casing for comparisons that ignore letter case: Launch Names, Codes and predefined names.
// Works on UTF-8 text with the standard library alone.
#pragma once

#include <string>
#include <string_view>

namespace orbilo {

// The text with every upper-case letter of the scripts our users type replaced by its lower-case
// form: ASCII, Latin-1 Supplement, Latin Extended-A, Latin Extended Additional, Greek, Cyrillic,
// Armenian and fullwidth Latin. Other characters, and bytes that are not valid UTF-8, are kept as
// they are, so a damaged name still compares equal to itself.
std::string LowerCased(std::string_view utf8);

}  // namespace orbilo
