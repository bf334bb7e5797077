// The writers as tables: a record written over an item (or added) and every
// stored property the write changes, with its new value; then the whole
// store replaced, records written back unchanged reading the same, and a
// write that fails partway.
#include <algorithm>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "exports/host.h"
#include "simpim/sample_pim.h"

namespace tarnex_test {
namespace {

using simpim::kFolderCalendar, simpim::kFolderContacts, simpim::kFolderInbox, simpim::kFolderNotes,
    simpim::kFolderOutbox, simpim::kFolderSentMail, simpim::kFolderTasks;

struct Write {
    const char* what;
    std::int32_t store;
    RecordBytes record;
    std::string changed;      // every stored property the write changes; of an add, every one the item has
    std::string before = "";  // the item written over holds these; "add": the record is added
};

// What a write of an empty record puts, each kind's texts cleared.
const std::string kContactCleared =
    "LastName=|FirstName=|MiddleName=|Title=|Suffix=|FileAs=|JobTitle=|CompanyName=|Department=|"
    "Email1Address=|Email2Address=|Email3Address=|";
const std::string kTaskCleared = "Subject=|Body=|Categories=|Importance=0|";
const std::string kMailCleared = "CC=|Subject=|Body=|UnRead=false|";

class WriteTableTest : public HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        outlook.Store().SetNow(36950.5);
        Open();
    }
    // Writes the row's record over a new item of its store's folder, or adds
    // it and finds the new item in that folder.
    void Check(const Write& w) {
        SCOPED_TRACE(w.what);
        const bool task = std::any_of(w.record.pairs.begin(), w.record.pairs.end(), [](const auto& pair) {
            return pair == std::pair<std::string, std::string>{"kind", "\2"};
        });
        const std::int32_t folder = w.store == TARN_STORE_CONTACTS   ? kFolderContacts
                                    : w.store == TARN_STORE_NOTES    ? kFolderNotes
                                    : w.store != TARN_STORE_CALENDAR ? kFolderInbox
                                    : task                           ? kFolderTasks
                                                                     : kFolderCalendar;
        std::string image = ImageOf(RecordSize(w.store), w.record);
        const simpim::OutlookItem* item = nullptr;
        Values before;
        if (w.before == "add") {
            char id[TARN_ENTRY_ID_SIZE] = {};
            ASSERT_EQ(lib.AddForOL(id, image.data(), w.store), TARN_OK);
            ASSERT_NE(item = Found(id), nullptr);
            EXPECT_EQ(item->Folder(), &outlook.Folder(folder));
        } else {
            const simpim::ItemClass& itemClass = folder == kFolderContacts ? simpim::ContactClass()
                                                 : folder == kFolderNotes  ? simpim::NoteClass()
                                                 : folder == kFolderInbox  ? simpim::MailClass()
                                                 : task                    ? simpim::TaskClass()
                                                                           : simpim::AppointmentClass();
            item = &Add(folder, itemClass, w.before);
            before = Properties(*item);
            ASSERT_EQ(lib.SetSingleObjectForOL(EntryIdOf(*item).c_str(), image.data(), w.store), TARN_OK);
        }
        Values changed;
        for (const auto& [name, value] : Properties(*item)) {
            if (!before.count(name) || before.at(name) != value) changed[name] = value;
        }
        EXPECT_EQ(changed, ValuesOf(w.changed));
    }
};

