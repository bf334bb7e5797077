// The exact automation calls of each export's main paths, compared whole
// with the simulated Outlook's call log: an extra, missing or reordered call,
// a wrong argument or a slot released at the wrong moment fails here with the
// first differing call named.
#include <cctype>
#include <cstring>
#include <functional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "exports/call_trace.h"
#include "exports/contact_fixture.h"

namespace tarnex_test {
namespace {

using simpim::Variant;
using tarnex::automation::Date;

// The items every scenario starts with, and their identifiers.
struct Ids {
    std::string contact, contact2, appointment, task, note, sent;
};

struct Scenario {
    const char* name;
    bool open;  // the session is open before the log starts
    std::function<void(const Library&, const Ids&)> act;
    std::vector<std::string> calls;
};

// gtest prints every parameter as it registers the tests; printed byte by
// byte, the struct's padding would be read uninitialised.
void PrintTo(const Scenario& scenario, std::ostream* out) { *out << scenario.name; }

class CallSequenceTest : public OutlookTest, public ::testing::WithParamInterface<Scenario> {
protected:
    void SetUp() override {
        OutlookTest::SetUp();
        outlook.SetStoreId(u"0000000038A1BB1005E5101AA1BB08002B2A56C20000");
        trace.Alias("0000000038A1BB1005E5101AA1BB08002B2A56C20000", "$store");
        ids.contact = Name(outlook.AddItem(simpim::ContactClass()), "$contact");
        ids.contact2 = Name(outlook.AddItem(simpim::ContactClass()), "$contact2");
        ids.appointment = Name(outlook.AddItem(simpim::AppointmentClass()), "$appointment");
        ids.task = Name(outlook.AddItem(simpim::TaskClass()), "$task");
        ids.note = Name(outlook.AddItem(simpim::NoteClass()), "$note");
        ids.sent = Name(outlook.AddItem(simpim::kFolderSentMail, simpim::MailClass()), "$sent");
        for (int k = 0; k < 2; ++k) outlook.AddItem(simpim::kFolderInbox, simpim::MailClass());
        outlook.Folder(simpim::kFolderContacts).At(0).Set("LastName", Variant(u"Doe"));
        outlook.Folder(simpim::kFolderSentMail).At(0).Set("ReceivedTime", Variant(Date{36910.375}));
        tarnex_SetMessageBoxHandler([](const char*, void*) {}, nullptr);
    }
    void TearDown() override {
        tarnex_SetMessageBoxHandler(nullptr, nullptr);
        OutlookTest::TearDown();
    }

    std::string Name(const simpim::OutlookItem& item, std::string alias) {
        trace.Alias(EntryIdOf(item), std::move(alias));
        return EntryIdOf(item);
    }

