// Sessions opened, probed and closed; counts, identifiers by position, the
// unique string and deletion; item times; the whole-store calls' walk of the
// host's list; the logon diagnostic; and Outlook as a user's PC has it (a
// server mailbox with its object model guard, an archive store).
#include <algorithm>
#include <array>
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

// The session open, with helpers for contacts.
class OpenTest : public HostTest {
protected:
    using HostTest::HostTest;
    void SetUp() override {
        HostTest::SetUp();
        Open();
    }
    simpim::OutlookItem& AddContact(const PropertyValues& values) {
        return Add(simpim::kFolderContacts, simpim::ContactClass(), values);
    }
    ContactRecord ReadContact(const simpim::OutlookItem& item) {
        ContactRecord record = Zeroed<ContactRecord>();
        EXPECT_EQ(lib.GetSingleObjectForOL(&record, EntryIdOf(item).c_str(), TARN_STORE_CONTACTS), TARN_OK);
        return record;
    }
};

struct ClosedCall {
    const char* name;
    std::function<int32_t(const Library&, char* buffer, PimRecordList* list)> call;
};

// Every export but the three session ones, with arguments that would be
// valid in an open session of its PIM.
std::vector<ClosedCall> PimExports() {
    return {
        {"LogonForOL", [](const Library& l, char*, PimRecordList*) { return l.LogonForOL(); }},
        {"GetCountForOL", [](const Library& l, char* b,
                             PimRecordList*) { return l.GetCountForOL(reinterpret_cast<int32_t*>(b), 1); }},
        {"GetIDForOL", [](const Library& l, char* b, PimRecordList*) { return l.GetIDForOL(b, 0, 1); }},
        {"GetUniqueStringForOL",
         [](const Library& l, char* b, PimRecordList*) { return l.GetUniqueStringForOL(b); }},
        {"DeleteForOL", [](const Library& l, char*, PimRecordList*) { return l.DeleteForOL("00000000AB"); }},
        {"GetObjectStoreForOL",
         [](const Library& l, char*, PimRecordList* list) { return l.GetObjectStoreForOL(list, 1); }},
        {"GetSingleObjectForOL", [](const Library& l, char* b,
                                    PimRecordList*) { return l.GetSingleObjectForOL(b, "00000000AB", 1); }},
        {"SetObjectStoreForOL",
         [](const Library& l, char*, PimRecordList* list) { return l.SetObjectStoreForOL(list, 1); }},
        {"SetSingleObjectForOL", [](const Library& l, char* b,
                                    PimRecordList*) { return l.SetSingleObjectForOL("00000000AB", b, 1); }},
        {"AddForOL", [](const Library& l, char* b, PimRecordList*) { return l.AddForOL(b, b, 1); }},
        {"GetCreationTimeForOL",
         [](const Library& l, char* b, PimRecordList*) {
             return l.GetCreationTimeForOL(reinterpret_cast<int32_t*>(b), "00000000AB");
         }},
        {"GetModificationTimeForOL",
         [](const Library& l, char* b, PimRecordList*) {
             return l.GetModificationTimeForOL(reinterpret_cast<int32_t*>(b), "00000000AB");
         }},
        {"GetCountForEU", [](const Library& l, char* b,
                             PimRecordList*) { return l.GetCountForEU(reinterpret_cast<int32_t*>(b), 32); }},
        {"GetSingleObjectForEU",
         [](const Library& l, char* b, PimRecordList*) { return l.GetSingleObjectForEU(b, "In_1_1", 32); }},
        {"AddForEU", [](const Library& l, char* b, PimRecordList*) { return l.AddForEU(nullptr, b, 32); }},
    };
}

bool IsEudoraExport(const ClosedCall& c) { return std::string_view(c.name).ends_with("ForEU"); }

