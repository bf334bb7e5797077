// Record byte tables of the readers: for an item in a folder, the whole
// record a single read through a selector leaves (into a record of garbage
// the read must clear); for a folder of items, every record of a whole-store
// read. "$id" in an expected text stands for the item's identifier.
#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "exports/call_trace.h"
#include "exports/host.h"

namespace tarnex_test {
namespace {

using simpim::kFolderCalendar, simpim::kFolderContacts, simpim::kFolderDeletedItems, simpim::kFolderDrafts,
    simpim::kFolderInbox, simpim::kFolderNotes, simpim::kFolderOutbox, simpim::kFolderSentMail,
    simpim::kFolderTasks;
const simpim::ItemClass &kContact = simpim::ContactClass(), &kAppointment = simpim::AppointmentClass(),
                        &kTask = simpim::TaskClass(), &kNote = simpim::NoteClass(),
                        &kMail = simpim::MailClass();

const std::string kNoDates = "Start=949998|End=949998";  // Outlook's empty date, year 4501
const std::string kTimes = "CreationTime=36951.416666666664|LastModificationTime=36965.60450925926";
const std::string kNoteTimes = "|creationTime=20010301T100000|lastModificationTime=20010315T143030";
constexpr const char* kQuotedPrintable = "ENCODING=QUOTED-PRINTABLE";

// What every read of its kind writes: a contact's slot words, a calendar
// item's kind, importance and a task's status; a single note read leaves
// the type 0.
RecordBytes Contact(const RecordBytes& fields) {
    return RecordBytes(
               "type=\1|entryId=$id|version=2.1|name=;;;;|phone0Parameters=HOME;VOICE|phone1Parameters=WORK;"
               "VOICE|"
               "phone2Parameters=HOME;FAX|phone3Parameters=WORK;FAX|phone4Parameters=CELL|phone5Parameters="
               "PAGER|"
               "phone6Parameters=CAR|phone7Parameters=ISDN|email0Parameters=INTERNET;PREF|"
               "email1Parameters=INTERNET|email2Parameters=INTERNET") +
           fields;
}
RecordBytes Calendar(bool task, const std::string& id, const RecordBytes& fields) {
    return RecordBytes(std::string("type=\2|kind=") + (task ? "\2|status=NEEDS ACTION" : "\1") +
                       "|fields.entryId=" + id + "|importance=1") +
           fields;
}
RecordBytes Defaults(int32_t store, const simpim::ItemClass& itemClass) {
    switch (store) {
        case TARN_STORE_CONTACTS:
            return Contact("");
        case TARN_STORE_CALENDAR:
            return Calendar(&itemClass == &kTask, "$id", "version=1.0");
        case TARN_STORE_NOTES:
            return "entryId=$id|version=1.1" + kNoteTimes;
        default:
            return MessageHeader("$id", false, "INBOX");
    }
}

// "$id" and "$1" stand for the first identifier, "$2" for the second...
RecordBytes Resolved(RecordBytes bytes, const std::vector<std::string>& ids) {
    for (auto& [field, text] : bytes.pairs) {
        if (text == "$id") text = "$1";
        if (text.size() == 2 && text[0] == '$') text = ids.at(static_cast<std::size_t>(text[1] - '1'));
    }
    return bytes;
}

struct SingleRead {
    const char* what;
    std::int32_t folder;  // below zero: a subfolder of that folder
    const simpim::ItemClass& itemClass;
    std::string properties;
    std::int32_t store;
    RecordBytes expected;  // read: the fields beside the kind's defaults; else the whole record
    TarnResult result = TARN_OK;
};

class ReadTableTest : public HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        Open();
    }
    simpim::OutlookItem& AddTimed(std::int32_t folder, const simpim::ItemClass& itemClass,
                                  const std::string& properties) {
        simpim::OutlookFolder& in =
            folder >= 0 ? outlook.Folder(folder) : outlook.AddFolder(outlook.Folder(-folder), u"Filed");
        // Created 2001-03-01 10:00, changed 2001-03-15 14:30:29.6.
        return Set(outlook.AddItem(in, itemClass), kTimes + "|" + properties);
    }
    void Check(const SingleRead& r) {
        SCOPED_TRACE(r.what);
        simpim::OutlookItem& item = AddTimed(r.folder, r.itemClass, r.properties);
        std::vector<char> buffer(TARN_MESSAGE_RECORD_SIZE + 64, '\x5A');
        EXPECT_EQ(lib.GetSingleObjectForOL(buffer.data(), EntryIdOf(item).c_str(), r.store), r.result);
        const std::size_t size = RecordSize(r.store);
        const RecordBytes expected =
            r.result == TARN_OK ? Defaults(r.store, r.itemClass) + r.expected : r.expected;
        EXPECT_TRUE(RecordBytesAre({buffer.data(), size}, Resolved(expected, {EntryIdOf(item)})));
        EXPECT_TRUE(std::all_of(buffer.begin() + size, buffer.end(), [](char c) { return c == '\x5A'; }))
            << "the read wrote past its record";
    }
};

