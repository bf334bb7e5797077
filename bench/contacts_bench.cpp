// A whole Contacts store of 1,000 contacts read into records and replaced
// from them, over the simulated Outlook, with the automation calls that each
// contact costs.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "simpim/item_classes.h"
#include "simpim/outlook_server.h"
#include "tarnex/tarnex.h"
#include "tarnex/tarnex_inproc.h"

namespace {

using simpim::Variant;
using tarnex::automation::Date;

constexpr std::size_t kContacts = 1000;

std::u16string Text(const std::string& s) { return std::u16string(s.begin(), s.end()); }

// A contact as an address book usually holds one: a name, a home address that
// is also where mail goes, two numbers and an e-mail address; every third one
// works somewhere.
void AddContact(simpim::OutlookServer& outlook, std::size_t k) {
    simpim::OutlookItem& item = outlook.AddItem(simpim::kFolderContacts, simpim::ContactClass());
    const std::string n = std::to_string(k);
    item.Set("LastName", Variant(Text("Family" + n)));
    item.Set("FirstName", Variant(Text("Given" + n)));
    item.Set("FileAs", Variant(Text("Family" + n + ", Given" + n)));
    item.Set("Birthday", Variant(Date{25000.0 + static_cast<double>(k)}));
    item.Set("HomeAddressStreet", Variant(Text(n + " Linden Way")));
    item.Set("HomeAddressCity", Variant(u"Springfield"));
    item.Set("HomeAddressPostalCode", Variant(u"62704"));
    item.Set("HomeTelephoneNumber", Variant(Text("(217) 555-" + n)));
    item.Set("MobileTelephoneNumber", Variant(Text("(217) 556-" + n)));
    item.Set("Email1Address", Variant(Text("given" + n + "@example.com")));
    if (k % 3 == 0) {
        item.Set("CompanyName", Variant(u"Northwind Traders"));
        item.Set("JobTitle", Variant(u"Buyer"));
        item.Set("BusinessTelephoneNumber", Variant(Text("(206) 555-" + n)));
    }
}

// Host-owned records chained into a list.
struct HostList {
    explicit HostList(std::size_t count) : records(count), nodes(count) {
        for (std::size_t k = 0; k < count; ++k) {
            nodes[k].record = &records[k];
            nodes[k].next = k + 1 < count ? &nodes[k + 1] : nullptr;
        }
        list.first = nodes.data();
        list.count = static_cast<int32_t>(count);
    }
    void Clear() { std::memset(records.data(), 0, records.size() * sizeof(ContactRecord)); }
    std::vector<ContactRecord> records;
    std::vector<RecordListNode> nodes;
    PimRecordList list{};
};

// The simulated Outlook with its 1,000 contacts and the session open, for the
// life of the process.
struct Bench {
    Bench() {
        tarnex_RegisterServer("Outlook.Application.9", &simpim::OutlookServer::Factory, &outlook);
        for (std::size_t k = 0; k < kContacts; ++k) AddContact(outlook, k);
        if (InitializeTARN(TARN_PIM_OUTLOOK) != TARN_INITIALIZED) std::abort();
    }
    simpim::OutlookServer outlook;
};

Bench& Shared() {
    static Bench bench;
    return bench;
}

void Report(benchmark::State& state, std::int64_t calls) {
    const double records = static_cast<double>(state.iterations()) * kContacts;
    state.counters["records/s"] = benchmark::Counter(records, benchmark::Counter::kIsRate);
    state.counters["calls/record"] = benchmark::Counter(static_cast<double>(calls) / records);
}

void ReadContactStore(benchmark::State& state) {
    Bench& bench = Shared();
    HostList host(kContacts);
    std::int64_t calls = 0;
    for (auto _ : state) {
        state.PauseTiming();
        host.Clear();  // the host hands in zero-filled records
        const std::int64_t before = bench.outlook.CallCount();
        state.ResumeTiming();
        if (TARN_GetObjectStoreForOL(&host.list, TARN_STORE_CONTACTS) != TARN_OK)
            state.SkipWithError("read failed");
        calls += bench.outlook.CallCount() - before;
    }
    Report(state, calls);
}
BENCHMARK(ReadContactStore)->Unit(benchmark::kMillisecond);

// Each round deletes the 1,000 contacts and adds 1,000 from the records; the
// deleted ones are purged from Deleted Items between rounds, untimed.
void ReplaceContactStore(benchmark::State& state) {
    Bench& bench = Shared();
    HostList host(kContacts);
    if (TARN_GetObjectStoreForOL(&host.list, TARN_STORE_CONTACTS) != TARN_OK)
        state.SkipWithError("read failed");
    simpim::OutlookStore& store = bench.outlook.Store();
    simpim::OutlookFolder& deleted = bench.outlook.Folder(simpim::kFolderDeletedItems);
    std::int64_t calls = 0;
    for (auto _ : state) {
        const std::int64_t before = bench.outlook.CallCount();
        if (TARN_SetObjectStoreForOL(&host.list, TARN_STORE_CONTACTS) != TARN_OK)
            state.SkipWithError("write failed");
        calls += bench.outlook.CallCount() - before;
        state.PauseTiming();
        while (deleted.Count() > 0) store.Erase(deleted.Items().back());
        state.ResumeTiming();
    }
    if (bench.outlook.Count(simpim::kFolderContacts) != kContacts) state.SkipWithError("contacts lost");
    Report(state, calls);
}
BENCHMARK(ReplaceContactStore)->Unit(benchmark::kMillisecond);

}  // namespace
