// Calendar records as a host builds and inspects them, over the simulated
// Outlook with the session open. Offsets in the tests are the record offsets
// of the host interface, written out, so a wrong layout in the header shows.
#pragma once

#include <cstddef>
#include <cstring>
#include <string>

#include "exports/outlook_fixture.h"
#include "exports/record_bytes.h"
#include "exports/record_lists.h"

namespace tarnex_test {

// Record offsets of the calendar fields and of the one parameter area the
// library writes.
namespace cal {
constexpr std::size_t kType = 0, kHeaderEntryId = 4, kVersion = 260, kKind = 270, kEntryId = 271,
                      kCategories = 527, kDateCompleted = 805, kBody = 953, kBodyParameters = 21433,
                      kDueDate = 21561, kEnd = 21709, kImportance = 21857, kStart = 21990, kStatus = 22138,
                      kSubject = 22286, kLocation = 23074;
}  // namespace cal

// The calendar layout, for naming the first differing byte of a record.
inline constexpr FieldSpan kCalendarFields[] = {
    {0, 4, "type"},
    {4, 256, "header entryId"},
    {260, 10, "version"},
    {270, 1, "kind"},
    {271, 256, "entryId"},
    {527, 278, "categories"},
    {805, 20, "dateCompleted"},
    {825, 128, "dateCompleted parameters"},
    {953, 20480, "body"},
    {21433, 128, "body parameters"},
    {21561, 20, "dueDate"},
    {21581, 128, "dueDate parameters"},
    {21709, 20, "end"},
    {21729, 128, "end parameters"},
    {21857, 5, "importance"},
    {21862, 128, "importance parameters"},
    {21990, 20, "start"},
    {22010, 128, "start parameters"},
    {22138, 20, "status"},
    {22158, 128, "status parameters"},
    {22286, 512, "subject"},
    {22798, 128, "subject parameters"},
    {22926, 20, "spare"},
    {22946, 128, "spare parameters"},
    {23074, 150, "location"},
    {23224, 128, "location parameters"},
};

using RecordBytes = std::vector<ExpectedText>;

// The type code 2 and the version of a single read.
inline RecordBytes SingleReadHeader() {
    return {{cal::kType, std::string(1, '\x02')}, {cal::kVersion, "1.0"}};
}
inline std::string KindByte(int kind) { return std::string(1, static_cast<char>(kind)); }

inline ::testing::AssertionResult HasBytes(const CalendarRecord& record, const RecordBytes& expected) {
    return RecordBytesAre(BytesOf(record), expected, kCalendarFields);
}

// Writes bytes at a record offset, as a host would fill a field.
inline void PutBytes(CalendarRecord& record, std::size_t offset, std::string_view bytes) {
    ASSERT_LE(offset + bytes.size(), sizeof record);
    std::memcpy(reinterpret_cast<char*>(&record) + offset, bytes.data(), bytes.size());
}

class CalendarTest : public OpenOutlookTest {
protected:
    simpim::OutlookItem& AddAppointment(const PropertyValues& values) {
        return Add(simpim::kFolderCalendar, simpim::AppointmentClass(), values);
    }
    simpim::OutlookItem& AddTask(const PropertyValues& values) {
        return Add(simpim::kFolderTasks, simpim::TaskClass(), values);
    }

    // The single read of an item with the result expected.
    CalendarRecord Read(const simpim::OutlookItem& item, TarnResult expected = TARN_OK) {
        CalendarRecord record;
        std::memset(&record, 0x5a, sizeof record);  // the read must clear it all
        EXPECT_EQ(lib.GetSingleObjectForOL(&record, EntryIdOf(item).c_str(), TARN_STORE_CALENDAR), expected);
        return record;
    }

    HostList<CalendarRecord> ReadStore(TarnResult expected = TARN_OK) {
        HostList<CalendarRecord> host(static_cast<std::size_t>(CountOf(TARN_STORE_CALENDAR)));
        EXPECT_EQ(lib.GetObjectStoreForOL(&host.list, TARN_STORE_CALENDAR), expected);
        return host;
    }
};

}  // namespace tarnex_test