TEST_F(ReadTableTest, Contacts) {
    const std::string home =
        "HomeAddressPostOfficeBox=PO 1|HomeAddressStreet=1 Main St|HomeAddressCity=Springfield|"
        "HomeAddressState=IL|HomeAddressPostalCode=62701|HomeAddressCountry=USA|";
    const std::string business =
        "OfficeLocation=Bldg 4|BusinessAddressStreet=400 Harbor Blvd|BusinessAddressCity=Seattle|";
    const std::string other = "OtherAddressStreet=9 Elm Rd|OtherAddressCity=Portland|";
    const std::string homeAdr = "address0=PO 1;;1 Main St;Springfield;IL;62701;USA|address0Parameters=HOME";
    const std::string businessAdr =
        "address1=;Bldg 4;400 Harbor Blvd;Seattle;;;|address1Parameters=WORK;POSTAL";
    const auto C = kFolderContacts;
    const SingleRead reads[] = {
        {"bare contact", C, kContact, "", 1, ""},
        {"every number and address, escaped name, company alone, birthday", C, kContact,
         "HomeTelephoneNumber=1|BusinessTelephoneNumber=2|HomeFaxNumber=3|BusinessFaxNumber=4|"
         "MobileTelephoneNumber=5|PagerNumber=6|CarTelephoneNumber=7|ISDNNumber=8|Email1Address=a@x|"
         "Email2Address=b@x|Email3Address=c@x|LastName=O;Brien|FirstName=Pat\\Q|Suffix=Jr.|"
         "CompanyName=Northwind|Birthday=27547.75",
         1,
         "name=O\\;Brien;Pat\\\\Q;;;Jr.|birthday=19750602|organization=Northwind|phone0=1|phone1=2|phone2=3|"
         "phone3=4|phone4=5|phone5=6|phone6=7|phone7=8|email0=a@x|email1=b@x|email2=c@x"},
        {"department alone, no birthday, values cut, a street of two lines", C, kContact,
         "Department=Research|Birthday=949998|Email1Address=" + Letters('e', 40) + "|PagerNumber=" +
             Letters('5', 60) + "|LastName=" + Letters('n', 120) + "|HomeAddressStreet=Line 1\r\nLine 2",
         1,
         "name=" + Letters('n', 98) + ";|organization=;Research|email0=" + Letters('e', 29) + "|phone5=" +
             Letters('5', 49) + "|address0=;;Line 1=0D=0A=\nLine 2;;;;|address0Parameters=HOME;POSTAL"},
        {"home is mailing", C, kContact, home + "SelectedMailingAddress=1", 1, homeAdr + ";POSTAL"},
        {"business is mailing", C, kContact, home + business + "SelectedMailingAddress=2", 1,
         homeAdr + "|" + businessAdr},
        {"other is mailing", C, kContact, home + other + "SelectedMailingAddress=3", 1,
         homeAdr + "|address2=;;9 Elm Rd;Portland;;;|address2Parameters=POSTAL"},
        {"other is not mailing", C, kContact, other + business + "SelectedMailingAddress=2", 1, businessAdr},
        {"a note", kFolderNotes, kNote, "", 1, "", TARN_NOT_IN_STORE},
        {"a deleted contact", kFolderDeletedItems, kContact, "", 1, "", TARN_NOT_IN_STORE},
    };
    for (const SingleRead& r : reads) Check(r);
}

