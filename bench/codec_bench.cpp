// The value codec beside a plain bounded copy of the same bytes.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <string>
#include <vector>

#include "codec/date_text.h"
#include "codec/field_value.h"

namespace {

using namespace tarnex::codec;

constexpr std::int32_t kBodyFieldSize = 20480;  // a record's body field
constexpr std::int32_t kRoomyFieldSize = 65536;

// About 20 KB of text in lines of 70 characters ending in CR LF, with the odd
// character that needs escaping.
std::string MakeBody() {
    std::string body;
    const std::string line = "Meeting notes; agenda items for the quarterly review \\ planning 2001";
    while (body.size() + line.size() + 2 <= 20 * 1024) {
        body += line;
        body += "\r\n";
    }
    return body;
}

const std::string& Body() {
    static const std::string body = MakeBody();
    return body;
}

void BoundedCopy(benchmark::State& state) {
    const std::int32_t fieldSize = static_cast<std::int32_t>(state.range(0));
    std::vector<char> field(static_cast<std::size_t>(fieldSize));
    const std::string& body = Body();
    for (auto _ : state) {
        const std::size_t count = std::min(body.size(), field.size() - 1);
        std::memcpy(field.data(), body.data(), count);
        field[count] = '\0';
        benchmark::DoNotOptimize(field.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * Body().size()));
}
BENCHMARK(BoundedCopy)->Arg(kBodyFieldSize)->Arg(kRoomyFieldSize);

void AppendBody(benchmark::State& state) {
    const std::int32_t fieldSize = static_cast<std::int32_t>(state.range(0));
    std::vector<char> field(static_cast<std::size_t>(fieldSize));
    for (auto _ : state) {
        field[0] = '\0';
        AppendFieldValue(field.data(), Body(), fieldSize, false);
        benchmark::DoNotOptimize(field.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * Body().size()));
}
// 20480 cuts the escaped body (it grows by the soft line breaks); 65536 fits it.
BENCHMARK(AppendBody)->Arg(kBodyFieldSize)->Arg(kRoomyFieldSize);

// A value of size bytes: plain text, or lines of 70 characters that each end
// in CR LF and hold a ";" and a "\\" (three places that need work a line).
std::string MakeValue(std::size_t size, bool withEscapes) {
    const std::string line = withEscapes
                                 ? "Meeting notes; agenda items for the quarterly review \\ planning 2001\r\n"
                                 : "Meeting notes, agenda items for the quarterly review / planning 2001..";
    std::string value;
    while (value.size() < size) value += line;
    value.resize(size);
    return value;
}

using Clock = std::chrono::steady_clock;

// AppendFieldValue into a field with room for the whole escaped value,
// beside a bounded copy of the same bytes, each timed by the wall clock over
// a batch of calls; the reported time is the codec's, "x copy" the ratio.
void AppendValueVersusCopy(benchmark::State& state) {
    constexpr int kBatch = 16;
    const auto size = static_cast<std::size_t>(state.range(0));
    const std::string value = MakeValue(size, state.range(1) != 0);
    std::vector<char> field(2 * size + 1);
    const auto fieldSize = static_cast<std::int32_t>(field.size());
    double codecSeconds = 0.0;
    double copySeconds = 0.0;
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        for (int k = 0; k < kBatch; ++k) {
            field[0] = '\0';
            AppendFieldValue(field.data(), value, fieldSize, false);
            benchmark::DoNotOptimize(field.data());
            benchmark::ClobberMemory();
        }
        const Clock::time_point middle = Clock::now();
        for (int k = 0; k < kBatch; ++k) {
            const std::size_t count = std::min(value.size(), field.size() - 1);
            std::memcpy(field.data(), value.data(), count);
            field[count] = '\0';
            benchmark::DoNotOptimize(field.data());
            benchmark::ClobberMemory();
        }
        const double codec = std::chrono::duration<double>(middle - start).count();
        codecSeconds += codec;
        copySeconds += std::chrono::duration<double>(Clock::now() - middle).count();
        state.SetIterationTime(codec / kBatch);
    }
    state.counters["x copy"] = benchmark::Counter(copySeconds > 0.0 ? codecSeconds / copySeconds : 0.0);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * value.size()));
}
// Sizes 20 KB and 64 KB; plain text, then lines with three places to escape.
BENCHMARK(AppendValueVersusCopy)
    ->ArgNames({"bytes", "escapes"})
    ->ArgsProduct({{20 * 1024, 64 * 1024}, {0, 1}})
    ->UseManualTime();

void ParseDate(benchmark::State& state, const char* text) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(ParsePimDate(text, 1));
    }
}
BENCHMARK_CAPTURE(ParseDate, Local, "20010315T143000");
BENCHMARK_CAPTURE(ParseDate, Utc, "20010315T143000Z");

void FormatDate(benchmark::State& state, std::uint8_t form, bool withTime) {
    const double date = 36965.604513888889;  // 2001-03-15 14:30:30
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatPimDate(date, form, withTime));
    }
}
BENCHMARK_CAPTURE(FormatDate, BasicWithTime, 1, true);
BENCHMARK_CAPTURE(FormatDate, Mail, 2, false);

}  // namespace
