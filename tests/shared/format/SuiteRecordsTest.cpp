// The suite's shared records: the slot encoding both programs must agree on, and the media
// record files byte for byte, damaged ones included.
#include "format/SuiteRecords.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <vector>

namespace orbilo {
namespace {

TEST(SlotCodes, AreTenDistinctFourDigitDecimalCodes) {
    std::set<std::string_view> distinct(SlotCodes.begin(), SlotCodes.end());
    EXPECT_EQ(distinct.size(), 10u);
    for (const std::string_view code : SlotCodes) {
        SCOPED_TRACE(std::string(code));
        ASSERT_EQ(code.size(), 4u);
        EXPECT_NE(code[0], '0');
        for (const char c : code) EXPECT_TRUE(c >= '0' && c <= '9');
    }
}

TEST(AnekGuru, InterleavesTheDayIntoTheSlotCode) {
    // Slot 2 on the 9th: code 7364, day 09 -> 7, 9, 3, 6, 0, 4. Pinned, because a value written
    // by one program of the suite must read the same in every other.
    EXPECT_EQ(EncodeAnekGuru(2, 9), "793604");
    EXPECT_EQ(EncodeAnekGuru(0, 31), "418137");
}

TEST(AnekGuru, EverySlotRoundTripsOnEveryKindOfDay) {
    for (int slot = 0; slot < kSlotCount; ++slot) {
        for (const int day : {1, 9, 10, 31}) {
            SCOPED_TRACE(testing::Message() << "slot " << slot << " day " << day);
            const std::string value = EncodeAnekGuru(slot, day);
            ASSERT_EQ(value.size(), 6u);
            const std::string_view code = SlotCodes[static_cast<std::size_t>(slot)];
            const std::string digits = std::to_string(day);
            const std::string twoDigitDay = digits.size() == 1 ? std::string("0") + digits : digits;
            EXPECT_EQ(value,
                      std::string({code[0], twoDigitDay[1], code[1], code[2], twoDigitDay[0], code[3]}));
            EXPECT_EQ(DecodeAnekGuru(value), slot);
        }
    }
}

TEST(AnekGuru, AnUnknownCodeOrADamagedValueReadsAsSlotZero) {
    // A valid code with other day digits still decodes: the day is not checked.
    std::string otherDay = EncodeAnekGuru(5, 12);
    otherDay[1] = '7';
    otherDay[4] = '2';
    EXPECT_EQ(DecodeAnekGuru(otherDay), 5);

    for (const char* value : {"", "41813", "4181370", "000000", "x8x13x", "793604 "}) {
        SCOPED_TRACE(value);
        EXPECT_EQ(DecodeAnekGuru(value), 0);
    }
}

TEST(AnekGuru, AnIndexWithoutASlotEncodesAsNothing) {
    EXPECT_EQ(EncodeAnekGuru(10, 5), "");
    EXPECT_EQ(EncodeAnekGuru(-1, 5), "");
    // A day the calendar cannot give is taken as the nearest real one, never as three digits.
    EXPECT_EQ(EncodeAnekGuru(3, 0), EncodeAnekGuru(3, 1));
    EXPECT_EQ(EncodeAnekGuru(3, 120), EncodeAnekGuru(3, 31));
}

TEST(SuiteCountsFile, IsTwoNumbersOnCrLfLines) {
    EXPECT_EQ(FormatSuiteCounts({0, -1}), "0\r\n-1\r\n");
    EXPECT_EQ(FormatSuiteCounts({3, 12}), "3\r\n12\r\n");
    EXPECT_EQ(ReadSuiteCounts("0\r\n-1\r\n"), (SuiteCounts{0, -1}));
    EXPECT_EQ(ReadSuiteCounts("-1\n0\n"), (SuiteCounts{-1, 0}));
    EXPECT_EQ(ReadSuiteCounts("4\r\n2"), (SuiteCounts{4, 2}));
}

TEST(SuiteCountsFile, ADamagedFileReadsAsNothing) {
    const std::vector<std::string> damaged = {"",
                                              "0\r\n",
                                              "0\r\nx\r\n",
                                              "\"0\"\r\n-1\r\n",
                                              "0\r\n-1\r\n5\r\n",
                                              "70000\r\n0\r\n",
                                              "1.5\r\n0\r\n",
                                              std::string("0\0\r\n-1\r\n", 7)};
    for (const std::string& content : damaged) {
        SCOPED_TRACE(content);
        EXPECT_EQ(ReadSuiteCounts(content), std::nullopt);
    }
}

TEST(SuiteRecordsFile, WritesOneQuotedNameAndFolderPerLine) {
    EXPECT_EQ(FormatSuiteRecords({{"Orbilo", "/media/ann/STICK/Apps/", std::nullopt}}),
              "\"Orbilo\",\"/media/ann/STICK/Apps/\"\r\n");
    EXPECT_EQ(FormatSuiteRecords({}), "");
}

TEST(SuiteRecordsFile, RoundTripsAwkwardNamesAndFolders) {
    const std::vector<SuiteRecord> records = {
        {"Tazro", "/media/ann/STICK/My \"Tools\", old/", std::nullopt},
        {"Pelwin", "/media/ann/STICK/two\r\nlines/", std::nullopt},
        {"", "", std::nullopt},
        {"Orbilo", "/media/ann/STICK/Orbilo/", std::nullopt},
    };
    EXPECT_EQ(ReadSuiteRecords(FormatSuiteRecords(records)), records);
}

TEST(SuiteRecordsFile, ADamagedLineIsKeptAsItStoodAndHidesNoOtherRecord) {
    // The stray quote on the second line must not swallow the launcher's record after it.
    const std::string content =
        "\"Tazro\",\"/media/ann/STICK/Tazro/\"\r\n"
        "\"Pelwin,\"/media/ann/STICK/Pelwin/\"\r\n"
        "\"Only a name\"\r\n"
        "\"Orbilo\",\"/media/ann/STICK/Orbilo/\"\r\n";
    const auto records = ReadSuiteRecords(content);
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[0], (SuiteRecord{"Tazro", "/media/ann/STICK/Tazro/", std::nullopt}));
    EXPECT_EQ(records[1].damagedLine, "\"Pelwin,\"/media/ann/STICK/Pelwin/\"");
    EXPECT_EQ(records[2].damagedLine, "\"Only a name\"");
    EXPECT_EQ(records[3], (SuiteRecord{"Orbilo", "/media/ann/STICK/Orbilo/", std::nullopt}));
    // Rewriting loses nothing.
    EXPECT_EQ(FormatSuiteRecords(records), content);
}

TEST(SuiteRecordsFile, BlankLinesAndLoneLineFeedsAreNotRecords) {
    const auto records = ReadSuiteRecords("\r\n\"Tazro\",\"/t/\"\n\n  \r\n\"Orbilo\",\"/o/\"");
    EXPECT_EQ(records,
              (std::vector<SuiteRecord>{{"Tazro", "/t/", std::nullopt}, {"Orbilo", "/o/", std::nullopt}}));
    EXPECT_TRUE(ReadSuiteRecords("").empty());
}

}  // namespace
}  // namespace orbilo
