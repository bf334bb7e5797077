#include "store_bench.h"

#include <cstdlib>

#include "pim_stores.h"
#include "tarnex/tarnex_inproc.h"

namespace tarnex_bench {

namespace {
bool outlookShared = false;
}  // namespace

simpim::OutlookServer& SharedOutlook() {
    static simpim::OutlookServer& outlook = []() -> simpim::OutlookServer& {
        outlookShared = true;
        static simpim::OutlookServer server;
        tarnex_RegisterServer("Outlook.Application.9", &simpim::OutlookServer::Factory, &server);
        FillStores(server);
        if (InitializeTARN(TARN_PIM_OUTLOOK) != TARN_INITIALIZED) std::abort();
        return server;
    }();
    return outlook;
}

namespace {

void OpenOn(simpim::OutlookServer& outlook) {
    UninitializeTARN();
    tarnex_RegisterServer("Outlook.Application.9", &simpim::OutlookServer::Factory, &outlook);
    if (InitializeTARN(TARN_PIM_OUTLOOK) != TARN_INITIALIZED) std::abort();
}

}  // namespace

OwnOutlook::OwnOutlook(std::int32_t store, std::size_t count) {
    FillStore(server_, store, count);
    OpenOn(server_);
}

OwnOutlook::~OwnOutlook() { OpenOn(SharedOutlook()); }

void ReopenOutlookIfShared() {
    if (outlookShared && InitializeTARN(TARN_PIM_OUTLOOK) != TARN_INITIALIZED) std::abort();
}

void Report(benchmark::State& state, std::int64_t calls, std::size_t recordsPerRound) {
    const double records = static_cast<double>(state.iterations()) * static_cast<double>(recordsPerRound);
    // Rates by the wall clock: the benchmarks run with real time.
    state.counters["records/s"] = benchmark::Counter(records, benchmark::Counter::kIsRate);
    state.counters["ns/record"] =
        benchmark::Counter(records, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["calls/record"] = benchmark::Counter(static_cast<double>(calls) / records);
}

}  // namespace tarnex_bench
