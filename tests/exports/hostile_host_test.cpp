// A host that hands in what it should not: null pointers, fields without
// their zero, over-long and unterminated identifiers, lists shorter than
// their count, counts and selectors outside their range, buffers of exactly
// the size the interface names. The library answers with a code, never
// touches a byte outside what it owns (every buffer is fenced by
// inaccessible pages), and where it sees the fault returns -1 with nothing
// touched: no automation call, no host byte, no item.
#include <algorithm>
#include <climits>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "exports/guarded_memory.h"
#include "exports/host.h"

namespace tarnex_test {
namespace {

constexpr int32_t kStores[] = {TARN_STORE_CONTACTS, TARN_STORE_CALENDAR, TARN_STORE_NOTES,
                               TARN_STORE_INBOX,    TARN_STORE_OUTBOX,   TARN_STORE_SENT};
constexpr int32_t kNoStores[] = {0, 2, 3, 8, 256, -1, INT_MIN, INT_MAX};
constexpr int32_t kMailStores[] = {TARN_STORE_INBOX, TARN_STORE_OUTBOX, TARN_STORE_SENT};
constexpr GuardedBuffer::Flush kFlushes[] = {GuardedBuffer::Flush::AgainstEnd,
                                             GuardedBuffer::Flush::AgainstStart};

struct Case {
    const char* what;
    std::function<int32_t()> call;
};

class HostileHostTest : public HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        ids = Populate(outlook);
        Populate(eudora);
        Open();
    }

    // Runs call and checks that the library made no automation call and
    // left both stores as they were.
    void ExpectUntouchedStore(const std::string& what, const std::function<void()>& call) {
        const std::string store = StoreFingerprint(outlook) + StoreFingerprint(eudora);
        const std::int64_t calls = outlook.CallCount() + eudora.CallCount();
        call();
        EXPECT_EQ(outlook.CallCount() + eudora.CallCount(), calls) << what << ": automation calls were made";
        EXPECT_EQ(StoreFingerprint(outlook) + StoreFingerprint(eudora), store)
            << what << ": the store changed";
    }

    WorldIds ids;
};

// Every pointer argument of every export, null in turn, for every selector,
// in a session of the export's PIM: -1, with the other arguments and the
// store untouched. The first argument of the queueing export is never
// used: not even read.
TEST_F(HostileHostTest, NullPointerArguments) {
    GuardedBuffer record(TARN_MESSAGE_RECORD_SIZE, 'r'), buffer(TARN_ENTRY_ID_SIZE, 'b');
    GuardedBuffer number(sizeof(int32_t), 'n');
    int32_t* const n = number.As<int32_t>();
    char* const r = record.data();
    const char* id = ids.contact.c_str();
    std::vector<int32_t> selectors(std::begin(kStores), std::end(kStores));
    selectors.insert(selectors.end(), std::begin(kNoStores), std::end(kNoStores));
    for (const int32_t pim : {TARN_PIM_OUTLOOK, TARN_PIM_EUDORA}) {
        Open(pim);
        for (const int32_t store : selectors) {
            const std::vector<Case> outlookCases = {
                {"count", [&] { return lib.GetCountForOL(nullptr, store); }},
                {"identifier buffer", [&] { return lib.GetIDForOL(nullptr, 0, store); }},
                {"unique string buffer", [&] { return lib.GetUniqueStringForOL(nullptr); }},
                {"deleted identifier", [&] { return lib.DeleteForOL(nullptr); }},
                {"list read into", [&] { return lib.GetObjectStoreForOL(nullptr, store); }},
                {"record read into", [&] { return lib.GetSingleObjectForOL(nullptr, id, store); }},
                {"identifier read", [&] { return lib.GetSingleObjectForOL(r, nullptr, store); }},
                {"list written from", [&] { return lib.SetObjectStoreForOL(nullptr, store); }},
                {"identifier updated", [&] { return lib.SetSingleObjectForOL(nullptr, r, store); }},
                {"record updated from", [&] { return lib.SetSingleObjectForOL(id, nullptr, store); }},
                {"identifier buffer of an add", [&] { return lib.AddForOL(nullptr, r, store); }},
                {"record added", [&] { return lib.AddForOL(buffer.data(), nullptr, store); }},
                {"creation time", [&] { return lib.GetCreationTimeForOL(nullptr, id); }},
                {"identifier of a creation time", [&] { return lib.GetCreationTimeForOL(n, nullptr); }},
                {"modification time", [&] { return lib.GetModificationTimeForOL(nullptr, id); }},
                {"identifier of a modification time",
                 [&] { return lib.GetModificationTimeForOL(n, nullptr); }},
            };
            const std::vector<Case> eudoraCases = {
                {"Eudora count", [&] { return lib.GetCountForEU(nullptr, store); }},
                {"Eudora record", [&] { return lib.GetSingleObjectForEU(nullptr, "In_2_1", store); }},
                {"Eudora identifier", [&] { return lib.GetSingleObjectForEU(r, nullptr, store); }},
                {"Eudora record queued", [&] { return lib.AddForEU(buffer.data(), nullptr, store); }},
            };
            for (const Case& c : pim == TARN_PIM_OUTLOOK ? outlookCases : eudoraCases) {
                const std::string what = std::string(c.what) + " null, selector " + std::to_string(store);
                ExpectUntouchedStore(what, [&] { EXPECT_EQ(c.call(), TARN_FAILED) << what; });
                EXPECT_TRUE(record.AllAre('r') && buffer.AllAre('b') && number.AllAre('n')) << what;
            }
        }
    }
    GuardedBuffer nothing(0);
    const MessageRecord message = RecordWith<MessageRecord>("subject=queued");
    EXPECT_EQ(lib.AddForEU(nothing.data(), &message, TARN_STORE_OUTBOX), TARN_OK);
    EXPECT_EQ(lib.AddForEU(nullptr, &message, TARN_STORE_OUTBOX), TARN_OK);
}