TEST_F(WriteTableTest, Contacts) {
    const auto phone = [](int k, const char* parameters, const char* number) {
        return "|phone" + std::to_string(k) + "Parameters=" + parameters + "|phone" + std::to_string(k) +
               "=" + number;
    };
    const auto email = [](int k, const char* parameters, const char* address) {
        return "|email" + std::to_string(k) + "Parameters=" + parameters + "|email" + std::to_string(k) +
               "=" + address;
    };
    const auto emails = [](const char* first, const char* second, const char* third) {
        return kContactCleared + "Email1Address=" + first + "|Email2Address=" + second +
               "|Email3Address=" + third;
    };
    const auto address = [](int k, const char* parameters, const char* value) {
        return "|address" + std::to_string(k) + "Parameters=" + parameters + "|address" + std::to_string(k) +
               "=" + value;
    };
    const auto parts = [](const std::string& prefix, bool extended) {
        return prefix + "PostOfficeBox=PO 1|" + prefix + "Street=1 Main St|" + prefix + "City=Springfield|" +
               prefix + "State=IL|" + prefix + "PostalCode=62701|" + prefix + "Country=USA|" +
               (extended ? "OfficeLocation=Bldg 4|" : "");
    };
    // A new contact's first address becomes its mailing address: the
    // selected one, or stored by itself.
    const char* adr = "PO 1;Bldg 4;1 Main St;Springfield;IL;62701;USA";
    const std::string added = kContactCleared + "MessageClass=IPM.Contact|";
    const std::string home = added + parts("HomeAddress", false) + "SelectedMailingAddress=1";
    const Write writes[] = {
        // Phone slots set numbers by their parameter words; every slot counts,
        // and a later one overwrites an earlier one.
        {"phones without a known word", 1, phone(0, "VOICE", "1") + phone(1, "PREF", "2") + phone(2, "", "3"),
         kContactCleared},
        {"fax", 1, phone(0, "FAX", "1"), kContactCleared + "BusinessFaxNumber=1"},
        {"cell", 1, phone(0, "CELL;VOICE", "1"), kContactCleared + "MobileTelephoneNumber=1"},
        {"home and cell in lower case", 1, phone(0, "home;cell", "1"),
         kContactCleared + "HomeTelephoneNumber=1|MobileTelephoneNumber=1"},
        {"home fax", 1, phone(0, "HOME;FAX", "1"), kContactCleared + "HomeFaxNumber=1"},
        {"every slot", 1,
         phone(0, "CELL", "1") + phone(3, "PAGER", "1") + phone(7, "CAR", "2") + phone(9, "CELL", "2") +
             phone(11, "ISDN", ""),
         kContactCleared + "MobileTelephoneNumber=2|PagerNumber=1|CarTelephoneNumber=2|ISDNNumber="},
        // The preferred address goes first.
        {"preferred second", 1,
         email(0, "INTERNET", "a") + email(1, "INTERNET;PREF", "b") + email(2, "INTERNET", "c"),
         emails("b", "a", "c")},
        {"one address", 1, email(0, "INTERNET", "x"), emails("x", "", "")},
        {"two preferred", 1,
         email(0, "INTERNET;PREF", "a") + email(1, "INTERNET", "b") + email(2, "INTERNET;PREF", "c"),
         emails("c", "b", "")},
        {"words in any case, any slot", 1,
         email(0, "X400", "a") + email(4, "internet", "b") + email(11, "Internet;Pref", "z"),
         emails("z", "b", "")},
        {"two name parts, department alone", 1, "name=Doe;John|organization=;Research",
         kContactCleared + "LastName=Doe|FirstName=John|Department=Research"},
        {"escapes stay", 1, "name=O\\;Brien;Pat\\\\;;;Jr.;extra",
         kContactCleared + "LastName=O\\;Brien|FirstName=Pat\\\\|Suffix=Jr."},
        {"home pages and title", 1, "personalHomePage=http://a/|businessHomePage=http://b/|jobTitle=Chemist",
         kContactCleared + "PersonalHomePage=http://a/|BusinessHomePage=http://b/|JobTitle=Chemist"},
        // The birthday is set only from a filled field.
        {"no birthday", 1, "", kContactCleared, "Birthday=30000"},
        {"birthday", 1, "birthday=19750602", kContactCleared + "Birthday=date 27547.000000",
         "Birthday=30000"},
        {"added home drops the extended address", 1, address(0, "HOME", adr), home, "add"},
        {"added work;postal in any case", 1, address(1, "work;postal", adr),
         added + parts("BusinessAddress", true) + "SelectedMailingAddress=2", "add"},
        {"added postal alone is the mailing address, not the other", 1, address(2, "POSTAL", adr),
         added + parts("MailingAddress", false), "add"},
        {"added, a later slot wins", 1, address(0, "HOME", "x;;x;x;x;x;x") + address(5, "HOME", adr), home,
         "add"},
        {"added with no address word", 1, address(0, "DOM;INTL", adr), added, "add"},
    };
    for (const Write& w : writes) Check(w);
}