// Calls every export on a closed session: each answers -8 and touches
// neither its buffer nor its list nor the PIM.
void ExpectEveryExportClosed(const Library& lib, simpim::OutlookServer& outlook) {
    const auto calls = outlook.CallCount();
    for (const auto& [name, call] : PimExports()) {
        std::vector<char> buffer(TARN_MESSAGE_RECORD_SIZE, '\x5A');
        std::vector<char> record(TARN_CONTACT_RECORD_SIZE, '\x5A');
        RecordListNode node = MakeNode(record.data(), nullptr, 7);
        PimRecordList list = MakeList(&node, 1, nullptr, 5, 9);
        EXPECT_EQ(call(lib, buffer.data(), &list), TARN_NOT_OPEN) << name;
        EXPECT_EQ(buffer, std::vector<char>(TARN_MESSAGE_RECORD_SIZE, '\x5A')) << name;
        EXPECT_EQ(record, std::vector<char>(TARN_CONTACT_RECORD_SIZE, '\x5A')) << name;
        EXPECT_EQ(list.current, nullptr) << name;
        EXPECT_EQ(list.index, 5) << name;
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

TEST_F(HostTest, UnknownKindSucceedsYetOpensNothing) {
    for (int32_t kind : {2, 7, -1}) {
        EXPECT_EQ(lib.Initialize(kind), TARN_INITIALIZED) << kind;
        int32_t count = 99;
        EXPECT_EQ(lib.GetCountForOL(&count, 1), TARN_NOT_OPEN) << kind;
        EXPECT_EQ(count, 99);
        EXPECT_EQ(lib.IsPimPresent(kind), 1) << kind;
    }
    EXPECT_EQ(outlook.LiveReferences(), 0);
}

TEST_F(HostTest, OpeningWithAnUnknownKindClosesAnOpenSession) {
    Open();
    EXPECT_EQ(lib.Initialize(2), TARN_INITIALIZED);
    int32_t count = 0;
    EXPECT_EQ(lib.GetCountForOL(&count, 1), TARN_NOT_OPEN);
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

TEST_F(HostTest, ProbeCreatesAndReleasesItsOwnObject) {
    tarnex_RegisterServer(kEudoraProgId, nullptr, nullptr);
    EXPECT_EQ(lib.IsPimPresent(TARN_PIM_OUTLOOK), 1);
    EXPECT_EQ(outlook.LiveReferences(), 0);
    EXPECT_EQ(lib.IsPimPresent(TARN_PIM_EUDORA), 0);  // only Outlook is registered

    // A probe during a session leaves the session's application in place.
    Open();
    EXPECT_EQ(lib.IsPimPresent(TARN_PIM_OUTLOOK), 1);
    char id[TARN_ENTRY_ID_SIZE] = {};
    EXPECT_EQ(lib.AddForOL(id, std::vector<char>(TARN_CONTACT_RECORD_SIZE).data(), 1), TARN_OK);
}

TEST_F(HostTest, ReopeningReleasesTheFirstSessionsObjects) {
    Open();
    const auto held = outlook.LiveReferences();
    EXPECT_GT(held, 0);
    Open();
    EXPECT_EQ(outlook.LiveReferences(), held);
    lib.Uninitialize();
    EXPECT_EQ(outlook.LiveReferences(), 0);
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
        for (const ClosedCall& c : PimExports()) {
            if (IsEudoraExport(c) != (kind == TARN_PIM_OUTLOOK)) continue;
            std::vector<char> buffer(TARN_MESSAGE_RECORD_SIZE, '\0');
            RecordListNode node = MakeNode(buffer.data(), nullptr, 7);
            PimRecordList list = MakeList(&node, 1, nullptr, 0, 9);
            EXPECT_LT(c.call(lib, buffer.data(), &list), TARN_OK) << c.name;
            EXPECT_EQ(open.LiveReferences(), held) << c.name;
        }
        int32_t count = -1;
        EXPECT_EQ(kind == TARN_PIM_OUTLOOK ? lib.GetCountForOL(&count, TARN_STORE_CONTACTS)
                                           : lib.GetCountForEU(&count, TARN_STORE_INBOX),
                  TARN_OK);
        EXPECT_EQ(count, 1);
        lib.Uninitialize();
        EXPECT_EQ(outlook.LiveReferences() + eudora.LiveReferences(), 0);
    }
    tarnex_SetMessageBoxHandler(nullptr, nullptr);
}

TEST_F(OpenTest, CalendarPositionsWithOneFolderEmpty) {
    const std::string task = EntryIdOf(outlook.AddItem(simpim::TaskClass()));
    EXPECT_EQ(CountOf(TARN_STORE_CALENDAR), 1);
    EXPECT_EQ(IdAt(0, TARN_STORE_CALENDAR), task);
}

TEST_F(OpenTest, PositionsOutsideTheStoreAndUnknownSelectors) {
    outlook.AddItem(simpim::ContactClass());
    outlook.AddItem(simpim::ContactClass());
    struct Case {
        int32_t position, store;
    };
    for (const auto& [position, store] : std::array<Case, 5>{{{2, 1}, {-1, 1}, {0, 2}, {0, 3}, {0, 8}}}) {
        char id[TARN_ENTRY_ID_SIZE];
        std::memset(id, '#', sizeof id);
        EXPECT_EQ(lib.GetIDForOL(id, position, store), TARN_BAD_POSITION) << position << "/" << store;
        EXPECT_EQ(id[0], '#');
    }
    // A selector that names no store leaves the count as the host set it.
    for (int32_t store : {0, 2, 3, 8, 256}) {
        int32_t count = 1234;
        EXPECT_EQ(lib.GetCountForOL(&count, store), TARN_OK) << store;
        EXPECT_EQ(count, 1234) << store;
    }
}

TEST_F(OpenTest, MailStoresRefuseItemsThatAreNotMail) {
    const struct {
        int32_t store, folder;
        const simpim::ItemClass& notMail;
    } stores[] = {
        {TARN_STORE_INBOX, simpim::kFolderInbox, simpim::MeetingRequestClass()},
        {TARN_STORE_OUTBOX, simpim::kFolderOutbox, simpim::ReportClass()},
        {TARN_STORE_SENT, simpim::kFolderSentMail, simpim::MeetingRequestClass()},
    };
    for (const auto& s : stores) {
        SCOPED_TRACE(s.store);
        const std::string first = EntryIdOf(outlook.AddItem(s.folder, simpim::MailClass()));
        outlook.AddItem(s.folder, s.notMail);
        const std::string third = EntryIdOf(outlook.AddItem(s.folder, simpim::MailClass()));

        EXPECT_EQ(IdAt(0, s.store), first);
        char id[TARN_ENTRY_ID_SIZE] = "untouched";
        EXPECT_EQ(lib.GetIDForOL(id, 1, s.store), TARN_NOT_MAIL);
        EXPECT_STREQ(id, "untouched");
        EXPECT_EQ(IdAt(2, s.store), third);
    }
}

TEST_F(OpenTest, UniqueStringIsTheContactStoreIdCutTo39) {
    struct Case {
        std::u16string storeId;
        std::string expected;  // all 40 bytes
    };
    const std::u16string longId(300, u'C');
    const std::vector<Case> cases{
        {longId, std::string(39, 'C') + std::string(1, '\0')},
        {u"0123456789", "0123456789" + std::string(30, '\0')},
        {u"", std::string(40, '\0')},
    };
    for (const auto& [storeId, expected] : cases) {
        outlook.SetStoreId(storeId);
        char text[TARN_UNIQUE_STRING_SIZE + 4];
        std::memset(text, '#', sizeof text);
        EXPECT_EQ(lib.GetUniqueStringForOL(text), TARN_OK);
        EXPECT_EQ(std::string(text, 40), expected);
        EXPECT_EQ(std::string(text + 40, 4), "####") << "wrote past the 40 bytes";
    }
}

TEST_F(OpenTest, DeletingLowersTheCountAndUnknownIdentifiersFail) {
    const std::string doomed = EntryIdOf(outlook.AddItem(simpim::ContactClass()));
    outlook.AddItem(simpim::ContactClass());
    ASSERT_EQ(CountOf(TARN_STORE_CONTACTS), 2);

    EXPECT_EQ(lib.DeleteForOL(doomed.c_str()), TARN_OK);
    EXPECT_EQ(CountOf(TARN_STORE_CONTACTS), 1);
    // Outlook keeps it in Deleted Items; deleting there removes it for good.
    EXPECT_EQ(lib.DeleteForOL(doomed.c_str()), TARN_OK);
    EXPECT_EQ(outlook.FindItem(std::u16string(doomed.begin(), doomed.end())), nullptr);

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

constexpr int32_t kUntouched = 0x5A5A5A5A;
constexpr double kSecond = 1.0 / 86400.0;
constexpr double kHour = 1.0 / 24.0;
constexpr double kOtherDate = 37000.0;  // 2001-04-18, in the property not asked for

enum class Which { Creation, Modification };

class ItemTimeTest : public OpenTest {
protected:
    int32_t Ask(Which which, const std::string& id, int32_t& out) {
        return which == Which::Creation ? lib.GetCreationTimeForOL(&out, id.c_str())
                                        : lib.GetModificationTimeForOL(&out, id.c_str());
    }
};

// Catches: the zone ignored (UTC assumed) or applied the wrong way; daylight
// saving decided from the current date or not at all; the time truncated
// instead of rounded; the two properties swapped; a time beyond 32-bit
// calendar time handed on cut or as a 64-bit count, or reported as a failure.
TEST_F(ItemTimeTest, LocalTimesBecomeSecondsSince1970) {
    const struct {
        const char* zone;
        const char* what;
        Which which;
        double date;
        int32_t expected;
    } cases[] = {
        {kUtc, "2001-01-01", Which::Creation, 36892.0, 978307200},
        {kUtc, "2001-03-15 12:00", Which::Modification, 36965.5, 984657600},
        {kUtc, "0.6 s rounds up", Which::Creation, 36892.0 + 0.6 * kSecond, 978307201},
        {kUtc, "0.4 s rounds down", Which::Modification, 36892.0 + 0.4 * kSecond, 978307200},
        {kUtc, "the epoch", Which::Creation, 25569.0, 0},
        {kUtc, "a second before the epoch", Which::Creation, 25569.0 - kSecond, -1},
        {kUtc, "the last 32-bit second", Which::Creation, 50424.0 + 11647 * kSecond, 2147483647},
        {kUtc, "one second later", Which::Modification, 50424.0 + 11648 * kSecond, -1},
        {kUtc, "Outlook's empty date, year 4501", Which::Creation, 949998.0, -1},
        {kUtc, "Outlook's empty date as modification", Which::Modification, 949998.0, -1},
        {kOneHourEast, "2001-01-01", Which::Creation, 36892.0, 978303600},
        {kOneHourEast, "1970-01-01 00:30 is before the epoch in UTC", Which::Creation, 25569.0 + 0.5 * kHour,
         -1},
        {kUsEastern2001, "winter", Which::Creation, 36906.5, 979578000},
        {kUsEastern2001, "the last standard second in spring", Which::Creation, 36982.0 + 7199 * kSecond,
         986108399},
        {kUsEastern2001, "the first daylight hour in spring", Which::Creation, 36982.0 + 3 * kHour,
         986108400},
        {kUsEastern2001, "summer", Which::Modification, 37073.5, 994003200},
        {kUsEastern2001, "autumn, still daylight", Which::Creation, 37192.0 + 0.5 * kHour, 1004243400},
        {kUsEastern2001, "autumn, standard again", Which::Modification, 37192.0 + 3 * kHour, 1004256000},
    };
    simpim::OutlookItem& contact = outlook.AddItem(simpim::ContactClass());
    const std::string id = EntryIdOf(contact);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.zone) + ": " + c.what);
        ScopedTimeZone zone(c.zone);
        const bool creation = c.which == Which::Creation;
        contact.Set("CreationTime", Variant(Date{creation ? c.date : kOtherDate}));
        contact.Set("LastModificationTime", Variant(Date{creation ? kOtherDate : c.date}));
        int32_t out = kUntouched;
        EXPECT_EQ(Ask(c.which, id, out), TARN_OK);
        EXPECT_EQ(out, c.expected);
    }
}