// Records whose every byte is non-zero, so that no field ends, through every
// writer and queued into every Eudora store, fenced on either side: the
// library reads within the record, writes nothing into it, and answers with
// a code.
TEST_F(HostileHostTest, RecordsWithoutAnyZeroThroughEveryWriter) {
    const struct {
        int32_t store;
        char kind;  // the calendar kind byte, else 0
        const std::string& target;
    } writers[] = {
        {TARN_STORE_CONTACTS, 0, ids.contact},
        {TARN_STORE_CALENDAR, TARN_CALENDAR_APPOINTMENT, ids.appointment},
        {TARN_STORE_CALENDAR, TARN_CALENDAR_TASK, ids.task},
        {TARN_STORE_NOTES, 0, ids.note},
        {TARN_STORE_INBOX, 0, ids.inbox},
        {TARN_STORE_OUTBOX, 0, ids.outbox},
        {TARN_STORE_SENT, 0, ids.sent},
    };
    for (const auto& writer : writers) {
        for (const auto flush : kFlushes) {
            SCOPED_TRACE(std::to_string(writer.store) + " kind " + std::to_string(writer.kind));
            GuardedBuffer record(RecordSize(writer.store), 'A', flush);
            if (writer.kind != 0) record.data()[270] = writer.kind;
            const std::string before(record.data(), record.size());
            GuardedBuffer newId(TARN_ENTRY_ID_SIZE, 'i');
            const int32_t updated =
                lib.SetSingleObjectForOL(writer.target.c_str(), record.data(), writer.store);
            const int32_t added = lib.AddForOL(newId.data(), record.data(), writer.store);
            for (const int32_t result : {updated, added}) {
                EXPECT_TRUE(result == TARN_OK || result == TARN_DISPATCH_EXCEPTION ||
                            result == TARN_OLE_FAILURE)
                    << result;
            }
            EXPECT_EQ(std::string(record.data(), record.size()), before) << "a writer wrote into its record";
            EXPECT_TRUE(added == TARN_OK ? std::memchr(newId.data(), 0, newId.size()) != nullptr
                                         : newId.AllAre('i'));
        }
    }
    // A whole-store replacement from such records: every record gets its
    // identifier and its zero, within its header's field.
    HostList<ContactRecord> host(2);
    for (ContactRecord& r : host.records) std::memset(&r, 'A', sizeof r);
    EXPECT_EQ(lib.SetObjectStoreForOL(&host.list, TARN_STORE_CONTACTS), TARN_OK);
    for (const ContactRecord& r : host.records) {
        EXPECT_NE(std::memchr(r.header.entryId, 0, sizeof r.header.entryId), nullptr);
        EXPECT_EQ(r.header.version[0], 'A');
    }

    Open(TARN_PIM_EUDORA);
    for (const int32_t store : kMailStores) {
        for (const auto flush : kFlushes) {
            GuardedBuffer record(TARN_MESSAGE_RECORD_SIZE, 'A', flush);
            const int32_t result = lib.AddForEU(nullptr, record.data(), store);
            EXPECT_TRUE(result == TARN_OK || result == TARN_FAILED) << store << ": " << result;
            EXPECT_TRUE(record.AllAre('A')) << store;
        }
    }
}

