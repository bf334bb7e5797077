#include "exports/record_bytes.h"

#include <algorithm>
#include <cstdio>

namespace tarnex_test {

namespace {

std::string FieldAt(std::size_t offset, std::span<const FieldSpan> fields) {
    for (const FieldSpan& f : fields) {
        if (offset >= f.offset && offset < f.offset + f.size)
            return std::string(f.name) + " + " + std::to_string(offset - f.offset);
    }
    return "no field";
}

// Up to 40 bytes from offset, printable as they are and the rest as \xNN.
std::string Show(std::span<const char> bytes, std::size_t offset) {
    std::string out;
    for (std::size_t k = offset; k < bytes.size() && k < offset + 40; ++k) {
        const auto c = static_cast<unsigned char>(bytes[k]);
        if (c >= 0x20 && c < 0x7F && c != '\\') {
            out.push_back(static_cast<char>(c));
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        }
    }
    return out;
}

}  // namespace

::testing::AssertionResult RecordBytesAre(std::span<const char> record,
                                          const std::vector<ExpectedText>& expected,
                                          std::span<const FieldSpan> fields) {
    std::vector<char> image(record.size(), '\0');
    for (const ExpectedText& e : expected) {
        if (e.offset + e.text.size() >= image.size())
            return ::testing::AssertionFailure()
                   << "expected text at " << e.offset << " runs past the record";
        std::copy(e.text.begin(), e.text.end(), image.begin() + static_cast<std::ptrdiff_t>(e.offset));
    }
    const auto [want, saw] = std::mismatch(image.begin(), image.end(), record.begin());
    if (want == image.end()) return ::testing::AssertionSuccess();
    const auto at = static_cast<std::size_t>(want - image.begin());
    return ::testing::AssertionFailure()
           << "first difference at offset " << at << " (" << FieldAt(at, fields) << ")\n  expected \""
           << Show(image, at) << "\"\n  saw      \"" << Show(record, at) << "\"";
}

}  // namespace tarnex_test