// Any item of the store is answered, whatever its type and folder. Catches a
// folder or class test copied from the readers.
TEST_F(ItemTimeTest, EveryKindOfItemInAnyFolder) {
    ScopedTimeZone zone(kUtc);
    simpim::OutlookFolder& ideas = outlook.AddFolder(outlook.Folder(simpim::kFolderNotes), u"Ideas");
    simpim::OutlookItem* items[] = {
        &outlook.AddItem(simpim::ContactClass()),
        &outlook.AddItem(simpim::AppointmentClass()),
        &outlook.AddItem(simpim::TaskClass()),
        &outlook.AddItem(simpim::NoteClass()),
        &outlook.AddItem(simpim::kFolderSentMail, simpim::MailClass()),
        &outlook.AddItem(simpim::kFolderInbox, simpim::MeetingRequestClass()),
        &outlook.AddItem(ideas, simpim::NoteClass()),
        &outlook.AddItem(simpim::kFolderDeletedItems, simpim::ContactClass()),
    };
    for (simpim::OutlookItem* item : items) {
        item->Set("CreationTime", Variant(Date{36892.0}));
        item->Set("LastModificationTime", Variant(Date{36965.5}));
        int32_t created = kUntouched;
        int32_t modified = kUntouched;
        EXPECT_EQ(Ask(Which::Creation, EntryIdOf(*item), created), TARN_OK) << item->Class().objectName;
        EXPECT_EQ(Ask(Which::Modification, EntryIdOf(*item), modified), TARN_OK) << item->Class().objectName;
        EXPECT_EQ(created, 978307200) << item->Class().objectName;
        EXPECT_EQ(modified, 984657600) << item->Class().objectName;
    }
}

