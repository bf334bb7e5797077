// The value codec beside a plain bounded copy of the same bytes.
#include <benchmark/benchmark.h>

#include <algorithm>
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
