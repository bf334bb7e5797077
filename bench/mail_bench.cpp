// A whole Inbox of 1,000 messages with 20 KB bodies read into records, over
// the simulated Outlook, beside a baseline that does only what any reader
// must: clear the host's records and copy the same texts into them. The
// read reports the automation calls each message costs and how many times
// the baseline's time it takes.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "pim_stores.h"
#include "store_bench.h"

namespace tarnex_bench {
namespace {

// The records the baseline copies its texts from: the Inbox as one read
// gives it.
const HostList<MessageRecord>& Reference() {
    static const HostList<MessageRecord> reference = [] {
        SharedOutlook();
        HostList<MessageRecord> records(kMessages);
        if (TARN_GetObjectStoreForOL(&records.list, TARN_STORE_INBOX) != TARN_OK) std::abort();
        return records;
    }();
    return reference;
}

template <std::size_t N>
void CopyField(char (&to)[N], const char (&from)[N]) {
    std::memcpy(to, from, static_cast<std::size_t>(std::find(from, from + N, '\0') - from));
}

// Every text a read writes, copied from the reference record.
void CopyTexts(MessageRecord& to, const MessageRecord& from) {
    to.header.type = from.header.type;
    CopyField(to.header.entryId, from.header.entryId);
    CopyField(to.header.version, from.header.version);
    CopyField(to.status, from.status);
    CopyField(to.messageType, from.messageType);
    CopyField(to.box, from.box);
    CopyField(to.date, from.date);
    CopyField(to.from, from.from);
    CopyField(to.to, from.to);
    CopyField(to.cc, from.cc);
    CopyField(to.replyTo, from.replyTo);
    CopyField(to.subject, from.subject);
    CopyField(to.body, from.body);
}

// Both rounds clear the host's records inside the timing: a host pays for
// that with every read.
void BaselineRound(HostList<MessageRecord>& host) {
    host.Clear();
    for (std::size_t k = 0; k < kMessages; ++k) CopyTexts(host.records[k], Reference().records[k]);
    benchmark::DoNotOptimize(host.records.data());
    benchmark::ClobberMemory();
}

void CopyMailBaseline(benchmark::State& state) {
    HostList<MessageRecord> host(kMessages);
    for (auto _ : state) BaselineRound(host);
    state.counters["records/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * kMessages, benchmark::Counter::kIsRate);
}
BENCHMARK(CopyMailBaseline)->Unit(benchmark::kMillisecond)->UseRealTime();

using Clock = std::chrono::steady_clock;

// The read's time over the baseline's, each round timed alike with the
// steady clock; "x baseline" in the report.
void ReadMailStore(benchmark::State& state) {
    simpim::OutlookServer& outlook = SharedOutlook();
    const HostList<MessageRecord>& reference = Reference();
    HostList<MessageRecord> host(kMessages);
    std::int64_t calls = 0;
    Clock::duration readTime{};
    for (auto _ : state) {
        state.PauseTiming();
        outlook.ClearCallLog();  // a log of every round would grow without end
        state.ResumeTiming();
        const Clock::time_point start = Clock::now();
        host.Clear();
        const std::int64_t before = outlook.CallCount();
        if (TARN_GetObjectStoreForOL(&host.list, TARN_STORE_INBOX) != TARN_OK)
            state.SkipWithError("read failed");
        calls += outlook.CallCount() - before;
        readTime += Clock::now() - start;
    }
    HostList<MessageRecord> copy(kMessages);
    constexpr int kBaselineRounds = 20;
    const Clock::time_point start = Clock::now();
    for (int round = 0; round < kBaselineRounds; ++round) BaselineRound(copy);
    const double baselinePerRound =
        std::chrono::duration<double>(Clock::now() - start).count() / kBaselineRounds;
    const double readPerRound =
        std::chrono::duration<double>(readTime).count() / static_cast<double>(state.iterations());
    state.counters["x baseline"] = benchmark::Counter(readPerRound / baselinePerRound);
    if (std::memcmp(host.records.data(), reference.records.data(),
                    host.records.size() * sizeof(MessageRecord)) != 0) {
        state.SkipWithError("records differ from the first read");
    }
    Report(state, calls, kMessages);
}
BENCHMARK(ReadMailStore)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace tarnex_bench
