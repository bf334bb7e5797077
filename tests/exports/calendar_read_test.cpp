// Reading appointments and tasks: the whole record each read leaves, byte for
// byte, the calendar store's positions, and the items a single read refuses.
#include <algorithm>

#include "exports/calendar_fixture.h"
#include "exports/call_trace.h"

namespace tarnex_test {
namespace {

using simpim::Variant;
using tarnex::automation::Date;

const Variant kNoDate(Date{949998.0});
// 36892 is 1 January 2001.
const PropertyValues kNoAppointmentDates = {{"Start", kNoDate}, {"End", kNoDate}};

std::string Letters(char c, std::size_t n) { return std::string(n, c); }

template <typename List>
List Concatenated(List head, const List& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}
RecordBytes Joined(RecordBytes head, const RecordBytes& tail) { return Concatenated(head, tail); }
PropertyValues Joined(PropertyValues head, const PropertyValues& tail) { return Concatenated(head, tail); }

struct ReadCase {
    const char* what;
    std::int32_t folder;
    const simpim::ItemClass& itemClass;
    PropertyValues values;
    RecordBytes fields;  // besides the header, the kind and the identifier
    int kind;
};

TEST_F(CalendarTest, SingleReadsFillTheFieldsOfTheirKind) {
    const ReadCase cases[] = {
        {"appointment",
         simpim::kFolderCalendar,
         simpim::AppointmentClass(),
         {{"Subject", Variant(u"Project review")},
          {"Location", Variant(u"Room 2; east wing")},
          {"Start", Variant(Date{36910.375})},
          {"End", Variant(Date{36910.4375})},
          {"Body", Variant(u"Agenda:\r\n1. Status")},
          {"Importance", Variant(2)},
          {"Categories", Variant(u"Work")}},
         {{cal::kSubject, "Project review"},
          {cal::kLocation, "Room 2\\; east wing"},
          {cal::kStart, "20010119T090000"},
          {cal::kEnd, "20010119T103000"},
          {cal::kBody, "Agenda:=0D=0A=\n1. Status"},
          {cal::kBodyParameters, "ENCODING=QUOTED-PRINTABLE"},
          {cal::kImportance, "2"}},
         1},
        {"appointment without dates",
         simpim::kFolderCalendar,
         simpim::AppointmentClass(),
         kNoAppointmentDates,
         {{cal::kImportance, "1"}},
         1},
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
         {{cal::kSubject, "Renew passport"},
          {cal::kStart, "20010112T000000"},
          {cal::kDueDate, "20010129T000000"},
          {cal::kDateCompleted, "20010114"},
          {cal::kStatus, "COMPLETED"},
          {cal::kImportance, "0"},
          {cal::kBody, "Photos: 2"}},
         2},
        {"open task without dates",
         simpim::kFolderTasks,
         simpim::TaskClass(),
         {},
         {{cal::kStatus, "NEEDS ACTION"}, {cal::kImportance, "1"}},
         2},
        // The marker follows the field's text, not Outlook's line breaks.
        {"body holding the characters =0D=0A",
         simpim::kFolderTasks,
         simpim::TaskClass(),
         {{"Body", Variant(u"x=0D=0Ay")}},
         {{cal::kBody, "x=0D=0Ay"},
          {cal::kBodyParameters, "ENCODING=QUOTED-PRINTABLE"},
          {cal::kStatus, "NEEDS ACTION"},
          {cal::kImportance, "1"}},
         2},
        {"body with a lone line feed and escapes",
         simpim::kFolderCalendar,
         simpim::AppointmentClass(),
         Joined({{"Body", Variant(u"a\nb;c\\")}}, kNoAppointmentDates),
         {{cal::kBody, "a\nb\\;c\\\\"}, {cal::kImportance, "1"}},
         1},
        {"values cut to their fields",
         simpim::kFolderCalendar,
         simpim::AppointmentClass(),
         Joined({{"Subject", Variant(std::u16string(600, u's'))},
                 {"Location", Variant(std::u16string(200, u'l'))},
                 {"Body", Variant(std::u16string(30000, u'b'))}},
                kNoAppointmentDates),
         {{cal::kSubject, Letters('s', 511)},
          {cal::kLocation, Letters('l', 149)},
          {cal::kBody, Letters('b', 20479)},
          {cal::kImportance, "1"}},
         1},
        // The folder test takes either folder; the kind is the message class's.
        {"appointment filed among the tasks",
         simpim::kFolderTasks,
         simpim::AppointmentClass(),
         kNoAppointmentDates,
         {{cal::kImportance, "1"}},
         1},
        {"task filed in the calendar",
         simpim::kFolderCalendar,
         simpim::TaskClass(),
         {},
         {{cal::kStatus, "NEEDS ACTION"}, {cal::kImportance, "1"}},
         2},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.what);
        const simpim::OutlookItem& item = Add(c.folder, c.itemClass, c.values);
        const RecordBytes expected = Joined(
            Joined(SingleReadHeader(), {{cal::kKind, KindByte(c.kind)}, {cal::kEntryId, EntryIdOf(item)}}),
            c.fields);
        EXPECT_TRUE(HasBytes(Read(item), expected));
    }
}

