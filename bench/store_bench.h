// Whole Outlook stores read into records and replaced from them, over the
// simulated Outlook, with the automation calls that each record costs. One
// simulated Outlook holds every store for the life of the process.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "pim_stores.h"
#include "simpim/outlook_server.h"
#include "tarnex/tarnex.h"

namespace tarnex_bench {

// Host-owned records chained into a list.
template <typename Record>
struct HostList {
    explicit HostList(std::size_t count) : records(count), nodes(count) {
        for (std::size_t k = 0; k < count; ++k) {
            nodes[k].record = &records[k];
            nodes[k].next = k + 1 < count ? &nodes[k + 1] : nullptr;
        }
        list.first = nodes.data();
        list.count = static_cast<int32_t>(count);
    }
    void Clear() { std::memset(static_cast<void*>(records.data()), 0, records.size() * sizeof(Record)); }
    std::vector<Record> records;
    std::vector<RecordListNode> nodes;
    PimRecordList list{};
};

// The simulated Outlook with the session open.
simpim::OutlookServer& SharedOutlook();
// Opens the Outlook session again after a benchmark used the library's one
// session for Eudora, when SharedOutlook had opened it.
void ReopenOutlookIfShared();

// A simulated Outlook of its own holding count items of one store, with the
// session open on it while this lives; the session is then opened on the
// shared one again.
class OwnOutlook {
public:
    OwnOutlook(std::int32_t store, std::size_t count);
    ~OwnOutlook();
    OwnOutlook(const OwnOutlook&) = delete;
    OwnOutlook& operator=(const OwnOutlook&) = delete;
    simpim::OutlookServer& Server() noexcept { return server_; }

private:
    simpim::OutlookServer server_;
};

void Report(benchmark::State& state, std::int64_t calls, std::size_t recordsPerRound);

// Every round reads the whole store into zero-filled records.
template <typename Record>
void ReadStore(benchmark::State& state, simpim::OutlookServer& outlook, std::int32_t store,
               std::size_t count) {
    HostList<Record> host(count);
    std::int64_t calls = 0;
    for (auto _ : state) {
        state.PauseTiming();
        host.Clear();            // the host hands in zero-filled records
        outlook.ClearCallLog();  // a log of every round would grow without end
        const std::int64_t before = outlook.CallCount();
        state.ResumeTiming();
        if (TARN_GetObjectStoreForOL(&host.list, store) != TARN_OK) state.SkipWithError("read failed");
        calls += outlook.CallCount() - before;
    }
    Report(state, calls, count);
}

// Every round deletes the store's items and adds one per record; the deleted
// ones are purged from Deleted Items between rounds, untimed. One round runs
// untimed first: the first replacement of a large store spends most of its
// time in the kernel, faulting in the pages the new items take, and a store
// of 10,000 items gets only one timed round, so without it the largest size
// would be measured cold and the others mostly warm.
template <typename Record>
void ReplaceStore(benchmark::State& state, simpim::OutlookServer& outlook, std::int32_t store,
                  std::size_t count) {
    HostList<Record> host(count);
    if (TARN_GetObjectStoreForOL(&host.list, store) != TARN_OK) state.SkipWithError("read failed");
    simpim::OutlookFolder& deleted = outlook.Folder(simpim::kFolderDeletedItems);
    const auto purgeDeleted = [&] {
        while (deleted.Count() > 0) outlook.Store().Erase(deleted.Items().back());
    };
    if (TARN_SetObjectStoreForOL(&host.list, store) != TARN_OK) state.SkipWithError("write failed");
    purgeDeleted();
    std::int64_t calls = 0;
    for (auto _ : state) {
        state.PauseTiming();
        outlook.ClearCallLog();
        const std::int64_t before = outlook.CallCount();
        state.ResumeTiming();
        if (TARN_SetObjectStoreForOL(&host.list, store) != TARN_OK) state.SkipWithError("write failed");
        calls += outlook.CallCount() - before;
        state.PauseTiming();
        purgeDeleted();
        state.ResumeTiming();
    }
    int32_t after = 0;
    if (TARN_GetCountForOL(&after, store) != TARN_OK || after != static_cast<int32_t>(count))
        state.SkipWithError("records lost");
    Report(state, calls, count);
}

}  // namespace tarnex_bench