struct WalkCase {
    const char* what;
    int32_t store;
    bool replace;     // SetObjectStoreForOL, else GetObjectStoreForOL
    bool failRemove;  // Outlook refuses to remove an item
    int32_t expectedResult;
    int32_t endNode;     // where the list's current node ends
    std::size_t filled;  // records read from the store
    std::size_t contactsAfter;
};

TEST_F(OpenTest, WholeStoreCallsWalkTheListToItsCountThNode) {
    const WalkCase cases[] = {
        {"read of 3 over a store of 5", TARN_STORE_CONTACTS, false, false, TARN_OK, 2, 3, 5},
        {"read with a selector naming no store", 8, false, false, TARN_OK, 2, 0, 5},
        {"replacement with a selector naming no store", 8, true, false, TARN_OK, 2, 0, 5},
        {"replacement whose emptying fails", TARN_STORE_CONTACTS, true, true, TARN_DISPATCH_EXCEPTION, 0, 0,
         5},
    };
    // No case changes the store: every one starts from these five.
    for (char16_t k = u'0'; k < u'5'; ++k) AddContact({{"LastName", Variant(std::u16string(1, k))}});
    for (const WalkCase& c : cases) {
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
        EXPECT_EQ(outlook.Count(simpim::kFolderContacts), c.contactsAfter);
        for (std::size_t k = 0; k < host.records.size(); ++k) {
            const ContactRecord& record = host.records[k];
            const std::string expectedName = k < c.filled ? std::string(1, char('0' + k)) + ";;;;" : "";
            EXPECT_EQ(std::string(record.name), expectedName) << k;
            EXPECT_EQ(std::string(record.tail, sizeof record.tail), std::string(sizeof record.tail, 'M'))
                << "record " << k << " was cleared";
        }
    }

    // A single read with a selector naming no store leaves the record alone.
    ContactRecord record;
    std::memset(&record, 0x5A, sizeof record);
    const ContactRecord before = record;
    EXPECT_EQ(lib.GetSingleObjectForOL(&record,
                                       EntryIdOf(outlook.Folder(simpim::kFolderContacts).At(0)).c_str(), 8),
              TARN_OK);
    EXPECT_EQ(std::memcmp(&record, &before, sizeof record), 0);
}

