// The escaping and quoting rules of the Desktop Entry format.
#include "platform/linux/DesktopEntry.h"

#include <algorithm>

namespace orbilo::platform {
namespace {

constexpr std::string_view kReservedInExec = " \t\n\"'\\><~|&;$*?#()`";
constexpr std::string_view kEscapedInQuotes = "\"`$\\";

}  // namespace

std::string EscapeDesktopString(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        switch (text[i]) {
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\r':
                out += "\\r";
                break;
            case ' ':
                out += i == 0 ? "\\s" : " ";
                break;
            default:
                out += text[i];
        }
    }
    return out;
}

std::string UnescapeDesktopString(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 >= text.size()) {
            out += text[i];
            continue;
        }
        switch (text[++i]) {
            case 's':
                out += ' ';
                break;
            case 'n':
                out += '\n';
                break;
            case 't':
                out += '\t';
                break;
            case 'r':
                out += '\r';
                break;
            case '\\':
                out += '\\';
                break;
            default:  // not a string escape: it belongs to the value (Exec quoting, for one)
                out += '\\';
                out += text[i];
        }
    }
    return out;
}

std::string QuoteExecArgument(std::string_view argument) {
    std::string percentSafe;
    for (const char c : argument) {
        percentSafe += c;
        if (c == '%') percentSafe += '%';
    }
    const bool needsQuotes =
        argument.empty() || percentSafe.find_first_of(kReservedInExec) != std::string::npos;
    if (!needsQuotes) return percentSafe;
    std::string quoted = "\"";
    for (const char c : percentSafe) {
        if (kEscapedInQuotes.find(c) != std::string_view::npos) quoted += '\\';
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

std::optional<std::vector<std::string>> SplitExecValue(std::string_view exec) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    for (std::size_t i = 0; i < exec.size(); ++i) {
        const char c = exec[i];
        if (c == ' ' || c == '\t' || c == '\n') {
            if (inWord) words.push_back(std::move(word));
            word.clear();
            inWord = false;
        } else if (c == '"') {
            std::size_t j = i + 1;
            for (; j < exec.size() && exec[j] != '"'; ++j) {
                if (exec[j] == '\\' && j + 1 < exec.size()) ++j;
                word += exec[j];
                if (exec[j] == '%' && j + 1 < exec.size() && exec[j + 1] == '%') ++j;
            }
            if (j >= exec.size()) return std::nullopt;
            inWord = true;
            i = j;
        } else {
            word += c;
            inWord = true;
            if (c == '%' && i + 1 < exec.size() && exec[i + 1] == '%') ++i;
        }
    }
    if (inWord) words.push_back(std::move(word));
    return words;
}

std::optional<std::string> DesktopEntryValue(std::string_view fileText, std::string_view key) {
    bool inMainGroup = false;
    std::optional<std::string> found;
    std::size_t start = 0;
    while (start < fileText.size()) {
        const auto end = std::min(fileText.find('\n', start), fileText.size());
        std::string_view line = fileText.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty() || line.front() == '#') continue;
        if (line.front() == '[') {
            inMainGroup = line == "[Desktop Entry]";
            continue;
        }
        if (!inMainGroup) continue;
        const auto equals = line.find('=');
        if (equals == std::string_view::npos) continue;
        std::string_view name = line.substr(0, equals);
        while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
        if (name != key) continue;
        std::string_view value = line.substr(equals + 1);
        while (!value.empty() && value.front() == ' ') value.remove_prefix(1);
        if (!found) found = std::string(value);  // the first occurrence counts
    }
    return found;
}

}  // namespace orbilo::platform
