// Runs on both backends: in the Linux unit tests and, against the system's
// conversions, in the Windows program run under Wine (windows/test.sh).
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "automation/code_page.h"
#include "code_page_cases.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include "automation/inproc/active_code_page.h"
#endif

namespace tarnex::automation {
namespace {

using test_cases::Direction;

std::string Hex(std::u16string_view wide) {
    std::string out;
    for (char16_t c : wide) {
        char unit[8];
        std::snprintf(unit, sizeof unit, "%04X ", static_cast<unsigned>(c));
        out += unit;
    }
    return out;
}

// Checks the row's directions with the conversions given.
template <class ToWide, class ToAnsi>
void ExpectRow(const test_cases::CodePageCase& c, ToWide toWide, ToAnsi toAnsi) {
    if (c.direction != Direction::ToAnsi) {
        EXPECT_EQ(Hex(toWide(c.ansi)), Hex(c.wide));
    }
    if (c.direction != Direction::ToWide) {
        EXPECT_EQ(toAnsi(c.wide), c.ansi);
    }
}

// Each row also behind ASCII text of every length up to two blocks and a
// half, so that its characters fall at every place of the blocks that
// ASCII text converts in, and across their ends.
TEST(CodePageTable, EveryBackendConvertsAlike) {
    for (const test_cases::CodePageCase& c : test_cases::kCodePageCases) {
        for (std::size_t before = 0; before <= 40; ++before) {
            SCOPED_TRACE(std::string(c.name) + " (" + std::to_string(c.codePage) + ") behind " +
                         std::to_string(before));
            const std::string ascii(before, 'x');
            const std::u16string wide(before, u'x');
            ExpectRow(
                c,
                [&](std::string_view ansi) {
                    return AnsiToWideIn(c.codePage, ascii + std::string(ansi)).substr(before);
                },
                [&](std::u16string_view text) {
                    return WideToAnsiIn(c.codePage, wide + std::u16string(text)).substr(before);
                });
        }
    }
}

std::uint32_t ActivePage() {
#if defined(_WIN32)
    return GetACP();
#else
    return inproc::ActiveCodePage();
#endif
}

// The production path: catches an active-page conversion that keeps the
// system's defaults (windows/test.sh runs this with 1252 and with 932).
TEST(CodePageTable, TheActivePageConvertsLikeItsRows) {
    int rows = 0;
    for (const test_cases::CodePageCase& c : test_cases::kCodePageCases) {
        if (c.codePage != ActivePage()) continue;
        SCOPED_TRACE(c.name);
        ++rows;
        ExpectRow(c, AnsiToWide, WideToAnsi);
    }
    EXPECT_GT(rows, 0) << "no row for the active code page " << ActivePage();
}

// Catches a wrong or missing row of 0x80-0x9F and a byte lost either way:
// every byte is itself but those, which are the code page's published row
// (the five it leaves undefined pass through as C1 controls).
TEST(CodePageTable, Cp1252EveryByteRoundTrips) {
    constexpr char16_t kRow80[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
    };
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    const std::u16string wide = AnsiToWideIn(1252, all);
    ASSERT_EQ(wide.size(), 256u);
    for (int b = 0; b < 256; ++b) {
        EXPECT_EQ(wide[b], b >= 0x80 && b <= 0x9F ? kRow80[b - 0x80] : static_cast<char16_t>(b))
            << std::hex << b;
    }
    EXPECT_EQ(WideToAnsiIn(1252, wide), all);
}

bool IsCp932Lead(int b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

// Catches a pair read into the wrong character or written back as another
// pair, and a table that lost or gained characters.
TEST(CodePageTable, Cp932EveryDefinedPairRoundTrips) {
    int characters = 0;
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (!IsCp932Lead(lead)) continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            if (trail == 0x7F) continue;  // never a trail byte
            const std::string pair{static_cast<char>(lead), static_cast<char>(trail)};
            const std::u16string wide = AnsiToWideIn(932, pair);
            ASSERT_EQ(wide.size(), 1u) << std::hex << lead << ' ' << trail;
            if (wide[0] == u'\u30FB' && pair != "\x81\x45") continue;  // not a character
            ++characters;
            EXPECT_EQ(AnsiToWideIn(932, WideToAnsiIn(932, wide)), wide) << std::hex << lead << ' ' << trail;
        }
    }
    EXPECT_EQ(characters, 9604);
    for (int b = 0; b < 256; ++b) {
        if (IsCp932Lead(b)) continue;
        const std::string one(1, static_cast<char>(b));
        EXPECT_EQ(WideToAnsiIn(932, AnsiToWideIn(932, one)), one) << b;
    }
}

}  // namespace
}  // namespace tarnex::automation
