#include "codec/date_text.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "codec/date_time.h"
#include "scoped_time_zone.h"

namespace tarnex::codec {
namespace {

using namespace test_support;

double DateOf(const DateFields& f, double extraSeconds = 0) {
    return *FieldsToDate(f) + extraSeconds / 86400;
}

TEST(FormatPimDate, FormsZonesAndRange) {
    const double march15 = DateOf({2001, 3, 15, 14, 30, 29}, 0.6);
    const struct {
        const char* name;
        const char* zone;
        double date;
        std::uint8_t form;
        bool withTime;
        std::string expected;
    } cases[] = {
        {"basic with time rounds", kUtc, march15, 1, true, "20010315T143030"},
        {"basic date only", kUtc, march15, 1, false, "20010315"},
        {"basic ignores the zone", kUsEastern2001, march15, 1, true, "20010315T143030"},
        {"basic before the date epoch", kUtc, -1.25, 1, true, "18991229T060000"},
        {"basic pads the year", kUtc, DateOf({5, 1, 2, 0, 0, 0}), 1, false, "00050102"},
        {"basic NaN", kUtc, std::numeric_limits<double>::quiet_NaN(), 1, true, ""},
        {"mail keeps the wall clock east", kOneHourEast, march15, 2, false, "Thu, Mar 15 14:30:30 2001"},
        {"mail repeated hour", kUsEastern2001, DateOf({2001, 10, 28, 1, 30, 0}), 2, false,
         "Sun, Oct 28 01:30:00 2001"},
        {"mail rounding crosses midnight", kUsEastern2001, DateOf({2001, 3, 31, 23, 59, 59}, 0.6), 2, false,
         "Sun, Apr 01 00:00:00 2001"},
        {"mail last second", kUtc, DateOf({2038, 1, 19, 3, 14, 7}), 2, false, "Tue, Jan 19 03:14:07 2038"},
        {"mail after the last second", kUtc, DateOf({2038, 1, 19, 3, 14, 8}), 2, false, ""},
        {"mail before the epoch", kUtc, DateOf({1969, 12, 31, 23, 59, 59}), 2, false, ""},
        {"mail before the epoch in UTC", kOneHourEast, DateOf({1970, 1, 1, 0, 30, 0}), 2, false, ""},
        {"mail no date", kUtc, NoDate, 2, false, ""},
        {"form three", kUtc, march15, 3, true, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScopedTimeZone zone(c.zone);
        EXPECT_EQ(FormatPimDate(c.date, c.form, c.withTime), c.expected);
    }
    ScopedTimeZone zone(kUsEastern2001);  // a skipped hour moves by the transition
    const std::string text = FormatPimDate(DateOf({2001, 4, 1, 2, 30, 0}), 2, false);
    EXPECT_TRUE(text == "Sun, Apr 01 03:30:00 2001" || text == "Sun, Apr 01 01:30:00 2001") << text;
}

TEST(ParsePimDate, LocalAndZTextsAndInvalidOnes) {
    const struct {
        const char* name;
        const char* zone;
        std::string_view text;
        std::optional<DateFields> expected;  // nullopt: 0.0
    } cases[] = {
        {"basic", kUtc, "20010315", DateFields{2001, 3, 15, 0, 0, 0}},
        {"extended", kUtc, "2001-03-15", DateFields{2001, 3, 15, 0, 0, 0}},
        {"local time", kUsEastern2001, "20010315T143000", DateFields{2001, 3, 15, 14, 30, 0}},
        {"colons read at fixed positions", kUtc, "20010315T14:30:00", DateFields{2001, 3, 15, 14, 0, 0}},
        {"missing seconds are zero", kUtc, "20010315T1430", DateFields{2001, 3, 15, 14, 30, 0}},
        {"short day reads what is there", kUtc, "2001031", DateFields{2001, 3, 1, 0, 0, 0}},
        {"first T counts", kUtc, "20010315T120000T130000", DateFields{2001, 3, 15, 12, 0, 0}},
        {"offset ignored", kUtc, "20010315T143000+01:00", DateFields{2001, 3, 15, 14, 30, 0}},
        {"lower-case letters ignored", kUsEastern2001, "20010315t143000z", DateFields{2001, 3, 15, 0, 0, 0}},
        {"Z without T is local", kUsEastern2001, "20010315Z", DateFields{2001, 3, 15, 0, 0, 0}},
        {"ends at a zero", kUtc, std::string_view("20010315\0T1200Z", 15), DateFields{2001, 3, 15, 0, 0, 0}},
        {"Z one hour east", kOneHourEast, "20010315T143000Z", DateFields{2001, 3, 15, 15, 30, 0}},
        // 2001's rules, not today's: still standard time in mid-March.
        {"Z US Eastern March 2001", kUsEastern2001, "20010315T143000Z", DateFields{2001, 3, 15, 9, 30, 0}},
        {"Z US Eastern summer", kUsEastern2001, "20010715T143000Z", DateFields{2001, 7, 15, 10, 30, 0}},
        {"Z into the skipped hour", kUsEastern2001, "20010401T070000Z", DateFields{2001, 4, 1, 3, 0, 0}},
        {"Z just before the skipped hour", kUsEastern2001, "20010401T065959Z",
         DateFields{2001, 4, 1, 1, 59, 59}},
        {"Z repeated hour summer side", kUsEastern2001, "20011028T053000Z",
         DateFields{2001, 10, 28, 1, 30, 0}},
        {"Z repeated hour winter side", kUsEastern2001, "20011028T063000Z",
         DateFields{2001, 10, 28, 1, 30, 0}},
        {"Z back across a year", kUsEastern2001, "20010101T030000Z", DateFields{2000, 12, 31, 22, 0, 0}},
        {"Z forward across a day", kOneHourEast, "20010315T233000Z", DateFields{2001, 3, 16, 0, 30, 0}},
        {"Z last second", kUtc, "20380119T031407Z", DateFields{2038, 1, 19, 3, 14, 7}},
        {"Z after the last second", kUtc, "20380119T031408Z", std::nullopt},
        {"Z before the epoch", kUtc, "19691231T235959Z", std::nullopt},
        {"Z invalid date", kUtc, "20010231T120000Z", std::nullopt},
        {"invalid day", kUtc, "20010231", std::nullopt},
        {"missing day", kUtc, "200103", std::nullopt},
        {"invalid hour", kUtc, "20010315T240000", std::nullopt},
        {"empty", kUtc, "", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScopedTimeZone zone(c.zone);
        const double date = ParsePimDate(c.text, 1);
        if (c.expected) {
            EXPECT_EQ(DateToFields(date), c.expected) << date;
        } else {
            EXPECT_EQ(date, 0.0);
        }
    }
    EXPECT_EQ(ParsePimDate("20010315", 1), 36965.0);  // anchored to the date epoch
    EXPECT_EQ(ParsePimDate("18991230T120000", 1), 0.5);
    EXPECT_EQ(ParsePimDate("20010315", 2), 0.0);  // only form 1 is read
    EXPECT_EQ(ParsePimDate("20010315", 0), 0.0);
}

}  // namespace
}  // namespace tarnex::codec
