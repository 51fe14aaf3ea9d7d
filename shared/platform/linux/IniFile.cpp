// Parsing and writing the settings store's INI text.
#include "platform/linux/IniFile.h"

#include <algorithm>
#include <cstdio>

namespace orbilo::platform {
namespace {

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualCaseBlind(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

void AppendHex(std::string& out, char c) {
    char text[5];
    std::snprintf(text, sizeof text, "\\x%02X", static_cast<unsigned char>(c));
    out += text;
}

// Shared by the const and non-const lookups.
template <typename Sections>
auto* SectionIn(Sections& sections, std::string_view name) {
    decltype(&sections.front()) found = nullptr;
    for (auto& section : sections) {
        if (section.headed && EqualCaseBlind(section.name, name)) return &section;
    }
    return found;
}

// With duplicate keys in a hand-edited file the last one counts, as it would when read in order.
template <typename Section>
auto* LineIn(Section& section, std::string_view key) {
    decltype(&section.lines.front()) found = nullptr;
    for (auto& line : section.lines) {
        if (!line.comment && EqualCaseBlind(line.key, key)) found = &line;
    }
    return found;
}

}  // namespace

std::string IniFile::EscapeValue(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string IniFile::EscapeKey(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '=' || (i == 0 && (c == '[' || c == ';' || c == '#'))) {
            AppendHex(out, c);
        } else {
            out += EscapeValue(text.substr(i, 1));
        }
    }
    return out;
}

std::string IniFile::Unescape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 >= text.size()) {
            out += text[i];
            continue;
        }
        const char next = text[i + 1];
        if (next == '\\' || next == 'n' || next == 'r') {
            out += next == 'n' ? '\n' : (next == 'r' ? '\r' : '\\');
            ++i;
        } else if (next == 'x' && i + 3 < text.size() && HexDigit(text[i + 2]) >= 0 &&
                   HexDigit(text[i + 3]) >= 0) {
            out += static_cast<char>(HexDigit(text[i + 2]) * 16 + HexDigit(text[i + 3]));
            i += 3;
        } else {
            out += text[i];
        }
    }
    return out;
}

IniFile IniFile::Parse(std::string_view text) {
    IniFile file;
    Section* current = nullptr;
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = std::min(text.find('\n', start), text.size());
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);  // edited on Windows
        if (line.empty()) continue;

        if (line.front() == '[' && line.size() >= 2 && line.back() == ']') {
            const std::string name = Unescape(line.substr(1, line.size() - 2));
            current = file.FindSection(name);
            if (current == nullptr) {
                file.m_sections.push_back(Section{true, name, {}});
                current = &file.m_sections.back();
            }
            continue;
        }
        Line parsed;
        if (line.front() == ';' || line.front() == '#') {
            parsed.comment = true;
            parsed.key = std::string(line);
        } else {
            const auto equals = line.find('=');
            if (equals == std::string_view::npos) continue;  // damaged
            parsed.key = Unescape(line.substr(0, equals));
            parsed.value = Unescape(line.substr(equals + 1));
        }
        if (current == nullptr) {
            file.m_sections.push_back(Section{false, {}, {}});
            current = &file.m_sections.back();
        }
        current->lines.push_back(std::move(parsed));
    }
    return file;
}

std::string IniFile::Serialize() const {
    std::string out;
    for (const auto& section : m_sections) {
        if (!out.empty()) out += '\n';
        if (section.headed) {
            // A ']' inside the name needs no escape: the header ends at the line's last ']'.
            out += '[' + EscapeValue(section.name) + "]\n";
        }
        for (const auto& line : section.lines) {
            if (line.comment) {
                out += line.key;
            } else {
                out += EscapeKey(line.key) + '=' + EscapeValue(line.value);
            }
            out += '\n';
        }
    }
    return out;
}

IniFile::Section* IniFile::FindSection(std::string_view name) {
    return SectionIn(m_sections, name);
}

const IniFile::Section* IniFile::FindSection(std::string_view name) const {
    return SectionIn(m_sections, name);
}

std::string IniFile::Get(std::string_view section, std::string_view key) const {
    const Section* found = FindSection(section);
    const auto* line = found == nullptr ? nullptr : LineIn(*found, key);
    return line == nullptr ? std::string() : line->value;
}

bool IniFile::Contains(std::string_view section, std::string_view key) const {
    const Section* found = FindSection(section);
    return found != nullptr && LineIn(*found, key) != nullptr;
}

void IniFile::Set(std::string_view section, std::string_view key, std::string_view value) {
    Section* found = FindSection(section);
    if (found == nullptr) {
        m_sections.push_back(Section{true, std::string(section), {}});
        found = &m_sections.back();
    }
    if (auto* line = LineIn(*found, key)) {
        line->value = std::string(value);
        return;
    }
    found->lines.push_back(Line{false, std::string(key), std::string(value)});
}

bool IniFile::Remove(std::string_view section, std::string_view key) {
    Section* found = FindSection(section);
    if (found == nullptr) return false;
    const auto removed = std::erase_if(
        found->lines, [key](const Line& line) { return !line.comment && EqualCaseBlind(line.key, key); });
    return removed != 0;
}

}  // namespace orbilo::platform