TEST_F(WriteTableTest, Calendar) {
    const std::string oldAppointment =
        "Subject=old|Body=old|Location=old|Importance=2|Categories=old|Start=36900.5|End=36900.75";
    const std::string oldTask =
        "Subject=old|Body=old|Importance=2|Categories=old|StartDate=36900|DueDate=36901|"
        "DateCompleted=36902|Complete=true";
    // Outlook keeps completion as a percentage, a status and a date; a task
    // no longer complete loses its completion date.
    const std::string notComplete =
        kTaskCleared + "PercentComplete=0|Status=0|DateCompleted=date 949998.000000";
    const Write writes[] = {
        // An empty record still clears the texts; the dates stay.
        {"empty appointment", 4, "kind=\1", "Subject=|Body=|Location=", oldAppointment},
        // Importance, categories and the task fields are not an appointment's.
        {"every appointment field", 4,
         "kind=\1|subject=a\\;b|body=x=0D=0Ay|location=Room 2\\; "
         "east|start=20010119T090000|end=2001-01-19T103000|"
         "importance=0|categories=Work|status=COMPLETED|dueDate=20010120",
         "Subject=a\\;b|Body=x\ny|Location=Room 2\\; east|Start=date 36910.375000|End=date 36910.437500",
         oldAppointment},
        // Dates stay; texts, importance and completion are always set, and
        // Outlook clears the completion date of a task no longer complete.
        {"empty task", 4, "kind=\2", notComplete, oldTask},
        // A task's dates are whole days.
        {"every task field", 4,
         "kind=\2|subject=Pay|body=a=0D=0A=\nb=3D|categories=Home;Bills|start=20010112T120000|dueDate="
         "20010129|"
         "dateCompleted=20010114|importance=1|status=COMPLETED|location=ignored|end=20010101",
         "Subject=Pay|Body=a\n=\nb=3D|Categories=Home;Bills|StartDate=date 36903.000000|DueDate=date "
         "36920.000000|"
         "DateCompleted=date 36905.000000|Importance=1",
         oldTask},
        {"a date that is no date is sent as 0.0", 4,
         "kind=\2|dueDate=20010231|importance=2|status=COMPLETED|subject=old|body=old|categories=old",
         "DueDate=date 0.000000", oldTask},
        // Importance and status are parsed: only the exact word completes.
        {"no importance", 4, "kind=\2|status=COMPLETED",
         kTaskCleared + "PercentComplete=100|Status=2|DateCompleted=date 36950.000000"},
        {"needs action", 4, "kind=\2|importance=1|status=NEEDS ACTION", kTaskCleared + "Importance=1"},
        {"completed in lower case", 4, "kind=\2|importance=2|status=completed",
         kTaskCleared + "Importance=2"},
        {"signs and blanks", 4, "kind=\2|importance= +2x|status=COMPLETED ", kTaskCleared + "Importance=2"},
        {"no digit first", 4, "kind=\2|importance=x1|status=COMPLETE", kTaskCleared},
        // Fields full to their last byte, the next one holding text, are read
        // to their end only.
        {"unterminated fields", 4,
         "kind=\2|categories=" + Letters('c', 278) + "|dateCompleted=20010114|subject=" + Letters('s', 512) +
             "|subject+512=PARAMETERS",
         notComplete + "|Categories=" + Letters('c', 278) + "|Subject=" + Letters('s', 512)},
    };
    for (const Write& w : writes) Check(w);

    // The kind byte chooses the new item; a record of no kind touches nothing.
    const std::pair<int, const simpim::ItemClass*> kinds[] = {{1, &simpim::AppointmentClass()},
                                                              {2, &simpim::TaskClass()},
                                                              {0, nullptr},
                                                              {3, nullptr},
                                                              {255, nullptr}};
    for (const auto& [kind, created] : kinds) {
        SCOPED_TRACE(kind);
        const CalendarRecord record =
            RecordWith<CalendarRecord>("subject=New|kind=" + std::string(1, char(kind)));
        char id[TARN_ENTRY_ID_SIZE];
        std::memset(id, 'K', sizeof id);
        outlook.ClearCallLog();
        ASSERT_EQ(lib.AddForOL(id, &record, TARN_STORE_CALENDAR), TARN_OK);
        if (created == nullptr) {
            ASSERT_EQ(lib.SetSingleObjectForOL("unknown", &record, TARN_STORE_CALENDAR), TARN_OK);
            EXPECT_EQ(std::string(id, sizeof id), Letters('K', sizeof id)) << "buffer touched";
            EXPECT_TRUE(outlook.CallLog().empty()) << "Outlook was called";
            continue;
        }
        ASSERT_NE(Found(id), nullptr);
        EXPECT_EQ(&Found(id)->Class(), created);
        EXPECT_EQ(Found(id)->Folder(), &outlook.Folder(kind == 1 ? kFolderCalendar : kFolderTasks));
        EXPECT_EQ(Properties(*Found(id)).at("Subject"), "New");
    }
}

