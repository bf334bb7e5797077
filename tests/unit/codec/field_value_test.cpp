#include "codec/field_value.h"

#include <gtest/gtest.h>

#include <string>

#include "codec_test_support.h"

namespace tarnex::codec {
namespace {

using test_support::GuardedBuffer;
using test_support::ScopedCodePage;

TEST(AppendFieldValue, EscapesCutsAndTerminatesWithinTheField) {
    const std::string twenty = "abcdefghijklmnopqrst";
    const struct {
        const char* name;
        unsigned codePage;
        std::string initial;  // text already in the field
        std::string value;
        std::int32_t fieldSize;
        bool separator;
        std::string expected;
    } cases[] = {
        {"empty value gets the separator", 1252, "", "", 10, true, ";"},
        {"escapes backslash then semicolon", 1252, "", "a;b\\c", 20, true, "a\\;b\\\\c;"},
        {"added backslashes not doubled again", 1252, "", "\\;", 20, false, "\\\\\\;"},
        {"CR LF becomes a soft break", 1252, "", "one\r\ntwo", 30, false, "one=0D=0A=\ntwo"},
        {"CR CR LF keeps the first CR", 1252, "", "a\r\r\nb", 30, false, "a\r=0D=0A=\nb"},
        {"lone breaks, equals and high bytes pass", 1252, "", "a\nb\rc=\xE9", 30, false, "a\nb\rc=\xE9"},
        {"value ends at its zero", 1252, "", std::string("ab\0cd", 5), 10, false, "ab"},
        {"cut without separator", 1252, "", twenty, 11, false, twenty.substr(0, 10)},
        {"cut keeps room for the separator", 1252, "", twenty, 11, true, twenty.substr(0, 9) + ";"},
        {"cut inside an escape pair", 1252, "", "a;b", 3, false, "a\\"},
        {"cut inside a soft break", 1252, "", "\r\nx", 5, false, "=0D="},
        {"only the separator fits", 1252, "abc", "xyz", 5, true, "abc;"},
        {"full field takes no separator", 1252, "abcd", "xyz", 5, true, "abcd"},
        {"size one holds only the zero", 1252, "", "xyz", 1, false, ""},
        // Code page 932: 0x81-0x9F and 0xE0-0xFC lead two-byte characters.
        {"DBCS lead without room for its trail dropped", 932, "", "\x82\xA0\x82\xA2", 4, false, "\x82\xA0"},
        {"DBCS trail looking like a lead kept", 932, "",
         "\x82\x82"
         "b",
         3, false, "\x82\x82"},
        {"DBCS cut behind the separator's room", 932, "x", "\x82\xA0\x82\xA2", 6, true, "x\x82\xA0;"},
        {"DBCS lone lead at the end kept", 932, "", "a\x82", 10, false, "a\x82"},
        // Escaping works on bytes: a 0x5C trail byte is doubled like any "\".
        {"DBCS backslash trail escaped bytewise", 932, "", "\x83\x5C", 10, false, "\x83\x5C\x5C"},
        {"single-byte code page cuts anywhere", 1252, "", "\x82\xA0\x82\xA2", 4, false, "\x82\xA0\x82"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScopedCodePage codePage(c.codePage);
        // Bytes behind the zero are not zero, so a missing terminator shows.
        GuardedBuffer field(static_cast<std::size_t>(c.fieldSize), 'q');
        c.initial.copy(field.data(), c.initial.size());
        field.data()[c.initial.size()] = '\0';
        AppendFieldValue(field.data(), c.value, c.fieldSize, c.separator);
        EXPECT_EQ(field.Text(), c.expected);
        EXPECT_TRUE(field.HasZero());
        EXPECT_TRUE(field.GuardsIntact());
    }
}

TEST(AppendFieldValue, SuccessiveComponentsStayWithinTheField) {
    GuardedBuffer names(100);
    for (int i = 0; i < 5; ++i) AppendFieldValue(names.data(), "", 100, i < 4);
    EXPECT_EQ(names.Text(), ";;;;");  // five empty name components

    GuardedBuffer field(8);
    AppendFieldValue(field.data(), "abcdefghij", 8, true);
    AppendFieldValue(field.data(), "x", 8, true);
    AppendFieldValue(field.data(), "y", 8, false);
    EXPECT_EQ(field.Text(), "abcdef;");
    EXPECT_TRUE(field.GuardsIntact());
}

TEST(AppendFieldValue, FieldWithoutAZeroOrWithoutRoom) {
    for (const bool separator : {false, true}) {
        GuardedBuffer field(6, 'u');  // no zero anywhere: ended at its last byte
        AppendFieldValue(field.data(), "value", 6, separator);
        EXPECT_EQ(field.Text(), "uuuuu");
        EXPECT_TRUE(field.GuardsIntact());
    }
    for (const std::int32_t size : {0, -1, -2147483647 - 1}) {
        GuardedBuffer field(0);
        AppendFieldValue(field.data(), "value", size, true);
        EXPECT_TRUE(field.GuardsIntact());
    }
}

}  // namespace
}  // namespace tarnex::codec