// Identifiers of 255, 256 and 10,000 characters, and 256 bytes with no zero
// that end where the host's memory ends: each export that takes one reads
// no more than 256 bytes and answers with the code of the failed lookup.
// Eudora message identifiers of every hostile shape: a code, and the record
// cleared whole.
TEST_F(HostileHostTest, IdentifiersOfEveryShape) {
    const std::pair<std::size_t, bool> lengths[] = {{255, true}, {256, true}, {10000, true}, {256, false}};
    GuardedBuffer record(TARN_CONTACT_RECORD_SIZE, '\0'), number(sizeof(int32_t), 'n');
    for (const auto& [length, terminated] : lengths) {
        const std::string what =
            std::to_string(length) + (terminated ? " characters" : " bytes without a zero");
        GuardedBuffer id(length + (terminated ? 1 : 0), 'F');
        if (terminated) id.data()[length] = '\0';
        const Case cases[] = {
            {"delete", [&] { return lib.DeleteForOL(id.data()); }},
            {"read", [&] { return lib.GetSingleObjectForOL(record.data(), id.data(), TARN_STORE_CONTACTS); }},
            {"update",
             [&] { return lib.SetSingleObjectForOL(id.data(), record.data(), TARN_STORE_CONTACTS); }},
            {"creation time", [&] { return lib.GetCreationTimeForOL(number.As<int32_t>(), id.data()); }},
            {"modification time",
             [&] { return lib.GetModificationTimeForOL(number.As<int32_t>(), id.data()); }},
        };
        for (const Case& c : cases) {
            const std::string store = StoreFingerprint(outlook);
            const int32_t result = c.call();
            EXPECT_TRUE(result == TARN_DISPATCH_EXCEPTION || result == TARN_OLE_FAILURE)
                << c.what << " with " << what << ": " << result;
            EXPECT_EQ(StoreFingerprint(outlook), store) << c.what << " with " << what;
        }
        EXPECT_TRUE(record.AllAre('\0') && number.AllAre('n')) << what;
    }

    // An unterminated one fills the 256 bytes of an identifier buffer.
    Open(TARN_PIM_EUDORA);
    const std::string many(300, '9');
    const std::pair<std::string, bool> identifiers[] = {
        {std::string(255, 'F'), true},
        {std::string(256, 'F'), true},
        {std::string(10000, 'F'), true},
        {std::string(256, 'F'), false},
        {"In_2_" + many, true},
        {"In_" + many + "_1", true},
        {"In_2_-1", true},
        {"In_2_0", true},
        {"In_-2_1", true},
        {"In_2_3", true},
        {"_2_1", true},
        {"__", true},
        {"In_2_" + std::string(251, '1'), false},
        {"", true},
    };
    for (const auto& [text, terminated] : identifiers) {
        GuardedBuffer id(text.size() + (terminated ? 1 : 0), '\0');
        std::memcpy(id.data(), text.data(), text.size());
        GuardedBuffer message(TARN_MESSAGE_RECORD_SIZE, 'x');
        const int32_t result = lib.GetSingleObjectForEU(message.data(), id.data(), TARN_STORE_INBOX);
        EXPECT_TRUE(result == TARN_OK || result == TARN_DISPATCH_EXCEPTION || result == TARN_OLE_FAILURE ||
                    result == TARN_FAILED)
            << text.substr(0, 20) << ": " << result;
        EXPECT_FALSE(std::memchr(message.data(), 'x', message.size())) << "the record was not cleared whole";
    }
}

