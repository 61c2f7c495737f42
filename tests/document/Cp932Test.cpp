#include "document/Cp932.h"

#include <gtest/gtest.h>

namespace vantro {
namespace {

struct RoundTrip {
    const char* name;
    std::string cp932;
    std::string utf8;
};

TEST(Cp932, ConvertsBothWays)
{
    const RoundTrip cases[] = {
        {"ascii", "Line 12.5", "Line 12.5"},
        {"kanji", "\x90\x7D\x96\xCA", "図面"},
        {"trail byte 0x5C", "\x83\x5C\x83\x74\x83\x67", "ソフト"},
        {"half-width katakana", "\xB6\xC5", "ｶﾅ"},
        {"program message chars", "\x87\x40\x81\x60", "①～"},
        {"empty", "", ""},
    };
    for (const RoundTrip& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Cp932ToUtf8(c.cp932), c.utf8);
        EXPECT_EQ(Utf8ToCp932(c.utf8), c.cp932);
    }
}

TEST(Cp932, InvalidBytesBecomeOneReplacementEach)
{
    const std::string r(kUtf8Replacement);
    EXPECT_EQ(Cp932ToUtf8("A\x80" "B"), "A" + r + "B");
    EXPECT_EQ(Cp932ToUtf8("A\x82"), "A" + r) << "a lead byte cut off at the end";
    EXPECT_EQ(Cp932ToUtf8("\xFD\xFE\xFF"), r + r + r);
    // A lead byte followed by an invalid trail: the trail, here a plain 'A', survives.
    EXPECT_EQ(Cp932ToUtf8("\x82\x20" "A"), r + " A");
}

TEST(Cp932, CharactersOutsideCp932BecomeTheGetaMark)
{
    const std::string geta(kCp932Replacement);
    EXPECT_EQ(Utf8ToCp932("a😀b"), "a" + geta + "b");
    EXPECT_EQ(Utf8ToCp932("x\xC3"), "x" + geta) << "a truncated UTF-8 sequence";
    EXPECT_EQ(Utf8ToCp932("\xFF" "z"), geta + "z");
    EXPECT_EQ(Utf8ToCp932("\xE3\x81" "z"), geta + "z") << "a broken sequence costs one mark";
}

TEST(Cp932, LongTextsCrossTheConversionBuffer)
{
    std::string cp932;
    std::string utf8;
    for (int i = 0; i < 2000; ++i) {
        cp932 += "\x90\x7D";
        utf8 += "図";
    }
    EXPECT_EQ(Cp932ToUtf8(cp932), utf8);
    EXPECT_EQ(Utf8ToCp932(utf8), cp932);
}

}  // namespace
}  // namespace vantro