TEST_F(ReadTableTest, Calendar) {
    const std::int32_t A = kFolderCalendar, T = kFolderTasks, S = TARN_STORE_CALENDAR;
    const SingleRead reads[] = {
        {"appointment", A, kAppointment,
         "Subject=Project review|Location=Room 2; east wing|Start=36910.375|End=36910.4375|"
         "Body=Agenda:\r\n1. Status|Importance=2|Categories=Work",
         S,
         "subject=Project review|location=Room 2\\; east wing|start=20010119T090000|end=20010119T103000|"
         "body=Agenda:=0D=0A=\n1. Status|bodyParameters=ENCODING=QUOTED-PRINTABLE|importance=2"},
        {"completed task", T, kTask,
         "Subject=Renew passport|StartDate=36903|DueDate=36920|DateCompleted=36905.75|Complete=true|"
         "Importance=0|Body=Photos: 2",
         S,
         "subject=Renew passport|start=20010112T000000|dueDate=20010129T000000|dateCompleted=20010114|"
         "status=COMPLETED|importance=0|body=Photos: 2"},
        // The marker follows the field's text, not Outlook's line breaks.
        {"body holding the characters =0D=0A", T, kTask, "Body=x=0D=0Ay", S,
         "body=x=0D=0Ay|bodyParameters=ENCODING=QUOTED-PRINTABLE"},
        {"body with a lone line feed and escapes", A, kAppointment, kNoDates + "|Body=a\nb;c\\", S,
         "body=a\nb\\;c\\\\"},
        {"values cut to their fields", A, kAppointment,
         kNoDates + "|Subject=" + Letters('s', 600) + "|Location=" + Letters('l', 200) +
             "|Body=" + Letters('b', 30000),
         S,
         "subject=" + Letters('s', 511) + "|location=" + Letters('l', 149) + "|body=" + Letters('b', 20479)},
        // The folder test takes either folder; the kind is the message class's.
        {"appointment filed among the tasks", T, kAppointment, kNoDates, S, ""},
        {"task filed in the calendar", A, kTask, "", S, ""},
        {"note", kFolderNotes, kNote, "", S, "", TARN_NOT_IN_STORE},
        {"contact", kFolderContacts, kContact, "", S, "", TARN_NOT_IN_STORE},
        {"appointment in the Inbox", kFolderInbox, kAppointment, "", S, "", TARN_NOT_IN_STORE},
        {"task in Deleted Items", kFolderDeletedItems, kTask, "", S, "", TARN_NOT_IN_STORE},
        // In the store's folders, but of another message class: the type and
        // version only.
        {"meeting request", A, simpim::MeetingRequestClass(), "", S, "type=\377|version=1.0",
         TARN_NOT_IN_STORE},
        {"appointment of a custom class", A, kAppointment, "MessageClass=IPM.Appointment.Custom", S,
         "type=\2|version=1.0", TARN_NOT_IN_STORE},
        {"task class in lower case", T, kTask, "MessageClass=ipm.task", S, "type=\2|version=1.0",
         TARN_NOT_IN_STORE},
    };
    for (const SingleRead& r : reads) Check(r);
}