TEST_F(WriteTableTest, NotesAndMail) {
    const auto note = [](const char* body, const char* categories, const char* saved) {
        return Write{body, TARN_STORE_NOTES, "body=" + std::string(body) + "|categories=" + categories,
                     "Body=" + std::string(saved) + "|Categories=" + categories};
    };
    const Write writes[] = {
        // Only "=0D=0A" is decoded, into one line feed.
        note("x=0D=0Ay", "Business", "x\ny"),
        note("x=0D=0A=\ny", "Business;Personal", "x\n=\ny"),
        note("=0D=0A=0D=0A", "", "\n\n"),
        note("=0D=0D=0A", "", "=0D\n"),
        note("a=0d=0ab", "", "a=0d=0ab"),
        note("a=3Db\\; c\\\\ =\nd", "", "a=3Db\\; c\\\\ =\nd"),
        {"unterminated note fields", TARN_STORE_NOTES,
         "categories=" + Letters('c', 165) + "|body=" + Letters('b', 5120) +
             "|bodyParameters=" + Letters('p', 127),
         "Categories=" + Letters('c', 165) + "|Body=" + Letters('b', 5120)},
        // Sender and recipients stay when the record has none of them.
        {"empty message", TARN_STORE_INBOX, "", kMailCleared},
        // Texts go raw, the body too: no "=0D=0A" decoding, no CR LF, no "/"
        // taken off; the header, box, date and replyTo are not written.
        {"every field", TARN_STORE_INBOX,
         "status=UNREAD|from=Anna Berg|to=User; Mei|cc=a\\;b|subject=Re: lunch|body=x\n/END:VBODY=0D=0Ay|"
         "replyTo=reply@example.net|date=Fri, Jan 19 09:00:00 2001|box=OUTBOX|originatorList1=|ignored|"
         "recipientList2=|ignored",
         "UnRead=true|SentOnBehalfOfName=Anna Berg|To=User; Mei|CC=a\\;b|Subject=Re: lunch|"
         "Body=x\n/END:VBODY=0D=0Ay"},
        {"first lists joined with \"; \"", TARN_STORE_INBOX,
         "originatorList1=|Anna|Mei|originatorList2=|no|recipientList1=|User|Carlos|Team|recipientList2=|no",
         kMailCleared + "SentOnBehalfOfName=Anna; Mei|To=User; Carlos; Team"},
        {"second lists joined with \";\"", TARN_STORE_INBOX,
         "originatorList2=|Anna|Mei|recipientList2=|User|Carlos",
         kMailCleared + "SentOnBehalfOfName=Anna;Mei|To=User;Carlos"},
        // The first character goes whatever it is.
        {"lists without a leading bar", TARN_STORE_INBOX, "originatorList1=Anna|Mei|recipientList2=xUser",
         kMailCleared + "SentOnBehalfOfName=nna; Mei|To=User"},
        {"fields full to their last byte", TARN_STORE_INBOX,
         "subject=" + Letters('s', 256) + "|subject+256=SPARE|from=" + Letters('f', 512) + "|from+512=next",
         kMailCleared + "Subject=" + Letters('s', 256) + "|SentOnBehalfOfName=" + Letters('f', 512) +
             "|To=next"},
        // Only the exact word marks a message unread.
        {"unread in lower case", TARN_STORE_INBOX, "status=unread", kMailCleared},
        {"UNREADX", TARN_STORE_INBOX, "status=UNREADX", kMailCleared},
        {"UNREA", TARN_STORE_INBOX, "status=UNREA", kMailCleared},
    };
    for (const Write& w : writes) Check(w);

    // An update writes the item wherever it lies: neither the selector nor
    // the record's box moves it.
    simpim::OutlookItem& queued = Add(kFolderOutbox, simpim::MailClass(), "Subject=old");
    const std::string id = EntryIdOf(queued);
    const MessageRecord update = RecordWith<MessageRecord>("subject=new|box=INBOX");
    ASSERT_EQ(lib.SetSingleObjectForOL(id.c_str(), &update, TARN_STORE_INBOX), TARN_OK);
    EXPECT_EQ(queued.Folder(), &outlook.Folder(kFolderOutbox));
    EXPECT_EQ(EntryIdOf(queued), id);
    EXPECT_EQ(Properties(queued).at("Subject"), "new");
}

