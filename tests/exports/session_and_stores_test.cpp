// Sessions opened, probed and closed; identifiers by position, counts, the
// unique string and deletion; item times; the whole-store calls' walk of the
// host's list; the logon diagnostic; and Outlook as a user's PC has it (a
// server mailbox with its object model guard, an archive store).
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <time.h>
#include <vector>

#include "exports/call_trace.h"
#include "exports/host.h"
#include "simpim/object_model_guard.h"
#include "unit/codec/scoped_time_zone.h"

namespace tarnex_test {
namespace {

using L = const Library&;
using List = PimRecordList*;
struct PimExport {
    const char* name;
    std::function<int32_t(L, char* buffer, List list)> call;
};

// Every export but the three session ones, with arguments that would be
// valid in an open session of its PIM.
std::vector<PimExport> PimExports() {
    const auto time = [](char* b) { return reinterpret_cast<int32_t*>(b); };
    return {
        {"LogonForOL", [](L l, char*, List) { return l.LogonForOL(); }},
        {"GetCountForOL", [=](L l, char* b, List) { return l.GetCountForOL(time(b), 1); }},
        {"GetIDForOL", [](L l, char* b, List) { return l.GetIDForOL(b, 0, 1); }},
        {"GetUniqueStringForOL", [](L l, char* b, List) { return l.GetUniqueStringForOL(b); }},
        {"DeleteForOL", [](L l, char*, List) { return l.DeleteForOL("00000000AB"); }},
        {"GetObjectStoreForOL", [](L l, char*, List list) { return l.GetObjectStoreForOL(list, 1); }},
        {"GetSingleObjectForOL",
         [](L l, char* b, List) { return l.GetSingleObjectForOL(b, "00000000AB", 1); }},
        {"SetObjectStoreForOL", [](L l, char*, List list) { return l.SetObjectStoreForOL(list, 1); }},
        {"SetSingleObjectForOL",
         [](L l, char* b, List) { return l.SetSingleObjectForOL("00000000AB", b, 1); }},
        {"AddForOL", [](L l, char* b, List) { return l.AddForOL(b, b, 1); }},
        {"GetCreationTimeForOL",
         [=](L l, char* b, List) { return l.GetCreationTimeForOL(time(b), "00000000AB"); }},
        {"GetModificationTimeForOL",
         [=](L l, char* b, List) { return l.GetModificationTimeForOL(time(b), "00000000AB"); }},
        {"GetCountForEU", [=](L l, char* b, List) { return l.GetCountForEU(time(b), 32); }},
        {"GetSingleObjectForEU", [](L l, char* b, List) { return l.GetSingleObjectForEU(b, "In_1_1", 32); }},
        {"AddForEU", [](L l, char* b, List) { return l.AddForEU(nullptr, b, 32); }},
    };
}

// Calls every export on a closed session: each answers -8 and touches
// neither its buffer nor its list nor the PIM.
void ExpectEveryExportClosed(const Library& lib, simpim::OutlookServer& outlook) {
    const auto calls = outlook.CallCount();
    for (const auto& [name, call] : PimExports()) {
        std::vector<char> buffer(TARN_MESSAGE_RECORD_SIZE, '\x5A'), record(TARN_CONTACT_RECORD_SIZE, '\x5A');
        RecordListNode node = MakeNode(record.data(), nullptr, 7);
        PimRecordList list = MakeList(&node, 1, nullptr, 5, 9);
        EXPECT_EQ(call(lib, buffer.data(), &list), TARN_NOT_OPEN) << name;
        EXPECT_EQ(buffer, std::vector<char>(TARN_MESSAGE_RECORD_SIZE, '\x5A')) << name;
        EXPECT_EQ(record, std::vector<char>(TARN_CONTACT_RECORD_SIZE, '\x5A')) << name;
        EXPECT_TRUE(list.current == nullptr && list.index == 5) << name;
    }
    EXPECT_EQ(outlook.CallCount(), calls) << "a closed session reached the PIM";
}

TEST_F(HostTest, EveryExportAnswersNotOpenBeforeAndAfterASession) {
    outlook.AddItem(simpim::ContactClass());
    ExpectEveryExportClosed(lib, outlook);
    Open();
    lib.Uninitialize();
    ExpectEveryExportClosed(lib, outlook);
    lib.Uninitialize();  // closing twice is harmless
    ExpectEveryExportClosed(lib, outlook);
}

// An unknown kind succeeds yet opens nothing, and closes an open session;
// reopening releases the first session's objects; a probe creates and
// releases its own, leaving an open session's application in place.
TEST_F(HostTest, SessionsOpenedByKindReopenedAndProbed) {
    int32_t count = 99;
    for (int32_t kind : {2, 7, -1}) {
        EXPECT_EQ(lib.Initialize(kind), TARN_INITIALIZED) << kind;
        EXPECT_EQ(lib.GetCountForOL(&count, 1), TARN_NOT_OPEN) << kind;
        EXPECT_EQ(count, 99);
        EXPECT_EQ(lib.IsPimPresent(kind), 1) << kind;
        EXPECT_EQ(outlook.LiveReferences(), 0) << kind;
    }
    Open();
    EXPECT_EQ(lib.Initialize(2), TARN_INITIALIZED);
    EXPECT_EQ(lib.GetCountForOL(&count, 1), TARN_NOT_OPEN);
    Open();
    const auto held = outlook.LiveReferences();
    EXPECT_GT(held, 0);
    Open();
    EXPECT_EQ(outlook.LiveReferences(), held);
    tarnex_RegisterServer(kEudoraProgId, nullptr, nullptr);
    EXPECT_EQ(lib.IsPimPresent(TARN_PIM_EUDORA), 0);  // only Outlook is registered
    EXPECT_EQ(lib.IsPimPresent(TARN_PIM_OUTLOOK), 1);
    EXPECT_EQ(outlook.LiveReferences(), held);
    char id[TARN_ENTRY_ID_SIZE] = {};
    EXPECT_EQ(lib.AddForOL(id, std::vector<char>(TARN_CONTACT_RECORD_SIZE).data(), 1), TARN_OK);
    lib.Uninitialize();
    EXPECT_EQ(lib.IsPimPresent(TARN_PIM_OUTLOOK), 1);
    EXPECT_EQ(outlook.LiveReferences(), 0);
}

TEST(NoServer, OpeningAndProbingWithoutAServerRegistered) {
    const Library& lib = Tarnex();
    for (int32_t kind : {TARN_PIM_OUTLOOK, TARN_PIM_EUDORA}) {
        EXPECT_EQ(lib.IsPimPresent(kind), 0) << kind;
        EXPECT_EQ(lib.Initialize(kind), TARN_NO_SERVER) << kind;
        int32_t count = 0;
        EXPECT_EQ(lib.GetCountForOL(&count, 1), TARN_NOT_OPEN) << kind;
    }
    lib.Uninitialize();
}

// Each PIM's session with the other PIM's exports called on it: they find
// their objects missing and fail, and the open session goes on as it was.
TEST_F(HostTest, ExportsOfTheOtherPimLeaveTheOpenSessionAlone) {
    outlook.AddItem(simpim::ContactClass());
    eudora.AddMessage(simpim::kEudoraIn, {.subject = u"Hello"});
    tarnex_SetMessageBoxHandler([](const char*, void*) {}, nullptr);
    for (const int32_t kind : {TARN_PIM_OUTLOOK, TARN_PIM_EUDORA}) {
        SCOPED_TRACE(kind);
        ASSERT_EQ(lib.Initialize(kind), TARN_INITIALIZED);
        simpim::SimulatedServer& open =
            kind == TARN_PIM_OUTLOOK ? static_cast<simpim::SimulatedServer&>(outlook) : eudora;
        const auto held = open.LiveReferences();
        for (const PimExport& c : PimExports()) {
            if (std::string_view(c.name).ends_with("ForEU") != (kind == TARN_PIM_OUTLOOK)) continue;
            std::vector<char> buffer(TARN_MESSAGE_RECORD_SIZE, '\0');
            RecordListNode node = MakeNode(buffer.data(), nullptr, 7);
            PimRecordList list = MakeList(&node, 1, nullptr, 0, 9);
            EXPECT_LT(c.call(lib, buffer.data(), &list), TARN_OK) << c.name;
            EXPECT_EQ(open.LiveReferences(), held) << c.name;
        }
        EXPECT_EQ(CountOf(kind == TARN_PIM_OUTLOOK ? TARN_STORE_CONTACTS : TARN_STORE_INBOX,
                          kind == TARN_PIM_EUDORA),
                  1);
        lib.Uninitialize();
        EXPECT_EQ(outlook.LiveReferences() + eudora.LiveReferences(), 0);
    }
    tarnex_SetMessageBoxHandler(nullptr, nullptr);
}

// The session open, with helpers for contacts.
class OpenTest : public HostTest {
protected:
    using HostTest::HostTest;
    void SetUp() override {
        HostTest::SetUp();
        Open();
    }
    std::string Name(simpim::OutlookItem& item) {
        const std::string name = std::to_string(names.size() + 1);
        names[EntryIdOf(item)] = name;
        return name;
    }
    std::map<std::string, std::string> names;  // the items' identifiers by a short name
};

// Positions are counted in the store's folders: the calendar's tasks after
// its appointments, mail stores' items that are not mail refused (-10); a
// failed lookup leaves the buffer alone. A selector that names no store
// leaves the count as the host set it.
TEST_F(OpenTest, IdentifiersByPositionAndCounts) {
    for (int k = 0; k < 2; ++k) Name(outlook.AddItem(simpim::ContactClass()));
    Name(outlook.AddItem(simpim::TaskClass()));
    for (const auto& [folder, notMail] :
         {std::pair{simpim::kFolderInbox, &simpim::MeetingRequestClass()},
          std::pair{simpim::kFolderOutbox, &simpim::ReportClass()},
          std::pair{simpim::kFolderSentMail, &simpim::MeetingRequestClass()}}) {
        Name(outlook.AddItem(folder, simpim::MailClass()));
        Name(outlook.AddItem(folder, *notMail));
        Name(outlook.AddItem(folder, simpim::MailClass()));
    }
    const int32_t C = TARN_STORE_CONTACTS, I = TARN_STORE_INBOX, O = TARN_STORE_OUTBOX, S = TARN_STORE_SENT;
    const struct {
        int32_t store, position;
        TarnResult result;
        const char* name;  // of the item found
    } cases[] = {
        {C, 0, TARN_OK, "1"},          {C, 1, TARN_OK, "2"},
        {C, 2, TARN_BAD_POSITION, ""}, {C, -1, TARN_BAD_POSITION, ""},
        {2, 0, TARN_BAD_POSITION, ""}, {3, 0, TARN_BAD_POSITION, ""},
        {8, 0, TARN_BAD_POSITION, ""}, {TARN_STORE_CALENDAR, 0, TARN_OK, "3"},
        {I, 0, TARN_OK, "4"},          {I, 1, TARN_NOT_MAIL, ""},
        {I, 2, TARN_OK, "6"},          {O, 0, TARN_OK, "7"},
        {O, 1, TARN_NOT_MAIL, ""},     {O, 2, TARN_OK, "9"},
        {S, 0, TARN_OK, "10"},         {S, 1, TARN_NOT_MAIL, ""},
        {S, 2, TARN_OK, "12"},
    };
    for (const auto& c : cases) {
        char id[TARN_ENTRY_ID_SIZE] = "untouched";
        EXPECT_EQ(lib.GetIDForOL(id, c.position, c.store), c.result) << c.position << "/" << c.store;
        EXPECT_EQ(c.result == TARN_OK ? names[id] : std::string(id),
                  c.result == TARN_OK ? c.name : "untouched")
            << c.position << "/" << c.store;
    }
    EXPECT_EQ(CountOf(TARN_STORE_CALENDAR), 1);
    for (int32_t store : {0, 2, 3, 8, 256}) {
        int32_t count = 1234;
        EXPECT_EQ(lib.GetCountForOL(&count, store), TARN_OK) << store;
        EXPECT_EQ(count, 1234) << store;
    }
}

TEST_F(OpenTest, UniqueStringIsTheContactStoreIdCutTo39AndDeletion) {
    const std::pair<std::u16string, std::string> cases[] = {
        {std::u16string(300, u'C'), std::string(39, 'C') + std::string(1, '\0')},
        {u"0123456789", "0123456789" + std::string(30, '\0')},
        {u"", std::string(40, '\0')},
    };
    for (const auto& [storeId, expected] : cases) {  // all 40 bytes
        outlook.SetStoreId(storeId);
        char text[TARN_UNIQUE_STRING_SIZE + 4];
        std::memset(text, '#', sizeof text);
        EXPECT_EQ(lib.GetUniqueStringForOL(text), TARN_OK);
        EXPECT_EQ(std::string(text, 40), expected);
        EXPECT_EQ(std::string(text + 40, 4), "####") << "wrote past the 40 bytes";
    }

    // Deleting lowers the count; Outlook keeps the item in Deleted Items,
    // and deleting there removes it for good.
    const std::string doomed = EntryIdOf(outlook.AddItem(simpim::ContactClass()));
    outlook.AddItem(simpim::ContactClass());
    EXPECT_EQ(lib.DeleteForOL(doomed.c_str()), TARN_OK);
    EXPECT_EQ(CountOf(TARN_STORE_CONTACTS), 1);
    EXPECT_EQ(lib.DeleteForOL(doomed.c_str()), TARN_OK);
    EXPECT_EQ(Found(doomed.c_str()), nullptr);
    EXPECT_EQ(lib.DeleteForOL("0000000012345678"), TARN_DISPATCH_EXCEPTION);
    EXPECT_EQ(lib.DeleteForOL(""), TARN_DISPATCH_EXCEPTION);
}

using tarnex::codec::test_support::kOneHourEast;
using tarnex::codec::test_support::kUsEastern2001;
using tarnex::codec::test_support::kUtc;
using tarnex::codec::test_support::ScopedTimeZone;

#if defined(_WIN32)
// msvcrt takes the daylight bias from the system's zone the first time it
// finds no TZ (under Wine 0 for a zone without daylight time) and keeps it
// for every TZ set afterwards. The simulated Outlook asks for local time as
// soon as it holds an item, so the process gets a TZ before anything runs.
const bool kZoneSetBeforeAnyTest = [] {
    if (!std::getenv("TZ")) _putenv_s("TZ", kUtc);
    _tzset();
    return true;
}();
#endif

// The conversion itself is pinned by the codec's date tests; here, that
// each export reads its own property as local time and hands a time beyond
// 32-bit calendar time, or before it, on as -1 with success.
TEST_F(OpenTest, ItemTimesAreLocalTimesAsSecondsSince1970) {
    constexpr double kSecond = 1.0 / 86400.0;
    const struct {
        const char* zone;
        const char* what;
        bool creation;  // else the modification time
        double date;
        int32_t expected;
    } cases[] = {
        {kUtc, "2001-01-01", true, 36892.0, 978307200},
        {kUtc, "2001-03-15 12:00", false, 36965.5, 984657600},
        {kUtc, "0.6 s rounds up", true, 36892.0 + 0.6 * kSecond, 978307201},
        {kUtc, "a second before the epoch", true, 25569.0 - kSecond, -1},
        {kUtc, "one second after the last 32-bit second", false, 50424.0 + 11648 * kSecond, -1},
        {kUtc, "Outlook's empty date, year 4501", true, 949998.0, -1},
        {kOneHourEast, "2001-01-01", true, 36892.0, 978303600},
        {kUsEastern2001, "summer", false, 37073.5, 994003200},
    };
    simpim::OutlookItem& contact = outlook.AddItem(simpim::ContactClass());
    const std::string id = EntryIdOf(contact);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.zone) + ": " + c.what);
        ScopedTimeZone zone(c.zone);
        constexpr double kOtherDate = 37000.0;  // 2001-04-18, in the property not asked for
        contact.Set("CreationTime", Variant(Date{c.creation ? c.date : kOtherDate}));
        contact.Set("LastModificationTime", Variant(Date{c.creation ? kOtherDate : c.date}));
        int32_t out = 0x5A5A5A5A;
        EXPECT_EQ(c.creation ? lib.GetCreationTimeForOL(&out, id.c_str())
                             : lib.GetModificationTimeForOL(&out, id.c_str()),
                  TARN_OK);
        EXPECT_EQ(out, c.expected);
    }
}