TEST_F(ReadTableTest, Notes) {
    const std::int32_t N = kFolderNotes, S = TARN_STORE_NOTES;
    const SingleRead reads[] = {
        {"two lines", N, kNote, "Body=Door code 4711\r\nAsk for the new key", S,
         "body=Door code 4711=0D=0A=\nAsk for the new key|bodyParameters=ENCODING=QUOTED-PRINTABLE|"
         "subject=Door code 4711"},
        {"escapes", N, kNote, "Body=Buy milk; eggs\\cheese", S,
         "body=Buy milk\\; eggs\\\\cheese|subject=Buy milk\\; eggs\\\\cheese"},
        {"lone line feed and carriage return", N, kNote, "Body=a\nb\rc", S, "body=a\nb\rc|subject=a"},
        {"the marker's text typed into the note", N, kNote, "Body=Code =0D=0A", S,
         "body=Code =0D=0A|bodyParameters=ENCODING=QUOTED-PRINTABLE|subject=Code =0D=0A"},
        {"empty body", N, kNote, "Body=", S, ""},
        {"cut inside an escape pair", N, kNote, "Body=" + Letters('x', 5118) + ";", S,
         "body=" + Letters('x', 5118) + "\\|subject=" + Letters('x', 255)},
        {"cut inside a soft break", N, kNote, "Body=" + Letters('y', 5115) + "\r\nz", S,
         "body=" + Letters('y', 5115) + "=0D=|subject=" + Letters('y', 255)},
        {"Outlook's empty dates", N, kNote, "Body=x|CreationTime=949998|LastModificationTime=949998", S,
         "body=x|subject=x|creationTime=45010101T000000|lastModificationTime=45010101T000000"},
        {"contact", kFolderContacts, kContact, "", S, "", TARN_NOT_IN_STORE},
        {"appointment", kFolderCalendar, kAppointment, "", S, "", TARN_NOT_IN_STORE},
        {"task", kFolderTasks, kTask, "", S, "", TARN_NOT_IN_STORE},
        {"mail", kFolderInbox, kMail, "", S, "", TARN_NOT_IN_STORE},
        {"deleted note", kFolderDeletedItems, kNote, "", S, "", TARN_NOT_IN_STORE},
        {"note in a subfolder of Notes", -N, kNote, "", S, "", TARN_NOT_IN_STORE},
    };
    for (const SingleRead& r : reads) Check(r);
}

// The selector chooses only the layout; the box is the folder the item lies
// in, compared with the Inbox, then the Outbox, then Sent Items.
TEST_F(ReadTableTest, Mail) {
    const std::int32_t I = kFolderInbox, S = TARN_STORE_INBOX;
    const SingleRead reads[] = {
        {"unread message with every field", I, kMail,
         "UnRead=true|ReceivedTime=36910.375|SentOnBehalfOfName=Berg; Anna|To=User; C:\\Users|CC=Mei Tanaka|"
         "ReplyRecipientNames=anna@example.net|Subject=Lunch; or not?|Body=Shall we;\\meet?",
         S,
         "status=UNREAD|date=Fri, Jan 19 09:00:00 2001|from=Berg; Anna|to=User; C:\\Users|cc=Mei Tanaka|"
         "replyTo=anna@example.net|subject=Lunch; or not?|body=Shall we;\\meet?"},
        // Every "END:VBODY", on a line of its own or not, gains a "/"; case
        // counts; CR LF pairs become LF and a lone CR stays.
        {"body lines that would end the host's body object", I, kMail,
         "Body=a\r\nEND:VBODY\r\nb /END:VBODY c\r\nxEND:VBODYy\r\nend:vbody\r\n", S,
         "body=a\n/END:VBODY\nb //END:VBODY c\nx/END:VBODYy\nend:vbody\n"},
        {"line ends", I, kMail, "Body=one\r\ntwo\rthree\nfour\r\r\n\r\n", S,
         "body=one\ntwo\rthree\nfour\r\n\n"},
        {"values cut to their fields", I, kMail,
         "SentOnBehalfOfName=" + Letters('f', 600) + "|To=" + Letters('t', 1100) +
             "|CC=" + Letters('c', 1100) + "|ReplyRecipientNames=" + Letters('r', 150) +
             "|Subject=" + Letters('s', 300) + "|Body=" + Letters('b', 30000),
         S,
         "from=" + Letters('f', 511) + "|to=" + Letters('t', 1023) + "|cc=" + Letters('c', 1023) +
             "|replyTo=" + Letters('r', 99) + "|subject=" + Letters('s', 255) +
             "|body=" + Letters('b', 20479)},
        {"body whose marked end reaches past the field", I, kMail,
         "Body=" + Letters('b', 20475) + "END:VBODY", S, "body=" + Letters('b', 20475) + "/END"},
        {"Inbox item through Sent Items", I, kMail, "", TARN_STORE_SENT, ""},
        {"Outbox item through the Inbox", kFolderOutbox, kMail, "", S, "box=OUTBOX"},
        {"Sent Items item through the Outbox", kFolderSentMail, kMail, "", TARN_STORE_OUTBOX, "box=SENTBOX"},
        {"Drafts item", kFolderDrafts, kMail, "", TARN_STORE_SENT, ""},
        {"item in a subfolder of the Inbox", -I, kMail, "", TARN_STORE_OUTBOX, ""},
    };
    for (const SingleRead& r : reads) Check(r);
}

