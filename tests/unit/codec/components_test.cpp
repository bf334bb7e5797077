#include "codec/components.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "codec_test_support.h"

namespace tarnex::codec {
namespace {

using test_support::GuardedBuffer;

struct SplitCase {
  const char* name;
  std::string_view text;
  std::vector<std::string> components;  // one per call, past the end included
};

const SplitCase kSplitCases[] = {
    {"EmptyComponentsAndEnd", "Doe;John;;Dr.;", {"Doe", "John", "", "Dr.", "", ""}},
    {"EscapedSemicolonKept", "O\\;Brien;Pat", {"O\\;Brien", "Pat", ""}},
    {"EscapedBackslashThenSeparator", "a\\\\;b", {"a\\\\", "b"}},
    {"LoneBackslashIsOrdinary", "a\\b;c\\", {"a\\b", "c\\", ""}},
    {"EndsAtZeroInsideView", std::string_view("ab;c\0d;e", 8), {"ab", "c", "", ""}},
    {"EndsAtViewWithoutZero", std::string_view("ab;cdef", 5), {"ab", "cd", ""}},
    {"EmptyText", "", {"", ""}},
};

class NextComponentTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(NextComponentTest, YieldsComponentsInOrder) {
  const SplitCase& c = GetParam();
  std::size_t cursor = 0;
  std::string out = "stale";
  for (const std::string& expected : c.components) {
    cursor = NextComponent(c.text, cursor, out);
    EXPECT_EQ(out, expected);
    EXPECT_LE(cursor, c.text.size());
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, NextComponentTest, ::testing::ValuesIn(kSplitCases),
                         test_support::CaseName());

TEST(NextComponent, CursorPastEndIsReturnedUnchanged) {
  std::string out = "stale";
  EXPECT_EQ(NextComponent("ab", 7, out), 7u);
  EXPECT_EQ(out, "");
}

struct ScanCase {
  const char* name;
  std::int32_t destSize;
  std::string_view source;
  std::string_view delimiters;
  std::string expected;
  std::size_t stop;
};

const ScanCase kScanCases[] = {
    {"EscapePairReduced", 5, "a\\;b_c", "_", "a;b", 4},
    {"LongComponentCutAndSkipped", 4, "abcdef_x", "_", "abc", 6},
    {"EscapePairNeverStops", 10, "a\\;b\\\\c;d", ";\\", "a;b\\c", 7},
    {"LoneBackslashCanBeDelimiter", 10, "a\\b", "\\", "a", 1},
    {"EscapePairNeedsTwoBytesOfRoom", 3, "a\\;b", "_", "a", 4},
    {"NoDelimiterScansToEnd", 10, "abc", "_", "abc", 3},
    {"EndsAtZeroInsideView", 10, std::string_view("ab\0_c", 5), "_", "ab", 2},
    {"EndsAtViewWithoutZero", 10, std::string_view("abcd_e", 3), "_", "abc", 3},
    {"EmptySource", 5, "", "_", "", 0},
    {"SizeOneHoldsOnlyZero", 1, "abc_d", "_", "", 3},
    {"IdentifierComponent", 51, "In_12_3", "_", "In", 2},
};

class ScanComponentTest : public ::testing::TestWithParam<ScanCase> {};

TEST_P(ScanComponentTest, CopiesWithinDest) {
  const ScanCase& c = GetParam();
  GuardedBuffer dest(static_cast<std::size_t>(c.destSize), 'q');
  EXPECT_EQ(ScanComponent(dest.data(), c.destSize, c.source, c.delimiters), c.stop);
  EXPECT_EQ(dest.Text(), c.expected);
  EXPECT_TRUE(dest.HasZero());
  EXPECT_TRUE(dest.GuardsIntact());
}

INSTANTIATE_TEST_SUITE_P(Cases, ScanComponentTest, ::testing::ValuesIn(kScanCases),
                         test_support::CaseName());

TEST(ScanComponent, NonPositiveSizeWritesNothingButStillScans) {
  for (const std::int32_t size : {0, -1, -2147483647 - 1}) {
    GuardedBuffer dest(0);
    EXPECT_EQ(ScanComponent(dest.data(), size, "abc_d", "_"), 3u);
    EXPECT_TRUE(dest.GuardsIntact());
  }
}

}  // namespace
}  // namespace tarnex::codec