TEST_F(OpenTest, WholeStoreCallsWalkTheListToItsCountThNode) {
    const struct {
        const char* what;
        int32_t store;
        bool replace;     // SetObjectStoreForOL, else GetObjectStoreForOL
        bool failRemove;  // Outlook refuses to remove an item
        int32_t expectedResult;
        int32_t endNode;     // where the list's current node ends
        std::size_t filled;  // records read from the store
    } cases[] = {
        {"read of 3 over a store of 5", TARN_STORE_CONTACTS, false, false, TARN_OK, 2, 3},
        {"replacement whose emptying fails", TARN_STORE_CONTACTS, true, true, TARN_DISPATCH_EXCEPTION, 0, 0},
    };
    // No case changes the store: every one starts from these five.
    for (char k = '0'; k < '5'; ++k)
        Add(simpim::kFolderContacts, simpim::ContactClass(), std::string("LastName=") + k);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        // Five nodes, a count of three, the list left where a former walk ended.
        HostList<ContactRecord> host(5);
        host.list.count = 3;
        host.list.current = &host.nodes[4];
        host.list.index = 4;
        for (ContactRecord& record : host.records) std::memset(record.tail, 'M', sizeof record.tail);
        if (c.failRemove) outlook.FailEveryCall(0x54, simpim::Fault::Exception(u"Refused."), "Items");
        EXPECT_EQ(c.replace ? lib.SetObjectStoreForOL(&host.list, c.store)
                            : lib.GetObjectStoreForOL(&host.list, c.store),
                  c.expectedResult);
        outlook.ClearFaults();
        EXPECT_EQ(host.list.current, &host.nodes[c.endNode]);
        EXPECT_EQ(host.list.index, c.endNode);
        EXPECT_EQ(outlook.Count(simpim::kFolderContacts), 5u);
        for (std::size_t k = 0; k < host.records.size(); ++k) {
            const ContactRecord& record = host.records[k];
            EXPECT_EQ(std::string(record.name), k < c.filled ? std::string(1, char('0' + k)) + ";;;;" : "")
                << k;
            EXPECT_EQ(std::string(record.tail, sizeof record.tail), std::string(sizeof record.tail, 'M'))
                << "record " << k << " was cleared";
        }
    }
}

