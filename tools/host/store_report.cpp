#include "store_report.h"

#include <array>
#include <string>
#include <vector>

#include "tarnex/tarnex.h"

namespace tarnex_host {

namespace {

struct Store {
    int32_t selector;
    const char* name;
};
constexpr std::array<Store, 6> kStores{{
    {TARN_STORE_CONTACTS, "contacts"},
    {TARN_STORE_CALENDAR, "calendar"},
    {TARN_STORE_NOTES, "notes"},
    {TARN_STORE_INBOX, "inbox"},
    {TARN_STORE_OUTBOX, "outbox"},
    {TARN_STORE_SENT, "sent items"},
}};

template <std::size_t N>
std::string Field(const char (&field)[N]) {
    std::size_t length = 0;
    while (length < N && field[length] != '\0') ++length;
    return std::string(field, length);
}

nlohmann::ordered_json ContactJson(const ContactRecord& c) {
    nlohmann::ordered_json contact{{"N", Field(c.name)}, {"FN", Field(c.fileAs)}};
    if (c.birthday[0]) contact["BDAY"] = Field(c.birthday);
    if (c.organization[0]) contact["ORG"] = Field(c.organization);
    if (c.jobTitle[0]) contact["TITLE"] = Field(c.jobTitle);
    for (const AddressSlot& slot : c.addresses) {
        if (slot.value[0]) contact["ADR;" + Field(slot.parameters)] = Field(slot.value);
    }
    for (const PhoneSlot& slot : c.phones) {
        if (slot.value[0]) contact["TEL;" + Field(slot.parameters)] = Field(slot.value);
    }
    for (const EmailSlot& slot : c.emails) {
        if (slot.value[0]) contact["EMAIL;" + Field(slot.parameters)] = Field(slot.value);
    }
    return contact;
}

// Reads the whole contact store into zero-filled records the host owns.
nlohmann::ordered_json ReadContacts(int32_t count) {
    std::vector<ContactRecord> records(static_cast<std::size_t>(count));
    std::vector<RecordListNode> nodes(records.size());
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        nodes[i].record = &records[i];
        nodes[i].next = i + 1 < nodes.size() ? &nodes[i + 1] : nullptr;
    }
    PimRecordList list{};
    list.first = nodes.empty() ? nullptr : nodes.data();
    list.count = count;
    nlohmann::ordered_json contacts = nlohmann::ordered_json::array();
    const int32_t result = TARN_GetObjectStoreForOL(&list, TARN_STORE_CONTACTS);
    if (result != TARN_OK) return {{"error", result}};
    for (const ContactRecord& record : records) contacts.push_back(ContactJson(record));
    return contacts;
}

}  // namespace

nlohmann::ordered_json ReportOutlookStores() {
    nlohmann::ordered_json report = nlohmann::ordered_json::object();
    char unique[TARN_UNIQUE_STRING_SIZE];
    if (TARN_GetUniqueStringForOL(unique) == TARN_OK) report["unique string"] = std::string(unique);

    for (const auto& [selector, name] : kStores) {
        nlohmann::ordered_json store;
        int32_t count = 0;
        const int32_t result = TARN_GetCountForOL(&count, selector);
        store["result"] = result;
        store["count"] = count;
        nlohmann::ordered_json ids = nlohmann::ordered_json::array();
        for (int32_t position = 0; position < count; ++position) {
            char id[TARN_ENTRY_ID_SIZE] = {};
            const int32_t idResult = TARN_GetIDForOL(id, position, selector);
            ids.push_back(idResult == TARN_OK ? nlohmann::ordered_json(id)
                                              : nlohmann::ordered_json{{"result", idResult}});
        }
        store["ids"] = ids;
        if (selector == TARN_STORE_CONTACTS) store["records"] = ReadContacts(count);
        report[name] = store;
    }
    return report;
}

}  // namespace tarnex_host
