#include "exports/mail_fixture.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <stdexcept>

namespace tarnex_test {

namespace {

struct FieldStart {
    std::size_t offset;
    const char* name;
};
constexpr FieldStart kFields[] = {
    {0, "type"},
    {4, "entryId"},
    {260, "version"},
    {270, "status"},
    {277, "messageType"},
    {282, "box"},
    {332, "originatorList1"},
    {844, "originatorList2"},
    {1356, "recipientList1"},
    {2380, "recipientList2"},
    {3464, "date"},
    {3564, "from"},
    {4076, "to"},
    {5100, "cc"},
    {6124, "replyTo"},
    {6224, "subject"},
    {6480, "spare"},
    {6658, "body"},
    {27138, "padding"},
};

std::string FieldAt(std::size_t offset) {
    const auto next = std::upper_bound(std::begin(kFields), std::end(kFields), offset,
                                       [](std::size_t o, const FieldStart& f) { return o < f.offset; });
    const FieldStart& field = *std::prev(next);
    return std::string(field.name) + " + " + std::to_string(offset - field.offset);
}

// Up to 24 bytes from offset, control bytes escaped.
std::string Excerpt(const std::string& bytes, std::size_t offset) {
    std::string text;
    for (std::size_t k = offset; k < bytes.size() && k < offset + 24; ++k) {
        const unsigned char c = static_cast<unsigned char>(bytes[k]);
        char hex[5];
        std::snprintf(hex, sizeof hex, "\\x%02x", c);
        text += c >= 0x20 && c < 0x7f ? std::string(1, static_cast<char>(c)) : std::string(hex);
    }
    return "\"" + text + "\"";
}

std::string ExpectedBytes(const RecordBytes& expected) {
    std::string want(sizeof(MessageRecord), '\0');
    for (const At& at : expected) {
        if (at.offset + at.bytes.size() > want.size()) throw std::out_of_range("expectation past the record");
        want.replace(at.offset, at.bytes.size(), at.bytes);
    }
    return want;
}

}  // namespace

MessageRecord MessageWith(const RecordBytes& fields) {
    const std::string bytes = ExpectedBytes(fields);
    MessageRecord record;
    std::memcpy(&record, bytes.data(), sizeof record);
    return record;
}

::testing::AssertionResult HasBytes(const MessageRecord& record, const RecordBytes& expected) {
    const std::string want = ExpectedBytes(expected);
    const std::string got(reinterpret_cast<const char*>(&record), sizeof record);
    const auto [w, g] = std::mismatch(want.begin(), want.end(), got.begin());
    if (w == want.end()) return ::testing::AssertionSuccess();
    const std::size_t offset = static_cast<std::size_t>(w - want.begin());
    return ::testing::AssertionFailure()
           << "first difference at offset " << offset << " (" << FieldAt(offset) << "): expected "
           << Excerpt(want, offset) << ", record holds " << Excerpt(got, offset);
}

RecordBytes MessageHeader(std::uint32_t type, const std::string& entryId, bool unread, std::string_view box) {
    return {{msg::kType, std::string(1, static_cast<char>(type))},
            {msg::kEntryId, entryId},
            {msg::kVersion, "1.1"},
            {msg::kStatus, unread ? "UNREAD" : "READ"},
            {msg::kMessageType, "MSG"},
            {msg::kBox, std::string(box)}};
}

std::string MailTest::Shown(const simpim::OutlookItem& item, std::string_view property) const {
    const simpim::Variant value = item.Get(property);
    if (const auto* text = value.IfBstr()) return Narrow(*text);
    if (const auto* date = value.IfDate()) return "date " + std::to_string(date->days);
    if (const auto* flag = value.IfBool()) return *flag ? "true" : "false";
    return "?";
}

}  // namespace tarnex_test
