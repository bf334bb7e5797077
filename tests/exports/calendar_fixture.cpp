#include "exports/calendar_fixture.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

namespace tarnex_test {

namespace {

struct FieldStart {
    std::size_t offset;
    const char* name;
};
// Where each field and parameter area of a calendar record starts.
constexpr FieldStart kFields[] = {
    {0, "type"},
    {4, "header entryId"},
    {260, "version"},
    {270, "kind"},
    {271, "entryId"},
    {527, "categories"},
    {805, "dateCompleted"},
    {825, "dateCompleted parameters"},
    {953, "body"},
    {21433, "body parameters"},
    {21561, "dueDate"},
    {21581, "dueDate parameters"},
    {21709, "end"},
    {21729, "end parameters"},
    {21857, "importance"},
    {21862, "importance parameters"},
    {21990, "start"},
    {22010, "start parameters"},
    {22138, "status"},
    {22158, "status parameters"},
    {22286, "subject"},
    {22798, "subject parameters"},
    {22926, "spare"},
    {22946, "spare parameters"},
    {23074, "location"},
    {23224, "location parameters"},
};

std::string FieldAt(std::size_t offset) {
    const auto next = std::upper_bound(std::begin(kFields), std::end(kFields), offset,
                                       [](std::size_t o, const FieldStart& f) { return o < f.offset; });
    const FieldStart& field = *std::prev(next);
    return std::string(field.name) + " + " + std::to_string(offset - field.offset);
}

// Up to 24 bytes from offset, control bytes escaped.
std::string Excerpt(const std::string& bytes, std::size_t offset) {
    std::string text;
    for (std::size_t k = offset; k < bytes.size() && k < offset + 24; ++k) {
        const unsigned char c = static_cast<unsigned char>(bytes[k]);
        char hex[5];
        std::snprintf(hex, sizeof hex, "\\x%02x", c);
        text += c >= 0x20 && c < 0x7f ? std::string(1, static_cast<char>(c)) : std::string(hex);
    }
    return "\"" + text + "\"";
}

}  // namespace

::testing::AssertionResult HasBytes(const CalendarRecord& record, const RecordBytes& expected) {
    std::string want(sizeof record, '\0');
    for (const At& at : expected) {
        if (at.offset + at.bytes.size() > want.size())
            return ::testing::AssertionFailure() << "bad expectation";
        want.replace(at.offset, at.bytes.size(), at.bytes);
    }
    const std::string got(reinterpret_cast<const char*>(&record), sizeof record);
    const auto [w, g] = std::mismatch(want.begin(), want.end(), got.begin());
    if (w == want.end()) return ::testing::AssertionSuccess();
    const std::size_t offset = static_cast<std::size_t>(w - want.begin());
    return ::testing::AssertionFailure()
           << "first difference at offset " << offset << " (" << FieldAt(offset) << "): expected "
           << Excerpt(want, offset) << ", record holds " << Excerpt(got, offset);
}

std::string CalendarTest::Shown(const simpim::OutlookItem& item, std::string_view property) const {
    const simpim::Variant value = item.Get(property);
    if (const auto* text = value.IfBstr()) return Narrow(*text);
    if (const auto* date = value.IfDate()) return "date " + std::to_string(date->days);
    if (const auto* number = value.IfI4()) return std::to_string(*number);
    if (const auto* flag = value.IfBool()) return *flag ? "true" : "false";
    return "?";
}

}  // namespace tarnex_test
