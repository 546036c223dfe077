#include "files/xml_guard.h"

#include <gtest/gtest.h>

namespace {
std::string Bytes(const char* text, size_t size) { return std::string(text, size); }
}  // namespace

TEST(SafeXmlLength, CompleteFilesAreKeptWhole) {
    const std::string whole[] = {
        "<?xml version=\"1.0\"?>\n<c a=\"1\" b='2'><d/><e x=\"y\"/>t\xe9<!-- a <b> --></c>\n",
        "<![CDATA[<x>]]>texte",
        "\xef\xbb\xbf<c>\xc3\xa9</c>",
        "pas de balise",
        "<a x=\"sans fin",  // the reader stops by itself at the end of a value
        Bytes("\xff\xfe<\0c\0>\0", 8),
        Bytes("\xfe\xff\0<\0c\0>", 8),
        Bytes("\xff\xfe\0\0<\0\0\0c\0\0\0>\0\0\0", 16),
        Bytes("\0\0\xfe\xff\0\0\0<\0\0\0c\0\0\0>", 16),
    };
    for (const std::string& text : whole) EXPECT_EQ(SafeXmlLength(text), text.size()) << text;
}

TEST(SafeXmlLength, CutsBeforeAConstructTheReaderWouldRunPast) {
    const std::pair<std::string, size_t> cases[] = {
        {"<c><NomCirc", 3},           // element name
        {"<c></c", 3},                 // closing tag
        {"<c><?xml ", 3},              // declaration
        {"<c>texte<", 8},              // a lone "<"
        {"<c><a x>", 3},               // an attribute name runs on past ">"
        {"<c x=\"1\"", 0},             // attributes run on to the end
        {"<c><!-- <b> ", 3},           // comment still open
        {"<c><!>", 3},                 // comment too short for its own marks
        {"<c><![12345]]>", 3},         // CDATA end among the skipped characters
        {"<c>\t/t\n<", 7},
        {"<\t/t\n<", 5},               // "/" ends the tag and skips one character
        {Bytes("ab\0<c", 5), 2},       // nothing after a NUL
    };
    for (const auto& [text, length] : cases) EXPECT_EQ(SafeXmlLength(text), length) << text;
}

TEST(SafeXmlLength, KeepsOnlyWholeUnitsAndNeverALoneMark) {
    EXPECT_EQ(SafeXmlLength("\xff\xfe"), 0u);
    EXPECT_EQ(SafeXmlLength(Bytes("\xff\xfe\0", 3)), 0u);
    EXPECT_EQ(SafeXmlLength(Bytes("\xff\xfex\0<", 5)), 4u);
    EXPECT_EQ(SafeXmlLength(Bytes("\xff\xfe\0\0x\0\0\0y\0", 10)), 8u);
    EXPECT_EQ(SafeXmlLength(Bytes("\xff\xfe<\0c\0", 6)), 0u);
    EXPECT_EQ(SafeXmlLength(""), 0u);
}