TEST_F(CalendarTest, ItemsOutsideTheCalendarStoreAreNotFound) {
    const struct {
        const char* what;
        std::int32_t folder;
        const simpim::ItemClass& itemClass;
        const char16_t* messageClass;  // null: the class's own
        RecordBytes expected;
    } cases[] = {
        {"note", simpim::kFolderNotes, simpim::NoteClass(), nullptr, {}},
        {"contact", simpim::kFolderContacts, simpim::ContactClass(), nullptr, {}},
        {"appointment in the Inbox", simpim::kFolderInbox, simpim::AppointmentClass(), nullptr, {}},
        {"task in Deleted Items", simpim::kFolderDeletedItems, simpim::TaskClass(), nullptr, {}},
        // In the store's folders, but of another message class: type and
        // version only.
        {"meeting request in the calendar",
         simpim::kFolderCalendar,
         simpim::MeetingRequestClass(),
         nullptr,
         {{cal::kType, std::string(1, '\xff')}, {cal::kVersion, "1.0"}}},
        {"appointment of a derived message class", simpim::kFolderCalendar, simpim::AppointmentClass(),
         u"IPM.Appointment.Custom", SingleReadHeader()},
        {"task whose message class differs in case", simpim::kFolderTasks, simpim::TaskClass(), u"ipm.task",
         SingleReadHeader()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        simpim::OutlookItem& item = outlook.AddItem(c.folder, c.itemClass);
        if (c.messageClass) item.Set("MessageClass", Variant(c.messageClass));
        EXPECT_TRUE(HasBytes(Read(item, TARN_NOT_IN_STORE), c.expected));
    }
}

// One record of a whole-store read: no version, no header identifier.
RecordBytes StoreRecord(const std::string& entryId, const std::string& subject, int kind) {
    RecordBytes bytes = {{cal::kType, std::string(1, '\x02')},
                         {cal::kKind, KindByte(kind)},
                         {cal::kEntryId, entryId},
                         {cal::kSubject, subject},
                         {cal::kImportance, "1"}};
    if (kind == 2) bytes.push_back({cal::kStatus, "NEEDS ACTION"});
    return bytes;
}

TEST_F(CalendarTest, StoreReadTakesTheAppointmentsThenTheTasks) {
    std::vector<std::pair<std::string, std::string>> items;  // identifier, subject
    for (const char16_t* subject : {u"A1", u"A2", u"A3"}) {
        PropertyValues values = kNoAppointmentDates;
        values.push_back({"Subject", Variant(subject)});
        items.push_back({EntryIdOf(AddAppointment(values)), Narrow(subject)});
    }
    for (const char16_t* subject : {u"T1", u"T2"}) {
        items.push_back({EntryIdOf(AddTask({{"Subject", Variant(subject)}})), Narrow(subject)});
    }

    // One record more than the store holds: five are filled, and the sixth
    // gets its kind before the fetch of task 3 fails.
    HostList<CalendarRecord> host(6);
    EXPECT_EQ(lib.GetObjectStoreForOL(&host.list, TARN_STORE_CALENDAR), TARN_DISPATCH_EXCEPTION);
    for (std::size_t k = 0; k < 5; ++k) {
        SCOPED_TRACE(k);
        EXPECT_TRUE(HasBytes(host.records[k], StoreRecord(items[k].first, items[k].second, k < 3 ? 1 : 2)));
    }
    EXPECT_TRUE(HasBytes(host.records[5], {{cal::kKind, KindByte(2)}}));
}

class CalendarStoreTest : public CalendarTest {
protected:
    std::int64_t TasksCounted() const {
        const auto lines = CallTrace().Lines(outlook.CallLog());
        return std::count(lines.begin(), lines.end(), "Items[Tasks].Count");
    }
};

TEST_F(CalendarStoreTest, WithoutAppointmentsTheTasksStartAtZero) {
    const std::string task = EntryIdOf(AddTask({{"Subject", Variant(u"T1")}}));
    outlook.ClearCallLog();
    HostList<CalendarRecord> host(1);
    EXPECT_EQ(lib.GetObjectStoreForOL(&host.list, TARN_STORE_CALENDAR), TARN_OK);
    EXPECT_TRUE(HasBytes(host.records[0], StoreRecord(task, "T1", 2)));
    EXPECT_EQ(TasksCounted(), 0) << "the Tasks count is not asked when the Calendar is empty";
}

TEST_F(CalendarStoreTest, WithoutTasksEveryPositionIsAnAppointment) {
    PropertyValues values = kNoAppointmentDates;
    values.push_back({"Subject", Variant(u"A1")});
    const std::string first = EntryIdOf(AddAppointment(values));
    values.back().second = Variant(u"A2");
    const std::string second = EntryIdOf(AddAppointment(values));
    outlook.ClearCallLog();

    // Position 2 is past both folders; with no tasks it is still taken from
    // the Calendar, so the record that fails is marked an appointment.
    HostList<CalendarRecord> host(3);
    EXPECT_EQ(lib.GetObjectStoreForOL(&host.list, TARN_STORE_CALENDAR), TARN_DISPATCH_EXCEPTION);
    EXPECT_TRUE(HasBytes(host.records[0], StoreRecord(first, "A1", 1)));
    EXPECT_TRUE(HasBytes(host.records[1], StoreRecord(second, "A2", 1)));
    EXPECT_TRUE(HasBytes(host.records[2], {{cal::kKind, KindByte(1)}}));
    EXPECT_EQ(TasksCounted(), 3);
}

}  // namespace
}  // namespace tarnex_test
