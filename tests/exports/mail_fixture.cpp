#include "exports/mail_fixture.h"

#include <stdexcept>

namespace tarnex_test {

MessageRecord MessageWith(const RecordBytes& fields) {
    MessageRecord record = Zeroed<MessageRecord>();
    char* bytes = reinterpret_cast<char*>(&record);
    for (const ExpectedText& field : fields) {
        if (field.offset + field.text.size() >= sizeof record)
            throw std::out_of_range("text past the record");
        std::memcpy(bytes + field.offset, field.text.data(), field.text.size());
    }
    return record;
}

RecordBytes MessageHeader(std::uint32_t type, const std::string& entryId, bool unread, std::string_view box) {
    return {{msg::kType, std::string(1, static_cast<char>(type))},
            {msg::kEntryId, entryId},
            {msg::kVersion, "1.1"},
            {msg::kStatus, unread ? "UNREAD" : "READ"},
            {msg::kMessageType, "MSG"},
            {msg::kBox, std::string(box)}};
}

}  // namespace tarnex_test
