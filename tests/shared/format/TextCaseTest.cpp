// Lower-casing of names in the scripts users type, and of text that is not valid UTF-8.
#include "format/TextCase.h"

#include <gtest/gtest.h>

#include <string>

namespace orbilo {
namespace {

struct CaseRow {
    const char* what;
    std::string input;
    std::string expected;
};

TEST(LowerCased, MapsCapitalsOfEachScript) {
    const CaseRow rows[] = {
        {"ASCII", "EDITOR Notes 42", "editor notes 42"},
        {"Latin-1 capitals", "ÉDITEUR ÀÖØÞ", "éditeur àöøþ"},
        {"multiplication sign and sharp s are no letters to change", "×÷ß", "×÷ß"},
        {"Y with diaeresis lies outside Latin-1", "Ÿ", "ÿ"},
        {"Latin Extended-A even pairs", "ĀĒĲŊŒŠŴŶ", "āēĳŋœšŵŷ"},
        {"Latin Extended-A odd pairs", "ĹĽŁŃŇŹŻŽ", "ĺľłńňźżž"},
        {"Latin Extended-A small letters stay", "ıĸŉſ", "ıĸŉſ"},
        {"Turkish dotted capital I", "İstanbul", "istanbul"},
        {"Latin Extended Additional", "ḀẠỸẞ", "ḁạỹß"},
        {"Latin Extended Additional small letters stay", "ẖẚ", "ẖẚ"},
        {"Greek capitals", "ΑΒΓΔΣΩ", "αβγδσω"},
        {"Greek accented capitals", "ΆΈΉΊΌΎΏΪΫ", "άέήίόύώϊϋ"},
        {"Greek small letters stay", "ΐςϐ", "ΐςϐ"},
        {"Cyrillic capitals", "АБВЯ", "абвя"},
        {"Cyrillic U+0400 to U+040F", "ЀЁЂЉЏ", "ѐёђљџ"},
        {"Cyrillic extended pairs", "ѢҐӀӁӐ", "ѣґӏӂӑ"},
        {"Armenian", "ԱԲՖ", "աբֆ"},
        {"fullwidth Latin", "ＡＢＺ", "ａｂｚ"},
        {"signs that are letters in disguise", "\u212A\u212B\u2126", "kåω"},
        {"other scripts and symbols pass", "日本語 €", "日本語 €"},
        {"four-byte characters pass", "😀A", "😀a"},
    };
    for (const auto& row : rows) EXPECT_EQ(LowerCased(row.input), row.expected) << row.what;
}

TEST(LowerCased, KeepsBytesThatAreNotValidUtf8) {
    const CaseRow rows[] = {
        {"lone high byte",
         "A\xFF"
         "B",
         "a\xFF"
         "b"},
        {"lead byte cut short at the end", "AB\xC3", "ab\xC3"},
        {"lead byte followed by a letter",
         "\xC3"
         "A",
         "\xC3"
         "a"},
        {"overlong slash",
         "\xC0\xAF"
         "X",
         "\xC0\xAF"
         "x"},
        {"overlong three-byte form", "\xE0\x80\xAF", "\xE0\x80\xAF"},
        {"surrogate",
         "\xED\xA0\x80"
         "Q",
         "\xED\xA0\x80"
         "q"},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", "\xF4\x90\x80\x80"},
        {"stray continuation bytes",
         "\x80\xBF"
         "É",
         "\x80\xBF"
         "é"},
        {"Latin-1 byte of an old file",
         "\xC9"
         "diteur",
         "\xC9"
         "diteur"},
        {"NUL inside", std::string("A\0B", 3), std::string("a\0b", 3)},
    };
    for (const auto& row : rows) EXPECT_EQ(LowerCased(row.input), row.expected) << row.what;
}

TEST(LowerCased, NamesThatDifferOnlyInCapitalsClash) {
    EXPECT_EQ(LowerCased("Éditeur"), LowerCased("éditeur"));
    EXPECT_EQ(LowerCased("РЕДАКТОР"), LowerCased("редактор"));
    EXPECT_NE(LowerCased("Éditeur"), LowerCased("Editeur"));
    EXPECT_EQ(LowerCased(""), "");
}

}  // namespace
}  // namespace orbilo