class LogonTest : public OpenTest {
protected:
    void SetUp() override {
        OpenTest::SetUp();
        tarnex_SetMessageBoxHandler(
            [](const char* text, void* sink) {
                static_cast<std::vector<std::string>*>(sink)->push_back(text);
            },
            &shown);
    }
    void TearDown() override {
        tarnex_SetMessageBoxHandler(nullptr, nullptr);
        OpenTest::TearDown();
    }
    std::vector<std::string> shown;
};

TEST_F(LogonTest, ShowsTheSentItemsFolderName) {
    outlook.AddItem(simpim::kFolderSentMail, simpim::MailClass());
    outlook.AddFolder(outlook.Folder(simpim::kFolderInbox), u"Projects");
    EXPECT_EQ(lib.LogonForOL(), TARN_OK);
    EXPECT_EQ(shown, std::vector<std::string>{"Sent Items"});
}

TEST_F(LogonTest, EmptySentItemsFailsBeforeAnyMessageBox) {
    const int32_t result = lib.LogonForOL();
    EXPECT_TRUE(result == TARN_DISPATCH_EXCEPTION || result == TARN_OLE_FAILURE) << result;
    EXPECT_TRUE(shown.empty());
}

class MailboxTest : public OpenTest {
protected:
    MailboxTest() : OpenTest(simpim::StoreKind::ServerMailbox) {}
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
    EXPECT_EQ(std::string(ReadContact(outlook.Folder(simpim::kFolderContacts).At(0)).name), "Contact;;;;");
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

// A second store in the folder tree: the logon diagnostic walks both, and an
// identifier is looked up only in the store of the current folder.
TEST_F(OpenTest, ArchiveStoreIsWalkedButNotSearched) {
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
    EXPECT_EQ(std::string(ReadContact(local).name), "Here;;;;");
    EXPECT_EQ(lib.GetSingleObjectForOL(&record, archived.c_str(), TARN_STORE_CONTACTS),
              TARN_DISPATCH_EXCEPTION)
        << "the default Contacts folder is current: the archive is still another store";
}

}  // namespace
}  // namespace tarnex_test