// Output buffers of exactly the size the interface names, ending where the
// host's memory ends: the identifier buffer of 256 bytes, the unique string
// of 40 bytes with a StoreID far longer, the four bytes of a count or time.
TEST_F(HostileHostTest, OutputBuffersOfExactlyTheirSize) {
    outlook.SetStoreId(std::u16string(300, u'7'));
    for (const int32_t store : kStores) {
        GuardedBuffer id(TARN_ENTRY_ID_SIZE, 'x'), count(sizeof(int32_t), 'x');
        EXPECT_EQ(lib.GetIDForOL(id.data(), 0, store), TARN_OK);
        EXPECT_NE(std::memchr(id.data(), 0, id.size()), nullptr);
        EXPECT_EQ(lib.GetCountForOL(count.As<int32_t>(), store), TARN_OK);
    }
    GuardedBuffer unique(TARN_UNIQUE_STRING_SIZE, 'x'), time(sizeof(int32_t), 'x'),
        added(TARN_ENTRY_ID_SIZE, 'x');
    EXPECT_EQ(lib.GetUniqueStringForOL(unique.data()), TARN_OK);
    EXPECT_EQ(std::string(unique.data()), std::string(39, '7'));
    EXPECT_EQ(lib.GetCreationTimeForOL(time.As<int32_t>(), ids.note.c_str()), TARN_OK);
    EXPECT_EQ(lib.GetModificationTimeForOL(time.As<int32_t>(), ids.note.c_str()), TARN_OK);
    const NoteRecord note = RecordWith<NoteRecord>("body=new");
    EXPECT_EQ(lib.AddForOL(added.data(), &note, TARN_STORE_NOTES), TARN_OK);
    EXPECT_NE(std::memchr(added.data(), 0, added.size()), nullptr);
}

// Lists that promise more than they hold: a count beyond the chain, a null
// next or record inside the count, a null first node. The walk is checked
// before any work: -1, with the list, its records, the host's words and the
// store untouched.
TEST_F(HostileHostTest, ListsShorterThanTheirCount) {
    enum Break { NullNext, NullRecord, NullFirst };
    const struct {
        const char* what;
        Break broken;
        std::size_t at;  // the node broken
        int32_t count;
    } cases[] = {
        {"count 3 over a chain of 2", NullNext, 1, 3},
        {"count 2 over a chain of 1", NullNext, 0, 2},
        {"null record of the first node", NullRecord, 0, 2},
        {"null record of the last node inside the count", NullRecord, 2, 3},
        {"null first node", NullFirst, 0, 1},
    };
    for (const auto& c : cases) {
        for (const int32_t store : kStores) {
            for (const bool replace : {false, true}) {
                const std::string what =
                    std::string(c.what) + (replace ? ", replacing " : ", reading ") + std::to_string(store);
                std::vector<std::unique_ptr<GuardedBuffer>> records;
                std::vector<RecordListNode> nodes(3);
                for (std::size_t k = 0; k < nodes.size(); ++k) {
                    records.push_back(std::make_unique<GuardedBuffer>(RecordSize(store), '\0'));
                    records[k]->data()[270] = TARN_CALENDAR_APPOINTMENT;
                    nodes[k] = MakeNode(records[k]->data(), k + 1 < nodes.size() ? &nodes[k + 1] : nullptr,
                                        0xABCD0000u + static_cast<uint32_t>(k));
                }
                if (c.broken == NullNext) nodes[c.at].next = nullptr;
                if (c.broken == NullRecord) nodes[c.at].record = nullptr;
                PimRecordList list =
                    MakeList(c.broken == NullFirst ? nullptr : &nodes[0], c.count, &nodes[2], 9, 0x12345678u);
                const std::vector<RecordListNode> nodesBefore = nodes;
                const PimRecordList listBefore = list;
                std::vector<std::string> recordsBefore;
                for (const auto& r : records) recordsBefore.emplace_back(r->data(), r->size());
                ExpectUntouchedStore(what, [&] {
                    EXPECT_EQ(replace ? lib.SetObjectStoreForOL(&list, store)
                                      : lib.GetObjectStoreForOL(&list, store),
                              TARN_FAILED)
                        << what;
                });
                EXPECT_EQ(std::memcmp(&list, &listBefore, sizeof list), 0) << what;
                EXPECT_EQ(std::memcmp(nodes.data(), nodesBefore.data(), nodes.size() * sizeof nodes[0]), 0)
                    << what;
                for (std::size_t k = 0; k < records.size(); ++k)
                    EXPECT_EQ(std::string(records[k]->data(), records[k]->size()), recordsBefore[k]) << what;
            }
        }
    }
}

