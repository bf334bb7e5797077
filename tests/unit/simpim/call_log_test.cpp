// What the call log records of each call's arguments.
#include "outlook_fixture.h"
#include "simpim/arguments_text.h"

namespace simpim::testing {
namespace {

// Catches a wrong rendering of any argument type, and rendering that
// drops or reorders arguments.
TEST_F(OutlookTest, ArgumentsAreRenderedByType) {
    DispatchRef folder = DefaultFolder(10);
    const std::vector<Variant> args{Variant(10),
                                    Variant(u"M\u00e4PI"),
                                    Variant(true),
                                    Variant(ta::Date{36892.5}),
                                    Variant(2.5),
                                    Variant::Missing(),
                                    Variant(ta::ErrorCode{ta::kFail}),
                                    Variant(folder),
                                    Variant(DispatchRef()),
                                    Variant()};
    EXPECT_EQ(ArgumentsText(args),
              "10, \"M\xC3\xA4PI\", true, date:36892.5, 2.5, missing, error:0x80004005, <MAPIFolder>, "
              "<nothing>, empty");
}

// Catches a put's value logged first or not at all, and a log that keeps
// the objects passed alive.
TEST_F(OutlookTest, TheLogShowsEachCallsArgumentsAndHoldsNoReferences) {
    DispatchRef contact = ObjectOf(Method(application, 0x10A, {Variant(2)}));
    const std::int64_t references = server.LiveReferences();
    server.ClearCallLog();
    {
        DispatchRef folder = DefaultFolder(6);
        Put(contact, 0x3a06, Variant(u"Ann"));
        Method(contact, 0xF034, {Variant(folder)});
    }
    EXPECT_EQ(server.LiveReferences(), references);
    std::vector<std::string> calls;
    for (const CallRecord& call : server.CallLog()) {
        if (!call.released)
            calls.push_back(call.object + " " + std::to_string(call.dispid) + " " + call.args);
    }
    EXPECT_EQ(calls, (std::vector<std::string>{"NameSpace 8459 6", "ContactItem 14854 \"Ann\"",
                                               "ContactItem 61492 <MAPIFolder>"}));
}

}  // namespace
}  // namespace simpim::testing
