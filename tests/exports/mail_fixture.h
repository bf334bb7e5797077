// Message records as a host builds and inspects them, over the simulated
// Outlook with the session open. Offsets are the record offsets of the host
// interface, written out, so a wrong layout in the header shows.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "exports/calendar_fixture.h"

namespace tarnex_test {

namespace msg {
constexpr std::size_t kType = 0, kEntryId = 4, kVersion = 260, kStatus = 270, kMessageType = 277, kBox = 282,
                      kOriginatorList1 = 332, kOriginatorList2 = 844, kRecipientList1 = 1356,
                      kRecipientList2 = 2380, kDate = 3464, kFrom = 3564, kTo = 4076, kCc = 5100,
                      kReplyTo = 6124, kSubject = 6224, kBody = 6658;
}  // namespace msg

inline MessageRecord ZeroMessage() {
    MessageRecord record;
    std::memset(&record, 0, sizeof record);
    return record;
}

inline std::string Letters(char c, std::size_t n) { return std::string(n, c); }

inline RecordBytes Joined(RecordBytes head, const RecordBytes& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

// A record holding these bytes at these offsets, every other byte zero.
MessageRecord MessageWith(const RecordBytes& fields);

// Compares the whole record with the expected bytes (every other byte zero)
// in one pass; on a difference names its offset, its field and both texts.
::testing::AssertionResult HasBytes(const MessageRecord& record, const RecordBytes& expected);

// What every reader writes before the fields of Outlook: type, identifier,
// version, status, message type and box.
RecordBytes MessageHeader(std::uint32_t type, const std::string& entryId, bool unread, std::string_view box);

// Host-owned message records chained into a list.
struct MessageList {
    explicit MessageList(std::size_t count) : records(count, ZeroMessage()), nodes(count) {
        for (std::size_t k = 0; k < count; ++k) {
            nodes[k].record = &records[k];
            nodes[k].next = k + 1 < count ? &nodes[k + 1] : nullptr;
        }
        list.first = count ? nodes.data() : nullptr;
        list.count = static_cast<int32_t>(count);
    }
    std::vector<MessageRecord> records;
    std::vector<RecordListNode> nodes;
    PimRecordList list{};
};

class MailTest : public OpenOutlookTest {
protected:
    using OpenOutlookTest::OpenOutlookTest;

    simpim::OutlookItem& AddMail(std::int32_t folder, const PropertyValues& values,
                                 const simpim::ItemClass& itemClass = simpim::MailClass()) {
        simpim::OutlookItem& item = outlook.AddItem(folder, itemClass);
        for (const auto& [name, value] : values) item.Set(name, value);
        return item;
    }

    // The single read of an identifier through a mail selector.
    MessageRecord Read(const std::string& entryId, std::int32_t store, TarnResult expected = TARN_OK) {
        MessageRecord record;
        std::memset(&record, 0x5a, sizeof record);  // the read must clear it all
        EXPECT_EQ(lib.GetSingleObjectForOL(&record, entryId.c_str(), store), expected);
        return record;
    }

    MessageList ReadStore(std::int32_t store, std::size_t count, TarnResult expected = TARN_OK) {
        MessageList host(count);
        EXPECT_EQ(lib.GetObjectStoreForOL(&host.list, store), expected);
        return host;
    }

    // A property of an item as text: texts as they are, flags as true or
    // false, dates as "date" and their number.
    std::string Shown(const simpim::OutlookItem& item, std::string_view property) const;
};

}  // namespace tarnex_test