// Outlook hands an opened item's object out again to every lookup while it
// is held, with its unsaved changes: a failed write must let go of it, or the
// next read would show the half-written values and the next save store them.
TEST_F(WriteTableTest, FailedWriteLeavesTheItemUnsavedAndLetsGoOfIt) {
    const ContactRecord refused = RecordWith<ContactRecord>("name=Half;Written|jobTitle=No");
    simpim::OutlookItem& item = Add(kFolderContacts, simpim::ContactClass(), "LastName=Old");
    std::int32_t created = 0;  // the item found for its time stays held by the session too
    ASSERT_EQ(lib.GetCreationTimeForOL(&created, EntryIdOf(item).c_str()), TARN_OK);
    outlook.FailEveryCall(0x3a17, simpim::Fault::Exception(), "ContactItem");  // JobTitle
    EXPECT_EQ(lib.SetSingleObjectForOL(EntryIdOf(item).c_str(), &refused, TARN_STORE_CONTACTS),
              TARN_DISPATCH_EXCEPTION);
    EXPECT_EQ(Properties(item).at("LastName"), "Old");
    outlook.ClearFaults();

    ContactRecord record = Zeroed<ContactRecord>();
    EXPECT_EQ(lib.GetSingleObjectForOL(&record, EntryIdOf(item).c_str(), TARN_STORE_CONTACTS), TARN_OK);
    EXPECT_EQ(std::string(record.name), "Old;;;;") << "the read showed unsaved values";
    const ContactRecord good = RecordWith<ContactRecord>("name=Good");
    EXPECT_EQ(lib.SetSingleObjectForOL(EntryIdOf(item).c_str(), &good, TARN_STORE_CONTACTS), TARN_OK);
    EXPECT_EQ(Properties(item).at("LastName"), "Good");

    // A failed add creates nothing and leaves the buffer alone.
    outlook.FailEveryCall(0x3a17, simpim::Fault::Exception(), "ContactItem");
    char id[TARN_ENTRY_ID_SIZE] = "untouched";
    EXPECT_EQ(lib.AddForOL(id, &refused, TARN_STORE_CONTACTS), TARN_DISPATCH_EXCEPTION);
    EXPECT_STREQ(id, "untouched");
    EXPECT_EQ(outlook.Count(kFolderContacts), 1u) << "a contact was created";
}

