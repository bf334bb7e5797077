// One whole-store read (or replacement) over the simulated Outlook, for a
// profiler to look at: the store is filled and the session opened first, so
// that a profiler that collects only inside the export sees the library,
// the backend and the server at work and nothing else.
//
//   tarnex_store_probe contacts|calendar|notes|inbox [count] [read|replace]
//
// Prints the number of records the export handled.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "pim_stores.h"
#include "tarnex/tarnex.h"
#include "tarnex/tarnex_inproc.h"

namespace {

struct StoreName {
    std::string_view name;
    std::int32_t store;
    std::size_t recordSize;
};
constexpr StoreName kStores[] = {
    {"contacts", TARN_STORE_CONTACTS, sizeof(ContactRecord)},
    {"calendar", TARN_STORE_CALENDAR, sizeof(CalendarRecord)},
    {"notes", TARN_STORE_NOTES, sizeof(NoteRecord)},
    {"inbox", TARN_STORE_INBOX, sizeof(MessageRecord)},
};

[[noreturn]] void Usage() {
    std::fputs("usage: tarnex_store_probe contacts|calendar|notes|inbox [count] [read|replace]\n", stderr);
    std::exit(2);
}

// Zero-filled host records of one size, chained into a list.
struct HostRecords {
    HostRecords(std::size_t count, std::size_t recordSize) : bytes(count * recordSize), nodes(count) {
        for (std::size_t k = 0; k < count; ++k) {
            nodes[k].record = bytes.data() + k * recordSize;
            nodes[k].next = k + 1 < count ? &nodes[k + 1] : nullptr;
        }
        list.first = nodes.data();
        list.count = static_cast<int32_t>(count);
    }
    std::vector<char> bytes;
    std::vector<RecordListNode> nodes;
    PimRecordList list{};
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) Usage();
    const StoreName* store = nullptr;
    for (const StoreName& s : kStores) {
        if (s.name == argv[1]) store = &s;
    }
    if (store == nullptr) Usage();
    const std::size_t count = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 1000;
    const bool replace = argc > 3 && std::string_view(argv[3]) == "replace";
    if (count == 0 || (argc > 3 && !replace && std::string_view(argv[3]) != "read")) Usage();

    static simpim::OutlookServer outlook;
    tarnex_RegisterServer("Outlook.Application.9", &simpim::OutlookServer::Factory, &outlook);
    tarnex_bench::FillStore(outlook, store->store, count);
    if (InitializeTARN(TARN_PIM_OUTLOOK) != TARN_INITIALIZED) return 1;

    HostRecords host(count, store->recordSize);
    if (replace) {
        // The records to write back: the store as a read gives it.
        if (TARN_GetObjectStoreForOL(&host.list, store->store) != TARN_OK) return 1;
        outlook.ClearCallLog();
        if (TARN_SetObjectStoreForOL(&host.list, store->store) != TARN_OK) return 1;
    } else {
        if (TARN_GetObjectStoreForOL(&host.list, store->store) != TARN_OK) return 1;
    }
    std::printf("%zu records\n", count);
    UninitializeTARN();
    return 0;
}
