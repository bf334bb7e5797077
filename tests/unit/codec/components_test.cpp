#include "codec/components.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "codec_test_support.h"

namespace tarnex::codec {
namespace {

using test_support::GuardedBuffer;

TEST(NextComponent, YieldsComponentsInOrderThenEmptyOnes) {
    const struct {
        const char* name;
        std::string_view text;
        std::vector<std::string> components;  // one per call, past the end included
    } cases[] = {
        {"empty components and end", "Doe;John;;Dr.;", {"Doe", "John", "", "Dr.", "", ""}},
        {"escaped semicolon kept", "O\\;Brien;Pat", {"O\\;Brien", "Pat", ""}},
        {"escaped backslash then separator", "a\\\\;b", {"a\\\\", "b"}},
        {"lone backslash is ordinary", "a\\b;c\\", {"a\\b", "c\\", ""}},
        {"ends at a zero inside the view", std::string_view("ab;c\0d;e", 8), {"ab", "c", "", ""}},
        {"ends at the view without a zero", std::string_view("ab;cdef", 5), {"ab", "cd", ""}},
        {"empty text", "", {"", ""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::size_t cursor = 0;
        std::string out = "stale";
        for (const std::string& expected : c.components) {
            cursor = NextComponent(c.text, cursor, out);
            EXPECT_EQ(out, expected);
            EXPECT_LE(cursor, c.text.size());
        }
    }
    std::string out = "stale";
    EXPECT_EQ(NextComponent("ab", 7, out), 7u);  // a cursor past the end comes back unchanged
    EXPECT_EQ(out, "");
}

TEST(ScanComponent, CopiesWithinDestAndStopsAtADelimiter) {
    const struct {
        const char* name;
        std::int32_t destSize;
        std::string_view source;
        std::string_view delimiters;
        std::string expected;
        std::size_t stop;
    } cases[] = {
        {"escape pair reduced", 5, "a\\;b_c", "_", "a;b", 4},
        {"long component cut and skipped", 4, "abcdef_x", "_", "abc", 6},
        {"escape pair never stops", 10, "a\\;b\\\\c;d", ";\\", "a;b\\c", 7},
        {"lone backslash can be a delimiter", 10, "a\\b", "\\", "a", 1},
        {"escape pair needs two bytes of room", 3, "a\\;b", "_", "a", 4},
        {"ends at a zero inside the view", 10, std::string_view("ab\0_c", 5), "_", "ab", 2},
        {"ends at the view without a zero", 10, std::string_view("abcd_e", 3), "_", "abc", 3},
        {"empty source", 5, "", "_", "", 0},
        {"size one holds only the zero", 1, "abc_d", "_", "", 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        GuardedBuffer dest(static_cast<std::size_t>(c.destSize), 'q');
        EXPECT_EQ(ScanComponent(dest.data(), c.destSize, c.source, c.delimiters), c.stop);
        EXPECT_EQ(dest.Text(), c.expected);
        EXPECT_TRUE(dest.HasZero());
        EXPECT_TRUE(dest.GuardsIntact());
    }
    for (const std::int32_t size : {0, -1, -2147483647 - 1}) {  // writes nothing, yet scans
        GuardedBuffer dest(0);
        EXPECT_EQ(ScanComponent(dest.data(), size, "abc_d", "_"), 3u);
        EXPECT_TRUE(dest.GuardsIntact());
    }
}

}  // namespace
}  // namespace tarnex::codec
