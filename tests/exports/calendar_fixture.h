// Calendar records as a host builds and inspects them, over the simulated
// Outlook with the session open. Offsets in the tests are the record offsets
// of the host interface, written out, so a wrong layout in the header shows.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "exports/contact_fixture.h"

namespace tarnex_test {

// Record offsets of the calendar fields and of the one parameter area the
// library writes.
namespace cal {
constexpr std::size_t kType = 0, kHeaderEntryId = 4, kVersion = 260, kKind = 270, kEntryId = 271,
                      kCategories = 527, kDateCompleted = 805, kBody = 953, kBodyParameters = 21433,
                      kDueDate = 21561, kEnd = 21709, kImportance = 21857, kStart = 21990, kStatus = 22138,
                      kSubject = 22286, kLocation = 23074;
}  // namespace cal

// An expected record: these texts (or bytes) at these offsets, every other
// byte zero.
struct At {
    std::size_t offset;
    std::string bytes;
};
using RecordBytes = std::vector<At>;

// The type code 2 and the version of a single read.
inline RecordBytes SingleReadHeader() {
    return {{cal::kType, std::string(1, '\x02')}, {cal::kVersion, "1.0"}};
}
inline std::string KindByte(int kind) { return std::string(1, static_cast<char>(kind)); }

inline CalendarRecord ZeroCalendar() {
    CalendarRecord record;
    std::memset(&record, 0, sizeof record);
    return record;
}

// Compares the whole record with the expected bytes in one pass; on a
// difference names its offset, the field it lies in, and both texts there.
::testing::AssertionResult HasBytes(const CalendarRecord& record, const RecordBytes& expected);

// Writes bytes at a record offset, as a host would fill a field.
inline void PutBytes(CalendarRecord& record, std::size_t offset, std::string_view bytes) {
    ASSERT_LE(offset + bytes.size(), sizeof record);
    std::memcpy(reinterpret_cast<char*>(&record) + offset, bytes.data(), bytes.size());
}

// Host-owned calendar records chained into a list.
struct CalendarList {
    explicit CalendarList(std::size_t count) : records(count, ZeroCalendar()), nodes(count) {
        for (std::size_t k = 0; k < count; ++k) {
            nodes[k].record = &records[k];
            nodes[k].next = k + 1 < count ? &nodes[k + 1] : nullptr;
        }
        list.first = count ? nodes.data() : nullptr;
        list.count = static_cast<int32_t>(count);
    }
    std::vector<CalendarRecord> records;
    std::vector<RecordListNode> nodes;
    PimRecordList list{};
};

class CalendarTest : public OpenOutlookTest {
protected:
    simpim::OutlookItem& Add(std::int32_t folder, const simpim::ItemClass& itemClass,
                             const PropertyValues& values) {
        simpim::OutlookItem& item = outlook.AddItem(folder, itemClass);
        for (const auto& [name, value] : values) item.Set(name, value);
        return item;
    }
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

    CalendarList ReadStore(TarnResult expected = TARN_OK) {
        CalendarList host(static_cast<std::size_t>(CountOf(TARN_STORE_CALENDAR)));
        EXPECT_EQ(lib.GetObjectStoreForOL(&host.list, TARN_STORE_CALENDAR), expected);
        return host;
    }

    // A property of an item as text, for comparing what a write left.
    std::string Shown(const simpim::OutlookItem& item, std::string_view property) const;
};

}  // namespace tarnex_test
