// The simulated PIM as JSON: what a document that does not fit is told, that
// a saved state loads back to itself, and the empty-object failure the C
// interface arms.
#include "simpim/json/pim_json.h"

#include <gmock/gmock.h>

#include "sim_call.h"

namespace simpim::testing {
namespace {

nlohmann::ordered_json SaveBoth(const nlohmann::ordered_json& document) {
    OutlookServer outlook;
    EudoraServer eudora;
    LoadOutlook(document, outlook);
    LoadEudora(document, eudora);
    return {{"outlook", SaveOutlook(outlook)}, {"eudora", SaveEudora(eudora)}};
}

TEST(PimJsonTest, AMistakeIsToldWithItsPlace) {
    const std::pair<const char*, const char*> cases[] = {
        {R"({"outlook": {"folders": [}})", "line 1, column 26"},
        {R"([1])", "/: expected an object"},
        {R"({"outlok": {}})", "/outlok: not a member"},
        {R"({"outlook": {"folders": {"Contact": []}}})", "/outlook/folders/Contact: expected Contacts"},
        {R"({"outlook": {"folders": {"Contacts": [{}, {"Birthdy": "2001-01-01"}]}}})",
         "/outlook/folders/Contacts/1/Birthdy: a contact has no such property"},
        {R"({"outlook": {"folders": {"Contacts": [{"Birthday": "1.1.2001"}]}}})",
         "/outlook/folders/Contacts/0/Birthday: expected a date text"},
        {R"({"outlook": {"folders": {"Calendar": [{"Start": "2001-02-29T10:00:00"}]}}})", "no such day"},
        {R"({"outlook": {"folders": {"Tasks": [{"Status": 9}]}}})",
         "/outlook/folders/Tasks/0/Status: the value is outside the property's enumeration"},
        {R"({"outlook": {"folders": {"Tasks": [{"Importance": "high"}]}}})", "Importance: expected a 32-bit"},
        {R"({"outlook": {"folders": {"Notes": [{"Subject": "x"}]}}})",
         "Notes/0/Subject: the property is derived"},
        {R"({"outlook": {"folders": {"Inbox": [{"class": "fax"}]}}})",
         "/outlook/folders/Inbox/0/class: expected"},
        {R"({"outlook": {"folders": {"Inbox": [{"EntryID": "00"}]}}})", "EntryID: kept by the store"},
        {R"({"outlook": {"folders": {"Inbox": [{"Body": ["a", 2]}]}}})", "/Inbox/0/Body/1: expected a line"},
        {R"({"eudora": {"mailboxes": [{"name": "A", "folder": true, "messages": []}]}})",
         "/eudora/mailboxes/0/messages: a folder holds no messages"},
        {R"({"eudora": {"mailboxes": [{"name": "In", "messages": [{"status": "lost"}]}]}})",
         "/eudora/mailboxes/0/messages/0/status: expected unread"},
        {R"({"eudora": {"mailboxes": [{"name": "In", "messages": [{"date": 1}]}]}})",
         "messages/0/date: expected"},
    };
    for (const auto& [text, message] : cases) {
        try {
            const auto document = ParsePimJson(text);
            OutlookServer outlook;
            EudoraServer eudora;
            if (document.contains("outlook")) LoadOutlook(document, outlook);
            if (document.contains("eudora")) LoadEudora(document, eudora);
            ADD_FAILURE() << text << " loaded";
        } catch (const PimJsonError& e) {
            EXPECT_THAT(e.what(), ::testing::HasSubstr(message)) << text;
        }
    }
}

// Each saved value is put back where it came from, side effects and all:
// the sample, and addresses whose first put would select another mailing
// address than the one saved.
TEST(PimJsonTest, ASavedStateLoadsBackToItself) {
    auto document = ParsePimJson(BundledSampleJson());
    auto& contacts = document["outlook"]["folders"]["Contacts"];
    contacts.push_back({{"MailingAddressStreet", "1 Own St"}, {"HomeAddressStreet", "2 Home St"}});
    contacts.push_back(
        {{"BusinessAddressCity", "Bern"}, {"OtherAddressCity", "Biel"}, {"SelectedMailingAddress", 3}});
    const auto saved = SaveBoth(document);
    EXPECT_EQ(SaveBoth(saved).dump(1), saved.dump(1));
    const auto& own = saved["outlook"]["folders"]["Contacts"][25];
    EXPECT_EQ(own["MailingAddressStreet"], "1 Own St");
    EXPECT_EQ(own["SelectedMailingAddress"], 1);
    EXPECT_EQ(saved["outlook"]["folders"]["Contacts"][26]["SelectedMailingAddress"], 3);
    EXPECT_EQ(saved["eudora"]["mailboxes"], document["eudora"]["mailboxes"]);
}

// Catches an injected empty result that hits the wrong call, or a text.
TEST(PimJsonTest, NotAnObjectEmptiesAnObjectResultOnlyAtItsCall) {
    EudoraServer server;
    DispatchRef application =
        DispatchRef::Adopt(static_cast<ta::DispatchObject*>(EudoraServer::Factory(&server)));
    server.FailCall(2, Fault::NotAnObject());
    const Reply first = Method(application, 0x1C, {Variant(2), Variant(-1)});
    const Reply second = Method(application, 0x1C, {Variant(2), Variant(-1)});
    EXPECT_TRUE(first.Ok() && first.Object());
    EXPECT_TRUE(second.Ok() && second.value.IsEmpty());
    server.FailCall(1, Fault::NotAnObject());
    EXPECT_EQ(Get(first.Object(), 0xB).Text(), u"In");  // a text goes through
}

}  // namespace
}  // namespace simpim::testing
