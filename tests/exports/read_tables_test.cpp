// Record byte tables of the readers: for an item in a folder, the whole
// record a single read through a selector leaves (into a record of garbage
// the read must clear); for a folder of items, every record of a whole-store
// read; for a Eudora tree, the record an identifier reads. "$id" in an
// expected text stands for the item's identifier.
#include <algorithm>
#include <cctype>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "exports/call_trace.h"
#include "exports/host.h"
#include "simpim/object_model_guard.h"

namespace tarnex_test {
namespace {

using simpim::EudoraMailbox;

PropertyValues operator+(PropertyValues head, const PropertyValues& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

const Variant kNoDate(Date{949998.0});  // Outlook's empty date, year 4501
const PropertyValues kNoAppointmentDates = {{"Start", kNoDate}, {"End", kNoDate}};
const Variant kFridayNine(Date{36910.375});  // Friday 19 January 2001, 09:00 local time
std::u16string kWide(std::size_t n, char16_t c) { return std::u16string(n, c); }

RecordBytes Contact(const RecordBytes& fields) {
    RecordBytes bytes = {
        {0, Byte(TARN_RECORD_CONTACT)}, {kEntryIdAt, "$id"}, {kVersionAt, "2.1"}, {con::kName, ";;;;"}};
    const char* phones[] = {"HOME;VOICE", "WORK;VOICE", "HOME;FAX", "WORK;FAX",
                            "CELL",       "PAGER",      "CAR",      "ISDN"};
    for (int k = 0; k < 8; ++k) bytes.push_back({con::Phone(k, true), phones[k]});
    for (int k = 0; k < 3; ++k) bytes.push_back({con::Email(k, true), k == 0 ? "INTERNET;PREF" : "INTERNET"});
    return bytes + fields;
}
// A single read writes the type, the version, the kind and the identifier.
RecordBytes Calendar(int kind, const RecordBytes& fields) {
    return RecordBytes{{0, Byte(TARN_RECORD_CALENDAR)},
                       {kVersionAt, "1.0"},
                       {cal::kKind, Byte(kind)},
                       {cal::kEntryId, "$id"},
                       {cal::kImportance, "1"}} +
           (kind == TARN_CALENDAR_TASK ? RecordBytes{{cal::kStatus, "NEEDS ACTION"}} : RecordBytes{}) +
           fields;
}
// A single read leaves the type 0.
RecordBytes Note(const RecordBytes& fields) {
    return RecordBytes{{kEntryIdAt, "$id"},
                       {kVersionAt, "1.1"},
                       {note::kCreated, "20010301T100000"},
                       {note::kModified, "20010315T143030"}} +
           fields;
}
RecordBytes Mail(const RecordBytes& fields, bool unread = false, const char* box = "INBOX") {
    return MessageHeader(TARN_RECORD_MESSAGE, "$id", unread, box) + fields;
}

// "$id" and "$1" stand for the first identifier, "$2" for the second...
RecordBytes Resolved(RecordBytes bytes, const std::vector<std::string>& ids) {
    for (ExpectedText& e : bytes) {
        if (e.text == "$id") e.text = "$1";
        if (e.text.size() == 2 && e.text[0] == '$')
            e.text = ids.at(static_cast<std::size_t>(e.text[1] - '1'));
    }
    return bytes;
}
std::size_t RecordSize(int32_t store) {
    return store == TARN_STORE_CONTACTS   ? sizeof(ContactRecord)
           : store == TARN_STORE_CALENDAR ? sizeof(CalendarRecord)
           : store == TARN_STORE_NOTES    ? sizeof(NoteRecord)
                                          : sizeof(MessageRecord);
}

struct SingleRead {
    const char* what;
    std::int32_t folder;
    const simpim::ItemClass& itemClass;
    PropertyValues values;
    std::int32_t store;
    RecordBytes expected;  // the whole record; none: not in the store, all zero
};

class ReadTableTest : public HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        Open();
    }
    void Check(const SingleRead& r) {
        SCOPED_TRACE(r.what);
        simpim::OutlookItem& item = Add(r.folder, r.itemClass, r.values);
        item.Set("CreationTime", Variant(Date{36951.0 + 10.0 / 24.0}));  // 2001-03-01 10:00
        item.Set("LastModificationTime",
                 Variant(Date{36965.0 + (52229.6) / 86400.0}));  // 2001-03-15 14:30:29.6
        std::vector<char> buffer(TARN_MESSAGE_RECORD_SIZE + 64, '\x5A');
        const TarnResult result = lib.GetSingleObjectForOL(buffer.data(), EntryIdOf(item).c_str(), r.store);
        EXPECT_EQ(result, r.expected.empty() ? TARN_NOT_IN_STORE : TARN_OK);
        const std::size_t size = RecordSize(r.store);
        EXPECT_TRUE(RecordBytesAre({buffer.data(), size}, Resolved(r.expected, {EntryIdOf(item)})));
        EXPECT_TRUE(std::all_of(buffer.begin() + size, buffer.end(), [](char c) { return c == '\x5A'; }))
            << "the read wrote past its record";
    }
};

TEST_F(ReadTableTest, Contacts) {
    const PropertyValues home = {
        {"HomeAddressPostOfficeBox", Variant(u"PO 1")}, {"HomeAddressStreet", Variant(u"1 Main St")},
        {"HomeAddressCity", Variant(u"Springfield")},   {"HomeAddressState", Variant(u"IL")},
        {"HomeAddressPostalCode", Variant(u"62701")},   {"HomeAddressCountry", Variant(u"USA")}};
    const PropertyValues business = {{"OfficeLocation", Variant(u"Bldg 4")},
                                     {"BusinessAddressStreet", Variant(u"400 Harbor Blvd")},
                                     {"BusinessAddressCity", Variant(u"Seattle")}};
    const PropertyValues other = {{"OtherAddressStreet", Variant(u"9 Elm Rd")},
                                  {"OtherAddressCity", Variant(u"Portland")}};
    const auto mailing = [](std::initializer_list<PropertyValues> groups, int32_t selected) {
        PropertyValues all = {{"SelectedMailingAddress", Variant(selected)}};
        for (const PropertyValues& group : groups) all.insert(all.end(), group.begin(), group.end());
        return all;
    };
    const std::string homeAdr = "PO 1;;1 Main St;Springfield;IL;62701;USA";
    const std::string businessAdr = ";Bldg 4;400 Harbor Blvd;Seattle;;;";
    const std::string otherAdr = ";;9 Elm Rd;Portland;;;";
    const auto C = simpim::kFolderContacts;
    const SingleRead reads[] = {
        {"bare contact", C, simpim::ContactClass(), {}, 1, Contact({})},
        {"every number and address, escaped name, company alone, birthday",
         C,
         simpim::ContactClass(),
         {{"HomeTelephoneNumber", Variant(u"1")},
          {"BusinessTelephoneNumber", Variant(u"2")},
          {"HomeFaxNumber", Variant(u"3")},
          {"BusinessFaxNumber", Variant(u"4")},
          {"MobileTelephoneNumber", Variant(u"5")},
          {"PagerNumber", Variant(u"6")},
          {"CarTelephoneNumber", Variant(u"7")},
          {"ISDNNumber", Variant(u"8")},
          {"Email1Address", Variant(u"a@x")},
          {"Email2Address", Variant(u"b@x")},
          {"Email3Address", Variant(u"c@x")},
          {"LastName", Variant(u"O;Brien")},
          {"FirstName", Variant(u"Pat\\Q")},
          {"Suffix", Variant(u"Jr.")},
          {"CompanyName", Variant(u"Northwind")},
          {"Birthday", Variant(Date{27547.75})}},
         1,
         Contact({{con::kName, "O\\;Brien;Pat\\\\Q;;;Jr."},
                  {con::kBirthday, "19750602"},
                  {con::kOrganization, "Northwind"},
                  {con::Phone(0), "1"},
                  {con::Phone(1), "2"},
                  {con::Phone(2), "3"},
                  {con::Phone(3), "4"},
                  {con::Phone(4), "5"},
                  {con::Phone(5), "6"},
                  {con::Phone(6), "7"},
                  {con::Phone(7), "8"},
                  {con::Email(0), "a@x"},
                  {con::Email(1), "b@x"},
                  {con::Email(2), "c@x"}})},
        {"department alone, no birthday, values cut, a street of two lines",
         C,
         simpim::ContactClass(),
         {{"Department", Variant(u"Research")},
          {"Birthday", kNoDate},
          {"Email1Address", Variant(kWide(40, u'e'))},
          {"PagerNumber", Variant(kWide(60, u'5'))},
          {"LastName", Variant(kWide(120, u'n'))},
          {"HomeAddressStreet", Variant(u"Line 1\r\nLine 2")}},
         1,
         Contact({{con::kName, Letters('n', 98) + ";"},
                  {con::kOrganization, ";Research"},
                  {con::Email(0), Letters('e', 29)},
                  {con::Phone(5), Letters('5', 49)},
                  {con::Address(0), ";;Line 1=0D=0A=\nLine 2;;;;"},
                  {con::Address(0, true), "HOME;POSTAL"}})},
        {"home is mailing", C, simpim::ContactClass(), mailing({home}, 1), 1,
         Contact({{con::Address(0), homeAdr}, {con::Address(0, true), "HOME;POSTAL"}})},
        {"business is mailing", C, simpim::ContactClass(), mailing({home, business}, 2), 1,
         Contact({{con::Address(0), homeAdr},
                  {con::Address(0, true), "HOME"},
                  {con::Address(1), businessAdr},
                  {con::Address(1, true), "WORK;POSTAL"}})},
        {"other is mailing", C, simpim::ContactClass(), mailing({home, other}, 3), 1,
         Contact({{con::Address(0), homeAdr},
                  {con::Address(0, true), "HOME"},
                  {con::Address(2), otherAdr},
                  {con::Address(2, true), "POSTAL"}})},
        {"other is not mailing", C, simpim::ContactClass(), mailing({other, business}, 2), 1,
         Contact({{con::Address(1), businessAdr}, {con::Address(1, true), "WORK;POSTAL"}})},
        {"a note", simpim::kFolderNotes, simpim::NoteClass(), {}, 1, {}},
        {"a deleted contact", simpim::kFolderDeletedItems, simpim::ContactClass(), {}, 1, {}},
    };
    for (const SingleRead& r : reads) Check(r);
}

TEST_F(ReadTableTest, Calendar) {
    const auto A = TARN_CALENDAR_APPOINTMENT, T = TARN_CALENDAR_TASK;
    const SingleRead reads[] = {
        {"appointment",
         simpim::kFolderCalendar,
         simpim::AppointmentClass(),
         {{"Subject", Variant(u"Project review")},
          {"Location", Variant(u"Room 2; east wing")},
          {"Start", kFridayNine},
          {"End", Variant(Date{36910.4375})},
          {"Body", Variant(u"Agenda:\r\n1. Status")},
          {"Importance", Variant(2)},
          {"Categories", Variant(u"Work")}},
         TARN_STORE_CALENDAR,
         Calendar(A, {{cal::kSubject, "Project review"},
                      {cal::kLocation, "Room 2\\; east wing"},
                      {cal::kStart, "20010119T090000"},
                      {cal::kEnd, "20010119T103000"},
                      {cal::kBody, "Agenda:=0D=0A=\n1. Status"},
                      {cal::kBodyParameters, kQuotedPrintable},
                      {cal::kImportance, "2"}})},
        {"completed task",
         simpim::kFolderTasks,
         simpim::TaskClass(),
         {{"Subject", Variant(u"Renew passport")},
          {"StartDate", Variant(Date{36903.0})},
          {"DueDate", Variant(Date{36920.0})},
          {"DateCompleted", Variant(Date{36905.75})},
          {"Complete", Variant(true)},
          {"Importance", Variant(0)},
          {"Body", Variant(u"Photos: 2")}},
         TARN_STORE_CALENDAR,
         Calendar(T, {{cal::kSubject, "Renew passport"},
                      {cal::kStart, "20010112T000000"},
                      {cal::kDueDate, "20010129T000000"},
                      {cal::kDateCompleted, "20010114"},
                      {cal::kStatus, "COMPLETED"},
                      {cal::kImportance, "0"},
                      {cal::kBody, "Photos: 2"}})},
        // The marker follows the field's text, not Outlook's line breaks.
        {"body holding the characters =0D=0A",
         simpim::kFolderTasks,
         simpim::TaskClass(),
         {{"Body", Variant(u"x=0D=0Ay")}},
         TARN_STORE_CALENDAR,
         Calendar(T, {{cal::kBody, "x=0D=0Ay"}, {cal::kBodyParameters, kQuotedPrintable}})},
        {"body with a lone line feed and escapes", simpim::kFolderCalendar, simpim::AppointmentClass(),
         kNoAppointmentDates + PropertyValues{{"Body", Variant(u"a\nb;c\\")}}, TARN_STORE_CALENDAR,
         Calendar(A, {{cal::kBody, "a\nb\\;c\\\\"}})},
        {"values cut to their fields", simpim::kFolderCalendar, simpim::AppointmentClass(),
         kNoAppointmentDates + PropertyValues{{"Subject", Variant(kWide(600, u's'))},
                                              {"Location", Variant(kWide(200, u'l'))},
                                              {"Body", Variant(kWide(30000, u'b'))}},
         TARN_STORE_CALENDAR,
         Calendar(A, {{cal::kSubject, Letters('s', 511)},
                      {cal::kLocation, Letters('l', 149)},
                      {cal::kBody, Letters('b', 20479)}})},
        // The folder test takes either folder; the kind is the message class's.
        {"appointment filed among the tasks", simpim::kFolderTasks, simpim::AppointmentClass(),
         kNoAppointmentDates, TARN_STORE_CALENDAR, Calendar(A, {})},
        {"task filed in the calendar",
         simpim::kFolderCalendar,
         simpim::TaskClass(),
         {},
         TARN_STORE_CALENDAR,
         Calendar(T, {})},
        {"note", simpim::kFolderNotes, simpim::NoteClass(), {}, TARN_STORE_CALENDAR, {}},
        {"contact", simpim::kFolderContacts, simpim::ContactClass(), {}, TARN_STORE_CALENDAR, {}},
        {"appointment in the Inbox",
         simpim::kFolderInbox,
         simpim::AppointmentClass(),
         {},
         TARN_STORE_CALENDAR,
         {}},
        {"task in Deleted Items",
         simpim::kFolderDeletedItems,
         simpim::TaskClass(),
         {},
         TARN_STORE_CALENDAR,
         {}},
    };
    for (const SingleRead& r : reads) Check(r);

    // In the store's folders, but of another message class: -9, with the
    // type and version only.
    const struct {
        const simpim::ItemClass& itemClass;
        std::int32_t folder;
        const char16_t* messageClass;  // null: the class's own
        int type;
    } others[] = {{simpim::MeetingRequestClass(), simpim::kFolderCalendar, nullptr, 0xFF},
                  {simpim::AppointmentClass(), simpim::kFolderCalendar, u"IPM.Appointment.Custom", 2},
                  {simpim::TaskClass(), simpim::kFolderTasks, u"ipm.task", 2}};
    for (const auto& o : others) {
        simpim::OutlookItem& item = Add(o.folder, o.itemClass);
        if (o.messageClass) item.Set("MessageClass", Variant(o.messageClass));
        CalendarRecord record;
        std::memset(&record, 0x5a, sizeof record);
        EXPECT_EQ(lib.GetSingleObjectForOL(&record, EntryIdOf(item).c_str(), TARN_STORE_CALENDAR),
                  TARN_NOT_IN_STORE);
        EXPECT_TRUE(HasBytes(record, {{0, Byte(o.type)}, {kVersionAt, "1.0"}})) << o.type;
    }
}

TEST_F(ReadTableTest, Notes) {
    const auto N = simpim::kFolderNotes;
    const auto note = [](std::u16string body) { return PropertyValues{{"Body", Variant(std::move(body))}}; };
    const SingleRead reads[] = {
        {"two lines", N, simpim::NoteClass(), note(u"Door code 4711\r\nAsk for the new key"),
         TARN_STORE_NOTES,
         Note({{note::kBody, "Door code 4711=0D=0A=\nAsk for the new key"},
               {note::kBodyParameters, kQuotedPrintable},
               {note::kSubject, "Door code 4711"}})},
        {"escapes", N, simpim::NoteClass(), note(u"Buy milk; eggs\\cheese"), TARN_STORE_NOTES,
         Note({{note::kBody, "Buy milk\\; eggs\\\\cheese"}, {note::kSubject, "Buy milk\\; eggs\\\\cheese"}})},
        {"lone line feed and carriage return", N, simpim::NoteClass(), note(u"a\nb\rc"), TARN_STORE_NOTES,
         Note({{note::kBody, "a\nb\rc"}, {note::kSubject, "a"}})},
        {"the marker's text typed into the note", N, simpim::NoteClass(), note(u"Code =0D=0A"),
         TARN_STORE_NOTES,
         Note({{note::kBody, "Code =0D=0A"},
               {note::kBodyParameters, kQuotedPrintable},
               {note::kSubject, "Code =0D=0A"}})},
        {"empty body", N, simpim::NoteClass(), note(u""), TARN_STORE_NOTES, Note({})},
        {"cut inside an escape pair", N, simpim::NoteClass(), note(kWide(5118, u'x') + u";"),
         TARN_STORE_NOTES,
         Note({{note::kBody, Letters('x', 5118) + "\\"}, {note::kSubject, Letters('x', 255)}})},
        {"cut inside a soft break", N, simpim::NoteClass(), note(kWide(5115, u'y') + u"\r\nz"),
         TARN_STORE_NOTES,
         Note({{note::kBody, Letters('y', 5115) + "=0D="}, {note::kSubject, Letters('y', 255)}})},
        {"contact", simpim::kFolderContacts, simpim::ContactClass(), {}, TARN_STORE_NOTES, {}},
        {"appointment", simpim::kFolderCalendar, simpim::AppointmentClass(), {}, TARN_STORE_NOTES, {}},
        {"task", simpim::kFolderTasks, simpim::TaskClass(), {}, TARN_STORE_NOTES, {}},
        {"mail", simpim::kFolderInbox, simpim::MailClass(), {}, TARN_STORE_NOTES, {}},
        {"deleted note", simpim::kFolderDeletedItems, simpim::NoteClass(), {}, TARN_STORE_NOTES, {}},
    };
    for (const SingleRead& r : reads) Check(r);

    // Outlook's empty date; a note in a subfolder of Notes is not in the store.
    simpim::OutlookItem& empty = Add(N, simpim::NoteClass(), note(u"x"));
    empty.Set("CreationTime", kNoDate);
    empty.Set("LastModificationTime", kNoDate);
    NoteRecord record = Zeroed<NoteRecord>();
    EXPECT_EQ(lib.GetSingleObjectForOL(&record, EntryIdOf(empty).c_str(), TARN_STORE_NOTES), TARN_OK);
    EXPECT_TRUE(HasBytes(record, {{kEntryIdAt, EntryIdOf(empty)},
                                  {kVersionAt, "1.1"},
                                  {note::kCreated, "45010101T000000"},
                                  {note::kModified, "45010101T000000"},
                                  {note::kBody, "x"},
                                  {note::kSubject, "x"}}));
    const simpim::OutlookItem& filed =
        outlook.AddItem(outlook.AddFolder(outlook.Folder(N), u"Ideas"), simpim::NoteClass());
    EXPECT_EQ(lib.GetSingleObjectForOL(&record, EntryIdOf(filed).c_str(), TARN_STORE_NOTES),
              TARN_NOT_IN_STORE);
    EXPECT_TRUE(HasBytes(record, {}));
}

// The selector chooses only the layout; the box is the folder the item lies
// in, compared with the Inbox, then the Outbox, then Sent Items.
TEST_F(ReadTableTest, Mail) {
    const auto I = simpim::kFolderInbox;
    const SingleRead reads[] = {
        {"unread message with every field",
         I,
         simpim::MailClass(),
         {{"UnRead", Variant(true)},
          {"ReceivedTime", kFridayNine},
          {"SentOnBehalfOfName", Variant(u"Berg; Anna")},
          {"To", Variant(u"User; C:\\Users")},
          {"CC", Variant(u"Mei Tanaka")},
          {"ReplyRecipientNames", Variant(u"anna@example.net")},
          {"Subject", Variant(u"Lunch; or not?")},
          {"Body", Variant(u"Shall we;\\meet?")}},
         TARN_STORE_INBOX,
         Mail({{msg::kDate, "Fri, Jan 19 09:00:00 2001"},
               {msg::kFrom, "Berg; Anna"},
               {msg::kTo, "User; C:\\Users"},
               {msg::kCc, "Mei Tanaka"},
               {msg::kReplyTo, "anna@example.net"},
               {msg::kSubject, "Lunch; or not?"},
               {msg::kBody, "Shall we;\\meet?"}},
              true)},
        // Every "END:VBODY", on a line of its own or not, gains a "/"; case
        // counts; CR LF pairs become LF and a lone CR stays.
        {"body lines that would end the host's body object",
         I,
         simpim::MailClass(),
         {{"Body", Variant(u"a\r\nEND:VBODY\r\nb /END:VBODY c\r\nxEND:VBODYy\r\nend:vbody\r\n")}},
         TARN_STORE_INBOX,
         Mail({{msg::kBody, "a\n/END:VBODY\nb //END:VBODY c\nx/END:VBODYy\nend:vbody\n"}})},
        {"line ends",
         I,
         simpim::MailClass(),
         {{"Body", Variant(u"one\r\ntwo\rthree\nfour\r\r\n\r\n")}},
         TARN_STORE_INBOX,
         Mail({{msg::kBody, "one\ntwo\rthree\nfour\r\n\n"}})},
        {"values cut to their fields",
         I,
         simpim::MailClass(),
         {{"SentOnBehalfOfName", Variant(kWide(600, u'f'))},
          {"To", Variant(kWide(1100, u't'))},
          {"CC", Variant(kWide(1100, u'c'))},
          {"ReplyRecipientNames", Variant(kWide(150, u'r'))},
          {"Subject", Variant(kWide(300, u's'))},
          {"Body", Variant(kWide(30000, u'b'))}},
         TARN_STORE_INBOX,
         Mail({{msg::kFrom, Letters('f', 511)},
               {msg::kTo, Letters('t', 1023)},
               {msg::kCc, Letters('c', 1023)},
               {msg::kReplyTo, Letters('r', 99)},
               {msg::kSubject, Letters('s', 255)},
               {msg::kBody, Letters('b', 20479)}})},
        {"body whose marked end reaches past the field",
         I,
         simpim::MailClass(),
         {{"Body", Variant(kWide(20475, u'b') + u"END:VBODY")}},
         TARN_STORE_INBOX,
         Mail({{msg::kBody, Letters('b', 20475) + "/END"}})},
        {"Inbox item through Sent Items", I, simpim::MailClass(), {}, TARN_STORE_SENT, Mail({})},
        {"Outbox item through the Inbox",
         simpim::kFolderOutbox,
         simpim::MailClass(),
         {},
         TARN_STORE_INBOX,
         Mail({}, false, "OUTBOX")},
        {"Sent Items item through the Outbox",
         simpim::kFolderSentMail,
         simpim::MailClass(),
         {},
         TARN_STORE_OUTBOX,
         Mail({}, false, "SENTBOX")},
        {"Drafts item", simpim::kFolderDrafts, simpim::MailClass(), {}, TARN_STORE_SENT, Mail({})},
    };
    for (const SingleRead& r : reads) Check(r);
    const simpim::OutlookItem& filed =
        outlook.AddItem(outlook.AddFolder(outlook.Folder(I), u"Filed"), simpim::MailClass());
    MessageRecord record = Zeroed<MessageRecord>();
    EXPECT_EQ(lib.GetSingleObjectForOL(&record, EntryIdOf(filed).c_str(), TARN_STORE_OUTBOX), TARN_OK);
    EXPECT_TRUE(HasBytes(record, MessageHeader(TARN_RECORD_MESSAGE, EntryIdOf(filed), false, "INBOX")));
}

// Whole-store reads over the items of a folder or two into a list of n
// records: each record's bytes ("$k" stands for the k-th item's
// identifier); records past the store get what was written before the
// fetch that fails.
struct StoreRead {
    const char* what;
    std::vector<std::tuple<std::int32_t, const simpim::ItemClass*, PropertyValues>> items;
    std::int32_t store;
    std::size_t records;
    TarnResult result;
    std::vector<RecordBytes> expected;
    int tasksCounted = -1;  // how often the Tasks count is asked; -1: not checked
};

TEST_F(ReadTableTest, WholeStores) {
    const auto cal = [](int kind, const char* id, const char* subject) {
        RecordBytes bytes = {{0, Byte(2)},
                             {cal::kKind, Byte(kind)},
                             {cal::kEntryId, id},
                             {cal::kSubject, subject},
                             {cal::kImportance, "1"}};
        return kind == 2 ? bytes + RecordBytes{{cal::kStatus, "NEEDS ACTION"}} : bytes;
    };
    const auto mail = [](const char* id, bool unread, const char* box, RecordBytes fields, int type = 4) {
        return MessageHeader(type, id, unread, box) + fields;
    };
    const auto appointment = [](const char16_t* subject) {
        return std::tuple{simpim::kFolderCalendar, &simpim::AppointmentClass(),
                          kNoAppointmentDates + PropertyValues{{"Subject", Variant(subject)}}};
    };
    const auto task = [](const char16_t* subject) {
        return std::tuple{simpim::kFolderTasks, &simpim::TaskClass(),
                          PropertyValues{{"Subject", Variant(subject)}}};
    };
    const auto message = [](std::int32_t folder, PropertyValues values,
                            const simpim::ItemClass* itemClass = &simpim::MailClass()) {
        return std::tuple{folder, itemClass, std::move(values)};
    };
    std::vector<StoreRead> reads = {
        {"three appointments, two tasks, six records",
         {appointment(u"A1"), appointment(u"A2"), appointment(u"A3"), task(u"T1"), task(u"T2")},
         TARN_STORE_CALENDAR,
         6,
         TARN_DISPATCH_EXCEPTION,
         {cal(1, "$1", "A1"),
          cal(1, "$2", "A2"),
          cal(1, "$3", "A3"),
          cal(2, "$4", "T1"),
          cal(2, "$5", "T2"),
          {{cal::kKind, Byte(2)}}}},
        {"no appointments: the tasks start at zero",
         {task(u"T1")},
         TARN_STORE_CALENDAR,
         1,
         TARN_OK,
         {cal(2, "$1", "T1")},
         0},
        // Past both folders with no tasks, a position is still taken from
        // the Calendar, so the record that fails is marked an appointment.
        {"no tasks: every position is an appointment",
         {appointment(u"A1"), appointment(u"A2")},
         TARN_STORE_CALENDAR,
         3,
         TARN_DISPATCH_EXCEPTION,
         {cal(1, "$1", "A1"), cal(1, "$2", "A2"), {{cal::kKind, Byte(1)}}},
         3},
        // Items of other classes are read through the mail members too: each
        // gets its class's type and stops the read at the first member it
        // lacks. A meeting request has a received time but no sender.
        {"a meeting request among the mail",
         {message(simpim::kFolderInbox, {{"Subject", Variant(u"before")}}),
          message(simpim::kFolderInbox, {{"ReceivedTime", kFridayNine}, {"UnRead", Variant(true)}},
                  &simpim::MeetingRequestClass()),
          message(simpim::kFolderInbox, {{"Subject", Variant(u"after")}})},
         TARN_STORE_INBOX,
         3,
         TARN_OLE_FAILURE,
         {mail("$1", false, "INBOX", {{msg::kSubject, "before"}}),
          mail("$2", true, "INBOX", {{msg::kDate, "Fri, Jan 19 09:00:00 2001"}}, TARN_RECORD_OTHER),
          {}}},
        {"a delivery report",
         {message(simpim::kFolderOutbox, {}, &simpim::ReportClass())},
         TARN_STORE_OUTBOX,
         1,
         TARN_OLE_FAILURE,
         {mail("$1", false, "OUTBOX", {}, TARN_RECORD_OTHER)}},
        // A distribution list is no contact: its type and identifier, then
        // the failure of its first missing property.
        {"a distribution list among the contacts",
         {message(simpim::kFolderContacts, {{"LastName", Variant(u"Before")}}, &simpim::ContactClass()),
          message(simpim::kFolderContacts, {{"DLName", Variant(u"Team")}}, &simpim::DistListClass()),
          message(simpim::kFolderContacts, {{"LastName", Variant(u"After")}}, &simpim::ContactClass())},
         TARN_STORE_CONTACTS,
         3,
         TARN_OLE_FAILURE,
         {Contact({{con::kName, "Before;;;;"}}),
          {{0, Byte(TARN_RECORD_OTHER)}, {kEntryIdAt, "$2"}, {kVersionAt, "2.1"}},
          {}}},
        // The store read writes the type and the note's own identifier.
        {"notes",
         {message(simpim::kFolderNotes, {}, &simpim::NoteClass()),
          message(simpim::kFolderNotes, {{"Body", Variant(u"Call Anna\r\nabout Friday")}},
                  &simpim::NoteClass())},
         TARN_STORE_NOTES,
         2,
         TARN_OK,
         {{{0, Byte(8)},
           {kEntryIdAt, "$1"},
           {kVersionAt, "1.1"},
           {note::kCreated, "20010301T100000"},
           {note::kModified, "20010315T143030"}},
          {{0, Byte(8)},
           {kEntryIdAt, "$2"},
           {kVersionAt, "1.1"},
           {note::kCreated, "20010301T100000"},
           {note::kModified, "20010315T143030"},
           {note::kBody, "Call Anna=0D=0A=\nabout Friday"},
           {note::kBodyParameters, kQuotedPrintable},
           {note::kSubject, "Call Anna"}}}},
    };
    // The box is the store's; a list longer than the store gets the box of
    // its extra record before the fetch fails.
    const std::tuple<std::int32_t, std::int32_t, const char*> mailStores[] = {
        {TARN_STORE_INBOX, simpim::kFolderInbox, "INBOX"},
        {TARN_STORE_OUTBOX, simpim::kFolderOutbox, "OUTBOX"},
        {TARN_STORE_SENT, simpim::kFolderSentMail, "SENTBOX"}};
    for (const auto& [store, folder, box] : mailStores) {
        reads.push_back({box,
                         {message(folder, {{"Subject", Variant(u"one")}}),
                          message(folder, {{"Subject", Variant(u"two")}, {"UnRead", Variant(true)}})},
                         store,
                         3,
                         TARN_DISPATCH_EXCEPTION,
                         {mail("$1", false, box, {{msg::kSubject, "one"}}),
                          mail("$2", true, box, {{msg::kSubject, "two"}}),
                          {{msg::kBox, box}}}});
    }
    for (const StoreRead& r : reads) {
        SCOPED_TRACE(r.what);
        std::vector<std::string> ids;
        for (const auto& [folder, itemClass, values] : r.items) {
            simpim::OutlookItem& item = Add(folder, *itemClass, values);
            item.Set("CreationTime", Variant(Date{36951.0 + 10.0 / 24.0}));
            item.Set("LastModificationTime", Variant(Date{36965.0 + (52229.6) / 86400.0}));
            ids.push_back(EntryIdOf(item));
        }
        outlook.ClearCallLog();
        std::vector<char> records(r.records * TARN_MESSAGE_RECORD_SIZE, '\0');
        std::vector<RecordListNode> nodes(r.records);
        const std::size_t size = RecordSize(r.store);
        for (std::size_t k = 0; k < r.records; ++k)
            nodes[k] = MakeNode(&records[k * size], k + 1 < r.records ? &nodes[k + 1] : nullptr);
        PimRecordList list = MakeList(nodes.data(), static_cast<int32_t>(r.records));
        EXPECT_EQ(lib.GetObjectStoreForOL(&list, r.store), r.result);
        for (std::size_t k = 0; k < r.records; ++k) {
            EXPECT_TRUE(RecordBytesAre({&records[k * size], size}, Resolved(r.expected[k], ids)))
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
