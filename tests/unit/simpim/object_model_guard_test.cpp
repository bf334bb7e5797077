// The object model guard: which reads ask the user, and what the program
// sees for each answer.
#include <functional>

#include "outlook_fixture.h"

namespace simpim::testing {
namespace {

constexpr Dispid kEmail1Address = 0x8083;
constexpr Dispid kBody = 0x9100;
constexpr Dispid kTo = 0xE04;

// Catches a guard on the wrong members or levels, and one that guards puts.
TEST_F(OutlookTest, GuardAsksForAddressReadsAndFromOutlook2003ForBodies) {
    DispatchRef contact = ObjectOf(Method(application, 0x10A, {Variant(2)}));
    DispatchRef mail = ObjectOf(Method(application, 0x10A, {Variant(0)}));
    DispatchRef task = ObjectOf(Method(application, 0x10A, {Variant(3)}));
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
         [&] { return Put(contact, kEmail1Address, Variant(u"a@b")); }, false},
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
}

// Catches a refusal reported the wrong way, and an "allow for some minutes"
// that never runs out or asks again before it does.
TEST_F(OutlookTest, GuardAnswersRefuseOrAllowForAWhile) {
    DispatchRef contact = ObjectOf(Method(application, 0x10A, {Variant(2)}));
    server.Guard().SetLevel(GuardLevel::Outlook2000Sp2);

    server.Guard().SetAnswer(GuardAnswer::RefuseNotSupported);
    Reply refused = Get(contact, kEmail1Address);
    EXPECT_EQ(refused.hr, ta::kDispException);
    EXPECT_EQ(refused.exception.scode, static_cast<HResult>(0x80040102));
    server.Guard().SetAnswer(GuardAnswer::RefuseAborted);
    Reply aborted = Get(contact, kEmail1Address);
    EXPECT_EQ(aborted.exception.scode, static_cast<HResult>(0x80004004));
    EXPECT_EQ(aborted.exception.description, u"Operation aborted");

    const double start = 36892.5;
    const double minute = 1.0 / 1440;
    server.Store().SetNow(start);
    server.Guard().SetAnswer(GuardAnswer::Allow, 5);
    EXPECT_TRUE(Get(contact, kEmail1Address).Ok());
    server.Guard().SetAnswer(GuardAnswer::RefuseAborted);  // the next time the user is asked
    server.Store().SetNow(start + 4.9 * minute);
    EXPECT_TRUE(Get(contact, kEmail1Address).Ok());
    EXPECT_EQ(server.Guard().Prompts(), 3);
    server.Store().SetNow(start + 5.1 * minute);
    EXPECT_EQ(Get(contact, kEmail1Address).exception.description, u"Operation aborted");
    EXPECT_EQ(server.Guard().Prompts(), 4);
}

}  // namespace
}  // namespace simpim::testing
