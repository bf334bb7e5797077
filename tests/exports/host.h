// A host's view of the library: its records and record lists, record byte
// tables, the fixed stores several tests run over, and the fixture that
// registers the simulated Outlook 2000 ("Outlook.Application.9") and Eudora
// ("Eudora.EuApplication.1") for the length of a test, after which the
// library must hold no reference to any of their objects.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "exports/library.h"
#include "simpim/eudora_server.h"
#include "simpim/item_classes.h"
#include "simpim/outlook_server.h"
#include "tarnex/tarnex_inproc.h"

namespace tarnex_test {

inline constexpr const char* kOutlookProgId = "Outlook.Application.9";
inline constexpr const char* kEudoraProgId = "Eudora.EuApplication.1";

using simpim::Variant;
using tarnex::automation::Date;
using PropertyValues = std::vector<std::pair<std::string_view, Variant>>;
using Values = std::map<std::string, std::string>;

// Host records and lists, built field by field so that the same code serves
// the 32-bit layout and the wider one with its padding.
inline RecordListNode MakeNode(void* record, RecordListNode* next, uint32_t hostWord = 0) {
    RecordListNode node{};
    node.record = record;
    node.hostWord = hostWord;
    node.next = next;
    return node;
}

inline PimRecordList MakeList(RecordListNode* first, int32_t count, RecordListNode* current = nullptr,
                              int32_t index = 0, uint32_t hostWord = 0) {
    PimRecordList list{};
    list.current = current;
    list.first = first;
    list.hostWord = hostWord;
    list.count = count;
    list.index = index;
    return list;
}

template <class Record>
Record Zeroed() {
    Record record;
    std::memset(&record, 0, sizeof record);
    return record;
}

// Copies text into a record field; the text must fit with its zero.
template <std::size_t N>
void Fill(char (&field)[N], std::string_view text) {
    ASSERT_LT(text.size(), N) << text;
    std::memcpy(field, text.data(), text.size());
    field[text.size()] = '\0';
}

// A field's text up to its zero, never past the field's end.
template <std::size_t N>
std::string Text(const char (&field)[N]) {
    return std::string(field, strnlen(field, N));
}

// Host-owned records of any type, zeroed and chained into a list.
template <class Record>
struct HostList {
    explicit HostList(std::size_t count) : records(count, Zeroed<Record>()), nodes(count) {
        for (std::size_t k = 0; k < count; ++k)
            nodes[k] = MakeNode(&records[k], k + 1 < count ? &nodes[k + 1] : nullptr);
        list = MakeList(count ? nodes.data() : nullptr, static_cast<int32_t>(count));
    }
    std::vector<Record> records;
    std::vector<RecordListNode> nodes;
    PimRecordList list{};
};

// Record byte tables: a record's contents as (offset, text) pairs, each text
// followed by its zero, and zero in every other byte. One pass over the
// whole record names the first differing offset and the field it lies in,
// so a wrong offset, a cut, a stray separator or a byte written outside any
// field all fail the same way.
struct ExpectedText {
    std::size_t offset;
    std::string text;
};
using RecordBytes = std::vector<ExpectedText>;

inline RecordBytes operator+(RecordBytes head, const RecordBytes& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}
inline std::string Letters(char c, std::size_t n) { return std::string(n, c); }
inline std::string Byte(int value) { return std::string(1, static_cast<char>(value)); }

// The bytes of a record with these texts and every other byte zero; of two
// texts at one offset, the later one.
std::string ImageOf(std::size_t size, const RecordBytes& fields);
// A record as a host fills it.
template <class Record>
Record RecordWith(const RecordBytes& fields) {
    Record record;
    std::memcpy(&record, ImageOf(sizeof record, fields).data(), sizeof record);
    return record;
}
// The layout is chosen by the record's size.
::testing::AssertionResult RecordBytesAre(std::span<const char> record, const RecordBytes& expected);
template <class Record>
::testing::AssertionResult HasBytes(const Record& record, const RecordBytes& expected) {
    return RecordBytesAre({reinterpret_cast<const char*>(&record), sizeof record}, expected);
}

// Record offsets.
#define TARNEX_AT(Record, field) offsetof(Record, field)
namespace con {
constexpr std::size_t kName = TARNEX_AT(ContactRecord, name), kFileAs = TARNEX_AT(ContactRecord, fileAs),
                      kBirthday = TARNEX_AT(ContactRecord, birthday),
                      kOrganization = TARNEX_AT(ContactRecord, organization),
                      kJobTitle = TARNEX_AT(ContactRecord, jobTitle),
                      kPersonalHomePage = TARNEX_AT(ContactRecord, personalHomePage),
                      kBusinessHomePage = TARNEX_AT(ContactRecord, businessHomePage);
constexpr std::size_t Address(int k, bool parameters = false) {
    return TARNEX_AT(ContactRecord, addresses) + k * sizeof(AddressSlot) + (parameters ? 255 : 0);
}
constexpr std::size_t Phone(int k, bool parameters = false) {
    return TARNEX_AT(ContactRecord, phones) + k * sizeof(PhoneSlot) + (parameters ? 50 : 0);
}
constexpr std::size_t Email(int k, bool parameters = false) {
    return TARNEX_AT(ContactRecord, emails) + k * sizeof(EmailSlot) + (parameters ? 30 : 0);
}
}  // namespace con
namespace cal {
constexpr std::size_t kKind = 270, kEntryId = 271, kCategories = 527, kDateCompleted = 805, kBody = 953,
                      kBodyParameters = 21433, kDueDate = 21561, kEnd = 21709, kImportance = 21857,
                      kStart = 21990, kStatus = 22138, kSubject = 22286, kLocation = 23074;
}  // namespace cal
namespace note {
constexpr std::size_t kCreated = 270, kModified = 290, kCategories = 310, kBody = 475, kBodyParameters = 5595,
                      kSubject = 5723;
}  // namespace note
namespace msg {
constexpr std::size_t kStatus = 270, kMessageType = 277, kBox = 282, kOriginatorList1 = 332,
                      kOriginatorList2 = 844, kRecipientList1 = 1356, kRecipientList2 = 2380, kDate = 3464,
                      kFrom = 3564, kTo = 4076, kCc = 5100, kReplyTo = 6124, kSubject = 6224, kBody = 6658;
}  // namespace msg
inline constexpr std::size_t kEntryIdAt = 4, kVersionAt = 260;
inline const std::string kQuotedPrintable = "ENCODING=QUOTED-PRINTABLE";

// What every message reader writes first: type, identifier, version,
// status, message type and box.
RecordBytes MessageHeader(int type, const std::string& entryId, bool unread, std::string_view box);

// A small, fixed Outlook and Eudora for tests that run the same scenario
// many times over a fresh simulated server each time. The Outlook holds two
// contacts, an appointment, a task, a note and one message in each mail
// folder, with the store's clock fixed, so that every run hands out the same
// entry identifiers and times; the Eudora two messages in In, one in Out
// and two in a mailbox "Work", with the date of queued messages fixed.
struct WorldIds {
    std::string contact, contact2, appointment, task, note, inbox, outbox, sent;
};
WorldIds Populate(simpim::OutlookServer& outlook);
void Populate(simpim::EudoraServer& eudora);
// The saved state of the stores as text: every folder or mailbox, and every
// item in it with its identifier, times and stored values. Open item
// objects and their unsaved changes do not show.
std::string StoreFingerprint(simpim::OutlookServer& outlook);
std::string StoreFingerprint(simpim::EudoraServer& eudora);
// Every saved item of the seven folders of the stores, with the selector
// that reads it; the host's identifier of every Eudora message.
std::vector<std::pair<std::string, int32_t>> StoredItems(simpim::OutlookServer& outlook);
std::vector<std::string> MessageIds(simpim::EudoraServer& eudora);

std::string Narrow(const std::u16string& text);
inline std::string EntryIdOf(const simpim::OutlookItem& item) { return Narrow(item.EntryId()); }
// The values an item's store holds, as text ("date 36910.375000" for a date).
Values Properties(const simpim::OutlookItem& item);

class HostTest : public ::testing::Test {
protected:
    explicit HostTest(simpim::StoreKind kind = simpim::StoreKind::PersonalFolders) : outlook(kind) {}

