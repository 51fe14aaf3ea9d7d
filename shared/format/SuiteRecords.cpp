// The slot encoding and the media record files of the suite, read and written as text.
#include "format/SuiteRecords.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "format/LineFormat.h"

namespace orbilo {

namespace {

// A list index is a signed 16-bit value; anything beyond is damage, not a count.
bool IsListIndex(std::int64_t value) {
    return value >= std::numeric_limits<std::int16_t>::min() &&
           value <= std::numeric_limits<std::int16_t>::max();
}

// Splits at line feeds (outside quotes when quoteAware), each line without its CR LF or lone LF.
std::vector<std::string_view> SplitLines(std::string_view content, bool quoteAware) {
    std::vector<std::string_view> lines;
    bool quoted = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i < content.size(); ++i) {
        const char c = content[i];
        if (c == '"' && quoteAware) {
            quoted = !quoted;
        } else if (c == '\n' && !quoted) {
            std::size_t end = i;
            if (end > start && content[end - 1] == '\r') --end;
            lines.push_back(content.substr(start, end - start));
            start = i + 1;
        }
    }
    if (start < content.size()) lines.push_back(content.substr(start));
    return lines;
}

std::optional<SuiteRecord> ParseRecord(std::string_view line) {
    LineReader reader(line);
    auto name = reader.ReadText();
    auto folder = reader.ReadText();
    if (!name || !folder || !reader.AtEnd()) return std::nullopt;
    return SuiteRecord{std::move(*name), std::move(*folder), std::nullopt};
}

bool IsBlank(std::string_view line) {
    return std::all_of(line.begin(), line.end(), [](char c) { return c == ' ' || c == '\t' || c == '\r'; });
}

}  // namespace

std::string EncodeAnekGuru(int index, int dayOfMonth) {
    if (index < 0 || index >= kSlotCount) return {};
    const int day = std::clamp(dayOfMonth, 1, 31);
    const std::string_view code = SlotCodes[static_cast<std::size_t>(index)];
    const char d1 = static_cast<char>('0' + day / 10);
    const char d2 = static_cast<char>('0' + day % 10);
    return {code[0], d2, code[1], code[2], d1, code[3]};
}

int DecodeAnekGuru(std::string_view value) {
    if (value.size() != 6) return 0;
    const std::string code = {value[0], value[2], value[3], value[5]};
    const auto found = std::find(SlotCodes.begin(), SlotCodes.end(), code);
    return found == SlotCodes.end() ? 0 : static_cast<int>(found - SlotCodes.begin());
}

std::optional<SuiteCounts> ReadSuiteCounts(std::string_view content) {
    LineReader reader(content);
    const auto programLast = reader.ReadNumber();
    const auto helpLast = reader.ReadNumber();
    if (!programLast || !helpLast || !reader.AtEnd()) return std::nullopt;
    if (!IsListIndex(*programLast) || !IsListIndex(*helpLast)) return std::nullopt;
    return SuiteCounts{static_cast<int>(*programLast), static_cast<int>(*helpLast)};
}

std::string FormatSuiteCounts(const SuiteCounts& counts) {
    return FormatLine({std::int64_t{counts.programLast}}) + FormatLine({std::int64_t{counts.helpLast}});
}

std::vector<SuiteRecord> ReadSuiteRecords(std::string_view content) {
    std::vector<SuiteRecord> records;
    for (const std::string_view chunk : SplitLines(content, true)) {
        if (IsBlank(chunk)) continue;
        if (auto record = ParseRecord(chunk)) {
            records.push_back(std::move(*record));
            continue;
        }
        // A stray quote must not swallow the records after it: look at the chunk line by line.
        for (const std::string_view line : SplitLines(chunk, false)) {
            if (IsBlank(line)) continue;
            auto record = ParseRecord(line);
            records.push_back(record ? std::move(*record) : SuiteRecord{{}, {}, std::string(line)});
        }
    }
    return records;
}

std::string FormatSuiteRecords(const std::vector<SuiteRecord>& records) {
    std::string content;
    for (const SuiteRecord& record : records) {
        if (record.damagedLine) {
            content += *record.damagedLine;
            content += kLineEnd;
        } else {
            content += FormatLine({record.name, record.folder});
        }
    }
    return content;
}

}  // namespace orbilo
