#include "format/Utf8.h"

namespace orbilo {
namespace {

// Bytes of the character at position. A byte that begins no complete UTF-8 sequence counts as a
// character of its own, so damaged text still gives positions inside it.
std::size_t CharacterBytes(std::string_view text, std::size_t position) {
    const auto lead = static_cast<unsigned char>(text[position]);
    std::size_t length = 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
    }
    if (length == 1 || position + length > text.size()) return 1;
    for (std::size_t i = 1; i < length; ++i) {
        if ((static_cast<unsigned char>(text[position + i]) & 0xC0) != 0x80) return 1;
    }
    return length;
}

}  // namespace

std::size_t CodePointCount(std::string_view utf8) {
    std::size_t count = 0;
    for (std::size_t position = 0; position < utf8.size(); position += CharacterBytes(utf8, position))
        ++count;
    return count;
}

std::size_t CodePointOffset(std::string_view utf8, std::size_t index) {
    std::size_t position = 0;
    for (std::size_t i = 0; i < index && position < utf8.size(); ++i)
        position += CharacterBytes(utf8, position);
    return position;
}

}  // namespace orbilo
