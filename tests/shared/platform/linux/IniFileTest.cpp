// The settings INI text: any value round-trips, damaged text never breaks reading, and what
// this program does not know is kept when it rewrites the file.
#include "platform/linux/IniFile.h"

#include <gtest/gtest.h>

namespace orbilo::platform {
namespace {

TEST(IniFile, AnyTextRoundTripsAsValueKeyAndSection) {
    const std::string texts[] = {
        "",
        "Ann",
        "C:\\new\\table",
        "line one\nline two\r\n",
        "a=b=c",
        "[not a section]",
        "; not a comment",
        "# nor this",
        " leading and trailing spaces ",
        "\\n is not a newline",
        std::string("nul\0inside", 10),
        "\xc3\x84rger \xe2\x82\xac",
        "ends with a backslash\\",
    };
    for (const auto& text : texts) {
        IniFile file;
        file.Set(text, text, text);
        file.Set("Other", "Key", "stays");
        const IniFile reread = IniFile::Parse(file.Serialize());
        EXPECT_TRUE(reread.Contains(text, text)) << text;
        EXPECT_EQ(reread.Get(text, text), text);
        EXPECT_EQ(reread.Get("Other", "Key"), "stays") << text;
    }
}

TEST(IniFile, ReadsWhatItFinds) {
    const struct {
        const char* text;
        const char* section;
        const char* key;
        const char* value;
    } cases[] = {
        {"[NidraBhanga]\nNickName=Ann\n", "NidraBhanga", "NickName", "Ann"},
        {"[NidraBhanga]\r\nNickName=Ann\r\n", "NidraBhanga", "NickName", "Ann"},  // edited on Windows
        {"[nidrabhanga]\nnickname=Ann\n", "NidraBhanga", "NickName", "Ann"},      // case-blind
        {"[A]\nKey=first\nKey=second\n", "A", "Key", "second"},                   // the last counts
        {"[A]\nKey=1\n[B]\nOther=2\n[A]\nMore=3\n", "A", "More", "3"},            // groups merge
        {"[A]\nKey= spaced \n", "A", "Key", " spaced "},                          // nothing trimmed
        {"[A]\nPath=C:\\\\Apps\\\\x\n", "A", "Path", "C:\\Apps\\x"},
        {"[A]\nOdd=\\q\\\n", "A", "Odd", "\\q\\"},  // unknown escapes kept
        {"Key=before any group\n[A]\nKey=in A\n", "A", "Key", "in A"},
        {"[A]\nKey=1\n", "B", "Key", ""},
        {"[A]\nKey=1\n", "A", "Missing", ""},
        {"[A\nKey=1\n", "A", "Key", ""},  // damaged header
        {"[A]\nno equals sign\n\x01\x02\xff\nKey=kept\n", "A", "Key", "kept"},
        {"", "A", "Key", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IniFile::Parse(c.text).Get(c.section, c.key), c.value) << c.text;
    }
}

TEST(IniFile, BinaryNoiseReadsAsEmptyValues) {
    std::string noise;
    for (int i = 0; i < 20000; ++i) noise += static_cast<char>((i * 7919 + 13) % 256);
    const IniFile file = IniFile::Parse(noise);
    EXPECT_EQ(file.Get("NidraBhanga", "NickName"), "");
    IniFile::Parse(file.Serialize());  // and what is kept of it can be written and read again
}

TEST(IniFile, RewritingKeepsUnknownGroupsKeysAndComments) {
    IniFile file =
        IniFile::Parse("; written by hand\n[GuruNaam]\nEkaaGuru=Orbilo\nSomethingNew=x\n\n[Future]\nKey=y\n");
    file.Set("GURUNAAM", "ekaaguru", "Orbilo2");  // the spelling already there is kept
    file.Set("NidraBhanga", "NickName", "Ann");
    EXPECT_TRUE(file.Remove("Future", "KEY"));
    EXPECT_FALSE(file.Remove("Future", "Key"));
    EXPECT_EQ(file.Serialize(),
              "; written by hand\n"
              "\n[GuruNaam]\nEkaaGuru=Orbilo2\nSomethingNew=x\n"
              "\n[Future]\n"
              "\n[NidraBhanga]\nNickName=Ann\n");
}

TEST(IniFile, EscapesOnlyWhatWouldChangeTheLine) {
    IniFile file;
    file.Set("Sec", "a=b", "x\\y\nz\r");
    file.Set("Sec", "[k", "plain");
    EXPECT_EQ(file.Serialize(), "[Sec]\na\\x3Db=x\\\\y\\nz\\r\n\\x5Bk=plain\n");
}

}  // namespace
}  // namespace orbilo::platform
