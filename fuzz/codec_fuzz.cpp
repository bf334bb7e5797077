// Fuzzes the value codec: every operation on host-controlled bytes and
// sizes, with buffers allocated at exactly their stated size so that any
// access past them is caught, and the codec's own promises checked.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <time.h>

#include "automation/inproc/active_code_page.h"
#include "codec/codec.h"

namespace {

using namespace tarnex::codec;

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    std::int32_t Size() {
        // Mostly small sizes, now and then zero or negative ones.
        const std::uint8_t b = Byte();
        return b >= 0xF0 ? -static_cast<std::int32_t>(b & 0x0F) : b;
    }
    std::string Bytes(std::size_t count) {
        count = std::min(count, size_ - pos_);
        std::string out(reinterpret_cast<const char*>(data_ + pos_), count);
        pos_ += count;
        return out;
    }
    std::string Rest() { return Bytes(size_ - pos_); }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

// A heap block of exactly size bytes (one when size is 0, never touched
// then): text's bytes, the rest fill, no zero behind it.
std::unique_ptr<char[]> Exact(const std::string& text, std::size_t size, char fill = 'x') {
    auto block = std::make_unique<char[]>(size == 0 ? 1 : size);
    std::memset(block.get(), fill, size);
    std::memcpy(block.get(), text.data(), std::min(text.size(), size));
    return block;
}
std::unique_ptr<char[]> Exact(const std::string& text) { return Exact(text, text.size()); }
// A host field size as the codec takes it, and the bytes it stands for.
std::size_t Bytes(std::int32_t size) { return size > 0 ? static_cast<std::size_t>(size) : 0; }

void SelectTimeZone(std::uint8_t choice) {
    static const char* const kZones[] = {"UTC0", "<+01>-1", "CET-1CEST,M3.5.0,M10.5.0/3",
                                         "EST5EDT,M3.2.0,M11.1.0"};
    static int current = -1;
    const int zone = choice % 4;
    if (zone != current) {
        setenv("TZ", kZones[zone], 1);
        tzset();
        current = zone;
    }
}

void FuzzAppend(Input& in) {
    tarnex::automation::inproc::SelectCodePage(in.Byte() & 1 ? 932 : 1252);
    const std::int32_t fieldSize = in.Size();
    const std::size_t size = Bytes(fieldSize);
    const bool separator = in.Byte() & 1;
    // The field's old bytes may hold a zero anywhere, or none at all.
    const std::string old = in.Bytes(size);
    const std::string value = in.Rest();
    auto field = Exact(old, size);

    AppendFieldValue(size == 0 ? nullptr : field.get(), value, fieldSize, separator);

    if (size > 0) {
        const std::string_view result(field.get(), size);
        Check(result.find('\0') != std::string_view::npos);
        const std::size_t oldLength = std::string_view(old).find('\0');
        if (oldLength != std::string_view::npos)
            Check(result.substr(0, oldLength) == std::string_view(old).substr(0, oldLength));
    }
    tarnex::automation::inproc::SelectCodePage(1252);
}

void FuzzFormat(Input& in) {
    SelectTimeZone(in.Byte());
    const std::uint8_t form = in.Byte() % 4;
    const bool withTime = in.Byte() & 1;
    double date = 0;
    const std::string raw = in.Bytes(sizeof date);
    std::memcpy(&date, raw.data(), raw.size());
    const std::string text = FormatPimDate(date, form, withTime);
    if (form == 1 && !text.empty()) {
        Check(text.size() == (withTime ? 15u : 8u));
        // Form 1 reads back to the same second.
        const std::optional<DateFields> fields = DateToFields(date);
        Check(fields.has_value());
        DateFields expected = *fields;
        if (!withTime) expected.hour = expected.minute = expected.second = 0;
        Check(DateToFields(ParsePimDate(text, 1)) == expected);
    } else if (form == 2) {
        Check(text.empty() || text.size() == 25);
    } else if (form != 1) {
        Check(text.empty());
    }
}

void FuzzNextComponent(Input& in) {
    const std::string text = in.Rest();
    const auto copy = Exact(text);
    const std::string_view view(copy.get(), text.size());
    std::string out;
    std::size_t cursor = 0;
    for (;;) {
        const std::size_t next = NextComponent(view, cursor, out);
        Check(next <= view.size());
        if (next == cursor) {
            Check(out.empty());
            break;
        }
        Check(next > cursor && out.size() <= next - cursor);
        cursor = next;
    }
}

void FuzzScanComponent(Input& in) {
    const std::int32_t destSize = in.Size();
    const std::size_t size = Bytes(destSize);
    const std::string delimiters = in.Bytes(in.Byte() % 4);
    const std::string source = in.Rest();
    const auto sourceCopy = Exact(source), delimiterCopy = Exact(delimiters), dest = Exact("", size);
    const std::size_t stop = ScanComponent(size == 0 ? nullptr : dest.get(), destSize,
                                           std::string_view(sourceCopy.get(), source.size()),
                                           std::string_view(delimiterCopy.get(), delimiters.size()));
    Check(stop <= source.size());
    if (size > 0) Check(std::string_view(dest.get(), size).find('\0') != std::string_view::npos);
}

void FuzzParse(Input& in) {
    SelectTimeZone(in.Byte());
    const std::uint8_t form = in.Byte() % 3;
    const std::string text = in.Rest();
    const auto copy = Exact(text);
    const double date = ParsePimDate(std::string_view(copy.get(), text.size()), form);
    Check(std::isfinite(date));
    Check(date == 0.0 || DateToFields(date).has_value());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input in(data, size);
    switch (in.Byte() % 5) {
        case 0:
            FuzzAppend(in);
            break;
        case 1:
            FuzzFormat(in);
            break;
        case 2:
            FuzzNextComponent(in);
            break;
        case 3:
            FuzzScanComponent(in);
            break;
        default:
            FuzzParse(in);
            break;
    }
    return 0;
}
