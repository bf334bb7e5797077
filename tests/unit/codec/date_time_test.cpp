#include "codec/date_time.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>

#include "scoped_time_zone.h"

namespace tarnex::codec {

void PrintTo(const DateFields& f, std::ostream* os) {
    *os << f.year << '-' << f.month << '-' << f.day << ' ' << f.hour << ':' << f.minute << ':' << f.second;
}

namespace {

using namespace test_support;
using ::testing::PrintToString;

constexpr double kSecond = 1.0 / 86400;

TEST(DateToFields, SplitsRoundsAndRefusesOutOfRange) {
    const struct {
        const char* name;
        double date;
        std::optional<DateFields> fields;
    } cases[] = {
        {"epoch", 0.0, DateFields{1899, 12, 30, 0, 0, 0}},
        {"rounds to the nearest second", 36965 + (14 * 3600 + 30 * 60 + 29.6) * kSecond,
         DateFields{2001, 3, 15, 14, 30, 30}},
        {"rounds down", 36965 + (14 * 3600 + 30 * 60 + 29.4) * kSecond, DateFields{2001, 3, 15, 14, 30, 29}},
        {"rounding carries into the next day", 36965 + 86399.6 * kSecond, DateFields{2001, 3, 16, 0, 0, 0}},
        {"negative fraction is the time of day", -1.25, DateFields{1899, 12, 29, 6, 0, 0}},
        {"negative below one day", -0.5, DateFields{1899, 12, 30, 12, 0, 0}},
        {"negative rounding carries forward", -1 - 86399.6 * kSecond, DateFields{1899, 12, 30, 0, 0, 0}},
        {"no date", 949998.0, DateFields{4501, 1, 1, 0, 0, 0}},
        {"last day", 2958465.0 + 86399 * kSecond, DateFields{9999, 12, 31, 23, 59, 59}},
        {"first day", -693959.0, DateFields{0, 1, 1, 0, 0, 0}},
        {"past the last day", 2958466.0, std::nullopt},
        {"rounded past the last day", 2958465.0 + 86399.7 * kSecond, std::nullopt},
        {"before the first day", -693960.0, std::nullopt},
        {"NaN", std::numeric_limits<double>::quiet_NaN(), std::nullopt},
        {"infinity", -std::numeric_limits<double>::infinity(), std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(DateToFields(c.date), c.fields) << c.name;
}

TEST(FieldsToDate, RejectsInvalidFields) {
    const DateFields invalid[] = {
        {2001, 2, 29, 0, 0, 0}, {1900, 2, 29, 0, 0, 0}, {2001, 4, 31, 0, 0, 0}, {2001, 0, 1, 0, 0, 0},
        {2001, 13, 1, 0, 0, 0}, {2001, 1, 0, 0, 0, 0},  {2001, 1, 1, 24, 0, 0}, {2001, 1, 1, 0, 60, 0},
        {2001, 1, 1, 0, 0, 60}, {10000, 1, 1, 0, 0, 0}, {-1, 12, 31, 0, 0, 0},  {2001, 1, 1, -1, 0, 0},
    };
    for (const DateFields& f : invalid) EXPECT_EQ(FieldsToDate(f), std::nullopt) << PrintToString(f);
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

TEST(LocalFieldsToTime32, ConvertsWithinTheRangeBothWays) {
    const struct {
        const char* name;
        const char* zone;
        DateFields local;
        std::optional<std::int32_t> time;
    } cases[] = {
        {"one hour east", kOneHourEast, {2001, 1, 1, 0, 0, 0}, 978303600},
        {"US Eastern summer", kUsEastern2001, {2001, 7, 1, 12, 0, 0}, 994003200},
        {"US Eastern winter", kUsEastern2001, {2001, 1, 15, 12, 0, 0}, 979578000},
        {"first second", kUtc, {1970, 1, 1, 0, 0, 0}, 0},
        {"last second", kUtc, {2038, 1, 19, 3, 14, 7}, 2147483647},
        {"before the first second", kUtc, {1969, 12, 31, 23, 59, 59}, std::nullopt},
        {"after the last second", kUtc, {2038, 1, 19, 3, 14, 8}, std::nullopt},
        {"east of UTC before the epoch", kOneHourEast, {1970, 1, 1, 0, 30, 0}, std::nullopt},
        {"invalid fields", kUtc, {2001, 2, 30, 0, 0, 0}, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScopedTimeZone zone(c.zone);
        EXPECT_EQ(LocalFieldsToTime32(c.local), c.time);
        if (c.time) {
            EXPECT_EQ(Time32ToLocalFields(*c.time), c.local);
        }
    }
}

// mktime may take a skipped or repeated wall-clock time as either standard
// or daylight time; both answers are instants one hour apart.
TEST(LocalFieldsToTime32, ResolvesTransitionsToStandardOrDaylightTime) {
    const struct {
        const char* zone;
        DateFields local;
        std::int32_t standard;  // the instant read as standard time
    } cases[] = {
        {kUsEastern2001, {2001, 4, 1, 2, 30, 0}, 986110200},     // skipped
        {kUsEastern2001, {2001, 10, 28, 1, 30, 0}, 1004250600},  // repeated
    };
    for (const auto& c : cases) {
        ScopedTimeZone zone(c.zone);
        const std::optional<std::int32_t> time = LocalFieldsToTime32(c.local);
        ASSERT_TRUE(time) << PrintToString(c.local);
        EXPECT_TRUE(*time == c.standard || *time == c.standard - 3600) << *time;
    }
}

}  // namespace
}  // namespace tarnex::codec
