#include "codec/field_value.h"

#include <gtest/gtest.h>

#include <string>

#include "codec_test_support.h"

namespace tarnex::codec {
namespace {

using test_support::GuardedBuffer;
using test_support::ScopedCodePage;

struct AppendCase {
  const char* name;
  unsigned codePage;
  std::string initial;  // text already in the field
  std::string value;
  std::int32_t fieldSize;
  bool separator;
  std::string expected;
};

const std::string kTwenty = "abcdefghijklmnopqrst";

const AppendCase kAppendCases[] = {
    {"EmptyValueGetsSeparator", 1252, "", "", 10, true, ";"},
    {"EscapesBackslashThenSemicolon", 1252, "", "a;b\\c", 20, true, "a\\;b\\\\c;"},
    {"AddedBackslashesNotDoubledAgain", 1252, "", "\\;", 20, false, "\\\\\\;"},
    {"CrLfBecomesSoftBreak", 1252, "", "one\r\ntwo", 30, false, "one=0D=0A=\ntwo"},
    {"CrCrLfKeepsFirstCr", 1252, "", "a\r\r\nb", 30, false, "a\r=0D=0A=\nb"},
    {"LoneBreaksEqualsAndHighBytesPass", 1252, "", "a\nb\rc=\xE9", 30, false, "a\nb\rc=\xE9"},
    {"ValueEndsAtItsZero", 1252, "", std::string("ab\0cd", 5), 10, false, "ab"},
    {"CutWithoutSeparator", 1252, "", kTwenty, 11, false, kTwenty.substr(0, 10)},
    {"CutKeepsRoomForSeparator", 1252, "", kTwenty, 11, true, kTwenty.substr(0, 9) + ";"},
    {"AppendsBehindExistingText", 1252, "abc", "defgh", 8, true, "abcdef;"},
    {"CutInsideEscapePair", 1252, "", "a;b", 3, false, "a\\"},
    {"CutInsideSoftBreak", 1252, "", "\r\nx", 5, false, "=0D="},
    {"OnlySeparatorFits", 1252, "abc", "xyz", 5, true, "abc;"},
    {"FullFieldTakesNoSeparator", 1252, "abcd", "xyz", 5, true, "abcd"},
    {"FullFieldTakesNoText", 1252, "abcd", "xyz", 5, false, "abcd"},
    {"SizeOneHoldsOnlyZero", 1252, "", "xyz", 1, false, ""},
    // Code page 932: 0x81-0x9F and 0xE0-0xFC lead two-byte characters.
    {"DbcsLeadWithoutRoomForTrailDropped", 932, "", "\x82\xA0\x82\xA2", 4, false, "\x82\xA0"},
    {"DbcsTrailLookingLikeLeadKept", 932, "", "\x82\x82" "b", 3, false, "\x82\x82"},
    {"DbcsCutBehindSeparatorRoom", 932, "x", "\x82\xA0\x82\xA2", 6, true, "x\x82\xA0;"},
    {"DbcsLoneLeadAtEndKept", 932, "", "a\x82", 10, false, "a\x82"},
    // Escaping works on bytes: a 0x5C trail byte is doubled like any "\".
    {"DbcsBackslashTrailEscapedBytewise", 932, "", "\x83\x5C", 10, false, "\x83\x5C\x5C"},
    {"SingleByteCodePageCutsAnywhere", 1252, "", "\x82\xA0\x82\xA2", 4, false, "\x82\xA0\x82"},
};

class AppendFieldValueTest : public ::testing::TestWithParam<AppendCase> {};

TEST_P(AppendFieldValueTest, AppendsWithinField) {
  const AppendCase& c = GetParam();
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

INSTANTIATE_TEST_SUITE_P(Cases, AppendFieldValueTest, ::testing::ValuesIn(kAppendCases),
                         test_support::CaseName());

TEST(AppendFieldValue, FiveEmptyNameComponentsGiveFourSeparators) {
  GuardedBuffer field(100);
  for (int i = 0; i < 5; ++i) {
    AppendFieldValue(field.data(), "", 100, i < 4);
  }
  EXPECT_EQ(field.Text(), ";;;;");
}

TEST(AppendFieldValue, LaterComponentsOfAnOverflowedFieldStayWithinIt) {
  GuardedBuffer field(8);
  AppendFieldValue(field.data(), "abcdefghij", 8, true);
  AppendFieldValue(field.data(), "x", 8, true);
  AppendFieldValue(field.data(), "y", 8, false);
  EXPECT_EQ(field.Text(), "abcdef;");
  EXPECT_TRUE(field.GuardsIntact());
}

TEST(AppendFieldValue, UnterminatedFieldIsEndedAtItsLastByte) {
  for (const bool separator : {false, true}) {
    GuardedBuffer field(6, 'u');  // no zero anywhere inside the field
    AppendFieldValue(field.data(), "value", 6, separator);
    EXPECT_EQ(field.Text(), "uuuuu");
    EXPECT_TRUE(field.GuardsIntact());
  }
}

TEST(AppendFieldValue, NonPositiveSizeWritesNothing) {
  for (const std::int32_t size : {0, -1, -2147483647 - 1}) {
    GuardedBuffer field(0);
    AppendFieldValue(field.data(), "value", size, true);
    EXPECT_TRUE(field.GuardsIntact());
  }
}

}  // namespace
}  // namespace tarnex::codec
