// The records by which the programs of the suite find one another: the encoded last slot of the
// per-user registry, and the three record files in the maker's folder on removable media.
// Pure functions over text, shared by the launcher and the help program.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orbilo {

// One code per slot index 0 to 9. Every program of the suite must hold the very same table:
// changing a code orphans what the others have registered.
inline constexpr std::array<std::string_view, 10> SlotCodes = {"4817", "2093", "7364", "1528", "9051",
                                                               "3746", "6182", "8439", "5270", "2615"};
inline constexpr int kSlotCount = static_cast<int>(SlotCodes.size());

// The record files, in the maker's folder at the root of the medium.
inline constexpr const char* kSuiteCountsFile = "SankhyaGuru.Korrin";
inline constexpr const char* kProgramRecordsFile = "VajanGuru.Korrin";
inline constexpr const char* kHelpRecordsFile = "BachanGuru.Korrin";

// The "AnekGuru" value for slot index on a day of the month: the six characters c1 d2 c2 c3 d1
// c4 of the slot's code c1c2c3c4 and the day as two digits d1d2. Empty text for an index that
// has no slot; a day outside 1 to 31 is taken as the nearest day that exists.
std::string EncodeAnekGuru(int index, int dayOfMonth);
// The slot index of an "AnekGuru" value; 0 for a value that is damaged or whose code is unknown.
int DecodeAnekGuru(std::string_view value);

// "SankhyaGuru.Korrin": the last index of the program records, then of the help records; -1 (or
// any number below 0) means none.
struct SuiteCounts {
    int programLast = -1;
    int helpLast = -1;
    bool operator==(const SuiteCounts&) const = default;
};
// Nothing when the text is not exactly two whole numbers in the range of a list index.
std::optional<SuiteCounts> ReadSuiteCounts(std::string_view content);
std::string FormatSuiteCounts(const SuiteCounts& counts);

// One line of "VajanGuru.Korrin" or "BachanGuru.Korrin": a program's name and its folder, which
// ends with the separator. A line that holds no such pair is kept as it stood, so that rewriting
// the file never loses what another program wrote there.
struct SuiteRecord {
    std::string name;
    std::string folder;
    std::optional<std::string> damagedLine;  // the line without its line end; name and folder empty
    bool operator==(const SuiteRecord&) const = default;
};
// Every line of the file in order; blank lines are not records. A quoted value may hold a line
// break.
std::vector<SuiteRecord> ReadSuiteRecords(std::string_view content);
std::string FormatSuiteRecords(const std::vector<SuiteRecord>& records);

}  // namespace orbilo