// Whole stores replaced: emptied (mail of other folders stays), the records
// added in order into the store's folder, each getting its item's
// identifier in its header and keeping every other byte; a record Outlook
// refuses is left out with its identifier as it was.
TEST_F(WriteTableTest, ReplacedStoresHoldJustTheRecordsItems) {
    const struct {
        std::int32_t store;
        std::vector<std::int32_t> folders;  // where each record's item lands
        std::vector<RecordBytes> records;
    } stores[] = {
        {TARN_STORE_CONTACTS,
         {kFolderContacts, -1, kFolderContacts},
         {"name=One|entryId=stale", "name=Two|entryId=stale|birthday=19750602", "name=Three|entryId=stale"}},
        {TARN_STORE_CALENDAR,
         {kFolderCalendar, kFolderTasks},
         {"kind=\1|subject=Meeting|fields.entryId=old appointment id",
          "kind=\2|subject=Chore|fields.entryId=old task id"}},
        {TARN_STORE_NOTES, {kFolderNotes, kFolderNotes}, {"body=first", "body=second"}},
        {TARN_STORE_INBOX,
         {kFolderInbox, kFolderInbox},
         {"entryId=old id|subject=first|box=SENTBOX", "status=UNREAD|subject=second"}},
    };
    Add(kFolderContacts, simpim::ContactClass());
    Add(kFolderCalendar, simpim::AppointmentClass());
    Add(kFolderTasks, simpim::TaskClass());
    Add(kFolderNotes, simpim::NoteClass());
    Add(kFolderInbox, simpim::MeetingRequestClass());
    Add(kFolderOutbox, simpim::MailClass(), "Subject=stays");
    outlook.FailEveryCall(0x3a42, simpim::Fault::Exception(u"Refused."), "ContactItem");  // Birthday
    for (const auto& s : stores) {
        SCOPED_TRACE(s.store);
        Records host(s.store, s.records);
        const std::size_t n = s.records.size();
        EXPECT_EQ(lib.SetObjectStoreForOL(&host.list, s.store), TARN_OK);
        EXPECT_EQ(host.list.current, &host.nodes[n - 1]);
        EXPECT_EQ(host.list.index, static_cast<int32_t>(n - 1));
        std::map<std::int32_t, std::size_t> filled;
        for (std::size_t k = 0; k < n; ++k) {
            RecordBytes expected = s.records[k];
            if (s.folders[k] >= 0)
                expected.pairs.emplace_back(
                    "entryId", EntryIdOf(outlook.Folder(s.folders[k]).At(filled[s.folders[k]]++)));
            EXPECT_TRUE(RecordBytesAre({host.images[k].data(), host.size}, expected)) << k;
        }
        for (const auto& [folder, count] : filled) EXPECT_EQ(outlook.Count(folder), count) << folder;
    }
    EXPECT_EQ(Properties(outlook.Folder(kFolderContacts).At(1)).at("LastName"), "Three");
    EXPECT_EQ(Properties(outlook.Folder(kFolderInbox).At(1)).at("UnRead"), "true");
    EXPECT_EQ(outlook.Count(kFolderOutbox), 1u);
    HostList<ContactRecord> none(0);
    EXPECT_EQ(lib.SetObjectStoreForOL(&none.list, TARN_STORE_CONTACTS), TARN_OK);
    EXPECT_EQ(outlook.Count(kFolderContacts), 0u);
}

