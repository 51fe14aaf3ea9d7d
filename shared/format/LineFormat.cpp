#include "format/LineFormat.h"

#include <charconv>

namespace orbilo {

void AppendText(std::string& out, std::string_view text) {
    out += '"';
    std::size_t start = 0;
    for (auto quote = text.find('"'); quote != std::string_view::npos; quote = text.find('"', start)) {
        out.append(text, start, quote + 1 - start);
        out += '"';
        start = quote + 1;
    }
    out.append(text, start);
    out += '"';
}

std::string FormatText(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 2);
    AppendText(out, text);
    return out;
}

std::string FormatNumber(std::int64_t number) {
    return std::to_string(number);
}

std::string FormatLine(const std::vector<LineValue>& values) {
    std::string line;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0) line += ',';
        if (const auto* text = std::get_if<std::string>(&values[i])) {
            line += FormatText(*text);
        } else {
            line += FormatNumber(std::get<std::int64_t>(values[i]));
        }
    }
    line += kLineEnd;
    return line;
}

void LineReader::SkipBlanks() {
    while (m_pos < m_content.size() && (m_content[m_pos] == ' ' || m_content[m_pos] == '\t')) ++m_pos;
}

bool LineReader::AtEnd() const {
    for (std::size_t i = m_pos; i < m_content.size(); ++i) {
        const char c = m_content[i];
        if (c != '\r' && c != '\n' && c != ' ' && c != '\t') return false;
    }
    return true;
}

// After a value: a comma, a line end or the end of the file; anything else is damage.
bool LineReader::EndValue() {
    SkipBlanks();
    if (m_pos >= m_content.size()) return true;
    const char c = m_content[m_pos];
    if (c == ',' || c == '\n') {
        ++m_pos;
        return true;
    }
    if (c == '\r' && m_pos + 1 < m_content.size() && m_content[m_pos + 1] == '\n') {
        m_pos += 2;
        return true;
    }
    return false;
}

std::optional<LineReader::Raw> LineReader::ReadRaw() {
    if (m_failed) return std::nullopt;
    SkipBlanks();
    if (m_pos >= m_content.size()) {
        m_failed = true;
        return std::nullopt;
    }
    Raw raw;
    if (m_content[m_pos] == '"') {
        raw.quoted = true;
        ++m_pos;
        bool closed = false;
        while (m_pos < m_content.size()) {
            const char c = m_content[m_pos++];
            if (c != '"') {
                raw.text += c;
                continue;
            }
            if (m_pos < m_content.size() && m_content[m_pos] == '"') {
                raw.text += '"';
                ++m_pos;
                continue;
            }
            closed = true;
            break;
        }
        if (!closed) {
            m_failed = true;
            return std::nullopt;
        }
    } else {
        const std::size_t start = m_pos;
        while (m_pos < m_content.size() && m_content[m_pos] != ',' && m_content[m_pos] != '\r' &&
               m_content[m_pos] != '\n') {
            ++m_pos;
        }
        raw.text = std::string(m_content.substr(start, m_pos - start));
        while (!raw.text.empty() && (raw.text.back() == ' ' || raw.text.back() == '\t')) raw.text.pop_back();
    }
    if (!EndValue()) {
        m_failed = true;
        return std::nullopt;
    }
    return raw;
}

std::optional<std::string> LineReader::ReadText() {
    auto raw = ReadRaw();
    if (!raw) return std::nullopt;
    return std::move(raw->text);
}

std::optional<std::int64_t> LineReader::ReadNumber() {
    const auto raw = ReadRaw();
    if (!raw) return std::nullopt;
    std::int64_t number = 0;
    const char* begin = raw->text.data();
    const char* end = begin + raw->text.size();
    const auto result = std::from_chars(begin, end, number);
    if (raw->quoted || raw->text.empty() || result.ec != std::errc() || result.ptr != end) {
        m_failed = true;
        return std::nullopt;
    }
    return number;
}

}  // namespace orbilo
