// The text form of the per-user settings store: "[section]" groups of "key=value" lines. Any
// text survives a round trip, and a damaged file reads as whatever whole entries it still has.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orbilo::platform {

class IniFile {
  public:
    // Never fails: lines that are neither a group header, an entry nor a comment are dropped.
    static IniFile Parse(std::string_view text);
    std::string Serialize() const;

    // Section and key names are compared case-blind (ASCII), as the Windows registry does; the
    // spelling first written is kept. An absent value gives empty text.
    std::string Get(std::string_view section, std::string_view key) const;
    bool Contains(std::string_view section, std::string_view key) const;
    void Set(std::string_view section, std::string_view key, std::string_view value);
    // False when there was nothing to remove.
    bool Remove(std::string_view section, std::string_view key);

    // Backslash, carriage return and line feed as \\, \r and \n; in keys also '=' and a leading
    // '[', ';' or '#' (as \xHH), which would change the meaning of the line.
    static std::string EscapeValue(std::string_view text);
    static std::string EscapeKey(std::string_view text);
    // Reverses both escapings; an unknown escape is kept as it stands.
    static std::string Unescape(std::string_view text);

  private:
    struct Line {
        bool comment = false;
        std::string key;  // unescaped; for a comment, the raw line
        std::string value;
    };
    struct Section {
        bool headed = true;  // false for lines before the first header
        std::string name;
        std::vector<Line> lines;
    };

    Section* FindSection(std::string_view name);
    const Section* FindSection(std::string_view name) const;

    std::vector<Section> m_sections;
};

}  // namespace orbilo::platform
