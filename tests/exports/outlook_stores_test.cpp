// The library over Outlook as a user's PC has it: a server mailbox, whose
// EntryIDs are 140 hexadecimal characters, which opens at most 250 items at
// once and whose object model guard asks the user before addresses are read;
// a distribution list among the contacts; a second, archive store.
#include <algorithm>
#include <cstring>
#include <string>

#include "exports/call_trace.h"
#include "exports/contact_fixture.h"
#include "simpim/object_model_guard.h"

namespace tarnex_test {
namespace {

using simpim::Variant;

class MailboxTest : public ContactTest {
protected:
    MailboxTest() : ContactTest(simpim::StoreKind::ServerMailbox) {}
};

TEST_F(MailboxTest, WholeStoreCallsOpenOneItemAtATime) {
    constexpr std::size_t kContacts = 1000;
    for (std::size_t k = 0; k < kContacts; ++k) AddContact({{"LastName", Variant(u"Contact")}});

    HostList<ContactRecord> host(kContacts);
    ASSERT_EQ(lib.GetObjectStoreForOL(&host.list, TARN_STORE_CONTACTS), TARN_OK);
    EXPECT_LE(outlook.PeakOpenItems(), 2u);
    EXPECT_EQ(std::strlen(host.records[kContacts - 1].header.entryId), 140u);

    outlook.ResetPeakOpenItems();
    ASSERT_EQ(lib.SetObjectStoreForOL(&host.list, TARN_STORE_CONTACTS), TARN_OK);
    EXPECT_LE(outlook.PeakOpenItems(), 2u);
    EXPECT_EQ(outlook.Count(simpim::kFolderContacts), kContacts);
    const std::string last = host.records[kContacts - 1].header.entryId;
    EXPECT_EQ(last, EntryIdOf(outlook.Folder(simpim::kFolderContacts).At(kContacts - 1)));
    EXPECT_EQ(std::string(Read(outlook.Folder(simpim::kFolderContacts).At(0)).name), "Contact;;;;");
}

// The user refuses the guard's prompt at the first address read: the call
// fails, what was read before stays, and the session goes on.
TEST_F(MailboxTest, RefusedAddressReadEndsTheCallAndTheSessionGoesOn) {
    AddContact({{"LastName", Variant(u"First")}, {"Email1Address", Variant(u"first@example.org")}});
    AddContact({{"LastName", Variant(u"Second")}});
    simpim::ObjectModelGuard& guard = outlook.Guard();
    guard.SetLevel(simpim::GuardLevel::Outlook2000Sp2);
    for (simpim::GuardAnswer refusal :
         {simpim::GuardAnswer::RefuseNotSupported, simpim::GuardAnswer::RefuseAborted}) {
        guard.SetAnswer(refusal);
        HostList<ContactRecord> host(2);
        EXPECT_EQ(lib.GetObjectStoreForOL(&host.list, TARN_STORE_CONTACTS), TARN_DISPATCH_EXCEPTION);
        EXPECT_EQ(std::string(host.records[0].name), "First;;;;");
        EXPECT_STREQ(host.records[0].emails[0].value, "");
        EXPECT_STREQ(host.records[1].header.entryId, "") << "the read went on past the refusal";
        EXPECT_EQ(CountOf(TARN_STORE_CONTACTS), 2);
    }

    // Allowed for ten minutes: every address read passes without asking again.
    guard.SetAnswer(simpim::GuardAnswer::Allow, 10);
    const int prompts = guard.Prompts();
    HostList<ContactRecord> host(2);
    EXPECT_EQ(lib.GetObjectStoreForOL(&host.list, TARN_STORE_CONTACTS), TARN_OK);
    EXPECT_STREQ(host.records[0].emails[0].value, "first@example.org");
    EXPECT_EQ(guard.Prompts(), prompts + 1);
}

// A distribution list is not a contact: the read stops at it with the
// failure of its first missing property, after giving it its type and
// identifier; the contacts before it are whole.
TEST_F(ContactTest, DistributionListInContactsEndsAWholeStoreRead) {
    AddContact({{"LastName", Variant(u"Before")}});
    simpim::OutlookItem& list = outlook.AddItem(simpim::kFolderContacts, simpim::DistListClass());
    list.Set("DLName", Variant(u"Team"));
    AddContact({{"LastName", Variant(u"After")}});
    ASSERT_EQ(CountOf(TARN_STORE_CONTACTS), 3);

    HostList<ContactRecord> host(3);
    EXPECT_EQ(lib.GetObjectStoreForOL(&host.list, TARN_STORE_CONTACTS), TARN_OLE_FAILURE);
    EXPECT_EQ(std::string(host.records[0].name), "Before;;;;");
    EXPECT_EQ(host.records[1].header.type, 255);
    EXPECT_EQ(host.records[1].header.entryId, EntryIdOf(list));
    EXPECT_STREQ(host.records[1].header.version, "2.1");
    EXPECT_STREQ(host.records[1].name, "");
    EXPECT_STREQ(host.records[2].header.entryId, "");
}

// A second store in the folder tree: the logon diagnostic walks both, and an
// identifier is looked up only in the store of the current folder.
TEST_F(ContactTest, ArchiveStoreIsWalkedButNotSearched) {
    simpim::OutlookStore& archive = outlook.AddArchiveStore();
    const std::string archived =
        EntryIdOf(archive.AddItem(*archive.Root().Subfolder(u"Contacts"), simpim::ContactClass()));
    const simpim::OutlookItem& local = AddContact({{"LastName", Variant(u"Here")}});

    tarnex_SetMessageBoxHandler([](const char*, void*) {}, nullptr);
    outlook.AddItem(simpim::kFolderSentMail, simpim::MailClass());
    outlook.ClearCallLog();
    EXPECT_EQ(lib.LogonForOL(), TARN_OK);
    tarnex_SetMessageBoxHandler(nullptr, nullptr);
    const std::vector<std::string> calls = CallTrace().Lines(outlook.CallLog());
    for (const char* visited : {"MAPIFolder[Personal Folders].Name", "MAPIFolder[Archive Folders].Name",
                                "Folders[Archive Folders].GetFirst()"}) {
        EXPECT_EQ(std::count(calls.begin(), calls.end(), visited), 1) << visited;
    }
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "MAPIFolder[Contacts].EntryID"), 2) << "one per store";

    ContactRecord record = Zeroed<ContactRecord>();
    EXPECT_EQ(lib.GetSingleObjectForOL(&record, archived.c_str(), TARN_STORE_CONTACTS),
              TARN_DISPATCH_EXCEPTION);
    EXPECT_EQ(lib.DeleteForOL(archived.c_str()), TARN_DISPATCH_EXCEPTION);
    EXPECT_EQ(std::string(Read(local).name), "Here;;;;");
    EXPECT_EQ(lib.GetSingleObjectForOL(&record, archived.c_str(), TARN_STORE_CONTACTS),
              TARN_DISPATCH_EXCEPTION)
        << "the default Contacts folder is current: the archive is still another store";
}

}  // namespace
}  // namespace tarnex_test
