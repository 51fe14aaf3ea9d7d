// Simple (one character to one character) lower-case mapping over UTF-8, as the Unicode tables
// give it for the scripts named in the header.
#include "format/TextCase.h"

#include <cstddef>

namespace orbilo {
namespace {

constexpr bool IsEven(char32_t c) {
    return c % 2 == 0;
}

constexpr bool InRange(char32_t c, char32_t first, char32_t last) {
    return c >= first && c <= last;
}

// Blocks where capitals and small letters alternate, capital first, from an even code point.
constexpr bool IsPairedCapital(char32_t c) {
    return IsEven(c) &&
           (InRange(c, 0x0100, 0x012F) || InRange(c, 0x0132, 0x0137) || InRange(c, 0x014A, 0x0177) ||
            InRange(c, 0x03D8, 0x03EF) || InRange(c, 0x0460, 0x0481) || InRange(c, 0x048A, 0x04BF) ||
            InRange(c, 0x04D0, 0x052F) || InRange(c, 0x1E00, 0x1E95) || InRange(c, 0x1EA0, 0x1EFF));
}

// The same, where the pairs start on an odd code point.
constexpr bool IsOddPairedCapital(char32_t c) {
    return !IsEven(c) &&
           (InRange(c, 0x0139, 0x0148) || InRange(c, 0x0179, 0x017E) || InRange(c, 0x04C1, 0x04CE));
}

char32_t ToLower(char32_t c) {
    if (c < 0x80) return InRange(c, U'A', U'Z') ? c + 32 : c;
    if (InRange(c, 0x00C0, 0x00DE)) return c == 0x00D7 ? c : c + 32;  // U+00D7 is the sign ×
    if (IsPairedCapital(c) || IsOddPairedCapital(c)) return c + 1;
    switch (c) {
        case 0x0130:
            return U'i';  // İ: the dotted capital of Turkish
        case 0x0178:
            return 0x00FF;
        case 0x0370:
        case 0x0372:
        case 0x0376:
            return c + 1;
        case 0x037F:
            return 0x03F3;
        case 0x0386:
            return 0x03AC;
        case 0x038C:
            return 0x03CC;
        case 0x038E:
        case 0x038F:
            return c + 63;
        case 0x03CF:
            return 0x03D7;
        case 0x03F4:
            return 0x03B8;
        case 0x03F7:
            return 0x03F8;
        case 0x03F9:
            return 0x03F2;
        case 0x03FA:
            return 0x03FB;
        case 0x04C0:
            return 0x04CF;
        case 0x1E9E:
            return 0x00DF;  // capital sharp s
        case 0x2126:
            return 0x03C9;  // Ohm sign
        case 0x212A:
            return U'k';  // Kelvin sign
        case 0x212B:
            return 0x00E5;  // Angstrom sign
        default:
            break;
    }
    if (InRange(c, 0x0388, 0x038A)) return c + 37;
    if (InRange(c, 0x0391, 0x03AB) && c != 0x03A2) return c + 32;
    if (InRange(c, 0x03FD, 0x03FF)) return c - 0x82;
    if (InRange(c, 0x0400, 0x040F)) return c + 80;
    if (InRange(c, 0x0410, 0x042F)) return c + 32;
    if (InRange(c, 0x0531, 0x0556)) return c + 48;
    if (InRange(c, 0xFF21, 0xFF3A)) return c + 32;
    return c;
}

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Length of the well-formed sequence at position, or 0 when the byte there does not start one
// (stray continuation, overlong form, surrogate, beyond U+10FFFF, cut short).
std::size_t SequenceLength(std::string_view text, std::size_t position, char32_t& codePoint) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[position + i]); };
    const std::size_t left = text.size() - position;
    const unsigned char lead = byte(0);
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    }
    std::size_t length = 0;
    unsigned char secondLow = 0x80;
    unsigned char secondHigh = 0xBF;
    if (InRange(lead, 0xC2, 0xDF)) {
        length = 2;
        codePoint = lead & 0x1F;
    } else if (InRange(lead, 0xE0, 0xEF)) {
        length = 3;
        codePoint = lead & 0x0F;
        if (lead == 0xE0) secondLow = 0xA0;
        if (lead == 0xED) secondHigh = 0x9F;
    } else if (InRange(lead, 0xF0, 0xF4)) {
        length = 4;
        codePoint = lead & 0x07;
        if (lead == 0xF0) secondLow = 0x90;
        if (lead == 0xF4) secondHigh = 0x8F;
    } else {
        return 0;
    }
    if (left < length || !InRange(byte(1), secondLow, secondHigh)) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if (!IsContinuation(byte(i))) return 0;
        codePoint = (codePoint << 6) | (byte(i) & 0x3F);
    }
    return length;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace

std::string LowerCased(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t position = 0;
    while (position < utf8.size()) {
        char32_t codePoint = 0;
        const std::size_t length = SequenceLength(utf8, position, codePoint);
        if (length == 0) {
            out += utf8[position++];
            continue;
        }
        const char32_t lower = ToLower(codePoint);
        if (lower == codePoint) {
            out.append(utf8.substr(position, length));
        } else {
            AppendUtf8(out, lower);
        }
        position += length;
    }
    return out;
}

}  // namespace orbilo
