// An AppointmentItem's Start, End, Duration and AllDayEvent move each other
// as in Outlook.
#include "outlook_fixture.h"

namespace simpim::testing {
namespace {

constexpr Dispid kStart = 0x820D;
constexpr Dispid kEnd = 0x820E;
constexpr Dispid kDuration = 0x8213;
constexpr Dispid kAllDayEvent = 0x8215;
constexpr Dispid kIsRecurring = 0x8223;
constexpr double kHour = 1.0 / 24;
constexpr double kDay = 37000.0;  // Thu 19 Apr 2001

Variant At(double date) { return Variant(ta::Date{date}); }

class AppointmentTest : public OutlookTest {
protected:
    DispatchRef NewAppointment() { return ObjectOf(Method(application, 0x10A, {Variant(1)})); }
    void ExpectTimes(const DispatchRef& item, double start, double end) {
        EXPECT_NEAR(Get(item, kStart).Date(), start, 1e-7);
        EXPECT_NEAR(Get(item, kEnd).Date(), end, 1e-7);
    }
};

// Catches a new appointment dated at its making or with empty dates, and a
// master item whose IsRecurring the library could set.
TEST_F(AppointmentTest, NewAppointmentTakesTheNextHalfHour) {
    server.Store().SetNow(kDay + 10 * kHour + 12.0 / 1440);
    DispatchRef item = NewAppointment();
    ExpectTimes(item, kDay + 10.5 * kHour, kDay + 11 * kHour);
    EXPECT_EQ(Get(item, kDuration).Int(), 30);
    EXPECT_EQ(Get(item, kAllDayEvent).Bool(), false);
    EXPECT_EQ(Get(item, kIsRecurring).Bool(), false);
    EXPECT_EQ(Put(item, kIsRecurring, Variant(true)).hr, ta::kDispMemberNotFound);
}

// Catches a Start put that leaves End where it was: a converter writing End
// before Start would store a different appointment on a real PC.
TEST_F(AppointmentTest, StartMovesTheAppointmentAndEndOrDurationResizeIt) {
    DispatchRef item = NewAppointment();
    ASSERT_TRUE(Put(item, kStart, At(kDay + 10 * kHour)).Ok());
    ASSERT_TRUE(Put(item, kEnd, At(kDay + 11 * kHour)).Ok());
    ASSERT_TRUE(Put(item, kStart, At(kDay + 14 * kHour)).Ok());
    ExpectTimes(item, kDay + 14 * kHour, kDay + 15 * kHour);

    ASSERT_TRUE(Put(item, kDuration, Variant(90)).Ok());
    ExpectTimes(item, kDay + 14 * kHour, kDay + 15.5 * kHour);
    ASSERT_TRUE(Put(item, kEnd, At(kDay + 16 * kHour)).Ok());
    EXPECT_EQ(Get(item, kDuration).Int(), 120);
    ExpectTimes(item, kDay + 14 * kHour, kDay + 16 * kHour);
}

// Catches an all-day flag that leaves the times (a converter would read an
// event at 10:00) or cuts the last day off.
TEST_F(AppointmentTest, AllDayEventWidensToWholeDays) {
    const struct {
        const char* name;
        double start, end, allDayStart, allDayEnd;
    } cases[] = {
        {"within a day", kDay + 10 * kHour, kDay + 11 * kHour, kDay, kDay + 1},
        {"across midnight", kDay + 23.5 * kHour, kDay + 1 + 0.5 * kHour, kDay, kDay + 2},
        {"already whole days", kDay, kDay + 2, kDay, kDay + 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DispatchRef item = NewAppointment();
        ASSERT_TRUE(Put(item, kStart, At(c.start)).Ok());
        ASSERT_TRUE(Put(item, kEnd, At(c.end)).Ok());
        ASSERT_TRUE(Put(item, kAllDayEvent, Variant(true)).Ok());
        ExpectTimes(item, c.allDayStart, c.allDayEnd);
        EXPECT_EQ(Get(item, kAllDayEvent).Bool(), true);
        ASSERT_TRUE(Put(item, kAllDayEvent, Variant(false)).Ok());
        ExpectTimes(item, c.allDayStart, c.allDayEnd);
    }
}

}  // namespace
}  // namespace simpim::testing
