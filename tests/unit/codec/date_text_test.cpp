#include "codec/date_text.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "codec/date_time.h"
#include "codec_test_support.h"

namespace tarnex::codec {
namespace {

using namespace ::testing;
using namespace test_support;

double DateOf(const DateFields& f, double extraSeconds = 0) {
  return *FieldsToDate(f) + extraSeconds / 86400;
}

struct FormatCase {
  const char* name;
  const char* zone;
  double date;
  std::uint8_t form;
  bool withTime;
  std::string expected;
};

const double kMarch15 = DateOf({2001, 3, 15, 14, 30, 29}, 0.6);

const FormatCase kFormatCases[] = {
    {"BasicWithTimeRounds", kUtc, kMarch15, 1, true, "20010315T143030"},
    {"BasicDateOnly", kUtc, kMarch15, 1, false, "20010315"},
    {"BasicIgnoresZone", kUsEastern, kMarch15, 1, true, "20010315T143030"},
    {"BasicBeforeDateEpoch", kUtc, -1.25, 1, true, "18991229T060000"},
    {"BasicPadsYear", kUtc, DateOf({5, 1, 2, 0, 0, 0}), 1, false, "00050102"},
    {"BasicNaN", kUtc, std::numeric_limits<double>::quiet_NaN(), 1, true, ""},
    {"MailUtc", kUtc, kMarch15, 2, false, "Thu, Mar 15 14:30:30 2001"},
    {"MailKeepsWallClockEast", kOneHourEast, kMarch15, 2, false, "Thu, Mar 15 14:30:30 2001"},
    {"MailKeepsWallClockInSummer", kCentralEurope, DateOf({2001, 7, 1, 12, 0, 0}), 2, false,
     "Sun, Jul 01 12:00:00 2001"},
    {"MailRepeatedHour", kCentralEurope, DateOf({2001, 10, 28, 2, 30, 0}), 2, false,
     "Sun, Oct 28 02:30:00 2001"},
    {"MailLastSecond", kUtc, DateOf({2038, 1, 19, 3, 14, 7}), 2, false,
     "Tue, Jan 19 03:14:07 2038"},
    {"MailAfterLastSecond", kUtc, DateOf({2038, 1, 19, 3, 14, 8}), 2, false, ""},
    {"MailBeforeEpoch", kUtc, DateOf({1969, 12, 31, 23, 59, 59}), 2, false, ""},
    {"MailBeforeEpochInUtc", kOneHourEast, DateOf({1970, 1, 1, 0, 30, 0}), 2, false, ""},
    {"MailNoDate", kUtc, NoDate, 2, false, ""},
    {"FormZero", kUtc, kMarch15, 0, true, ""},
    {"FormThree", kUtc, kMarch15, 3, true, ""},
};

class FormatPimDateTest : public TestWithParam<FormatCase> {};

TEST_P(FormatPimDateTest, Formats) {
  const FormatCase& c = GetParam();
  ScopedTimeZone zone(c.zone);
  EXPECT_EQ(FormatPimDate(c.date, c.form, c.withTime), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, FormatPimDateTest, ValuesIn(kFormatCases),
                         test_support::CaseName());

TEST(FormatPimDate, MailSkippedHourMovesByTheTransition) {
  ScopedTimeZone zone(kCentralEurope);
  const std::string text = FormatPimDate(DateOf({2001, 3, 25, 2, 30, 0}), 2, false);
  EXPECT_TRUE(text == "Sun, Mar 25 03:30:00 2001" || text == "Sun, Mar 25 01:30:00 2001") << text;
}

struct ParseCase {
  const char* name;
  const char* zone;
  std::string_view text;
  std::optional<DateFields> expected;  // nullopt: 0.0
};

const ParseCase kParseCases[] = {
    {"Basic", kUtc, "20010315", DateFields{2001, 3, 15, 0, 0, 0}},
    {"Extended", kUtc, "2001-03-15", DateFields{2001, 3, 15, 0, 0, 0}},
    {"LocalTime", kCentralEurope, "20010315T143000", DateFields{2001, 3, 15, 14, 30, 0}},
    {"ColonsReadAtFixedPositions", kUtc, "20010315T14:30:00", DateFields{2001, 3, 15, 14, 0, 0}},
    {"MissingSecondsAreZero", kUtc, "20010315T1430", DateFields{2001, 3, 15, 14, 30, 0}},
    {"ShortDayReadsWhatIsThere", kUtc, "2001031", DateFields{2001, 3, 1, 0, 0, 0}},
    {"FirstTCounts", kUtc, "20010315T120000T130000", DateFields{2001, 3, 15, 12, 0, 0}},
    {"OffsetIgnored", kUtc, "20010315T143000+01:00", DateFields{2001, 3, 15, 14, 30, 0}},
    {"LowerCaseLettersIgnored", kCentralEurope, "20010315t143000z",
     DateFields{2001, 3, 15, 0, 0, 0}},
    {"ZWithoutTIsLocal", kCentralEurope, "20010315Z", DateFields{2001, 3, 15, 0, 0, 0}},
    {"EndsAtZero", kUtc, std::string_view("20010315\0T1200Z", 15), DateFields{2001, 3, 15, 0, 0, 0}},
    {"ZInUtc", kUtc, "20010315T143000Z", DateFields{2001, 3, 15, 14, 30, 0}},
    {"ZOneHourEast", kOneHourEast, "20010315T143000Z", DateFields{2001, 3, 15, 15, 30, 0}},
    {"ZUsEasternWinter", kUsEastern, "20010215T143000Z", DateFields{2001, 2, 15, 9, 30, 0}},
    {"ZUsEasternSummer", kUsEastern, "20010315T143000Z", DateFields{2001, 3, 15, 10, 30, 0}},
    {"ZIntoSkippedHour", kCentralEurope, "20010325T010000Z", DateFields{2001, 3, 25, 3, 0, 0}},
    {"ZRepeatedHourSummerSide", kCentralEurope, "20011028T003000Z",
     DateFields{2001, 10, 28, 2, 30, 0}},
    {"ZRepeatedHourWinterSide", kCentralEurope, "20011028T013000Z",
     DateFields{2001, 10, 28, 2, 30, 0}},
    {"ZUsEasternRepeatedHour", kUsEastern, "20011104T053000Z", DateFields{2001, 11, 4, 1, 30, 0}},
    {"ZLastSecond", kUtc, "20380119T031407Z", DateFields{2038, 1, 19, 3, 14, 7}},
    {"ZAfterLastSecond", kUtc, "20380119T031408Z", std::nullopt},
    {"ZBeforeEpoch", kUtc, "19691231T235959Z", std::nullopt},
    {"ZInvalidDate", kUtc, "20010231T120000Z", std::nullopt},
    {"InvalidDay", kUtc, "20010231", std::nullopt},
    {"InvalidMonth", kUtc, "20011315", std::nullopt},
    {"MissingDay", kUtc, "200103", std::nullopt},
    {"InvalidHour", kUtc, "20010315T240000", std::nullopt},
    {"Empty", kUtc, "", std::nullopt},
};

class ParsePimDateTest : public TestWithParam<ParseCase> {};

TEST_P(ParsePimDateTest, Parses) {
  const ParseCase& c = GetParam();
  ScopedTimeZone zone(c.zone);
  const double date = ParsePimDate(c.text, 1);
  if (c.expected) {
    EXPECT_EQ(DateToFields(date), c.expected) << date;
  } else {
    EXPECT_EQ(date, 0.0);
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, ParsePimDateTest, ValuesIn(kParseCases),
                         test_support::CaseName());

TEST(ParsePimDate, AnchoredToTheDateEpoch) {
  EXPECT_EQ(ParsePimDate("20010315", 1), 36965.0);
  EXPECT_EQ(ParsePimDate("18991230T120000", 1), 0.5);
}

TEST(ParsePimDate, OnlyFormOneIsRead) {
  EXPECT_EQ(ParsePimDate("20010315", 2), 0.0);
  EXPECT_EQ(ParsePimDate("20010315", 0), 0.0);
}

}  // namespace
}  // namespace tarnex::codec