    CallTrace trace;
    Ids ids;
};

TEST_P(CallSequenceTest, MakesExactlyItsCalls) {
    const Scenario& s = GetParam();
    if (s.open) Open();
    outlook.ClearCallLog();
    s.act(lib, ids);
    EXPECT_TRUE(SameCalls(s.calls, trace.Lines(outlook.CallLog())));
}

std::vector<std::string> Joined(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> lines;
    for (const auto& part : parts) lines.insert(lines.end(), part.begin(), part.end());
    return lines;
}

// "ContactItem.LastName" and so on: each member named in the blank-separated
// list, in order, with the suffix.
std::vector<std::string> Members(const std::string& object, const std::string& members,
                                 const std::string& suffix = "") {
    std::vector<std::string> lines;
    std::istringstream names(members);
    for (std::string member; names >> member;) lines.push_back(object + "." + member + suffix);
    return lines;
}

// The single fields of a contact, read in this order by every reader.
const std::vector<std::string> kContactReads = Members(
    "ContactItem",
    "LastName FirstName MiddleName Title Suffix FileAs Birthday HomeAddress BusinessAddress MailingAddress "
    "MailingAddress MailingAddress JobTitle CompanyName Department HomeTelephoneNumber "
    "BusinessTelephoneNumber "
    "HomeFaxNumber BusinessFaxNumber MobileTelephoneNumber PagerNumber CarTelephoneNumber ISDNNumber "
    "PersonalHomePage BusinessHomePage Email1Address Email2Address Email3Address");
// What the writer puts for a record holding only the name "Roe;Richard".
const std::vector<std::string> kContactWrites = Joined(
    {{"ContactItem.LastName = \"Roe\"", "ContactItem.FirstName = \"Richard\""},
     Members("ContactItem",
             "MiddleName Title Suffix FileAs JobTitle CompanyName Department Email1Address Email2Address "
             "Email3Address",
             " = \"\"")});

// The logon diagnostic over the one store: every test of both loops asks
// Count anew, and each child is let go when the next one is fetched.
std::vector<std::string> LogonWalk() {
    const std::vector<std::string> children = {"Deleted Items", "Inbox",   "Outbox", "Sent Items", "Calendar",
                                               "Contacts",      "Journal", "Notes",  "Tasks",      "Drafts"};
    const std::string folders = "Folders[Personal Folders]";
    std::vector<std::string> lines = {"NameSpace.Logon(missing, missing, true, true)",
                                      "NameSpace.Folders",
                                      "Folders.GetFirst()",
                                      "Folders.Count",
                                      "MAPIFolder[Personal Folders].Name",
                                      "MAPIFolder[Personal Folders].Folders",
                                      folders + ".GetFirst()"};
    for (std::size_t j = 0; j < children.size(); ++j) {
        const std::string child = "MAPIFolder[" + children[j] + "]";
        lines.insert(lines.end(),
                     {folders + ".Count", child + ".Name", child + ".EntryID", folders + ".Count"});
        if (j + 1 < children.size()) lines.insert(lines.end(), {folders + ".GetNext()", "~" + child});
    }
    lines.insert(lines.end(), {folders + ".Count", "~MAPIFolder[Drafts]", "~" + folders, "Folders.Count",
                               "Folders.Count", "~MAPIFolder[Personal Folders]",
                               // The message box names the parent of Sent Items' first item.
                               "NameSpace.GetDefaultFolder(5)", "MAPIFolder[Sent Items].Items",
                               "Items[Sent Items].Item(1)", "~Items[Sent Items]", "MailItem.Parent",
                               "MAPIFolder[Sent Items].Name", "~MAPIFolder[Sent Items]", "~MailItem",
                               "~MAPIFolder[Sent Items]", "~Folders"});
    return lines;
}

const Scenario kScenarios[] = {
    {"open",
     false,
     [](const Library& lib, const Ids&) { lib.Initialize(TARN_PIM_OUTLOOK); },
     {"Application.GetNamespace(\"MAPI\")",
      "NameSpace.GetDefaultFolder(10)",
      "MAPIFolder[Contacts].Items",
      "NameSpace.GetDefaultFolder(9)",
      "~MAPIFolder[Contacts]",
      "MAPIFolder[Calendar].Items",
      "NameSpace.GetDefaultFolder(13)",
      "~MAPIFolder[Calendar]",
      "MAPIFolder[Tasks].Items",
      "NameSpace.GetDefaultFolder(4)",
      "~MAPIFolder[Tasks]",
      "MAPIFolder[Outbox].Items",
      "NameSpace.GetDefaultFolder(6)",
      "~MAPIFolder[Outbox]",
      "MAPIFolder[Inbox].Items",
      "NameSpace.GetDefaultFolder(5)",
      "~MAPIFolder[Inbox]",
      "MAPIFolder[Sent Items].Items",
      "NameSpace.GetDefaultFolder(12)",
      "~MAPIFolder[Sent Items]",
      "MAPIFolder[Notes].Items"}},
    {"close",
     true,
     [](const Library& lib, const Ids&) { lib.Uninitialize(); },
     {"~Application", "~NameSpace", "~MAPIFolder[Notes]", "~Items[Contacts]", "~Items[Calendar]",
      "~Items[Tasks]", "~Items[Outbox]", "~Items[Inbox]", "~Items[Sent Items]", "~Items[Notes]"}},
    {"logon diagnostic", true, [](const Library& lib, const Ids&) { lib.LogonForOL(); }, LogonWalk()},
    {"counts of every store",
     true,
     [](const Library& lib, const Ids&) {
         for (int32_t store : {1, 4, 16, 32, 64, 128, 8}) {
             int32_t count = 0;
             lib.GetCountForOL(&count, store);
         }
     },
     {"Items[Contacts].Count", "Items[Calendar].Count", "Items[Tasks].Count", "Items[Notes].Count",
      "Items[Inbox].Count", "Items[Outbox].Count", "Items[Sent Items].Count"}},
    {"identifier of a task behind the appointments",
     true,
     [](const Library& lib, const Ids&) {
         char id[TARN_ENTRY_ID_SIZE];
         lib.GetIDForOL(id, 1, TARN_STORE_CALENDAR);
     },
     {"Items[Calendar].Count", "Items[Tasks].Count", "Items[Calendar].Count", "Items[Tasks].Count",
      "Items[Tasks].Item(1)", "TaskItem.EntryID"}},
    {"identifier of a contact, then a single read replaces the contact slot", true,
     [](const Library& lib, const Ids& ids) {
         char id[TARN_ENTRY_ID_SIZE];
         lib.GetIDForOL(id, 0, TARN_STORE_CONTACTS);
         ContactRecord record;
         lib.GetSingleObjectForOL(&record, ids.contact2.c_str(), TARN_STORE_CONTACTS);
     },
     Joined({{"Items[Contacts].Count", "Items[Contacts].Item(1)", "ContactItem.EntryID",
              "MAPIFolder[Notes].StoreID", "NameSpace.GetItemFromID(\"$contact2\", \"$store\")",
              "~ContactItem", "ContactItem.Parent", "~MAPIFolder[Notes]", "NameSpace.GetDefaultFolder(10)",
              "MAPIFolder[Contacts].EntryID", "MAPIFolder[Contacts].EntryID", "ContactItem.Class"},
             kContactReads,
             {"~MAPIFolder[Contacts]"}})},
    {"unique string",
     true,
     [](const Library& lib, const Ids&) {
         char text[TARN_UNIQUE_STRING_SIZE];
         lib.GetUniqueStringForOL(text);
     },
     {"NameSpace.GetDefaultFolder(10)", "~MAPIFolder[Notes]", "MAPIFolder[Contacts].StoreID"}},
    {"delete, then a calendar identifier replaces the found item",
     true,
     [](const Library& lib, const Ids& ids) {
         lib.DeleteForOL(ids.contact.c_str());
         char id[TARN_ENTRY_ID_SIZE];
         lib.GetIDForOL(id, 0, TARN_STORE_CALENDAR);
     },
     {"MAPIFolder[Notes].StoreID", "NameSpace.GetItemFromID(\"$contact\", \"$store\")",
      "ContactItem.Delete()", "Items[Calendar].Count", "Items[Tasks].Count", "Items[Calendar].Count",
      "Items[Tasks].Count", "Items[Calendar].Item(1)", "~ContactItem", "AppointmentItem.EntryID"}},
    {"single contact read", true,
     [](const Library& lib, const Ids& ids) {
         ContactRecord record;
         lib.GetSingleObjectForOL(&record, ids.contact.c_str(), TARN_STORE_CONTACTS);
     },
     Joined({{"MAPIFolder[Notes].StoreID", "NameSpace.GetItemFromID(\"$contact\", \"$store\")",
              "ContactItem.Parent", "~MAPIFolder[Notes]", "NameSpace.GetDefaultFolder(10)",
              "MAPIFolder[Contacts].EntryID", "MAPIFolder[Contacts].EntryID", "ContactItem.Class"},
             kContactReads,
             {"~MAPIFolder[Contacts]"}})},
    {"single contact read of a note",
     true,
     [](const Library& lib, const Ids& ids) {
         ContactRecord record;
         lib.GetSingleObjectForOL(&record, ids.note.c_str(), TARN_STORE_CONTACTS);
     },
     {"MAPIFolder[Notes].StoreID", "NameSpace.GetItemFromID(\"$note\", \"$store\")", "NoteItem.Parent",
      "~MAPIFolder[Notes]", "NameSpace.GetDefaultFolder(10)", "MAPIFolder[Notes].EntryID",
      "MAPIFolder[Contacts].EntryID", "~MAPIFolder[Contacts]"}},
    {"whole contact store read", true,
     [](const Library& lib, const Ids&) {
         HostList<ContactRecord> list(2);
         lib.GetObjectStoreForOL(&list.list, TARN_STORE_CONTACTS);
     },
     Joined({{"Items[Contacts].Item(1)", "ContactItem.Class", "ContactItem.EntryID"},
             kContactReads,
             {"Items[Contacts].Item(2)", "~ContactItem", "ContactItem.Class", "ContactItem.EntryID"},
             kContactReads})},
    {"single contact write", true,
     [](const Library& lib, const Ids& ids) {
         ContactRecord record = Zeroed<ContactRecord>();
         Fill(record.name, "Roe;Richard");
         lib.SetSingleObjectForOL(ids.contact.c_str(), &record, TARN_STORE_CONTACTS);
     },
     Joined({{"MAPIFolder[Notes].StoreID", "NameSpace.GetItemFromID(\"$contact\", \"$store\")"},
             kContactWrites,
             {"ContactItem.Save()"}})},
    {"contact store replaced by one record", true,
     [](const Library& lib, const Ids&) {
         HostList<ContactRecord> list(1);
         Fill(list.records[0].name, "Roe;Richard");
         lib.SetObjectStoreForOL(&list.list, TARN_STORE_CONTACTS);
     },
     Joined({{"Items[Contacts].Count", "Items[Contacts].Count", "Items[Contacts].Remove(2)",
              "Items[Contacts].Count", "Items[Contacts].Remove(1)", "Application.CreateItem(2)"},
             kContactWrites,
             {"ContactItem.Save()", "ContactItem.EntryID"}})},
    {"single appointment read",
     true,
     [](const Library& lib, const Ids& ids) {
         CalendarRecord record;
         lib.GetSingleObjectForOL(&record, ids.appointment.c_str(), TARN_STORE_CALENDAR);
     },
     {"MAPIFolder[Notes].StoreID", "NameSpace.GetItemFromID(\"$appointment\", \"$store\")",
      "AppointmentItem.Parent", "~MAPIFolder[Notes]", "NameSpace.GetDefaultFolder(9)",
      "MAPIFolder[Calendar].EntryID", "MAPIFolder[Calendar].EntryID", "~MAPIFolder[Calendar]",
      "AppointmentItem.Class", "AppointmentItem.MessageClass", "AppointmentItem.EntryID",
      "AppointmentItem.Subject", "AppointmentItem.Body", "AppointmentItem.Start", "AppointmentItem.End",
      "AppointmentItem.Importance", "AppointmentItem.Location"}},
    {"single task read", true,
     [](const Library& lib, const Ids& ids) {
         CalendarRecord record;
         lib.GetSingleObjectForOL(&record, ids.task.c_str(), TARN_STORE_CALENDAR);
     },
     // Not the Calendar folder: the Tasks folder is asked for next.
     Joined({{"MAPIFolder[Notes].StoreID", "NameSpace.GetItemFromID(\"$task\", \"$store\")",
              "TaskItem.Parent", "~MAPIFolder[Notes]", "NameSpace.GetDefaultFolder(9)",
              "MAPIFolder[Tasks].EntryID", "MAPIFolder[Calendar].EntryID", "NameSpace.GetDefaultFolder(13)",
              "MAPIFolder[Tasks].EntryID", "~MAPIFolder[Tasks]", "~MAPIFolder[Calendar]"},
             Members("TaskItem",
                     "Class MessageClass EntryID Subject Body StartDate DueDate DateCompleted "
                     "Importance Complete")})},
    {"single task write",
     true,
     [](const Library& lib, const Ids& ids) {
         CalendarRecord record{};
         record.kind = TARN_CALENDAR_TASK;
         std::strcpy(record.fields.dateCompleted, "20010114");
         std::strcpy(record.fields.start, "20010112T120000");
         std::strcpy(record.fields.dueDate, "20010129");
         std::strcpy(record.fields.status, "COMPLETED");
         lib.SetSingleObjectForOL(ids.task.c_str(), &record, TARN_STORE_CALENDAR);
     },
     // Complete after the dates, Subject last.
     {"MAPIFolder[Notes].StoreID", "NameSpace.GetItemFromID(\"$task\", \"$store\")",
      "TaskItem.Categories = \"\"", "TaskItem.DateCompleted = date:36905", "TaskItem.Body = \"\"",
      "TaskItem.StartDate = date:36903.5", "TaskItem.DueDate = date:36920", "TaskItem.Importance = 0",
      "TaskItem.Complete = true", "TaskItem.Subject = \"\"", "TaskItem.Save()"}},
    {"appointment added",
     true,
     [](const Library& lib, const Ids&) {
         CalendarRecord record{};
         record.kind = TARN_CALENDAR_APPOINTMENT;
         std::strcpy(record.fields.start, "20010119T090000");
         std::strcpy(record.fields.end, "20010119T103000");
         char id[TARN_ENTRY_ID_SIZE];
         lib.AddForOL(id, &record, TARN_STORE_CALENDAR);
     },
     {"Application.CreateItem(1)", "AppointmentItem.Subject = \"\"", "AppointmentItem.Body = \"\"",
      "AppointmentItem.Start = date:36910.4", "AppointmentItem.End = date:36910.4",
      "AppointmentItem.Location = \"\"", "AppointmentItem.Save()", "AppointmentItem.EntryID"}},
    // Notes and item times.
    {"single note read",
     true,
     [](const Library& lib, const Ids& ids) {
         NoteRecord record;
         lib.GetSingleObjectForOL(&record, ids.note.c_str(), TARN_STORE_NOTES);
     },
     {"MAPIFolder[Notes].StoreID", "NameSpace.GetItemFromID(\"$note\", \"$store\")", "NoteItem.Parent",
      "~MAPIFolder[Notes]", "NameSpace.GetDefaultFolder(12)", "MAPIFolder[Notes].EntryID",
      "MAPIFolder[Notes].EntryID", "NoteItem.CreationTime", "NoteItem.LastModificationTime",
      "NoteItem.Subject", "NoteItem.Body", "~MAPIFolder[Notes]"}},
    {"whole calendar store read", true,
     [](const Library& lib, const Ids&) {
         HostList<CalendarRecord> host(2);
         lib.GetObjectStoreForOL(&host.list, TARN_STORE_CALENDAR);
     },
     // Each position is placed anew against both counts; no message class
     // is asked, and the appointment stays in its slot beside the task.
     Joined({{"Items[Calendar].Count", "Items[Tasks].Count", "Items[Calendar].Item(1)",
              "AppointmentItem.Class", "AppointmentItem.EntryID"},
             Members("AppointmentItem", "Subject Body Start End Importance Location"),
             {"Items[Calendar].Count", "Items[Tasks].Count", "Items[Tasks].Item(1)", "TaskItem.Class",
              "TaskItem.EntryID"},
             Members("TaskItem", "Subject Body StartDate DueDate DateCompleted Importance Complete")})},
    {"whole note store read",
     true,
     [](const Library& lib, const Ids&) {
         HostList<NoteRecord> host(1);
         lib.GetObjectStoreForOL(&host.list, TARN_STORE_NOTES);
     },
     {"Items[Notes].Item(1)", "NoteItem.Class", "NoteItem.EntryID", "NoteItem.CreationTime",
      "NoteItem.LastModificationTime", "NoteItem.Subject", "NoteItem.Body"}},
    {"single note write sends body and categories only",
     true,
     [](const Library& lib, const Ids& ids) {
         NoteRecord record{};
         Fill(record.body, "x=0D=0Ay");
         Fill(record.creationTime, "20010301T100000");
         Fill(record.lastModificationTime, "20010301T100000");
         Fill(record.subject, "Other");
         lib.SetSingleObjectForOL(ids.note.c_str(), &record, TARN_STORE_NOTES);
     },
     {"MAPIFolder[Notes].StoreID", "NameSpace.GetItemFromID(\"$note\", \"$store\")",
      "NoteItem.Body = \"x\ny\"", "NoteItem.Categories = \"\"", "NoteItem.Save()"}},
    {"note added",
     true,
     [](const Library& lib, const Ids&) {
         NoteRecord record{};
         Fill(record.categories, "Ideas");
         char id[TARN_ENTRY_ID_SIZE];
         lib.AddForOL(id, &record, TARN_STORE_NOTES);
     },
     {"Application.CreateItem(5)", "NoteItem.Body = \"\"", "NoteItem.Categories = \"Ideas\"",
      "NoteItem.Save()", "NoteItem.EntryID"}},
    {"creation time",
     true,
     [](const Library& lib, const Ids& ids) {
         int32_t time;
         lib.GetCreationTimeForOL(&time, ids.contact.c_str());
     },
     {"MAPIFolder[Notes].StoreID", "NameSpace.GetItemFromID(\"$contact\", \"$store\")",
      "ContactItem.CreationTime"}},
    {"modification time after a creation time replaces the found item",
     true,
     [](const Library& lib, const Ids& ids) {
         int32_t time;
         lib.GetCreationTimeForOL(&time, ids.contact.c_str());
         lib.GetModificationTimeForOL(&time, ids.note.c_str());
     },
     // The current folder stays; the note replaces the contact in the found
     // item slot.
     {"MAPIFolder[Notes].StoreID", "NameSpace.GetItemFromID(\"$contact\", \"$store\")",
      "ContactItem.CreationTime", "MAPIFolder[Notes].StoreID",
      "NameSpace.GetItemFromID(\"$note\", \"$store\")", "~ContactItem", "NoteItem.LastModificationTime"}},
    {"single message read",
     true,
     [](const Library& lib, const Ids& ids) {
         MessageRecord record;
         lib.GetSingleObjectForOL(&record, ids.sent.c_str(), TARN_STORE_INBOX);
     },
     // The box: the item's folder against the Inbox, the Outbox, then Sent
     // Items, each fetched only when the one before did not match. The
     // received time twice: the empty-date test, then the text.
     {"MAPIFolder[Notes].StoreID",
      "NameSpace.GetItemFromID(\"$sent\", \"$store\")",
      "MailItem.Parent",
      "~MAPIFolder[Notes]",
      "MAPIFolder[Sent Items].EntryID",
      "NameSpace.GetDefaultFolder(6)",
      "MAPIFolder[Inbox].EntryID",
      "~MAPIFolder[Inbox]",
      "NameSpace.GetDefaultFolder(4)",
      "MAPIFolder[Outbox].EntryID",
      "~MAPIFolder[Outbox]",
      "NameSpace.GetDefaultFolder(5)",
      "MAPIFolder[Sent Items].EntryID",
      "~MAPIFolder[Sent Items]",
      "MailItem.Class",
      "MailItem.UnRead",
      "MailItem.ReceivedTime",
      "MailItem.ReceivedTime",
      "MailItem.SentOnBehalfOfName",
      "MailItem.To",
      "MailItem.CC",
      "MailItem.ReplyRecipientNames",
      "MailItem.Subject",
      "MailItem.Body"}},
    {"whole Inbox read", true,
     [](const Library& lib, const Ids&) {
         HostList<MessageRecord> host(2);
         lib.GetObjectStoreForOL(&host.list, TARN_STORE_INBOX);
     },
     Joined({{"Items[Inbox].Item(1)", "MailItem.Class", "MailItem.EntryID"},
             Members("MailItem",
                     "UnRead ReceivedTime SentOnBehalfOfName To CC ReplyRecipientNames Subject Body"),
             {"Items[Inbox].Item(2)", "~MailItem", "MailItem.Class", "MailItem.EntryID"},
             Members("MailItem",
                     "UnRead ReceivedTime SentOnBehalfOfName To CC ReplyRecipientNames Subject Body")})},
    {"message added to the Outbox",
     true,
     [](const Library& lib, const Ids&) {
         MessageRecord record{};
         std::strcpy(record.status, "UNREAD");
         std::strcpy(record.recipientList1, "|Anna|Mei");
         std::strcpy(record.subject, "Hi");
         char id[TARN_ENTRY_ID_SIZE];
         lib.AddForOL(id, &record, TARN_STORE_OUTBOX);
     },
     // No sender in the record: SentOnBehalfOfName is not set. Saved, then
     // moved; the identifier is read from the object Move returned.
     {"Application.CreateItem(0)", "MailItem.UnRead = true", "MailItem.To = \"Anna; Mei\"",
      "MailItem.CC = \"\"", "MailItem.Subject = \"Hi\"", "MailItem.Body = \"\"", "MailItem.Save()",
      "NameSpace.GetDefaultFolder(4)", "MailItem.Move(<MAPIFolder>)", "~MAPIFolder[Outbox]",
      "MailItem.EntryID"}},
};

INSTANTIATE_TEST_SUITE_P(Exports, CallSequenceTest, ::testing::ValuesIn(kScenarios),
                         [](const ::testing::TestParamInfo<Scenario>& param) {
                             std::string name;
                             for (const char* c = param.param.name; *c; ++c) {
                                 if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
                             }
                             return name;
                         });

}  // namespace
}  // namespace tarnex_test
