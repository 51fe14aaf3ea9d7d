// Counting in characters (Unicode code points) over UTF-8 text, as the instruction box counts.
#pragma once

#include <cstddef>
#include <string_view>

namespace orbilo {

// Number of code points; a byte that is not valid UTF-8 counts as one.
std::size_t CodePointCount(std::string_view utf8);
// Byte offset where the code point with the given index begins (the size when beyond the end).
std::size_t CodePointOffset(std::string_view utf8, std::size_t index);

}  // namespace orbilo
