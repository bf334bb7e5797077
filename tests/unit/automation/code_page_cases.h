// One table of conversions that every backend must give byte for byte: the
// in-process tables on Linux and the system's tables on Windows (run under
// Wine by windows/test.sh). Each row names the mistake it catches.
#pragma once

#include <cstdint>
#include <string_view>

namespace tarnex::automation::test_cases {

enum class Direction { Both, ToWide, ToAnsi };

struct CodePageCase {
    const char* name;
    std::uint32_t codePage;
    Direction direction;
    std::string_view ansi;
    std::u16string_view wide;
};

using namespace std::string_view_literals;

inline constexpr CodePageCase kCodePageCases[] = {
    // 1252
    {"Latin-1 letters keep their byte", 1252, Direction::Both, "Caf\xE9 \xC4\xD6\xDC\xDF"sv,
     u"Caf\u00E9 \u00C4\u00D6\u00DC\u00DF"sv},
    {"0x80-0x9F are not Latin-1", 1252, Direction::Both, "\x80\x8A\x93\x9F"sv, u"\u20AC\u0160\u201C\u0178"sv},
    {"the five undefined bytes stand for the C1 controls", 1252, Direction::Both, "\x81\x8D\x8F\x90\x9D"sv,
     u"\u0081\u008D\u008F\u0090\u009D"sv},
    {"no best fit: \"Lodz\" for a Polish name", 1252, Direction::ToAnsi, "?od?"sv, u"\u0141od\u017A"sv},
    {"no best fit: A for A with macron", 1252, Direction::ToAnsi, "?"sv, u"\u0100"sv},
    {"no best fit into a separator", 1252, Direction::ToAnsi, "a???"sv, u"a\uFF0F\uFF3C\uFF1B"sv},
    {"a surrogate pair is one character", 1252, Direction::ToAnsi, "a?b"sv, u"a\U0001F600b"sv},
    {"a lone surrogate is one character", 1252, Direction::ToAnsi, "a?b?"sv,
     u"a\xD83D"
     u"b\xDE00"sv},
    {"a zero unit is kept", 1252, Direction::Both, "a\0b"sv, u"a\0b"sv},
    // 932
    {"ASCII, 0x5C and 0x7E stay ASCII", 932, Direction::Both, "A\\~;"sv, u"A\\~;"sv},
    {"kanji", 932, Direction::Both, "\x93\xFA\x96\x7B"sv, u"\u65E5\u672C"sv},
    {"0x5C as a trail byte", 932, Direction::Both, "\x83\x5C\x95\x5C;"sv, u"\u30BD\u8868;"sv},
    {"half-width katakana are single bytes", 932, Direction::Both, "\xB1\xDF\xA1"sv, u"\uFF71\uFF9F\uFF61"sv},
    {"NEC row 13", 932, Direction::Both, "\x87\x40"sv, u"\u2460"sv},
    {"a character in two rows is written as its IBM pair", 932, Direction::Both, "\xFA\x40"sv, u"\u2170"sv},
    {"a stray lead byte does not swallow ';'", 932, Direction::ToWide, "\x93;x"sv, u"?;x"sv},
    {"a stray lead byte does not swallow a control", 932, Direction::ToWide, "\x93\t\x93\x7F"sv,
     u"?\t?\x7F"sv},
    {"0xFD cannot trail and reads on its own", 932, Direction::ToWide, "\x93\xFD"sv, u"?\uF8F1"sv},
    {"a lead byte at the end", 932, Direction::ToWide, "ab\x93"sv, u"ab?"sv},
    {"an undefined pair reads as the default character", 932, Direction::ToWide, "\x85\x40;"sv, u"\u30FB;"sv},
    {"no best fit into a backslash for the yen sign", 932, Direction::ToAnsi, "???"sv,
     u"\u00E9\u00A5\u0100"sv},
    {"a surrogate pair outside the page is one '?'", 932, Direction::ToAnsi, "?!"sv, u"\U00020B9F!"sv},
    {"a lone surrogate is one '?'", 932, Direction::ToAnsi, "?\x93\xFA"sv, u"\xDC00\u65E5"sv},
};

}  // namespace tarnex::automation::test_cases
