// The exact automation calls of each export's main paths, compared whole
// with the simulated server's call log: an extra, missing or reordered call,
// a wrong argument or a slot released at the wrong moment fails here with the
// first differing call named.
#include <algorithm>
#include <cctype>
#include <functional>
#include <ostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "exports/call_trace.h"
#include "exports/host.h"

namespace tarnex_test {
namespace {

// The items every scenario starts with, and their identifiers.
struct Ids {
    std::string contact, contact2, appointment, task, note, sent;
};
using Act = std::function<void(const Library&, const Ids&)>;

struct Scenario {
    const char* name;
    bool open;  // the session is open before the log starts
    Act act;
    std::vector<std::string> calls;
};

// gtest prints every parameter as it registers the tests; printed byte by
// byte, the struct's padding would be read uninitialised.
void PrintTo(const Scenario& scenario, std::ostream* out) { *out << scenario.name; }

class CallSequenceTest : public HostTest, public ::testing::WithParamInterface<Scenario> {
protected:
    void SetUp() override {
        HostTest::SetUp();
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
        HostTest::TearDown();
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

// The acts: a single read, a whole-store read of n records, a single write
// and an add of a record holding these texts.
template <class Record>
Act ReadOne(std::string Ids::*id, int32_t store) {
    return [=](const Library& l, const Ids& ids) {
        Record record;
        l.GetSingleObjectForOL(&record, (ids.*id).c_str(), store);
    };
}
template <class Record>
Act ReadAll(std::size_t n, int32_t store) {
    return [=](const Library& l, const Ids&) {
        HostList<Record> host(n);
        l.GetObjectStoreForOL(&host.list, store);
    };
}
template <class Record>
Act WriteOne(std::string Ids::*id, int32_t store, RecordBytes fields) {
    return [=](const Library& l, const Ids& ids) {
        const Record record = RecordWith<Record>(fields);
        l.SetSingleObjectForOL((ids.*id).c_str(), &record, store);
    };
}
template <class Record>
Act AddOne(int32_t store, RecordBytes fields) {
    return [=](const Library& l, const Ids&) {
        const Record record = RecordWith<Record>(fields);
        char id[TARN_ENTRY_ID_SIZE];
        l.AddForOL(id, &record, store);
    };
}

// A trace written as its lines joined with " | ".
std::vector<std::string> Calls(std::string_view text) {
    std::vector<std::string> lines;
    for (std::size_t at = 0, end; at <= text.size(); at = end + 3) {
        end = std::min(text.find(" | ", at), text.size());
        lines.emplace_back(text.substr(at, end - at));
    }
    return lines;
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
    {Calls("ContactItem.LastName = \"Roe\" | ContactItem.FirstName = \"Richard\""),
     Members("ContactItem",
             "MiddleName Title Suffix FileAs JobTitle CompanyName Department Email1Address Email2Address "
             "Email3Address",
             " = \"\"")});
const std::vector<std::string> kMailReads =
    Members("MailItem", "UnRead ReceivedTime SentOnBehalfOfName To CC ReplyRecipientNames Subject Body");
std::vector<std::string> Found(const std::string& alias) {
    return {"MAPIFolder[Notes].StoreID", "NameSpace.GetItemFromID(\"" + alias + "\", \"$store\")"};
}

// The logon diagnostic over the one store: every test of both loops asks
// Count anew, and each child is let go when the next one is fetched.
std::vector<std::string> LogonWalk() {
    const std::string folders = "Folders[Personal Folders]";
    std::vector<std::string> lines = {"NameSpace.Logon(missing, missing, true, true)",
                                      "NameSpace.Folders",
                                      "Folders.GetFirst()",
                                      "Folders.Count",
                                      "MAPIFolder[Personal Folders].Name",
                                      "MAPIFolder[Personal Folders].Folders",
                                      folders + ".GetFirst()"};
    const std::vector<std::string> children = Calls(
        "Deleted Items | Inbox | Outbox | Sent Items | Calendar | "
        "Contacts | Journal | Notes | Tasks | Drafts");
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
    {"open", false, [](const Library& l, const Ids&) { l.Initialize(TARN_PIM_OUTLOOK); },
     Calls("Application.GetNamespace(\"MAPI\") | NameSpace.GetDefaultFolder(10) | "
           "MAPIFolder[Contacts].Items | NameSpace.GetDefaultFolder(9) | ~MAPIFolder[Contacts] | "
           "MAPIFolder[Calendar].Items | NameSpace.GetDefaultFolder(13) | ~MAPIFolder[Calendar] | "
           "MAPIFolder[Tasks].Items | NameSpace.GetDefaultFolder(4) | ~MAPIFolder[Tasks] | "
           "MAPIFolder[Outbox].Items | NameSpace.GetDefaultFolder(6) | ~MAPIFolder[Outbox] | "
           "MAPIFolder[Inbox].Items | NameSpace.GetDefaultFolder(5) | ~MAPIFolder[Inbox] | "
           "MAPIFolder[Sent Items].Items | NameSpace.GetDefaultFolder(12) | ~MAPIFolder[Sent Items] | "
           "MAPIFolder[Notes].Items")},
    {"close", true, [](const Library& l, const Ids&) { l.Uninitialize(); },
     Calls("~Application | ~NameSpace | ~MAPIFolder[Notes] | ~Items[Contacts] | ~Items[Calendar] | "
           "~Items[Tasks] | ~Items[Outbox] | ~Items[Inbox] | ~Items[Sent Items] | ~Items[Notes]")},
    {"logon diagnostic", true, [](const Library& l, const Ids&) { l.LogonForOL(); }, LogonWalk()},
    {"counts of every store", true,
     [](const Library& l, const Ids&) {
         for (int32_t store : {1, 4, 16, 32, 64, 128, 8}) {
             int32_t count = 0;
             l.GetCountForOL(&count, store);
         }
     },
     Calls("Items[Contacts].Count | Items[Calendar].Count | Items[Tasks].Count | Items[Notes].Count | "
           "Items[Inbox].Count | Items[Outbox].Count | Items[Sent Items].Count")},
    {"identifier of a task behind the appointments", true,
     [](const Library& l, const Ids&) {
         char id[TARN_ENTRY_ID_SIZE];
         l.GetIDForOL(id, 1, TARN_STORE_CALENDAR);
     },
     Calls("Items[Calendar].Count | Items[Tasks].Count | Items[Calendar].Count | Items[Tasks].Count | "
           "Items[Tasks].Item(1) | TaskItem.EntryID")},
    {"identifier of a contact, then a single read replaces the contact slot", true,
     [](const Library& l, const Ids& ids) {
         char id[TARN_ENTRY_ID_SIZE];
         l.GetIDForOL(id, 0, TARN_STORE_CONTACTS);
         ReadOne<ContactRecord>(&Ids::contact2, TARN_STORE_CONTACTS)(l, ids);
     },
     Joined(
         {Calls("Items[Contacts].Count | Items[Contacts].Item(1) | ContactItem.EntryID"),
          Found("$contact2"),
          Calls("~ContactItem | ContactItem.Parent | ~MAPIFolder[Notes] | NameSpace.GetDefaultFolder(10) | "
                "MAPIFolder[Contacts].EntryID | MAPIFolder[Contacts].EntryID | ContactItem.Class"),
          kContactReads,
          {"~MAPIFolder[Contacts]"}})},
    {"unique string", true,
     [](const Library& l, const Ids&) {
         char text[TARN_UNIQUE_STRING_SIZE];
         l.GetUniqueStringForOL(text);
     },
     Calls("NameSpace.GetDefaultFolder(10) | ~MAPIFolder[Notes] | MAPIFolder[Contacts].StoreID")},
    {"delete, then a calendar identifier replaces the found item", true,
     [](const Library& l, const Ids& ids) {
         l.DeleteForOL(ids.contact.c_str());
         char id[TARN_ENTRY_ID_SIZE];
         l.GetIDForOL(id, 0, TARN_STORE_CALENDAR);
     },
     Joined({Found("$contact"),
             Calls("ContactItem.Delete() | Items[Calendar].Count | Items[Tasks].Count | "
                   "Items[Calendar].Count | Items[Tasks].Count | Items[Calendar].Item(1) | ~ContactItem | "
                   "AppointmentItem.EntryID")})},
    {"single contact read", true, ReadOne<ContactRecord>(&Ids::contact, TARN_STORE_CONTACTS),
     Joined({Found("$contact"),
             Calls("ContactItem.Parent | ~MAPIFolder[Notes] | NameSpace.GetDefaultFolder(10) | "
                   "MAPIFolder[Contacts].EntryID | MAPIFolder[Contacts].EntryID | ContactItem.Class"),
             kContactReads,
             {"~MAPIFolder[Contacts]"}})},
    {"single contact read of a note", true, ReadOne<ContactRecord>(&Ids::note, TARN_STORE_CONTACTS),
     Joined({Found("$note"),
             Calls("NoteItem.Parent | ~MAPIFolder[Notes] | NameSpace.GetDefaultFolder(10) | "
                   "MAPIFolder[Notes].EntryID | MAPIFolder[Contacts].EntryID | ~MAPIFolder[Contacts]")})},
    {"whole contact store read", true, ReadAll<ContactRecord>(2, TARN_STORE_CONTACTS),
     Joined({Calls("Items[Contacts].Item(1) | ContactItem.Class | ContactItem.EntryID"), kContactReads,
             Calls("Items[Contacts].Item(2) | ~ContactItem | ContactItem.Class | ContactItem.EntryID"),
             kContactReads})},
    {"single contact write", true,
     WriteOne<ContactRecord>(&Ids::contact, TARN_STORE_CONTACTS, "name=Roe;Richard"),
     Joined({Found("$contact"), kContactWrites, {"ContactItem.Save()"}})},
    {"contact store replaced by one record", true,
     [](const Library& l, const Ids&) {
         HostList<ContactRecord> list(1);
         list.records[0] = RecordWith<ContactRecord>("name=Roe;Richard");
         l.SetObjectStoreForOL(&list.list, TARN_STORE_CONTACTS);
     },
     Joined({Calls("Items[Contacts].Count | Items[Contacts].Count | Items[Contacts].Remove(2) | "
                   "Items[Contacts].Count | Items[Contacts].Remove(1) | Application.CreateItem(2)"),
             kContactWrites, Calls("ContactItem.Save() | ContactItem.EntryID")})},
    {"single appointment read", true, ReadOne<CalendarRecord>(&Ids::appointment, TARN_STORE_CALENDAR),
     Joined({Found("$appointment"),
             Calls("AppointmentItem.Parent | ~MAPIFolder[Notes] | NameSpace.GetDefaultFolder(9) | "
                   "MAPIFolder[Calendar].EntryID | MAPIFolder[Calendar].EntryID | ~MAPIFolder[Calendar]"),
             Members("AppointmentItem",
                     "Class MessageClass EntryID Subject Body Start End Importance Location")})},
    // Not the Calendar folder: the Tasks folder is asked for next.
    {"single task read", true, ReadOne<CalendarRecord>(&Ids::task, TARN_STORE_CALENDAR),
     Joined({Found("$task"),
             Calls("TaskItem.Parent | ~MAPIFolder[Notes] | NameSpace.GetDefaultFolder(9) | "
                   "MAPIFolder[Tasks].EntryID | MAPIFolder[Calendar].EntryID | "
                   "NameSpace.GetDefaultFolder(13) | MAPIFolder[Tasks].EntryID | ~MAPIFolder[Tasks] | "
                   "~MAPIFolder[Calendar]"),
             Members("TaskItem",
                     "Class MessageClass EntryID Subject Body StartDate DueDate DateCompleted Importance "
                     "Complete")})},
    // Complete after the dates, Subject last.
    {"single task write", true,
     WriteOne<CalendarRecord>(
         &Ids::task, TARN_STORE_CALENDAR,
         "kind=\2|dateCompleted=20010114|start=20010112T120000|dueDate=20010129|status=COMPLETED"),
     Joined(
         {Found("$task"),
          Calls("TaskItem.Categories = \"\" | TaskItem.DateCompleted = date:36905 | TaskItem.Body = \"\" | "
                "TaskItem.StartDate = date:36903.5 | TaskItem.DueDate = date:36920 | "
                "TaskItem.Importance = 0 | TaskItem.Complete = true | TaskItem.Subject = \"\" | "
                "TaskItem.Save()")})},
    {"appointment added", true,
     AddOne<CalendarRecord>(TARN_STORE_CALENDAR, "kind=\1|start=20010119T090000|end=20010119T103000"),
     Calls("Application.CreateItem(1) | AppointmentItem.Subject = \"\" | AppointmentItem.Body = \"\" | "
           "AppointmentItem.Start = date:36910.4 | AppointmentItem.End = date:36910.4 | "
           "AppointmentItem.Location = \"\" | AppointmentItem.Save() | AppointmentItem.EntryID")},
    {"single note read", true, ReadOne<NoteRecord>(&Ids::note, TARN_STORE_NOTES),
     Joined(
         {Found("$note"),
          Calls("NoteItem.Parent | ~MAPIFolder[Notes] | NameSpace.GetDefaultFolder(12) | "
                "MAPIFolder[Notes].EntryID | MAPIFolder[Notes].EntryID | NoteItem.CreationTime | "
                "NoteItem.LastModificationTime | NoteItem.Subject | NoteItem.Body | ~MAPIFolder[Notes]")})},
    // Each position is placed anew against both counts; no message class
    // is asked, and the appointment stays in its slot beside the task.
    {"whole calendar store read", true, ReadAll<CalendarRecord>(2, TARN_STORE_CALENDAR),
     Joined({Calls("Items[Calendar].Count | Items[Tasks].Count | Items[Calendar].Item(1) | "
                   "AppointmentItem.Class | AppointmentItem.EntryID"),
             Members("AppointmentItem", "Subject Body Start End Importance Location"),
             Calls("Items[Calendar].Count | Items[Tasks].Count | Items[Tasks].Item(1) | TaskItem.Class | "
                   "TaskItem.EntryID"),
             Members("TaskItem", "Subject Body StartDate DueDate DateCompleted Importance Complete")})},
    {"whole note store read", true, ReadAll<NoteRecord>(1, TARN_STORE_NOTES),
     Joined({{"Items[Notes].Item(1)"},
             Members("NoteItem", "Class EntryID CreationTime LastModificationTime Subject Body")})},
    {"single note write sends body and categories only", true,
     WriteOne<NoteRecord>(
         &Ids::note, TARN_STORE_NOTES,
         "body=x=0D=0Ay|creationTime=20010301T100000|lastModificationTime=20010301T100000|subject=Other"),
     Joined(
         {Found("$note"), Calls("NoteItem.Body = \"x\ny\" | NoteItem.Categories = \"\" | NoteItem.Save()")})},
    {"note added", true, AddOne<NoteRecord>(TARN_STORE_NOTES, "categories=Ideas"),
     Calls("Application.CreateItem(5) | NoteItem.Body = \"\" | NoteItem.Categories = \"Ideas\" | "
           "NoteItem.Save() | NoteItem.EntryID")},
    {"creation time", true,
     [](const Library& l, const Ids& ids) {
         int32_t time;
         l.GetCreationTimeForOL(&time, ids.contact.c_str());
     },
     Joined({Found("$contact"), {"ContactItem.CreationTime"}})},
    // The current folder stays; the note replaces the contact in the found
    // item slot.
    {"modification time after a creation time replaces the found item", true,
     [](const Library& l, const Ids& ids) {
         int32_t time;
         l.GetCreationTimeForOL(&time, ids.contact.c_str());
         l.GetModificationTimeForOL(&time, ids.note.c_str());
     },
     Joined({Found("$contact"),
             {"ContactItem.CreationTime"},
             Found("$note"),
             Calls("~ContactItem | NoteItem.LastModificationTime")})},
    // The box: the item's folder against the Inbox, the Outbox, then Sent
    // Items, each fetched only when the one before did not match. The
    // received time twice: the empty-date test, then the text.
    {"single message read", true, ReadOne<MessageRecord>(&Ids::sent, TARN_STORE_INBOX),
     Joined({Found("$sent"),
             Calls("MailItem.Parent | ~MAPIFolder[Notes] | MAPIFolder[Sent Items].EntryID | "
                   "NameSpace.GetDefaultFolder(6) | MAPIFolder[Inbox].EntryID | ~MAPIFolder[Inbox] | "
                   "NameSpace.GetDefaultFolder(4) | MAPIFolder[Outbox].EntryID | ~MAPIFolder[Outbox] | "
                   "NameSpace.GetDefaultFolder(5) | MAPIFolder[Sent Items].EntryID | "
                   "~MAPIFolder[Sent Items] | MailItem.Class | MailItem.UnRead | MailItem.ReceivedTime"),
             Members("MailItem", "ReceivedTime SentOnBehalfOfName To CC ReplyRecipientNames Subject Body")})},
    {"whole Inbox read", true, ReadAll<MessageRecord>(2, TARN_STORE_INBOX),
     Joined({Calls("Items[Inbox].Item(1) | MailItem.Class | MailItem.EntryID"), kMailReads,
             Calls("Items[Inbox].Item(2) | ~MailItem | MailItem.Class | MailItem.EntryID"), kMailReads})},
    // No sender in the record: SentOnBehalfOfName is not set. Saved, then
    // moved; the identifier is read from the object Move returned.
    {"message added to the Outbox", true,
     AddOne<MessageRecord>(TARN_STORE_OUTBOX, "status=UNREAD|recipientList1=|Anna|Mei|subject=Hi"),
     Calls("Application.CreateItem(0) | MailItem.UnRead = true | MailItem.To = \"Anna; Mei\" | "
           "MailItem.CC = \"\" | MailItem.Subject = \"Hi\" | MailItem.Body = \"\" | MailItem.Save() | "
           "NameSpace.GetDefaultFolder(4) | MailItem.Move(<MAPIFolder>) | ~MAPIFolder[Outbox] | "
           "MailItem.EntryID")},
};

INSTANTIATE_TEST_SUITE_P(Exports, CallSequenceTest, ::testing::ValuesIn(kScenarios),
                         [](const ::testing::TestParamInfo<Scenario>& param) {
                             std::string name;
                             for (const char* c = param.param.name; *c; ++c) {
                                 if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
                             }
                             return name;
                         });

// Eudora: Root holds In, Out, Trash, Work { Clients } and Clients.
class EudoraCallSequenceTest : public HostTest {
protected:
    void SetUp() override {
        eudora.AddMessage(simpim::kEudoraIn, {.subject = u"in 1", .body = u"in 1"});
        eudora.AddMessage(simpim::kEudoraOut, {.subject = u"other", .body = u"other"});
        tree.AddMessage(tree.AddMailbox(tree.AddFolder(tree.Root(), u"Work"), u"Clients"), {.subject = u"w"});
        tree.AddMessage(tree.AddMailbox(tree.Root(), u"Clients"), {.subject = u"root clients 1"});
        HostTest::SetUp();
        Open(TARN_PIM_EUDORA);
        eudora.ClearCallLog();
    }
    std::vector<std::string> Seen() const { return CallTrace().Lines(eudora.CallLog()); }
};

// Four to six calls a node: the first match is not entered, and the later
// "Clients" at the root replaces it (Work's Clients leaves the current
// mailbox slot as the match replaces it).
TEST_F(EudoraCallSequenceTest, ReadWalksTheTreeThenReadsTheMessage) {
    MessageRecord record;
    lib.GetSingleObjectForEU(&record, "Clients_1_1", TARN_STORE_INBOX);
    EXPECT_TRUE(SameCalls(
        Calls(
            "EuApplication.RootFolder | EuFolder[Eudora].Folders | EuFolders[Eudora].Count | "
            "EuFolders[Eudora].Item(1) | EuFolder[In].Messages | EuFolder[In].Name | EuFolder[In].Folders | "
            "EuFolders[In].Count | ~EuFolders[In] | ~EuMessages[In] | ~EuFolder[In] | "
            "EuFolders[Eudora].Item(2) | EuFolder[Out].Messages | EuFolder[Out].Name | "
            "EuFolder[Out].Folders | EuFolders[Out].Count | ~EuFolders[Out] | ~EuMessages[Out] | "
            "~EuFolder[Out] | EuFolders[Eudora].Item(3) | EuFolder[Trash].Messages | EuFolder[Trash].Name | "
            "EuFolder[Trash].Folders | EuFolders[Trash].Count | ~EuFolders[Trash] | ~EuMessages[Trash] | "
            "~EuFolder[Trash] | EuFolders[Eudora].Item(4) | EuFolder[Work].Messages | EuFolder[Work].Name | "
            "EuFolder[Work].Folders | EuFolders[Work].Count | EuFolder[Work].Folders | "
            "EuFolders[Work].Count | EuFolders[Work].Item(1) | EuFolder[Clients].Messages | "
            "EuFolder[Clients].Name | EuMessages[Clients].Count | EuFolder[Clients].Folders | "
            "~EuFolders[Clients] | ~EuMessages[Clients] | ~EuFolders[Work] | ~EuFolders[Work] | "
            "~EuMessages[Work] | ~EuFolder[Work] | EuFolders[Eudora].Item(5) | EuFolder[Clients].Messages | "
            "EuFolder[Clients].Name | EuMessages[Clients].Count | ~EuFolder[Clients] | "
            "EuFolder[Clients].Folders | ~EuFolders[Clients] | ~EuMessages[Clients] | ~EuFolders[Eudora] | "
            "~EuFolder[Eudora] | EuFolder[Clients].MailboxNumber | EuFolder[Clients].Messages | "
            "EuMessages[Clients].Item(1) | EuMessage.Status | EuMessage.Date | EuMessage.From | "
            "EuMessage.To | EuMessage.Header(2) | EuMessage.Header(14) | EuMessage.Subject | EuMessage.Body"),
        Seen()));
}

// Queued, found again by its body in the out mailbox, marked and moved.
TEST_F(EudoraCallSequenceTest, AddQueuesFindsMarksAndMoves) {
    const MessageRecord record = RecordWith<MessageRecord>("to=anna@example.com|body=Hi");
    ASSERT_EQ(lib.AddForEU(nullptr, &record, TARN_STORE_SENT), TARN_OK);
    const simpim::EudoraMailbox& in = eudora.Mailbox(simpim::kEudoraIn);
    EXPECT_TRUE(SameCalls(
        {R"(EuApplication.QueueMessage("anna@example.com", "", "", "", "", "Hi"))",
         "EuApplication.MailboxByNumber(3, -1)", "EuFolder[Out].Messages", "EuMessages[Out].Count",
         "EuMessages[Out].Item(1)", "EuMessage.Body", "~EuMessage", "EuMessages[Out].Item(2)",
         "EuMessage.Body", "EuMessage.ID", "~EuMessage", "EuFolder[Out].Messages", "~EuMessages[Out]",
         "EuMessages[Out].ItemByID(" + std::to_string(in.At(in.Count() - 1).id) + ")", "EuMessage.Status = 1",
         "EuApplication.MailboxByNumber(2, -1)", "EuMessage.Move(<EuFolder>)", "~EuFolder[In]"},
        Seen()));
}

}  // namespace
}  // namespace tarnex_test
