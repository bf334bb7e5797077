#include "library_calls.h"

#include <unistd.h>

#include <array>
#include <cstdio>

#include "tarnex/tarnex.h"

namespace tarnex_host {

namespace {

struct ResultName {
    std::int32_t code;
    const char* name;
    const char* meaning;
};
constexpr std::array<ResultName, 11> kResults{{
    {TARN_INITIALIZED, "TARN_INITIALIZED", "the session is open"},
    {TARN_OK, "TARN_OK", "success"},
    {TARN_FAILED, "TARN_FAILED", "a failure of no other kind, or a null pointer argument"},
    {TARN_BAD_POSITION, "TARN_BAD_POSITION", "the position lies outside the store"},
    {TARN_NO_SERVER, "TARN_NO_SERVER", "the PIM's automation server cannot be created"},
    {TARN_OUT_OF_MEMORY, "TARN_OUT_OF_MEMORY", "memory ran out while the session opened"},
    {TARN_OLE_FAILURE, "TARN_OLE_FAILURE", "an automation call failed with an OLE status code"},
    {TARN_DISPATCH_EXCEPTION, "TARN_DISPATCH_EXCEPTION", "the PIM raised a dispatch exception"},
    {TARN_NOT_MAIL, "TARN_NOT_MAIL", "the item at that position of a mail store is not mail"},
    {TARN_NOT_OPEN, "TARN_NOT_OPEN", "no session is open"},
    {TARN_NOT_IN_STORE, "TARN_NOT_IN_STORE", "the identified item is not an object of the store"},
}};

// A host-owned list over the records: node k points at record k.
struct HostList {
    explicit HostList(std::vector<Record>& records) : nodes(records.size()) {
        for (std::size_t k = 0; k < records.size(); ++k) {
            nodes[k].record = records[k].Data();
            nodes[k].next = k + 1 < nodes.size() ? &nodes[k + 1] : nullptr;
        }
        list.first = nodes.empty() ? nullptr : nodes.data();
        list.count = static_cast<std::int32_t>(records.size());
    }
    std::vector<RecordListNode> nodes;
    PimRecordList list{};
};

bool eudoraSession = false;

// The name by which the host calls a Eudora message: its mailbox's name, the
// mailbox's message count and its position from 1. The host knows the
// standard mailboxes' names.
std::string EudoraId(const StoreInfo& store, std::int32_t count, std::int32_t position) {
    return std::string(store.selector == TARN_STORE_OUTBOX ? "Out" : "In") + "_" + std::to_string(count) +
           "_" + std::to_string(position + 1);
}

std::vector<Record> ReadEudoraStore(const StoreInfo& store) {
    const std::int32_t count = Count(store);
    Progress progress("reading " + std::string(store.name));
    std::vector<Record> records;
    for (std::int32_t position = 0; position < count; ++position) {
        progress.Step(static_cast<std::size_t>(position) + 1, static_cast<std::size_t>(count));
        Record record(LayoutOf(RecordKind::Message));
        Check("TARN_GetSingleObjectForEU",
              TARN_GetSingleObjectForEU(record.Data(), EudoraId(store, count, position).c_str(),
                                        store.selector));
        records.push_back(std::move(record));
    }
    return records;
}

}  // namespace

void UseEudora(bool eudora) { eudoraSession = eudora; }
bool UsingEudora() { return eudoraSession; }
std::span<const StoreInfo> Stores() { return eudoraSession ? EudoraStores() : OutlookStores(); }

std::string ResultText(std::int32_t result) {
    for (const ResultName& r : kResults)
        if (r.code == result) return std::string(r.name) + " (" + std::to_string(result) + "): " + r.meaning;
    return "result " + std::to_string(result) + ", which the library does not define";
}

void Check(std::string_view call, std::int32_t result, std::int32_t expected) {
    if (result != expected) throw HostError(std::string(call) + " failed with " + ResultText(result));
}

Progress::Progress(std::string what) : what_(std::move(what)), shown_(::isatty(STDERR_FILENO) == 1) {
    if (shown_) std::fprintf(stderr, "\r%s ...", what_.c_str());
}

Progress::~Progress() {
    if (shown_) std::fprintf(stderr, "\r%*s\r", static_cast<int>(what_.size()) + 24, "");
}

void Progress::Step(std::size_t done, std::size_t total) {
    if (shown_) std::fprintf(stderr, "\r%s %zu/%zu", what_.c_str(), done, total);
}

std::int32_t Count(const StoreInfo& store) {
    std::int32_t count = 0;
    if (eudoraSession)
        Check("TARN_GetCountForEU(" + std::string(store.name) + ")",
              TARN_GetCountForEU(&count, store.selector));
    else
        Check("TARN_GetCountForOL(" + std::string(store.name) + ")",
              TARN_GetCountForOL(&count, store.selector));
    return count;
}

std::vector<Record> ReadStore(const StoreInfo& store) {
    if (eudoraSession) return ReadEudoraStore(store);
    const std::int32_t count = Count(store);
    {
        Progress progress("reading " + std::to_string(count) + " object(s) of " + std::string(store.name));
        std::vector<Record> records(static_cast<std::size_t>(count), Record(LayoutOf(store.kind)));
        HostList host(records);
        const std::int32_t result = TARN_GetObjectStoreForOL(&host.list, store.selector);
        if (result == TARN_OK) return records;
        std::fprintf(stderr, "TARN_GetObjectStoreForOL(%s) failed with %s; reading object by object\n",
                     std::string(store.name).c_str(), ResultText(result).c_str());
    }
    // One item the readers cannot take (a meeting request lacks members a
    // mail item has) fails the whole read: take the others one by one.
    Progress progress("reading " + std::string(store.name));
    std::vector<Record> records;
    for (std::int32_t position = 0; position < count; ++position) {
        progress.Step(static_cast<std::size_t>(position) + 1, static_cast<std::size_t>(count));
        char id[TARN_ENTRY_ID_SIZE] = {};
        if (const std::int32_t found = TARN_GetIDForOL(id, position, store.selector);
            found == TARN_NOT_MAIL) {
            std::fprintf(stderr, "%s object %d skipped: %s\n", std::string(store.name).c_str(), position,
                         ResultText(found).c_str());
            continue;
        } else {
            Check("TARN_GetIDForOL(" + std::string(store.name) + ")", found);
        }
        Record record(LayoutOf(store.kind));
        const std::int32_t result = TARN_GetSingleObjectForOL(record.Data(), id, store.selector);
        if (result == TARN_OK)
            records.push_back(std::move(record));
        else
            std::fprintf(stderr, "%s object %d (%s) skipped: TARN_GetSingleObjectForOL failed with %s\n",
                         std::string(store.name).c_str(), position, id, ResultText(result).c_str());
    }
    return records;
}

Found ReadById(const std::string& entryId) {
    if (eudoraSession) {
        Record record(LayoutOf(RecordKind::Message));
        Check("TARN_GetSingleObjectForEU",
              TARN_GetSingleObjectForEU(record.Data(), entryId.c_str(), TARN_STORE_INBOX));
        // A name no mailbox answers to leaves the record zero.
        if (record.Type() == 0) return {nullptr, {}};
        return {&EudoraStores()[0], {std::move(record)}};
    }
    for (const StoreInfo& store : OutlookStores()) {
        Record record(LayoutOf(store.kind));
        const std::int32_t result = TARN_GetSingleObjectForOL(record.Data(), entryId.c_str(), store.selector);
        if (result == TARN_OK) return {&store, {std::move(record)}};
        if (result != TARN_NOT_IN_STORE)
            Check("TARN_GetSingleObjectForOL(" + std::string(store.name) + ")", result);
        // Any mail item is found through a mail store; past the first, none is.
        if (store.kind == RecordKind::Message) break;
    }
    return {nullptr, {}};
}

std::vector<std::string> AddAll(const StoreInfo& store, const std::vector<Record>& records) {
    Progress progress("adding to " + std::string(store.name));
    std::vector<std::string> ids;
    for (const Record& record : records) {
        char id[TARN_ENTRY_ID_SIZE] = {};
        if (eudoraSession)
            Check("TARN_AddForEU(" + std::string(store.name) + ")",
                  TARN_AddForEU(nullptr, record.Data(), store.selector));
        else
            Check("TARN_AddForOL(" + std::string(store.name) + ")",
                  TARN_AddForOL(id, record.Data(), store.selector));
        ids.emplace_back(id);
        progress.Step(ids.size(), records.size());
    }
    return ids;
}

void ReplaceStore(const StoreInfo& store, std::vector<Record>& records) {
    Progress progress("replacing " + std::string(store.name) + " by " + std::to_string(records.size()) +
                      " object(s)");
    HostList host(records);
    Check("TARN_SetObjectStoreForOL(" + std::string(store.name) + ")",
          TARN_SetObjectStoreForOL(&host.list, store.selector));
}

}  // namespace tarnex_host