// The diagnostic fails before any message box while Sent Items is empty,
// then shows the name of the folder holding its first item.
TEST_F(OpenTest, LogonShowsTheSentItemsFolderName) {
    std::vector<std::string> shown;
    tarnex_SetMessageBoxHandler(
        [](const char* text, void* sink) { static_cast<std::vector<std::string>*>(sink)->push_back(text); },
        &shown);
    const int32_t result = lib.LogonForOL();
    EXPECT_TRUE(result == TARN_DISPATCH_EXCEPTION || result == TARN_OLE_FAILURE) << result;
    EXPECT_TRUE(shown.empty());
    outlook.AddItem(simpim::kFolderSentMail, simpim::MailClass());
    outlook.AddFolder(outlook.Folder(simpim::kFolderInbox), u"Projects");
    EXPECT_EQ(lib.LogonForOL(), TARN_OK);
    EXPECT_EQ(shown, std::vector<std::string>{"Sent Items"});
    tarnex_SetMessageBoxHandler(nullptr, nullptr);
}

class MailboxTest : public OpenTest {
protected:
    MailboxTest() : OpenTest(simpim::StoreKind::ServerMailbox) {}
};

TEST_F(MailboxTest, WholeStoreCallsOpenOneItemAtATime) {
    constexpr std::size_t kContacts = 1000;
    for (std::size_t k = 0; k < kContacts; ++k)
        Add(simpim::kFolderContacts, simpim::ContactClass(), "LastName=Contact");
    HostList<ContactRecord> host(kContacts);
    ASSERT_EQ(lib.GetObjectStoreForOL(&host.list, TARN_STORE_CONTACTS), TARN_OK);
    EXPECT_LE(outlook.PeakOpenItems(), 2u);
    EXPECT_EQ(std::strlen(host.records[kContacts - 1].header.entryId), 140u);

    outlook.ResetPeakOpenItems();
    ASSERT_EQ(lib.SetObjectStoreForOL(&host.list, TARN_STORE_CONTACTS), TARN_OK);
    EXPECT_LE(outlook.PeakOpenItems(), 2u);
    EXPECT_EQ(outlook.Count(simpim::kFolderContacts), kContacts);
    EXPECT_EQ(std::string(host.records[kContacts - 1].header.entryId),
              EntryIdOf(outlook.Folder(simpim::kFolderContacts).At(kContacts - 1)));
    ContactRecord record = Zeroed<ContactRecord>();
    EXPECT_EQ(lib.GetSingleObjectForOL(&record, host.records[0].header.entryId, TARN_STORE_CONTACTS),
              TARN_OK);
    EXPECT_EQ(std::string(record.name), "Contact;;;;");
}

