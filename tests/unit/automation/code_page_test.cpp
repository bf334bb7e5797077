#include "automation/code_page.h"

#include <gtest/gtest.h>

#include <string>

#include "tarnex/tarnex_inproc.h"

namespace tarnex::automation {
namespace {

class CodePageTest : public ::testing::Test {
protected:
    void TearDown() override { tarnex_SetCodePage(1252); }
};

TEST_F(CodePageTest, Cp1252RoundTripsEveryByte) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    const std::u16string wide = AnsiToWide(all);
    ASSERT_EQ(wide.size(), 256u);
    EXPECT_EQ(WideToAnsi(wide), all);
    for (int b = 0; b < 256; ++b) EXPECT_FALSE(IsAnsiLeadByte(static_cast<unsigned char>(b)));
    EXPECT_EQ(wide[0x80], u'\u20AC');
    EXPECT_EQ(wide[0x81], u'\u0081');  // the five unassigned bytes stand for themselves
    EXPECT_EQ(wide[0x9F], u'\u0178');
}

TEST_F(CodePageTest, Cp932KnownCharacters) {
    ASSERT_EQ(tarnex_SetCodePage(932), 0);
    EXPECT_EQ(tarnex_SetCodePage(437), -1);  // refused: 932 stays active
    EXPECT_EQ(tarnex_SetCodePage(65001), -1);
    struct Known {
        const char* name;
        std::string ansi;
        std::u16string wide;
    };
    for (const Known& k : {
             Known{"ascii and backslash", "A\\~", u"A\\~"},
             Known{"kanji", "\x93\xFA\x96\x7B", u"\u65E5\u672C"},
             Known{"half-width katakana", "\xB1\xDF\xA1", u"\uFF71\uFF9F\uFF61"},
             Known{"middle dot, also what broken pairs read as", "\x81\x45", u"\u30FB"},
             Known{"NEC row 13", "\x87\x40", u"\u2460"},
             Known{"user-defined area", "\xF0\x40", u"\uE000"},
             Known{"single bytes outside the page", "\x80\xA0\xFD\xFF", u"\u0080\uF8F0\uF8F1\uF8F3"},
         }) {
        SCOPED_TRACE(k.name);
        EXPECT_EQ(AnsiToWide(k.ansi), k.wide);
        EXPECT_EQ(WideToAnsi(k.wide), k.ansi);
    }
}

TEST_F(CodePageTest, Cp932LeadBytesAndEveryCharacterItReadsItWrites) {
    ASSERT_EQ(tarnex_SetCodePage(932), 0);
    for (int b = 0; b < 256; ++b) {
        const bool lead = (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
        EXPECT_EQ(IsAnsiLeadByte(static_cast<unsigned char>(b)), lead) << b;
    }
    int characters = 0;
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (!IsAnsiLeadByte(static_cast<unsigned char>(lead))) continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            if (trail == 0x7F) continue;  // never a trail byte
            const std::string pair{static_cast<char>(lead), static_cast<char>(trail)};
            const std::u16string wide = AnsiToWide(pair);
            ASSERT_EQ(wide.size(), 1u);
            if (wide[0] == u'\u30FB' && pair != "\x81\x45") continue;  // not a character
            ++characters;
            EXPECT_EQ(AnsiToWide(WideToAnsi(wide)), wide) << std::hex << lead << ' ' << trail;
        }
    }
    EXPECT_EQ(characters, 9604);  // every pair the page defines
    for (int b = 0; b < 256; ++b) {
        if (IsAnsiLeadByte(static_cast<unsigned char>(b))) continue;
        const std::string one(1, static_cast<char>(b));
        EXPECT_EQ(WideToAnsi(AnsiToWide(one)), one) << b;
    }
}

TEST_F(CodePageTest, Cp932BrokenPairsAndMissingCharacters) {
    ASSERT_EQ(tarnex_SetCodePage(932), 0);
    EXPECT_EQ(AnsiToWide("\x85\x40"), u"\u30FB");  // a pair the page leaves empty
    EXPECT_EQ(AnsiToWide("ab\x93"), u"ab\u30FB");  // lead byte at the end
    EXPECT_EQ(AnsiToWide("\x93 x"), u"\u30FB x");  // lead byte before a non-trail byte
    EXPECT_EQ(AnsiToWide("\x93\x7F"), u"\u30FB\x7F");
    EXPECT_EQ(WideToAnsi(u"\u00E9\u00A5\u0100"), "???");
    EXPECT_EQ(WideToAnsi(u"\U00020B9F!"), "?!");
}

}  // namespace
}  // namespace tarnex::automation
