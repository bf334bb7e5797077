// Writing appointments and tasks: which properties each kind sets and how
// each value is made, the kind byte choosing the item, the whole calendar
// store replaced, and records written back unchanged reading the same.
#include <map>

#include "exports/calendar_fixture.h"

namespace tarnex_test {
namespace {

using simpim::Variant;
using tarnex::automation::Date;
using Values = std::map<std::string, std::string>;

// Every property either converter reads or writes, as text.
const char* const kProperties[] = {"Subject",  "Body",      "Importance", "Categories",    "Start",   "End",
                                   "Location", "StartDate", "DueDate",    "DateCompleted", "Complete"};

class CalendarWriteTest : public CalendarTest {
protected:
    Values Properties(const simpim::OutlookItem& item) const {
        Values values;
        for (const char* p : kProperties) {
            if (item.Class().table->Find(p) != nullptr) values[p] = Shown(item, p);
        }
        return values;
    }
    // Writes the record over the item; returns the properties that changed,
    // with their new values.
    Values WriteOver(simpim::OutlookItem& item, const CalendarRecord& record) {
        const Values before = Properties(item);
        EXPECT_EQ(lib.SetSingleObjectForOL(EntryIdOf(item).c_str(), &record, TARN_STORE_CALENDAR), TARN_OK);
        Values changed;
        for (const auto& [name, value] : Properties(item)) {
            if (before.at(name) != value) changed[name] = value;
        }
        return changed;
    }
    static CalendarRecord Record(int kind, const RecordBytes& fields) {
        CalendarRecord record = Zeroed<CalendarRecord>();
        record.kind = static_cast<std::uint8_t>(kind);
        for (const ExpectedText& at : fields) PutBytes(record, at.offset, at.text);
        return record;
    }
};

// Properties every written item starts with, so that a write shows in them.
const PropertyValues kOldAppointment = {{"Subject", Variant(u"old")},    {"Body", Variant(u"old")},
                                        {"Location", Variant(u"old")},   {"Importance", Variant(2)},
                                        {"Categories", Variant(u"old")}, {"Start", Variant(Date{36900.5})},
                                        {"End", Variant(Date{36900.75})}};
const PropertyValues kOldTask = {{"Subject", Variant(u"old")},
                                 {"Body", Variant(u"old")},
                                 {"Importance", Variant(2)},
                                 {"Categories", Variant(u"old")},
                                 {"StartDate", Variant(Date{36900.0})},
                                 {"DueDate", Variant(Date{36901.0})},
                                 {"DateCompleted", Variant(Date{36902.0})},
                                 {"Complete", Variant(true)}};

TEST_F(CalendarWriteTest, AppointmentRecordsSetSubjectBodyDatesAndLocation) {
    const struct {
        const char* what;
        RecordBytes fields;
        Values changed;
    } cases[] = {
        // An empty record still clears the texts; the dates stay.
        {"empty record", {}, {{"Subject", ""}, {"Body", ""}, {"Location", ""}}},
        // Importance, categories and the task fields are not an appointment's.
        {"every field",
         {{cal::kSubject, "a\\;b"},
          {cal::kBody, "x=0D=0Ay"},
          {cal::kLocation, "Room 2\\; east"},
          {cal::kStart, "20010119T090000"},
          {cal::kEnd, "2001-01-19T103000"},
          {cal::kImportance, "0"},
          {cal::kCategories, "Work"},
          {cal::kStatus, "COMPLETED"},
          {cal::kDueDate, "20010120"}},
         {{"Subject", "a\\;b"},
          {"Body", "x\ny"},
          {"Location", "Room 2\\; east"},
          {"Start", "date 36910.375000"},
          {"End", "date 36910.437500"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(WriteOver(AddAppointment(kOldAppointment), Record(1, c.fields)), c.changed);
    }
}

TEST_F(CalendarWriteTest, TaskRecordsSetEveryTaskProperty) {
    const struct {
        const char* what;
        RecordBytes fields;
        Values changed;
    } cases[] = {
        // Dates stay; texts, importance and completion are always set, and
        // Outlook clears the completion date of a task no longer complete.
        {"empty record",
         {},
         {{"Subject", ""},
          {"Body", ""},
          {"Categories", ""},
          {"Importance", "0"},
          {"Complete", "false"},
          {"DateCompleted", "date 949998.000000"}}},
        {"every field",
         {{cal::kSubject, "Pay"},
          {cal::kBody, "a=0D=0A=\nb=3D"},
          {cal::kCategories, "Home;Bills"},
          {cal::kStart, "20010112T120000"},
          {cal::kDueDate, "20010129"},
          {cal::kDateCompleted, "20010114"},
          {cal::kImportance, "1"},
          {cal::kStatus, "COMPLETED"},
          {cal::kLocation, "ignored"},
          {cal::kEnd, "20010101"}},
         {{"Subject", "Pay"},
          {"Body", "a\n=\nb=3D"},
          {"Categories", "Home;Bills"},
          {"StartDate", "date 36903.000000"},  // a task's dates are whole days
          {"DueDate", "date 36920.000000"},
          {"DateCompleted", "date 36905.000000"},
          {"Importance", "1"}}},
        {"a date that is no date is sent as 0.0",
         {{cal::kDueDate, "20010231"},
          {cal::kImportance, "2"},
          {cal::kStatus, "COMPLETED"},
          {cal::kSubject, "old"},
          {cal::kBody, "old"},
          {cal::kCategories, "old"}},
         {{"DueDate", "date 0.000000"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(WriteOver(AddTask(kOldTask), Record(2, c.fields)), c.changed);
    }
}

TEST_F(CalendarWriteTest, TaskImportanceAndStatusAreParsed) {
    const struct {
        const char* importance;
        const char* status;
        std::string expectedImportance, expectedComplete;
    } cases[] = {
        {"", "COMPLETED", "0", "true"},   {"1", "NEEDS ACTION", "1", "false"},
        {"2", "completed", "2", "false"}, {" +2x", "COMPLETED ", "2", "false"},
        {"x1", "COMPLETE", "0", "false"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.importance) + "|" + c.status);
        simpim::OutlookItem& task = AddTask({{"Importance", Variant(1)}, {"Complete", Variant(false)}});
        const CalendarRecord record = Record(2, {{cal::kImportance, c.importance}, {cal::kStatus, c.status}});
        ASSERT_EQ(lib.SetSingleObjectForOL(EntryIdOf(task).c_str(), &record, TARN_STORE_CALENDAR), TARN_OK);
        EXPECT_EQ(Shown(task, "Importance"), c.expectedImportance);
        EXPECT_EQ(Shown(task, "Complete"), c.expectedComplete);
    }
}

TEST_F(CalendarWriteTest, FieldsWithoutTheirZeroAreReadToTheirEndOnly) {
    // Each field is full to its last byte and the next field holds text.
    CalendarRecord record = Record(2, {{cal::kCategories, std::string(278, 'c')},
                                       {cal::kDateCompleted, "20010114"},
                                       {cal::kSubject, std::string(512, 's')},
                                       {cal::kSubject + 512, "PARAMETERS"}});
    simpim::OutlookItem& task = AddTask({});
    ASSERT_EQ(lib.SetSingleObjectForOL(EntryIdOf(task).c_str(), &record, TARN_STORE_CALENDAR), TARN_OK);
    EXPECT_EQ(Shown(task, "Categories"), std::string(278, 'c'));
    EXPECT_EQ(Shown(task, "Subject"), std::string(512, 's'));
}

TEST_F(CalendarWriteTest, TheKindByteChoosesTheNewItem) {
    const struct {
        int kind;
        const simpim::ItemClass* created;  // null: nothing is created
        std::int32_t folder;
    } cases[] = {
        {1, &simpim::AppointmentClass(), simpim::kFolderCalendar},
        {2, &simpim::TaskClass(), simpim::kFolderTasks},
        {0, nullptr, 0},
        {3, nullptr, 0},
        {255, nullptr, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        const CalendarRecord record = Record(c.kind, {{cal::kSubject, "New"}});
        char id[TARN_ENTRY_ID_SIZE];
        std::memset(id, 'K', sizeof id);
        outlook.ClearCallLog();
        ASSERT_EQ(lib.AddForOL(id, &record, TARN_STORE_CALENDAR), TARN_OK);
        if (c.created == nullptr) {
            EXPECT_EQ(std::string(id, sizeof id), std::string(sizeof id, 'K')) << "buffer touched";
            EXPECT_TRUE(outlook.CallLog().empty()) << "Outlook was called";
            // An update of a record of no kind does nothing either.
            ASSERT_EQ(lib.SetSingleObjectForOL("unknown", &record, TARN_STORE_CALENDAR), TARN_OK);
            EXPECT_TRUE(outlook.CallLog().empty()) << "Outlook was called";
            continue;
        }
        const simpim::OutlookItem* item = outlook.FindItem(std::u16string(id, id + std::strlen(id)));
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(&item->Class(), c.created);
        EXPECT_EQ(item->Folder(), &outlook.Folder(c.folder));
        EXPECT_EQ(Shown(*item, "Subject"), "New");
    }
    EXPECT_EQ(outlook.Count(simpim::kFolderCalendar) + outlook.Count(simpim::kFolderTasks), 2u);
}

TEST_F(CalendarWriteTest, ReplacingTheStoreEmptiesBothFoldersAndReturnsIdentifiersInTheHeader) {
    AddAppointment({{"Subject", Variant(u"Gone 1")}});
    AddAppointment({{"Subject", Variant(u"Gone 2")}});
    AddTask({{"Subject", Variant(u"Gone 3")}});
    HostList<CalendarRecord> host(2);
    host.records[0] = Record(1, {{cal::kSubject, "Meeting"}, {cal::kEntryId, "old appointment id"}});
    host.records[1] = Record(2, {{cal::kSubject, "Chore"}, {cal::kEntryId, "old task id"}});
    const HostList<CalendarRecord> before = host;

    EXPECT_EQ(lib.SetObjectStoreForOL(&host.list, TARN_STORE_CALENDAR), TARN_OK);

    const simpim::OutlookFolder& calendar = outlook.Folder(simpim::kFolderCalendar);
    const simpim::OutlookFolder& tasks = outlook.Folder(simpim::kFolderTasks);
    ASSERT_EQ(calendar.Count(), 1u);
    ASSERT_EQ(tasks.Count(), 1u);
    EXPECT_EQ(Shown(calendar.At(0), "Subject"), "Meeting");
    EXPECT_EQ(Shown(tasks.At(0), "Subject"), "Chore");
    const std::string ids[] = {EntryIdOf(calendar.At(0)), EntryIdOf(tasks.At(0))};
    for (std::size_t k = 0; k < 2; ++k) {
        SCOPED_TRACE(k);
        // The new identifier at offset 4; every other byte as the host left it.
        CalendarRecord expected = before.records[k];
        std::memset(expected.header.entryId, 0, sizeof expected.header.entryId);
        PutBytes(expected, cal::kHeaderEntryId, ids[k]);
        EXPECT_EQ(std::memcmp(&host.records[k], &expected, sizeof expected), 0);
    }
}

TEST_F(CalendarWriteTest, RecordsWrittenBackUnchangedReadTheSame) {
    AddAppointment({{"Subject", Variant(u"Project review")},
                    {"Location", Variant(u"Room 2, east wing")},
                    {"Start", Variant(Date{36910.375})},
                    {"End", Variant(Date{36910.4375})},
                    {"Body", Variant(u"Agenda: status, next steps")},
                    {"Importance", Variant(2)}});
    AddTask({{"Subject", Variant(u"File expense report")},
             {"StartDate", Variant(Date{36903.0})},
             {"DueDate", Variant(Date{36908.5})},
             {"Importance", Variant(0)},
             {"Body", Variant(u"Receipts in the drawer")}});
    AddTask({{"Subject", Variant(u"Renew passport")},
             {"DueDate", Variant(Date{36920.0})},
             {"DateCompleted", Variant(Date{36905.0})},
             {"Complete", Variant(true)}});

    const HostList<CalendarRecord> first = ReadStore();
    for (const CalendarRecord& record : first.records) {
        ASSERT_EQ(lib.SetSingleObjectForOL(record.fields.entryId, &record, TARN_STORE_CALENDAR), TARN_OK);
    }
    const HostList<CalendarRecord> second = ReadStore();

    ASSERT_EQ(first.records.size(), 3u);
    for (std::size_t k = 0; k < 3; ++k) {
        SCOPED_TRACE(first.records[k].fields.subject);
        EXPECT_EQ(first.records[k].kind, second.records[k].kind);
        EXPECT_EQ(std::memcmp(&first.records[k].fields, &second.records[k].fields, sizeof(CalendarFields)),
                  0);
    }
    EXPECT_STREQ(first.records[2].fields.status, "COMPLETED");
}

}  // namespace
}  // namespace tarnex_test