// The user refuses the guard's prompt at the first address read: the call
// fails, what was read before stays, and the session goes on.
TEST_F(MailboxTest, RefusedAddressReadEndsTheCallAndTheSessionGoesOn) {
    Add(simpim::kFolderContacts, simpim::ContactClass(), "LastName=First|Email1Address=first@example.org");
    Add(simpim::kFolderContacts, simpim::ContactClass(), "LastName=Second");
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

// A second store in the folder tree: the logon diagnostic walks both, and an
// identifier is looked up only in the store of the current folder.
TEST_F(OpenTest, ArchiveStoreIsWalkedButNotSearched) {
    simpim::OutlookStore& archive = outlook.AddArchiveStore();
    const std::string archived =
        EntryIdOf(archive.AddItem(*archive.Root().Subfolder(u"Contacts"), simpim::ContactClass()));
    const std::string local =
        EntryIdOf(Add(simpim::kFolderContacts, simpim::ContactClass(), "LastName=Here"));
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
    EXPECT_EQ(lib.GetSingleObjectForOL(&record, local.c_str(), TARN_STORE_CONTACTS), TARN_OK);
    EXPECT_EQ(std::string(record.name), "Here;;;;");
    EXPECT_EQ(lib.GetSingleObjectForOL(&record, archived.c_str(), TARN_STORE_CONTACTS),
              TARN_DISPATCH_EXCEPTION)
        << "the default Contacts folder is current: the archive is still another store";
}

}  // namespace
}  // namespace tarnex_test