    void SetUp() override {
        tarnex_RegisterServer(kOutlookProgId, &simpim::OutlookServer::Factory, &outlook);
        tarnex_RegisterServer(kEudoraProgId, &simpim::EudoraServer::Factory, &eudora);
    }
    void TearDown() override {
        lib.Uninitialize();
        tarnex_RegisterServer(kOutlookProgId, nullptr, nullptr);
        tarnex_RegisterServer(kEudoraProgId, nullptr, nullptr);
        EXPECT_EQ(outlook.LiveReferences() + eudora.LiveReferences(), 0)
            << "the library kept references after UninitializeTARN";
    }
    void Open(int32_t pim = TARN_PIM_OUTLOOK) { ASSERT_EQ(lib.Initialize(pim), TARN_INITIALIZED); }

    simpim::OutlookItem& Add(std::int32_t folder, const simpim::ItemClass& itemClass,
                             const PropertyValues& values = {}) {
        simpim::OutlookItem& item = outlook.AddItem(folder, itemClass);
        for (const auto& [name, value] : values) item.Set(name, value);
        return item;
    }
    // The identifier at a store position, as the host asks for it.
    std::string IdAt(int32_t position, int32_t store) {
        char id[TARN_ENTRY_ID_SIZE] = {};
        EXPECT_EQ(lib.GetIDForOL(id, position, store), TARN_OK);
        return id;
    }
    int32_t CountOf(int32_t store, bool eudoraStore = false) {
        int32_t count = -1;
        EXPECT_EQ(eudoraStore ? lib.GetCountForEU(&count, store) : lib.GetCountForOL(&count, store), TARN_OK);
        return count;
    }
    const simpim::OutlookItem* Found(const char* id) const {
        return outlook.FindItem(std::u16string(id, id + std::strlen(id)));
    }

    simpim::OutlookServer outlook;
    simpim::EudoraServer eudora;
    simpim::EudoraStore& tree = eudora.Store();
    const Library& lib = Tarnex();
};

}  // namespace tarnex_test
