// The in-process backend's stand-in for the active code page; the
// conversions themselves are in code_page_table_test.cpp.
#include "automation/code_page.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "tarnex/tarnex_inproc.h"

namespace tarnex::automation {
namespace {

class ActiveCodePageTest : public ::testing::Test {
protected:
    void TearDown() override { tarnex_SetCodePage(1252); }
};

// Catches conversions or the lead-byte test that ignore the selected page,
// and a refused page that still replaces the active one.
TEST_F(ActiveCodePageTest, SelectsTheConversionsAndTheLeadBytes) {
    EXPECT_EQ(AnsiToWide("\x93"), u"\u201C");
    EXPECT_FALSE(IsAnsiLeadByte(0x93));
    ASSERT_EQ(tarnex_SetCodePage(932), 0);
    EXPECT_EQ(tarnex_SetCodePage(437), -1);
    EXPECT_EQ(tarnex_SetCodePage(65001), -1);
    EXPECT_EQ(AnsiToWide("\x93\xFA"), u"\u65E5");
    EXPECT_EQ(WideToAnsi(u"\u65E5"), "\x93\xFA");
    EXPECT_EQ(AnsiToWideIn(kActiveCodePage, "\x93\xFA"), u"\u65E5");
    for (int b = 0; b < 256; ++b) {
        const bool lead = (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
        EXPECT_EQ(IsAnsiLeadByte(static_cast<unsigned char>(b)), lead) << b;
    }
    EXPECT_EQ(AnsiToWideIn(1252, "\x93"), u"\u201C");  // a named page ignores the active one
    EXPECT_THROW(AnsiToWideIn(437, "a"), std::invalid_argument);
    EXPECT_THROW(WideToAnsiIn(65001, u"a"), std::invalid_argument);
}

}  // namespace
}  // namespace tarnex::automation
