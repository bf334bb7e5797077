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

#include "simpim/item_classes.h"
#include "simpim/outlook_server.h"
#include "tarnex/tarnex.h"
#include "tarnex/tarnex_inproc.h"

namespace {

using simpim::Variant;
using tarnex::automation::Date;

constexpr std::size_t kMessages = 1000;
constexpr std::size_t kBodyBytes = 20 * 1024;

std::u16string Text(const std::string& s) { return std::u16string(s.begin(), s.end()); }

// A received message as a mailing list sends it: a 20 KB body of CR LF lines.
std::u16string Body(std::size_t k) {
    std::string line =
        "Line of message " + std::to_string(k) + ": the quick brown fox jumps over the lazy dog.\r\n";
    std::string body;
    while (body.size() + line.size() < kBodyBytes) body += line;
    return Text(body);
}

void AddMessage(simpim::OutlookServer& outlook, std::size_t k) {
    simpim::OutlookItem& item = outlook.AddItem(simpim::kFolderInbox, simpim::MailClass());
    const std::string n = std::to_string(k);
    item.Set("Subject", Variant(Text("Digest number " + n)));
    item.Set("SenderName", Variant(u"List Server"));
    item.Set("SentOnBehalfOfName", Variant(u"List Server"));
    item.Set("To", Variant(u"User; Team"));
    item.Set("CC", Variant(Text("member" + n + "@example.com")));
    item.Set("ReceivedTime", Variant(Date{36900.0 + static_cast<double>(k) / 24}));
    item.Set("UnRead", Variant(k % 2 == 0));
    item.Set("Body", Variant(Body(k)));
}

struct HostList {
    explicit HostList(std::size_t count) : records(count), nodes(count) {
        for (std::size_t k = 0; k < count; ++k) {
            nodes[k].record = &records[k];
            nodes[k].next = k + 1 < count ? &nodes[k + 1] : nullptr;
        }
        list.first = nodes.data();
        list.count = static_cast<int32_t>(count);
    }
    void Clear() { std::memset(records.data(), 0, records.size() * sizeof(MessageRecord)); }
    std::vector<MessageRecord> records;
    std::vector<RecordListNode> nodes;
    PimRecordList list{};
};

struct Bench {
    Bench() : reference(kMessages) {
        tarnex_RegisterServer("Outlook.Application.9", &simpim::OutlookServer::Factory, &outlook);
        for (std::size_t k = 0; k < kMessages; ++k) AddMessage(outlook, k);
        if (InitializeTARN(TARN_PIM_OUTLOOK) != TARN_INITIALIZED) std::abort();
        // The records the baseline copies its texts from.
        if (TARN_GetObjectStoreForOL(&reference.list, TARN_STORE_INBOX) != TARN_OK) std::abort();
    }
    simpim::OutlookServer outlook;
    HostList reference;
};

Bench& Shared() {
    static Bench bench;
    return bench;
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

void Report(benchmark::State& state, std::int64_t calls) {
    const double records = static_cast<double>(state.iterations()) * kMessages;
    state.counters["records/s"] = benchmark::Counter(records, benchmark::Counter::kIsRate);
    if (calls > 0) state.counters["calls/record"] = benchmark::Counter(static_cast<double>(calls) / records);
}

// Both rounds clear the host's records inside the timing: a host pays for
// that with every read.
void BaselineRound(const Bench& bench, HostList& host) {
    host.Clear();
    for (std::size_t k = 0; k < kMessages; ++k) CopyTexts(host.records[k], bench.reference.records[k]);
    benchmark::DoNotOptimize(host.records.data());
    benchmark::ClobberMemory();
}

void CopyMailBaseline(benchmark::State& state) {
    Bench& bench = Shared();
    HostList host(kMessages);
    for (auto _ : state) BaselineRound(bench, host);
    Report(state, 0);
}
BENCHMARK(CopyMailBaseline)->Unit(benchmark::kMillisecond);

using Clock = std::chrono::steady_clock;

// The read's time over the baseline's, each round timed alike with the
// steady clock; "x baseline" in the report.
void ReadMailStore(benchmark::State& state) {
    Bench& bench = Shared();
    HostList host(kMessages);
    std::int64_t calls = 0;
    Clock::duration readTime{};
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        host.Clear();
        const std::int64_t before = bench.outlook.CallCount();
        if (TARN_GetObjectStoreForOL(&host.list, TARN_STORE_INBOX) != TARN_OK)
            state.SkipWithError("read failed");
        calls += bench.outlook.CallCount() - before;
        readTime += Clock::now() - start;
    }
    HostList copy(kMessages);
    constexpr int kBaselineRounds = 20;
    const Clock::time_point start = Clock::now();
    for (int round = 0; round < kBaselineRounds; ++round) BaselineRound(bench, copy);
    const double baselinePerRound =
        std::chrono::duration<double>(Clock::now() - start).count() / kBaselineRounds;
    const double readPerRound =
        std::chrono::duration<double>(readTime).count() / static_cast<double>(state.iterations());
    state.counters["x baseline"] = benchmark::Counter(readPerRound / baselinePerRound);
    if (std::memcmp(host.records.data(), bench.reference.records.data(),
                    host.records.size() * sizeof(MessageRecord)) != 0) {
        state.SkipWithError("records differ from the first read");
    }
    Report(state, calls);
}
BENCHMARK(ReadMailStore)->Unit(benchmark::kMillisecond);

}  // namespace
