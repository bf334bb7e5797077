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

#include "exports/outlook_fixture.h"
#include "exports/record_bytes.h"
#include "exports/record_lists.h"

namespace tarnex_test {

namespace msg {
constexpr std::size_t kType = 0, kEntryId = 4, kVersion = 260, kStatus = 270, kMessageType = 277, kBox = 282,
                      kOriginatorList1 = 332, kOriginatorList2 = 844, kRecipientList1 = 1356,
                      kRecipientList2 = 2380, kDate = 3464, kFrom = 3564, kTo = 4076, kCc = 5100,
                      kReplyTo = 6124, kSubject = 6224, kBody = 6658;
}  // namespace msg

// The message layout, for naming the first differing byte of a record.
inline constexpr FieldSpan kMessageFields[] = {
    {0, 4, "type"},
    {4, 256, "entryId"},
    {260, 10, "version"},
    {270, 7, "status"},
    {277, 5, "messageType"},
    {282, 50, "box"},
    {332, 512, "originatorList1"},
    {844, 512, "originatorList2"},
    {1356, 1024, "recipientList1"},
    {2380, 1084, "recipientList2"},
    {3464, 100, "date"},
    {3564, 512, "from"},
    {4076, 1024, "to"},
    {5100, 1024, "cc"},
    {6124, 100, "replyTo"},
    {6224, 256, "subject"},
    {6480, 178, "spare"},
    {6658, 20480, "body"},
    {27138, 2, "padding"},
};

using RecordBytes = std::vector<ExpectedText>;

inline std::string Letters(char c, std::size_t n) { return std::string(n, c); }

inline RecordBytes Joined(RecordBytes head, const RecordBytes& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

// A record holding these texts (each with its zero) at these offsets, every
// other byte zero: a record as a host fills it.
MessageRecord MessageWith(const RecordBytes& fields);

inline ::testing::AssertionResult HasBytes(const MessageRecord& record, const RecordBytes& expected) {
    return RecordBytesAre(BytesOf(record), expected, kMessageFields);
}

// What every reader writes before the fields of Outlook: type, identifier,
// version, status, message type and box.
RecordBytes MessageHeader(std::uint32_t type, const std::string& entryId, bool unread, std::string_view box);

class MailTest : public OpenOutlookTest {
protected:
    using OpenOutlookTest::OpenOutlookTest;

    simpim::OutlookItem& AddMail(std::int32_t folder, const PropertyValues& values,
                                 const simpim::ItemClass& itemClass = simpim::MailClass()) {
        return Add(folder, itemClass, values);
    }

    // The single read of an identifier through a mail selector.
    MessageRecord Read(const std::string& entryId, std::int32_t store, TarnResult expected = TARN_OK) {
        MessageRecord record;
        std::memset(&record, 0x5a, sizeof record);  // the read must clear it all
        EXPECT_EQ(lib.GetSingleObjectForOL(&record, entryId.c_str(), store), expected);
        return record;
    }

    HostList<MessageRecord> ReadStore(std::int32_t store, std::size_t count, TarnResult expected = TARN_OK) {
        HostList<MessageRecord> host(count);
        EXPECT_EQ(lib.GetObjectStoreForOL(&host.list, store), expected);
        return host;
    }
};

}  // namespace tarnex_test
