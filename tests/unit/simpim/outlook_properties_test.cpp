// What a put does to an Outlook item's other properties, as in Outlook: an
// appointment's times, a task's dates and completion state, a contact's
// addresses and a note's subject; and the object model guard's prompts.
#include <functional>

#include "sim_call.h"
#include "simpim/address_text.h"

namespace simpim::testing {
namespace {

constexpr Dispid kStart = 0x820D, kEnd = 0x820E, kDuration = 0x8213, kAllDayEvent = 0x8215,
                 kIsRecurring = 0x8223;
constexpr Dispid kStartDate = 0x8104, kDueDate = 0x8105, kDateCompleted = 0x810F, kComplete = 0x811C,
                 kStatus = 0x8101, kPercentComplete = 0xF61F;
constexpr Dispid kHomeAddress = 0x801a, kBusinessAddress = 0x801b, kOtherAddress = 0x801c,
                 kMailingAddress = 0x3a15, kSelectedMailingAddress = 0x8022;
constexpr Dispid kEmail1Address = 0x8083, kTo = 0xE04;
constexpr double kHour = 1.0 / 24, kDay = 37000.0;  // Thu 19 Apr 2001

class AppointmentTest : public OutlookTest {
protected:
    void ExpectTimes(const DispatchRef& item, double start, double end) {
        EXPECT_NEAR(Get(item, kStart).Date(), start, 1e-7);
        EXPECT_NEAR(Get(item, kEnd).Date(), end, 1e-7);
    }
};

// Catches a new appointment dated at its making or with empty dates, and a
// Start put that leaves End where it was: a converter writing End before
// Start would store a different appointment on a real PC.
TEST_F(AppointmentTest, StartMovesTheAppointmentAndEndOrDurationResizeIt) {
    server.Store().SetNow(kDay + 10 * kHour + 12.0 / 1440);
    DispatchRef item = New(1);
    ExpectTimes(item, kDay + 10.5 * kHour, kDay + 11 * kHour);
    EXPECT_EQ(Get(item, kDuration).Int(), 30);
    EXPECT_EQ(Get(item, kAllDayEvent).Bool(), false);
    EXPECT_EQ(Get(item, kIsRecurring).Bool(), false);

    ASSERT_TRUE(Put(item, kEnd, Day(kDay + 11.5 * kHour)).Ok());
    ASSERT_TRUE(Put(item, kStart, Day(kDay + 14 * kHour)).Ok());
    ExpectTimes(item, kDay + 14 * kHour, kDay + 15 * kHour);
    ASSERT_TRUE(Put(item, kDuration, Variant(90)).Ok());
    ExpectTimes(item, kDay + 14 * kHour, kDay + 15.5 * kHour);
    ASSERT_TRUE(Put(item, kEnd, Day(kDay + 16 * kHour)).Ok());
    EXPECT_EQ(Get(item, kDuration).Int(), 120);
}

// Catches an all-day flag that leaves the times (a converter would read an
// event at 10:00) or cuts the last day off.
TEST_F(AppointmentTest, AllDayEventWidensToWholeDays) {
    const struct {
        double start, end, allDayStart, allDayEnd;
    } cases[] = {
        {kDay + 10 * kHour, kDay + 11 * kHour, kDay, kDay + 1},
        {kDay + 23.5 * kHour, kDay + 1 + 0.5 * kHour, kDay, kDay + 2},
        {kDay, kDay + 2, kDay, kDay + 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.start);
        DispatchRef item = New(1);
        ASSERT_TRUE(Put(item, kStart, Day(c.start)).Ok() && Put(item, kEnd, Day(c.end)).Ok());
        ASSERT_TRUE(Put(item, kAllDayEvent, Variant(true)).Ok());
        ExpectTimes(item, c.allDayStart, c.allDayEnd);
        EXPECT_EQ(Get(item, kAllDayEvent).Bool(), true);
        ASSERT_TRUE(Put(item, kAllDayEvent, Variant(false)).Ok());
        ExpectTimes(item, c.allDayStart, c.allDayEnd);
    }
}

// Catches empty task dates read as 0 (30 Dec 1899) instead of Outlook's
// no-date value, task dates that keep a time of day, and a start date left
// without a due date, which Outlook never stores.
TEST_F(OutlookTest, TaskDatesAreWholeDaysAndAStartDateNeedsADueDate) {
    DispatchRef task = New(3);
    for (Dispid date : {kStartDate, kDueDate, kDateCompleted}) EXPECT_EQ(Get(task, date).Date(), kNoDate);
    ASSERT_TRUE(Put(task, kStartDate, Day(37010.75)).Ok());
    EXPECT_EQ(Get(task, kStartDate).Date(), 37010.0);
    EXPECT_EQ(Get(task, kDueDate).Date(), 37010.0);
    ASSERT_TRUE(Put(task, kDueDate, Day(37012.3)).Ok());
    EXPECT_EQ(Get(task, kDueDate).Date(), 37012.0);
    EXPECT_EQ(Get(task, kStartDate).Date(), 37010.0);
    ASSERT_TRUE(Put(task, kDueDate, Day(kNoDate)).Ok());
    EXPECT_EQ(Get(task, kStartDate).Date(), kNoDate);
}

// Catches a converter that relies on one of the four alone: in Outlook each
// completes or reopens the task for the others too.
TEST_F(OutlookTest, TaskCompletionPropertiesFollowEachOther) {
    constexpr double kToday = 37000.0;
    const Variant yes(true), no(false);
    const struct {
        const char* name;
        std::vector<std::pair<Dispid, Variant>> puts;
        bool complete;
        int status, percent;
        double completed;
    } cases[] = {
        {"Complete", {{kComplete, yes}}, true, 2, 100, kToday},
        {"a completion date", {{kDateCompleted, Day(36990.7)}}, true, 2, 100, 36990},
        {"Status complete", {{kStatus, Variant(2)}}, true, 2, 100, kToday},
        {"100 percent", {{kPercentComplete, Variant(100)}}, true, 2, 100, kToday},
        {"Complete again keeps the date",
         {{kDateCompleted, Day(36990)}, {kComplete, yes}},
         true,
         2,
         100,
         36990},
        {"Complete false", {{kComplete, yes}, {kComplete, no}}, false, 0, 0, kNoDate},
        {"no completion date",
         {{kDateCompleted, Day(36990)}, {kDateCompleted, Day(kNoDate)}},
         false,
         0,
         0,
         kNoDate},
        {"back in progress", {{kComplete, yes}, {kStatus, Variant(1)}}, false, 1, 0, kNoDate},
        {"partly done", {{kStatus, Variant(1)}, {kPercentComplete, Variant(40)}}, false, 1, 40, kNoDate},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        server.Store().SetNow(kToday + 0.6);
        DispatchRef task = New(3);
        for (const auto& [dispid, value] : c.puts) ASSERT_TRUE(Put(task, dispid, value).Ok());
        EXPECT_EQ(Get(task, kComplete).Bool(), c.complete);
        EXPECT_EQ(Get(task, kStatus).Int(), c.status);
        EXPECT_EQ(Get(task, kPercentComplete).Int(), c.percent);
        EXPECT_EQ(Get(task, kDateCompleted).Date(), c.completed);
    }
}

// Catches a composite address whose lines or separators differ from
// Outlook's: the contact reader passes them on as they come.
TEST(AddressTextTest, ComposesLinesLeavingOutEmptyParts) {
    const struct {
        AddressParts parts;
        std::u16string text;
        bool parsesBack;  // a lone city or state reads back as a city
    } cases[] = {
        {{u"1 Main St", u"Springfield", u"IL", u"62701", u"USA", u""},
         u"1 Main St\r\nSpringfield, IL  62701\r\nUSA",
         true},
        {{u"1 Main St", u"Springfield", u"", u"62701", u"", u""}, u"1 Main St\r\nSpringfield  62701", true},
        {{u"", u"", u"IL", u"", u"", u""}, u"IL", false},
        {{u"Line 1\r\nLine 2", u"Paris", u"", u"75001", u"France", u"PO Box 7"},
         u"Line 1\r\nLine 2\r\nPO Box 7\r\nParis  75001\r\nFrance",
         true},
        {{}, u"", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ComposeAddress(c.parts), c.text);
        EXPECT_TRUE(!c.parsesBack || ParseAddress(c.text) == c.parts) << "parsing back " << c.text.size();
    }
}

// Catches MailingAddress parts that write their own properties whatever
// address is selected (the library writes a postal address through them),
// and a first address that does not become the mailing address.
TEST_F(OutlookTest, MailingAddressIsTheSelectedAddress) {
    DispatchRef contact = New(2);
    EXPECT_EQ(Get(contact, kSelectedMailingAddress).Int(), 0);
    Put(contact, 0x8046, Variant(u"Chicago"));  // BusinessAddressCity
    EXPECT_EQ(Get(contact, kSelectedMailingAddress).Int(), 2);
    Put(contact, 0x3a59, Variant(u"Evanston"));  // HomeAddressCity
    EXPECT_EQ(Get(contact, kMailingAddress).Text(), u"Chicago");
    ASSERT_TRUE(Put(contact, 0x3a29, Variant(u"233 S Wacker Dr")).Ok());  // MailingAddressStreet
    EXPECT_EQ(Get(contact, 0x8045).Text(), u"233 S Wacker Dr");
    EXPECT_EQ(Get(contact, kMailingAddress).Text(), Get(contact, kBusinessAddress).Text());

    ASSERT_TRUE(Put(contact, kSelectedMailingAddress, Variant(1)).Ok());
    EXPECT_EQ(Get(contact, 0x3a27).Text(), u"Evanston");  // MailingAddressCity
    Put(contact, 0x3a26, Variant(u"USA"));                // MailingAddressCountry
    EXPECT_EQ(Get(contact, kHomeAddress).Text(), u"Evanston\r\nUSA");
    EXPECT_EQ(Get(contact, 0x8049).Text(), u"");  // the business address is untouched
    ASSERT_TRUE(Put(contact, kSelectedMailingAddress, Variant(3)).Ok());
    Put(contact, 0x3a28, Variant(u"WI"));  // MailingAddressState
    EXPECT_EQ(Get(contact, kOtherAddress).Text(), u"WI");
    EXPECT_EQ(Get(contact, kMailingAddress).Text(), u"WI");
}

// Catches a note subject that does not follow the body's first line: the
// library reads a note's title there.
TEST_F(OutlookTest, NoteSubjectIsTheFirstLineOfItsBody) {
    DispatchRef note = New(5);
    for (const auto& [body, subject] :
         {std::pair<std::u16string, std::u16string>{u"Door code\r\nAsk", u"Door code"},
          {u"Buy milk", u"Buy milk"},
          {u"", u""}}) {
        ASSERT_TRUE(Put(note, kBody, Variant(body)).Ok());
        EXPECT_EQ(Get(note, 0xF7A0).Text(), subject);
    }
}

// Catches a guard on the wrong members or levels, one that guards puts, a
// refusal reported the wrong way, and an "allow for some minutes" that never
// runs out or asks again before it does.
TEST_F(OutlookTest, GuardAsksForAddressReadsAndFromOutlook2003ForBodies) {
    DispatchRef contact = New(2), mail = New(0), task = New(3);
    server.Guard().SetAnswer(GuardAnswer::Allow);
    const struct {
        const char* what;
        GuardLevel level;
        std::function<Reply()> call;
        bool asks;
    } cases[] = {
        {"contact address, before SP2", GuardLevel::Off, [&] { return Get(contact, kEmail1Address); }, false},
        {"contact address, SP2", GuardLevel::Outlook2000Sp2, [&] { return Get(contact, kEmail1Address); },
         true},
        {"contact address put", GuardLevel::Outlook2003,
         [&] { return Put(contact, kEmail1Address, Variant(u"a")); }, false},
        {"mail To, SP2", GuardLevel::Outlook2000Sp2, [&] { return Get(mail, kTo); }, true},
        {"mail body, SP2", GuardLevel::Outlook2000Sp2, [&] { return Get(mail, kBody); }, false},
        {"mail body, 2003", GuardLevel::Outlook2003, [&] { return Get(mail, kBody); }, true},
        {"task body, 2003", GuardLevel::Outlook2003, [&] { return Get(task, kBody); }, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        server.Guard().SetLevel(c.level);
        const int before = server.Guard().Prompts();
        EXPECT_TRUE(c.call().Ok());
        EXPECT_EQ(server.Guard().Prompts() - before, c.asks ? 1 : 0);
    }

    server.Guard().SetLevel(GuardLevel::Outlook2000Sp2);
    server.Guard().SetAnswer(GuardAnswer::RefuseNotSupported);
    EXPECT_EQ(Get(contact, kEmail1Address).exception.scode, static_cast<HResult>(0x80040102));
    server.Guard().SetAnswer(GuardAnswer::RefuseAborted);
    const Reply aborted = Get(contact, kEmail1Address);
    EXPECT_EQ(aborted.hr, ta::kDispException);
    EXPECT_EQ(aborted.exception.scode, static_cast<HResult>(0x80004004));
    EXPECT_EQ(aborted.exception.description, u"Operation aborted");

    const double start = 36892.5, minute = 1.0 / 1440;
    server.Store().SetNow(start);
    server.Guard().SetAnswer(GuardAnswer::Allow, 5);
    const int prompts = server.Guard().Prompts();
    EXPECT_TRUE(Get(contact, kEmail1Address).Ok());
    server.Guard().SetAnswer(GuardAnswer::RefuseAborted);  // the next time the user is asked
    server.Store().SetNow(start + 4.9 * minute);
    EXPECT_TRUE(Get(contact, kEmail1Address).Ok());
    EXPECT_EQ(server.Guard().Prompts(), prompts + 1);
    server.Store().SetNow(start + 5.1 * minute);
    EXPECT_EQ(Get(contact, kEmail1Address).exception.description, u"Operation aborted");
    EXPECT_EQ(server.Guard().Prompts(), prompts + 2);
}

}  // namespace
}  // namespace simpim::testing
