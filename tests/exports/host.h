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

// "Name=value|Name=value" lists, for record texts and item properties. A "|"
// begins the next pair only where a name (letters, digits, "." and "+") and
// "=" follow it, so a value may hold "|" (the host's mail entry lists); one
// that ends the list is dropped.
using Pairs = std::vector<std::pair<std::string, std::string>>;
Pairs PairsOf(std::string_view text);
// The pairs as a map, a later value of a name replacing an earlier one.
Values ValuesOf(std::string_view text);

// Record byte tables: a record's contents as field=text pairs, each text
// followed by its zero, and zero in every other byte. A field is a name of
// the record's layout ("subject", "phone2", "address0Parameters", the
// calendar's "fields.entryId" beside the header's "entryId"), with "+n"
// for n bytes into it, or an offset. One pass over the whole record names
// the first differing offset and the field it lies in, so a wrong offset, a
// cut, a stray separator or a byte written outside any field all fail the
// same way. Of two texts for one byte, the later one.
struct RecordBytes {
    RecordBytes() = default;
    RecordBytes(const char* text) : pairs(PairsOf(text)) {}
    RecordBytes(const std::string& text) : pairs(PairsOf(text)) {}
    Pairs pairs;
};
inline RecordBytes operator+(RecordBytes head, const RecordBytes& tail) {
    head.pairs.insert(head.pairs.end(), tail.pairs.begin(), tail.pairs.end());
    return head;
}
inline std::string Letters(char c, std::size_t n) { return std::string(n, c); }

// The record size of a store selector's layout.
std::size_t RecordSize(int32_t store);
// The bytes of a record of this size holding these texts.
std::string ImageOf(std::size_t size, const RecordBytes& fields);
// Host records of a store's layout, as these bytes, chained into a list.
struct Records {
    Records(std::int32_t store, const std::vector<RecordBytes>& records)
        : size(RecordSize(store)), nodes(records.size()) {
        for (const RecordBytes& r : records) images.push_back(ImageOf(size, r));
        for (std::size_t k = 0; k < nodes.size(); ++k)
            nodes[k] = MakeNode(images[k].data(), k + 1 < nodes.size() ? &nodes[k + 1] : nullptr);
        list = MakeList(nodes.data(), static_cast<int32_t>(nodes.size()));
    }
    std::size_t size;
    std::vector<std::string> images;
    std::vector<RecordListNode> nodes;
    PimRecordList list{};
};

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

// What every message reader writes first: type, identifier, version,
// status, message type and box.
std::string MessageHeader(const std::string& entryId, bool unread, std::string_view box, int type = 4);

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
// Sets "Name=value|..." on an item, each value read as its property's type
// ("36910.375" for a date, "true" for a flag).
simpim::OutlookItem& Set(simpim::OutlookItem& item, std::string_view properties);

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
                             std::string_view properties = "") {
        return Set(outlook.AddItem(folder, itemClass), properties);
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
