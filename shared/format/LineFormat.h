// The line format of every data file of the suite: values separated by commas, text in double
// quotes (a quote inside doubled), numbers in plain decimal with a leading minus, each line
// ended by CR LF. Bytes pass through unchanged: the files are in the locale's character set,
// UTF-8 on current systems.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace orbilo {

inline constexpr std::string_view kLineEnd = "\r\n";

// A value as it is written: text goes in quotes, a number in plain digits.
using LineValue = std::variant<std::string, std::int64_t>;

std::string FormatText(std::string_view text);
// FormatText appended in place, for files of many lines.
void AppendText(std::string& out, std::string_view text);
std::string FormatNumber(std::int64_t number);
// The values joined by commas, followed by CR LF.
std::string FormatLine(const std::vector<LineValue>& values);

// Reads the values of a file in order, the way they were written. A value is ended by a comma,
// a line end (CR LF, or a lone LF from an editor) or the end of the file. Any value that does
// not parse leaves the reader failed: every later read answers nothing.
class LineReader {
  public:
    explicit LineReader(std::string_view content) : m_content(content) {}

    // The next value as text: a quoted value without its quotes (doubled quotes made single), or
    // an unquoted value as it stands.
    std::optional<std::string> ReadText();
    // The next value as a whole number; a quoted value or one that is not a plain decimal
    // integer fails the reader.
    std::optional<std::int64_t> ReadNumber();

    // True when every value has been read (only line ends or nothing left).
    bool AtEnd() const;
    bool Failed() const { return m_failed; }

  private:
    struct Raw {
        std::string text;
        bool quoted = false;
    };
    std::optional<Raw> ReadRaw();
    void SkipBlanks();
    bool EndValue();

    std::string_view m_content;
    std::size_t m_pos = 0;
    bool m_failed = false;
};

}  // namespace orbilo
