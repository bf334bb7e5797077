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

void ReopenOutlookIfShared() {
    if (outlookShared && InitializeTARN(TARN_PIM_OUTLOOK) != TARN_INITIALIZED) std::abort();
}

void Report(benchmark::State& state, std::int64_t calls, std::size_t recordsPerRound) {
    const double records = static_cast<double>(state.iterations()) * static_cast<double>(recordsPerRound);
    state.counters["records/s"] = benchmark::Counter(records, benchmark::Counter::kIsRate);
    state.counters["calls/record"] = benchmark::Counter(static_cast<double>(calls) / records);
}

}  // namespace tarnex_bench