// Records read, written back unchanged and read again are the same, and the
// items keep every property. A note saved in the same second as its last
// change keeps its times too.
TEST_F(WriteTableTest, RecordsWrittenBackUnchangedReadTheSame) {
    outlook.Store().SetNow(36965.0 + 12.0 / 24.0);
    simpim::FillSampleOutlook(outlook);  // its contacts; its other items do not read back the same
    for (const std::int32_t folder : {kFolderCalendar, kFolderTasks, kFolderNotes}) {
        while (outlook.Count(folder) > 0) outlook.Store().Erase(outlook.Folder(folder).Items().front());
    }
    Add(kFolderContacts, simpim::ContactClass(),
        "LastName=Ng|FirstName=Lee|MiddleName=K|Title=Ms.|Suffix=PhD|FileAs=Ng, "
        "Lee|Birthday=27547|JobTitle=Pilot|"
        "CompanyName=Contoso|OfficeLocation=Hangar 2|BusinessAddressPostOfficeBox=PO 9|"
        "BusinessAddressStreet=1 Airport Rd|BusinessAddressCountry=Canada|HomeAddressStreet=5 Elm St|"
        "HomeAddressPostalCode=K1A "
        "0B1|PersonalHomePage=http://lee.example/|BusinessHomePage=http://c.example/|"
        "Email1Address=lee@contoso.example|Email2Address=lee@home.example|Email3Address=k@example.org|"
        "HomeTelephoneNumber=1|BusinessTelephoneNumber=2|HomeFaxNumber=3|BusinessFaxNumber=4|"
        "MobileTelephoneNumber=5|PagerNumber=6|CarTelephoneNumber=7|ISDNNumber=8");
    Add(kFolderCalendar, simpim::AppointmentClass(),
        "Subject=Project review|Location=Room 2, east wing|Start=36910.375|End=36910.4375|"
        "Body=Agenda: status, next steps|Importance=2");
    Add(kFolderTasks, simpim::TaskClass(),
        "Subject=File expense report|StartDate=36903|DueDate=36908.5|Importance=0|Body=Receipts");
    Add(kFolderTasks, simpim::TaskClass(),
        "Subject=Renew passport|DueDate=36920|DateCompleted=36905|Complete=true");
    Add(kFolderNotes, simpim::NoteClass(), "Body=Door code 4711\nkey at = the desk|CreationTime=36951.5");
    // The contacts' values as Outlook shows them: a text put empty reads as one never set.
    const auto shown = [](const simpim::OutlookItem& item) {
        Values values = Properties(item);
        std::erase_if(values, [](const auto& value) { return value.second.empty(); });
        return values;
    };
    std::vector<Values> contacts;
    for (const auto& item : outlook.Folder(kFolderContacts).Items()) contacts.push_back(shown(*item));

    for (const std::int32_t store : {TARN_STORE_CONTACTS, TARN_STORE_CALENDAR, TARN_STORE_NOTES}) {
        SCOPED_TRACE(store);
        const std::vector<RecordBytes> none(static_cast<std::size_t>(CountOf(store)));
        Records first(store, none), second(store, none);
        ASSERT_EQ(lib.GetObjectStoreForOL(&first.list, store), TARN_OK);
        for (std::string& record : first.images) {
            const char* id = record.data() + (store == TARN_STORE_CALENDAR ? 271 : 4);
            ASSERT_EQ(lib.SetSingleObjectForOL(id, record.data(), store), TARN_OK);
        }
        ASSERT_EQ(lib.GetObjectStoreForOL(&second.list, store), TARN_OK);
        EXPECT_TRUE(first.images == second.images);
    }
    for (std::size_t k = 0; k < contacts.size(); ++k)
        EXPECT_EQ(shown(outlook.Folder(kFolderContacts).At(k)), contacts[k]) << k;
}

// In both kinds of store. In a server mailbox the move gives the item a new
// EntryID and the object it was created as fails from then on, so an
// identifier taken from that object, or read from it, fails the add.
class MailAddTest : public HostTest, public ::testing::WithParamInterface<simpim::StoreKind> {
protected:
    MailAddTest() : HostTest(GetParam()) {}
};

TEST_P(MailAddTest, NewMailEndsInItsStoresFolderAndItsIdentifierFindsIt) {
    Open();
    const std::tuple<std::int32_t, std::int32_t, const char*> stores[] = {
        {TARN_STORE_INBOX, kFolderInbox, "INBOX"},
        {TARN_STORE_OUTBOX, kFolderOutbox, "OUTBOX"},
        {TARN_STORE_SENT, kFolderSentMail, "SENTBOX"}};
    for (const auto& [store, folder, box] : stores) {
        SCOPED_TRACE(box);
        const RecordBytes fields = "subject=" + std::string(box) + "|to=User";
        const MessageRecord record = RecordWith<MessageRecord>(fields);
        char id[TARN_ENTRY_ID_SIZE];
        std::memset(id, 'K', sizeof id);
        ASSERT_EQ(lib.AddForOL(id, &record, store), TARN_OK);
        ASSERT_EQ(outlook.Count(folder), 1u);
        EXPECT_EQ(std::string(id), EntryIdOf(outlook.Folder(folder).At(0)));
        EXPECT_EQ(outlook.Count(simpim::kFolderDrafts), 0u);
        MessageRecord read = Zeroed<MessageRecord>();
        EXPECT_EQ(lib.GetSingleObjectForOL(&read, id, store), TARN_OK);
        EXPECT_TRUE(HasBytes(read, MessageHeader(id, false, box) + fields));
    }
}

INSTANTIATE_TEST_SUITE_P(StoreKinds, MailAddTest,
                         ::testing::Values(simpim::StoreKind::PersonalFolders,
                                           simpim::StoreKind::ServerMailbox),
                         [](const ::testing::TestParamInfo<simpim::StoreKind>& param) {
                             return param.param == simpim::StoreKind::ServerMailbox ? "ServerMailbox"
                                                                                    : "PersonalFolders";
                         });

}  // namespace
}  // namespace tarnex_test