// Counts of zero or below read nothing and leave the list alone; a
// replacement still empties the store. Selectors outside the table touch
// nothing at all, though a whole-store call still walks the list.
TEST_F(HostileHostTest, CountsAndSelectorsOutOfRange) {
    for (const int32_t count : {0, -1, INT_MIN}) {
        for (const int32_t store : kStores) {
            for (const bool replace : {false, true}) {
                HostList<MessageRecord> host(1);
                host.list.count = count;
                if (count == 0) host.list.first = nullptr;
                host.list.hostWord = 0x77777777u;
                const PimRecordList before = host.list;
                EXPECT_EQ(replace ? lib.SetObjectStoreForOL(&host.list, store)
                                  : lib.GetObjectStoreForOL(&host.list, store),
                          TARN_OK);
                EXPECT_EQ(std::memcmp(&host.list, &before, sizeof before), 0) << count << " " << store;
                EXPECT_TRUE(HasBytes(host.records[0], "")) << count << " " << store;
            }
        }
    }
    EXPECT_EQ(CountOf(TARN_STORE_CONTACTS), 0) << "a replacement with no records empties the store";

    for (const int32_t store : kNoStores) {
        const std::string what = "selector " + std::to_string(store);
        GuardedBuffer record(TARN_MESSAGE_RECORD_SIZE, 'r'), buffer(TARN_ENTRY_ID_SIZE, 'b');
        record.data()[270] = TARN_CALENDAR_TASK;
        const std::string recordBefore(record.data(), record.size());
        GuardedBuffer number(sizeof(int32_t), 'n');
        HostList<MessageRecord> host(2);
        ExpectUntouchedStore(what, [&] {
            EXPECT_EQ(lib.GetCountForOL(number.As<int32_t>(), store), TARN_OK);
            EXPECT_EQ(lib.GetIDForOL(buffer.data(), 0, store), TARN_BAD_POSITION);
            EXPECT_EQ(lib.GetSingleObjectForOL(record.data(), ids.note.c_str(), store), TARN_OK);
            EXPECT_EQ(lib.SetSingleObjectForOL(ids.note.c_str(), record.data(), store), TARN_OK);
            EXPECT_EQ(lib.AddForOL(buffer.data(), record.data(), store), TARN_OK);
            EXPECT_EQ(lib.GetObjectStoreForOL(&host.list, store), TARN_OK);
            EXPECT_EQ(lib.SetObjectStoreForOL(&host.list, store), TARN_OK);
        });
        EXPECT_TRUE(number.AllAre('n') && buffer.AllAre('b')) << what;
        EXPECT_EQ(std::string(record.data(), record.size()), recordBefore) << what;
        EXPECT_EQ(host.list.current, &host.nodes[1]) << what;
        EXPECT_EQ(host.records[0].header.entryId[0], '\0') << what;
    }
}

}  // namespace
}  // namespace tarnex_test
