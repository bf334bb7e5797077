// The date conversions over real time-zone data (Debian's tzdata): history
// that no POSIX rule string carries, a half-hour daylight shift and a zone
// without daylight time. Linux only: msvcrt knows no zone files (see
// scoped_time_zone.h for what the Windows run covers instead).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "codec/date_text.h"
#include "codec/date_time.h"
#include "scoped_time_zone.h"

namespace tarnex::codec {
namespace {

using test_support::ScopedTimeZone;

constexpr const char* kNewYork = "America/New_York";
constexpr const char* kLondon = "Europe/London";
constexpr const char* kLordHowe = "Australia/Lord_Howe";
constexpr const char* kTokyo = "Asia/Tokyo";

// glibc silently reads a zone it cannot find as UTC, which would fail the
// cases below with misleading hours: name the missing package instead.
::testing::AssertionResult HasZoneData(const char* zone) {
    const char* dir = std::getenv("TZDIR");
    const std::filesystem::path file = std::filesystem::path(dir ? dir : "/usr/share/zoneinfo") / zone;
    if (std::filesystem::is_regular_file(file)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "no time-zone data at " << file.string() << ": install Debian's tzdata package";
}

double DateOf(const DateFields& f, double extraSeconds = 0) {
    return *FieldsToDate(f) + extraSeconds / 86400;
}

// Catches a conversion that applies one fixed offset or today's rules to
// every year, misses a half-hour shift, or drops the day a UTC text moves to.
TEST(ZoneData, ZTextsReadAsLocalTime) {
    const struct {
        const char* zone;
        const char* text;
        DateFields local;
    } cases[] = {
        {kNewYork, "20010315T143000Z", {2001, 3, 15, 9, 30, 0}},  // today's rules: 10:30
        {kNewYork, "20010401T065959Z", {2001, 4, 1, 1, 59, 59}},
        {kNewYork, "20010401T070000Z", {2001, 4, 1, 3, 0, 0}},
        {kNewYork, "20011028T055959Z", {2001, 10, 28, 1, 59, 59}},
        {kNewYork, "20011028T060000Z", {2001, 10, 28, 1, 0, 0}},
        {kNewYork, "20010101T030000Z", {2000, 12, 31, 22, 0, 0}},
        {kLondon, "20010325T005959Z", {2001, 3, 25, 0, 59, 59}},
        {kLondon, "20010325T010000Z", {2001, 3, 25, 2, 0, 0}},
        {kLondon, "20011028T005959Z", {2001, 10, 28, 1, 59, 59}},
        {kLondon, "20011028T010000Z", {2001, 10, 28, 1, 0, 0}},
        {kLondon, "20010630T233000Z", {2001, 7, 1, 0, 30, 0}},
        {kLordHowe, "20010324T145959Z", {2001, 3, 25, 1, 59, 59}},  // +11 to +10:30
        {kLordHowe, "20010324T150000Z", {2001, 3, 25, 1, 30, 0}},
        {kLordHowe, "20011027T152959Z", {2001, 10, 28, 1, 59, 59}},
        {kLordHowe, "20011027T153000Z", {2001, 10, 28, 2, 30, 0}},
        {kLordHowe, "20001231T130000Z", {2001, 1, 1, 0, 0, 0}},
        {kLordHowe, "20010630T133000Z", {2001, 7, 1, 0, 0, 0}},
        {kTokyo, "20001231T145959Z", {2000, 12, 31, 23, 59, 59}},
        {kTokyo, "20001231T150000Z", {2001, 1, 1, 0, 0, 0}},
        {kTokyo, "20010701T000000Z", {2001, 7, 1, 9, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.zone) + " " + c.text);
        ASSERT_TRUE(HasZoneData(c.zone));
        ScopedTimeZone zone(c.zone);
        EXPECT_EQ(DateToFields(ParsePimDate(c.text, 1)), c.local);
    }
}

// A wall-clock time that daylight saving skips or repeats is one of two
// instants, shift apart; any other answer is a conversion that ignores the
// change or moves by a whole hour where the zone moves by half of one.
TEST(ZoneData, SkippedAndRepeatedTimesResolveToEitherSide) {
    const struct {
        const char* zone;
        DateFields local;
        std::int32_t standard;  // the instant read as standard time
        std::int32_t shift;
    } cases[] = {
        {kNewYork, {2001, 4, 1, 2, 30, 0}, 986110200, 3600},
        {kNewYork, {2001, 10, 28, 1, 30, 0}, 1004250600, 3600},
        {kLondon, {2001, 3, 25, 1, 30, 0}, 985483800, 3600},
        {kLondon, {2001, 10, 28, 1, 30, 0}, 1004232600, 3600},
        {kLordHowe, {2001, 10, 28, 2, 15, 0}, 1004197500, 1800},
        {kLordHowe, {2001, 3, 25, 1, 45, 0}, 985446900, 1800},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(HasZoneData(c.zone));
        ScopedTimeZone zone(c.zone);
        const std::optional<std::int32_t> time = LocalFieldsToTime32(c.local);
        ASSERT_TRUE(time) << c.zone;
        EXPECT_TRUE(*time == c.standard || *time == c.standard - c.shift) << c.zone << ' ' << *time;
    }
}

// Rounding to the second comes before the local conversion: a DATE less
// than half a second before midnight is the next day, also across a year
// and on the day of a change. Catches truncation and rounding after it.
TEST(ZoneData, MailDatesRoundAcrossMidnight) {
    const struct {
        const char* zone;
        double date;
        const char* text;
    } cases[] = {
        {kTokyo, DateOf({2001, 12, 31, 23, 59, 59}, 0.6), "Tue, Jan 01 00:00:00 2002"},
        {kNewYork, DateOf({2001, 3, 31, 23, 59, 59}, 0.6), "Sun, Apr 01 00:00:00 2001"},
        {kLondon, DateOf({2001, 10, 27, 23, 59, 59}, 0.6), "Sun, Oct 28 00:00:00 2001"},
        {kLordHowe, DateOf({2001, 10, 27, 23, 59, 59}, 0.7), "Sun, Oct 28 00:00:00 2001"},
        {kLordHowe, DateOf({2001, 10, 27, 23, 59, 59}, 0.4), "Sat, Oct 27 23:59:59 2001"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(HasZoneData(c.zone));
        ScopedTimeZone zone(c.zone);
        EXPECT_EQ(FormatPimDate(c.date, 2, false), c.text) << c.zone;
    }
}

}  // namespace
}  // namespace tarnex::codec
