#include "codec/date_time.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>

#include "codec_test_support.h"

namespace tarnex::codec {

void PrintTo(const DateFields& f, std::ostream* os) {
  *os << f.year << '-' << f.month << '-' << f.day << ' ' << f.hour << ':' << f.minute << ':'
      << f.second;
}

namespace {

using namespace ::testing;
using namespace test_support;

constexpr double kSecond = 1.0 / 86400;

struct DateCase {
  const char* name;
  double date;
  std::optional<DateFields> fields;
};

const DateCase kDateCases[] = {
    {"Epoch", 0.0, DateFields{1899, 12, 30, 0, 0, 0}},
    {"RoundsToNearestSecond", 36965 + (14 * 3600 + 30 * 60 + 29.6) * kSecond,
     DateFields{2001, 3, 15, 14, 30, 30}},
    {"RoundsDown", 36965 + (14 * 3600 + 30 * 60 + 29.4) * kSecond,
     DateFields{2001, 3, 15, 14, 30, 29}},
    {"RoundingCarriesIntoNextDay", 36965 + 86399.6 * kSecond, DateFields{2001, 3, 16, 0, 0, 0}},
    {"NegativeFractionIsTimeOfDay", -1.25, DateFields{1899, 12, 29, 6, 0, 0}},
    {"NegativeBelowOneDay", -0.5, DateFields{1899, 12, 30, 12, 0, 0}},
    {"NegativeRoundingCarriesForward", -1 - 86399.6 * kSecond, DateFields{1899, 12, 30, 0, 0, 0}},
    {"NoDate", 949998.0, DateFields{4501, 1, 1, 0, 0, 0}},
    {"LastDay", 2958465.0 + 86399 * kSecond, DateFields{9999, 12, 31, 23, 59, 59}},
    {"FirstDay", -693959.0, DateFields{0, 1, 1, 0, 0, 0}},
    {"PastLastDay", 2958466.0, std::nullopt},
    {"RoundedPastLastDay", 2958465.0 + 86399.7 * kSecond, std::nullopt},
    {"BeforeFirstDay", -693960.0, std::nullopt},
    {"NaN", std::numeric_limits<double>::quiet_NaN(), std::nullopt},
    {"Infinity", -std::numeric_limits<double>::infinity(), std::nullopt},
};

class DateToFieldsTest : public TestWithParam<DateCase> {};

TEST_P(DateToFieldsTest, Splits) { EXPECT_EQ(DateToFields(GetParam().date), GetParam().fields); }

INSTANTIATE_TEST_SUITE_P(Cases, DateToFieldsTest, ValuesIn(kDateCases),
                         test_support::CaseName());

TEST(FieldsToDate, KnownDates) {
  EXPECT_EQ(FieldsToDate({2001, 3, 15, 0, 0, 0}), 36965.0);
  EXPECT_EQ(FieldsToDate({1899, 12, 29, 6, 0, 0}), -1.25);
  EXPECT_EQ(FieldsToDate({4501, 1, 1, 0, 0, 0}), 949998.0);
}

TEST(FieldsToDate, RejectsInvalidFields) {
  const DateFields invalid[] = {
      {2001, 2, 29, 0, 0, 0},  {1900, 2, 29, 0, 0, 0},  {2001, 4, 31, 0, 0, 0},
      {2001, 0, 1, 0, 0, 0},   {2001, 13, 1, 0, 0, 0},  {2001, 1, 0, 0, 0, 0},
      {2001, 1, 1, 24, 0, 0},  {2001, 1, 1, 0, 60, 0},  {2001, 1, 1, 0, 0, 60},
      {10000, 1, 1, 0, 0, 0},  {-1, 12, 31, 0, 0, 0},   {2001, 1, 1, -1, 0, 0},
  };
  for (const DateFields& f : invalid) {
    EXPECT_EQ(FieldsToDate(f), std::nullopt) << PrintToString(f);
  }
  EXPECT_TRUE(FieldsToDate({2000, 2, 29, 0, 0, 0}));
}

// Every day of the range maps back to its DATE, and its last second survives
// the round trip through a DATE.
TEST(FieldsToDate, RoundTripsThroughDateToFields) {
  for (double day = -693959; day <= 2958465; day += 1) {
    std::optional<DateFields> fields = DateToFields(day);
    ASSERT_TRUE(fields) << day;
    ASSERT_EQ(FieldsToDate(*fields), day) << PrintToString(*fields);
    fields->hour = 23;
    fields->minute = 59;
    fields->second = 59;
    ASSERT_EQ(DateToFields(*FieldsToDate(*fields)), fields) << day;
  }
}

struct LocalCase {
  const char* name;
  const char* zone;
  DateFields local;
  std::optional<std::int32_t> time;
};

const LocalCase kLocalCases[] = {
    {"UtcNewYear", kUtc, {2001, 1, 1, 0, 0, 0}, 978307200},
    {"OneHourEast", kOneHourEast, {2001, 1, 1, 0, 0, 0}, 978303600},
    {"CentralEuropeSummer", kCentralEurope, {2001, 7, 1, 12, 0, 0}, 993981600},
    {"UsEasternWinter", kUsEastern, {2001, 1, 1, 0, 0, 0}, 978325200},
    {"UsEasternSummer", kUsEastern, {2001, 7, 1, 12, 0, 0}, 994003200},
    {"FirstSecond", kUtc, {1970, 1, 1, 0, 0, 0}, 0},
    {"LastSecond", kUtc, {2038, 1, 19, 3, 14, 7}, 2147483647},
    {"BeforeFirstSecond", kUtc, {1969, 12, 31, 23, 59, 59}, std::nullopt},
    {"AfterLastSecond", kUtc, {2038, 1, 19, 3, 14, 8}, std::nullopt},
    {"EastOfUtcBeforeEpoch", kOneHourEast, {1970, 1, 1, 0, 30, 0}, std::nullopt},
    {"NoDateYear", kUtc, {4501, 1, 1, 0, 0, 0}, std::nullopt},
    {"InvalidFields", kUtc, {2001, 2, 30, 0, 0, 0}, std::nullopt},
};

class LocalFieldsToTime32Test : public TestWithParam<LocalCase> {};

TEST_P(LocalFieldsToTime32Test, Converts) {
  ScopedTimeZone zone(GetParam().zone);
  EXPECT_EQ(LocalFieldsToTime32(GetParam().local), GetParam().time);
  if (GetParam().time) {
    EXPECT_EQ(Time32ToLocalFields(*GetParam().time), GetParam().local);
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, LocalFieldsToTime32Test, ValuesIn(kLocalCases),
                         test_support::CaseName());

// mktime may take a skipped or repeated wall-clock time as either standard
// or daylight time; both answers are instants one hour apart.
struct TransitionCase {
  const char* name;
  const char* zone;
  DateFields local;
  std::int32_t standard;  // the instant read as standard time
};

const TransitionCase kTransitionCases[] = {
    {"CentralEuropeSkipped", kCentralEurope, {2001, 3, 25, 2, 30, 0}, 985483800},
    {"CentralEuropeRepeated", kCentralEurope, {2001, 10, 28, 2, 30, 0}, 1004232600},
    {"UsEasternSkipped", kUsEastern, {2001, 3, 11, 2, 30, 0}, 984295800},
    {"UsEasternRepeated", kUsEastern, {2001, 11, 4, 1, 30, 0}, 1004855400},
};

class TransitionTest : public TestWithParam<TransitionCase> {};

TEST_P(TransitionTest, ResolvesToStandardOrDaylightTime) {
  const TransitionCase& c = GetParam();
  ScopedTimeZone zone(c.zone);
  const std::optional<std::int32_t> time = LocalFieldsToTime32(c.local);
  ASSERT_TRUE(time);
  EXPECT_TRUE(*time == c.standard || *time == c.standard - 3600) << *time;
}

INSTANTIATE_TEST_SUITE_P(Cases, TransitionTest, ValuesIn(kTransitionCases),
                         test_support::CaseName());

}  // namespace
}  // namespace tarnex::codec
