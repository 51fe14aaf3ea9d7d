// The data files' line format: what is written byte for byte, and what a damaged file reads as.
#include "format/LineFormat.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace orbilo {
namespace {

TEST(FormatLine, WritesTextQuotedAndNumbersPlainWithCrLf) {
    EXPECT_EQ(FormatLine({std::string("Editor"), std::string("/usr/bin/editor")}),
              "\"Editor\",\"/usr/bin/editor\"\r\n");
    EXPECT_EQ(FormatLine({std::int64_t{-32768}, std::int64_t{0}, std::int64_t{42}, std::string()}),
              "-32768,0,42,\"\"\r\n");
    EXPECT_EQ(FormatLine({}), "\r\n");
}

TEST(FormatLine, DoublesAQuoteAndReadsItBackSingle) {
    const std::vector<std::string> texts = {
        "say \"hi\", then go", "\"", "\"\"", "ends with \"", "a,b", "two\r\nlines", "",
    };
    for (const auto& text : texts) {
        SCOPED_TRACE(text);
        const std::string line = FormatLine({text, std::int64_t{7}});
        LineReader reader(line);
        EXPECT_EQ(reader.ReadText(), text);
        EXPECT_EQ(reader.ReadNumber(), 7);
        EXPECT_TRUE(reader.AtEnd());
        EXPECT_FALSE(reader.Failed());
    }
    EXPECT_EQ(FormatText("say \"hi\""), "\"say \"\"hi\"\"\"");
}

TEST(FormatLine, NumbersRoundTripOverTheWholeRange) {
    const std::int64_t numbers[] = {0,
                                    -1,
                                    1,
                                    -32768,
                                    32767,
                                    std::numeric_limits<std::int64_t>::min(),
                                    std::numeric_limits<std::int64_t>::max()};
    std::string content;
    for (const auto number : numbers) content += FormatLine({number});
    EXPECT_EQ(content.substr(0, 12), "0\r\n-1\r\n1\r\n-3");
    LineReader reader(content);
    for (const auto number : numbers) EXPECT_EQ(reader.ReadNumber(), number);
    EXPECT_TRUE(reader.AtEnd());
}

// One read asked of the reader and what it must give: a text, a number or nothing.
struct Read {
    enum Kind { Text, Number } kind;
    std::optional<std::variant<std::string, std::int64_t>> value;
};

Read Text(std::string text) {
    return {Read::Text, std::variant<std::string, std::int64_t>(std::move(text))};
}
Read Number(std::int64_t number) {
    return {Read::Number, std::variant<std::string, std::int64_t>(number)};
}
Read NoText() {
    return {Read::Text, std::nullopt};
}
Read NoNumber() {
    return {Read::Number, std::nullopt};
}

TEST(LineReader, ReadsExactlyWhatIsThereOrFails) {
    const std::string tenMegabytes(10u * 1024u * 1024u, 'a');
    const struct {
        const char* name;
        std::string content;
        std::vector<Read> reads;
        bool failed;
    } cases[] = {
        {"empty input", "", {NoText(), NoNumber()}, true},
        {"only a line end", "\r\n", {Text(""), NoNumber()}, true},
        {"missing closing quote", "\"abc\r\n12\r\n", {NoText(), NoNumber()}, true},
        {"missing opening quote", "abc\"\r\n", {Text("abc\"")}, false},
        {"text after the closing quote", "\"abc\"def\r\n", {NoText()}, true},
        {"unterminated last line", "\"abc\",12", {Text("abc"), Number(12)}, false},
        {"LF instead of CR LF", "\"abc\"\n-12\n", {Text("abc"), Number(-12)}, false},
        {"lone CR", "\"abc\"\r12\r\n", {NoText(), NoNumber()}, true},
        {"number with letters", "12a\r\n5\r\n", {NoNumber(), NoNumber()}, true},
        {"number in quotes", "\"12\"\r\n", {NoNumber()}, true},
        {"number with a plus", "+12\r\n", {NoNumber()}, true},
        {"double minus", "--12\r\n", {NoNumber()}, true},
        {"number beyond 64 bits", "9223372036854775808\r\n", {NoNumber()}, true},
        {"fraction", "12.5\r\n", {NoNumber()}, true},
        {"blanks around values", " 12 , \"a b\" \r\n", {Number(12), Text("a b")}, false},
        {"fewer values than asked", "1\r\n2\r\n", {Number(1), Number(2), NoNumber()}, true},
        {"binary garbage",
         std::string("\x00\xff\x01\r\n\"\x80\x00\"\r\n", 11),
         {Text(std::string("\x00\xff\x01", 3)), Text(std::string("\x80\x00", 2)), NoText()},
         true},
        {"binary where a number goes", std::string("\x00\x7f\r\n", 4), {NoNumber()}, true},
        {"a 10 MB line", tenMegabytes + "\r\n7\r\n", {Text(tenMegabytes), Number(7)}, false},
        {"a 10 MB quote never closed", "\"" + tenMegabytes, {NoText(), NoText()}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LineReader reader(c.content);
        for (std::size_t i = 0; i < c.reads.size(); ++i) {
            SCOPED_TRACE("read " + std::to_string(i + 1));
            const Read& read = c.reads[i];
            if (read.kind == Read::Text) {
                const auto text = reader.ReadText();
                ASSERT_EQ(text.has_value(), read.value.has_value());
                if (text) {
                    EXPECT_EQ(*text, std::get<std::string>(*read.value));
                }
            } else {
                const auto number = reader.ReadNumber();
                ASSERT_EQ(number.has_value(), read.value.has_value());
                if (number) {
                    EXPECT_EQ(*number, std::get<std::int64_t>(*read.value));
                }
            }
        }
        EXPECT_EQ(reader.Failed(), c.failed);
    }
}

TEST(LineReader, AFailedReaderStaysFailed) {
    LineReader reader("x\r\n1\r\n\"a\"\r\n");
    EXPECT_FALSE(reader.ReadNumber());
    EXPECT_FALSE(reader.ReadNumber());
    EXPECT_FALSE(reader.ReadText());
    EXPECT_TRUE(reader.Failed());
}

}  // namespace
}  // namespace orbilo
