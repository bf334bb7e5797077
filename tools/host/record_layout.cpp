#include "record_layout.h"

#include <array>
#include <cstring>

#include "tarnex/tarnex.h"

namespace tarnex_host {

namespace {

constexpr std::size_t kParameterSize = TARN_PARAMETERS_SIZE;

Field Plain(std::string name, std::size_t offset, std::size_t size, std::string_view property,
            std::optional<std::size_t> parameters) {
    return Field{std::move(name), offset, size, parameters, property};
}

// A field followed by its parameter area.
Field WithParameters(std::string name, std::size_t offset, std::size_t size, std::string_view property) {
    return Plain(std::move(name), offset, size, property, offset + size);
}

Field Structured(std::string name, std::size_t offset, std::size_t size, std::string_view property) {
    Field f = WithParameters(std::move(name), offset, size, property);
    f.structured = true;
    return f;
}

// count slots of stride bytes from first, each a value of valueSize bytes and
// its parameter area.
void AddSlots(std::vector<Field>& fields, std::string_view name, std::size_t first, std::size_t count,
              std::size_t stride, std::size_t valueSize, std::string_view property, bool structured) {
    for (std::size_t k = 0; k < count; ++k) {
        Field f = WithParameters(std::string(name) + "[" + std::to_string(k) + "]", first + k * stride,
                                 valueSize, property);
        f.structured = structured;
        fields.push_back(std::move(f));
    }
}

#define TARN_FIELD(record, field) offsetof(record, field), sizeof(record::field)

RecordLayout ContactLayout() {
    std::vector<Field> f;
    f.push_back(Structured("name", TARN_FIELD(ContactRecord, name), "N"));
    f.push_back(WithParameters("fileAs", TARN_FIELD(ContactRecord, fileAs), "FN"));
    f.push_back(WithParameters("birthday", TARN_FIELD(ContactRecord, birthday), "BDAY"));
    AddSlots(f, "addresses", offsetof(ContactRecord, addresses), 6, sizeof(AddressSlot),
             sizeof(AddressSlot::value), "ADR", true);
    f.push_back(Structured("organization", TARN_FIELD(ContactRecord, organization), "ORG"));
    f.push_back(WithParameters("jobTitle", TARN_FIELD(ContactRecord, jobTitle), "TITLE"));
    AddSlots(f, "phones", offsetof(ContactRecord, phones), 12, sizeof(PhoneSlot), sizeof(PhoneSlot::value),
             "TEL", false);
    f.push_back(WithParameters("personalHomePage", TARN_FIELD(ContactRecord, personalHomePage), "URL"));
    f.push_back(WithParameters("businessHomePage", TARN_FIELD(ContactRecord, businessHomePage), "URL"));
    AddSlots(f, "emails", offsetof(ContactRecord, emails), 12, sizeof(EmailSlot), sizeof(EmailSlot::value),
             "EMAIL", false);
    return {RecordKind::Contact, "contact", sizeof(ContactRecord), std::move(f),
            offsetof(PimRecordHeader, entryId)};
}

// The calendar fields stand at their block offset plus the block's start.
#define TARN_CALENDAR(field) \
    offsetof(CalendarRecord, fields) + offsetof(CalendarFields, field), sizeof(CalendarFields::field)

RecordLayout CalendarLayout() {
    std::vector<Field> f;
    f.push_back(WithParameters("subject", TARN_CALENDAR(subject), "SUMMARY"));
    f.push_back(WithParameters("start", TARN_CALENDAR(start), "DTSTART"));
    f.push_back(WithParameters("end", TARN_CALENDAR(end), "DTEND"));
    f.push_back(WithParameters("dueDate", TARN_CALENDAR(dueDate), "DUE"));
    f.push_back(WithParameters("dateCompleted", TARN_CALENDAR(dateCompleted), "COMPLETED"));
    f.push_back(WithParameters("status", TARN_CALENDAR(status), "STATUS"));
    f.push_back(WithParameters("importance", TARN_CALENDAR(importance), "PRIORITY"));
    f.push_back(WithParameters("location", TARN_CALENDAR(location), "LOCATION"));
    // Read up to its zero; its room has no parameter area of its own.
    f.push_back(Plain("categories", TARN_CALENDAR(categories), "CATEGORIES", std::nullopt));
    Field body = WithParameters("body", TARN_CALENDAR(body), "DESCRIPTION");
    body.softBreaks = true;
    f.push_back(std::move(body));
    f.push_back(WithParameters("spare", TARN_CALENDAR(spare), {}));
    return {RecordKind::Calendar, "calendar item", sizeof(CalendarRecord), std::move(f),
            offsetof(CalendarRecord, fields) + offsetof(CalendarFields, entryId)};
}

RecordLayout NoteLayout() {
    std::vector<Field> f;
    f.push_back(WithParameters("subject", TARN_FIELD(NoteRecord, subject), "SUMMARY"));
    Field body = WithParameters("body", TARN_FIELD(NoteRecord, body), "BODY");
    body.softBreaks = true;
    f.push_back(std::move(body));
    f.push_back(Plain("categories", TARN_FIELD(NoteRecord, categories), "CATEGORIES", std::nullopt));
    f.push_back(Plain("creationTime", TARN_FIELD(NoteRecord, creationTime), "DCREATED", std::nullopt));
    f.push_back(Plain("lastModificationTime", TARN_FIELD(NoteRecord, lastModificationTime), "LAST-MODIFIED",
                      std::nullopt));
    return {RecordKind::Note, "note", sizeof(NoteRecord), std::move(f), offsetof(PimRecordHeader, entryId)};
}

// Message fields have no parameter areas; the vMessage writer places them.
RecordLayout MessageLayout() {
    std::vector<Field> f;
    const auto add = [&f](const char* name, std::size_t offset, std::size_t size) {
        f.push_back(Plain(name, offset, size, {}, std::nullopt));
    };
    add("status", TARN_FIELD(MessageRecord, status));
    add("messageType", TARN_FIELD(MessageRecord, messageType));
    add("box", TARN_FIELD(MessageRecord, box));
    add("originatorList1", TARN_FIELD(MessageRecord, originatorList1));
    add("originatorList2", TARN_FIELD(MessageRecord, originatorList2));
    add("recipientList1", TARN_FIELD(MessageRecord, recipientList1));
    add("recipientList2", TARN_FIELD(MessageRecord, recipientList2));
    add("date", TARN_FIELD(MessageRecord, date));
    add("from", TARN_FIELD(MessageRecord, from));
    add("to", TARN_FIELD(MessageRecord, to));
    add("cc", TARN_FIELD(MessageRecord, cc));
    add("replyTo", TARN_FIELD(MessageRecord, replyTo));
    add("subject", TARN_FIELD(MessageRecord, subject));
    add("spare", TARN_FIELD(MessageRecord, spare));
    add("body", TARN_FIELD(MessageRecord, body));
    return {RecordKind::Message, "message", sizeof(MessageRecord), std::move(f),
            offsetof(PimRecordHeader, entryId)};
}

#undef TARN_CALENDAR
#undef TARN_FIELD

constexpr std::array<StoreInfo, 6> kOutlookStores{{
    {TARN_STORE_CONTACTS, "contacts", RecordKind::Contact},
    {TARN_STORE_CALENDAR, "calendar", RecordKind::Calendar},
    {TARN_STORE_NOTES, "notes", RecordKind::Note},
    {TARN_STORE_INBOX, "inbox", RecordKind::Message},
    {TARN_STORE_OUTBOX, "outbox", RecordKind::Message},
    {TARN_STORE_SENT, "sent", RecordKind::Message},
}};

constexpr std::array<StoreInfo, 2> kEudoraStores{{
    {TARN_STORE_INBOX, "inbox", RecordKind::Message},
    {TARN_STORE_OUTBOX, "outbox", RecordKind::Message},
}};

}  // namespace

const RecordLayout& LayoutOf(RecordKind kind) {
    static const std::array<RecordLayout, 4> layouts{ContactLayout(), CalendarLayout(), NoteLayout(),
                                                     MessageLayout()};
    return layouts[static_cast<std::size_t>(kind)];
}

std::span<const StoreInfo> OutlookStores() { return kOutlookStores; }
std::span<const StoreInfo> EudoraStores() { return kEudoraStores; }

const StoreInfo* FindStore(std::span<const StoreInfo> stores, std::string_view name) {
    for (const StoreInfo& store : stores)
        if (store.name == name) return &store;
    return nullptr;
}

const Field* FindField(const RecordLayout& layout, std::string_view name) {
    for (const Field& field : layout.fields)
        if (field.name == name) return &field;
    return nullptr;
}

std::uint32_t Record::Type() const noexcept {
    return static_cast<std::uint32_t>(bytes_[0]) | static_cast<std::uint32_t>(bytes_[1]) << 8 |
           static_cast<std::uint32_t>(bytes_[2]) << 16 | static_cast<std::uint32_t>(bytes_[3]) << 24;
}

std::string Record::Text(std::size_t offset, std::size_t size) const {
    const auto* start = reinterpret_cast<const char*>(bytes_.data() + offset);
    return std::string(start, ::strnlen(start, size));
}

std::string Record::Parameters(const Field& field) const {
    return field.parameters ? Text(*field.parameters, kParameterSize) : std::string();
}

void Record::SetText(std::size_t offset, std::size_t size, std::string_view text) {
    const std::size_t length = text.size() < size ? text.size() : size - 1;
    std::memcpy(bytes_.data() + offset, text.data(), length);
    std::memset(bytes_.data() + offset + length, 0, size - length);
}

}  // namespace tarnex_host