// Whole-store reads over the items of a folder or two into a list of n
// records: each record's bytes ("$k" stands for the k-th item's
// identifier); records past the store get what was written before the
// fetch that fails.
struct Item {
    std::int32_t folder;
    const simpim::ItemClass* itemClass;
    std::string properties;
};
struct StoreRead {
    const char* what;
    std::vector<Item> items;
    std::int32_t store;
    TarnResult result;
    std::vector<RecordBytes> expected;  // one a record of the list
    int tasksCounted = -1;              // how often the Tasks count is asked; -1: not checked
};

TEST_F(ReadTableTest, WholeStores) {
    const auto cal = [](bool task, const char* id, const char* subject) {
        return Calendar(task, id, "subject=" + std::string(subject));
    };
    const auto appointment = [](const char* subject) {
        return Item{kFolderCalendar, &kAppointment, kNoDates + "|Subject=" + subject};
    };
    const auto task = [](const char* subject) {
        return Item{kFolderTasks, &kTask, "Subject=" + std::string(subject)};
    };
    const auto note = [](const char* id, const std::string& fields) {
        return RecordBytes("type=\10|entryId=" + std::string(id) + "|version=1.1" + kNoteTimes + fields);
    };
    const Item subjectOne{kFolderInbox, &kMail, "Subject=before"},
        subjectTwo{kFolderInbox, &kMail, "Subject=after"};
    std::vector<StoreRead> reads = {
        {"three appointments, two tasks, six records",
         {appointment("A1"), appointment("A2"), appointment("A3"), task("T1"), task("T2")},
         TARN_STORE_CALENDAR,
         TARN_DISPATCH_EXCEPTION,
         {cal(false, "$1", "A1"), cal(false, "$2", "A2"), cal(false, "$3", "A3"), cal(true, "$4", "T1"),
          cal(true, "$5", "T2"), "kind=\2"}},
        {"no appointments: the tasks start at zero",
         {task("T1")},
         TARN_STORE_CALENDAR,
         TARN_OK,
         {cal(true, "$1", "T1")},
         0},
        // Past both folders with no tasks, a position is still taken from
        // the Calendar, so the record that fails is marked an appointment.
        {"no tasks: every position is an appointment",
         {appointment("A1"), appointment("A2")},
         TARN_STORE_CALENDAR,
         TARN_DISPATCH_EXCEPTION,
         {cal(false, "$1", "A1"), cal(false, "$2", "A2"), "kind=\1"},
         3},
        // Items of other classes are read through the mail members too: each
        // gets its class's type and stops the read at the first member it
        // lacks. A meeting request has a received time but no sender.
        {"a meeting request among the mail",
         {subjectOne,
          {kFolderInbox, &simpim::MeetingRequestClass(), "ReceivedTime=36910.375|UnRead=true"},
          subjectTwo},
         TARN_STORE_INBOX,
         TARN_OLE_FAILURE,
         {MessageHeader("$1", false, "INBOX") + "|subject=before",
          MessageHeader("$2", true, "INBOX", TARN_RECORD_OTHER) + "|date=Fri, Jan 19 09:00:00 2001", ""}},
        {"a delivery report",
         {{kFolderOutbox, &simpim::ReportClass(), ""}},
         TARN_STORE_OUTBOX,
         TARN_OLE_FAILURE,
         {MessageHeader("$1", false, "OUTBOX", TARN_RECORD_OTHER)}},
        // A distribution list is no contact: its type and identifier, then
        // the failure of its first missing property.
        {"a distribution list among the contacts",
         {{kFolderContacts, &kContact, "LastName=Before"},
          {kFolderContacts, &simpim::DistListClass(), "DLName=Team"},
          {kFolderContacts, &kContact, "LastName=After"}},
         TARN_STORE_CONTACTS,
         TARN_OLE_FAILURE,
         {Contact("name=Before;;;;"), "type=\377|entryId=$2|version=2.1", ""}},
        // The store read writes the type and the note's own identifier.
        {"notes",
         {{kFolderNotes, &kNote, ""}, {kFolderNotes, &kNote, "Body=Call Anna\r\nabout Friday"}},
         TARN_STORE_NOTES,
         TARN_OK,
         {note("$1", ""),
          note("$2", "|body=Call Anna=0D=0A=\nabout Friday|subject=Call Anna|bodyParameters=" +
                         std::string(kQuotedPrintable))}},
    };
    // The box is the store's; a list longer than the store gets the box of
    // its extra record before the fetch fails.
    const std::tuple<std::int32_t, std::int32_t, const char*> mailStores[] = {
        {TARN_STORE_INBOX, kFolderInbox, "INBOX"},
        {TARN_STORE_OUTBOX, kFolderOutbox, "OUTBOX"},
        {TARN_STORE_SENT, kFolderSentMail, "SENTBOX"}};
    for (const auto& [store, folder, box] : mailStores) {
        reads.push_back({box,
                         {{folder, &kMail, "Subject=one"}, {folder, &kMail, "Subject=two|UnRead=true"}},
                         store,
                         TARN_DISPATCH_EXCEPTION,
                         {MessageHeader("$1", false, box) + "|subject=one",
                          MessageHeader("$2", true, box) + "|subject=two", "box=" + std::string(box)}});
    }
    for (const StoreRead& r : reads) {
        SCOPED_TRACE(r.what);
        std::vector<std::string> ids;
        for (const Item& item : r.items)
            ids.push_back(EntryIdOf(AddTimed(item.folder, *item.itemClass, item.properties)));
        outlook.ClearCallLog();
        Records host(r.store, std::vector<RecordBytes>(r.expected.size()));
        EXPECT_EQ(lib.GetObjectStoreForOL(&host.list, r.store), r.result);
        for (std::size_t k = 0; k < r.expected.size(); ++k) {
            EXPECT_TRUE(RecordBytesAre({host.images[k].data(), host.size}, Resolved(r.expected[k], ids)))
                << "record " << k;
        }
        const auto calls = CallTrace().Lines(outlook.CallLog());
        if (r.tasksCounted >= 0) {
            EXPECT_EQ(std::count(calls.begin(), calls.end(), "Items[Tasks].Count"), r.tasksCounted);
        }
        for (const std::string& id : ids)
            outlook.Store().Erase(outlook.Store().FindItem(std::u16string(id.begin(), id.end())));
    }
}

}  // namespace
}  // namespace tarnex_test
