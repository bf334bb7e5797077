#include "automation/variant_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace tarnex::automation {
namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }
bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

std::u16string_view Trim(std::u16string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// &Hxxxx or &Oooo: the bits of a 32-bit value, so &HFFFFFFFF is -1.
std::optional<double> ParseRadixNumber(std::u16string_view digits, unsigned radix) {
    if (digits.empty()) return std::nullopt;
    std::uint64_t value = 0;
    bool tooWide = false;
    for (char16_t c : digits) {
        unsigned digit;
        if (IsDigit(c))
            digit = c - u'0';
        else if (c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        else if (c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        else
            return std::nullopt;
        if (digit >= radix) return std::nullopt;
        value = value * radix + digit;
        if (value > 0xFFFFFFFFu) {
            tooWide = true;  // still a number, just not one that fits
            value = 0;
        }
    }
    if (tooWide) return HUGE_VAL;
    return static_cast<double>(static_cast<std::int32_t>(static_cast<std::uint32_t>(value)));
}

// Checks the shape digits[.digits][(e|E)[sign]digits] and copies it as ASCII.
std::optional<std::string> DecimalText(std::u16string_view text) {
    std::string ascii;
    std::size_t i = 0;
    bool digits = false;
    auto takeDigits = [&] {
        bool any = false;
        while (i < text.size() && IsDigit(text[i])) {
            ascii += static_cast<char>(text[i++]);
            any = true;
        }
        return any;
    };
    digits = takeDigits();
    if (i < text.size() && text[i] == u'.') {
        ascii += '.';
        ++i;
        digits = takeDigits() || digits;
    }
    if (!digits) return std::nullopt;
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        ascii += 'e';
        ++i;
        if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) ascii += static_cast<char>(text[i++]);
        if (!takeDigits()) return std::nullopt;
    }
    if (i != text.size()) return std::nullopt;
    return ascii;
}

// Roughly the decimal exponent of a DecimalText number: positive for the
// ones too large for a double, negative for the ones too small.
long DecimalMagnitude(std::string_view ascii) {
    const std::size_t e = std::min(ascii.find('e'), ascii.size());
    const std::string_view mantissa = ascii.substr(0, e);
    long exponent = 0;
    if (e < ascii.size()) {
        std::string_view digits = ascii.substr(e + 1);
        const bool negative = digits.front() == '-';
        if (digits.front() == '-' || digits.front() == '+') digits.remove_prefix(1);
        for (char c : digits) exponent = std::min(exponent * 10 + (c - '0'), 100000L);
        if (negative) exponent = -exponent;
    }
    const std::size_t dot = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_not_of("0.");
    if (first == std::string_view::npos) return 0;
    const long position = first < dot ? static_cast<long>(dot - first) : -static_cast<long>(first - dot - 1);
    return position + exponent;
}

}  // namespace

std::optional<double> ParseNumberText(std::u16string_view text) {
    text = Trim(text);
    if (text.size() > 2 && text[0] == u'&') {
        if (text[1] == u'H' || text[1] == u'h') return ParseRadixNumber(text.substr(2), 16);
        if (text[1] == u'O' || text[1] == u'o') return ParseRadixNumber(text.substr(2), 8);
        return std::nullopt;
    }
    bool negative = false;
    if (!text.empty() && (text.front() == u'+' || text.front() == u'-')) {
        negative = text.front() == u'-';
        text.remove_prefix(1);
    }
    auto ascii = DecimalText(text);
    if (!ascii) return std::nullopt;
    double value = 0.0;
    auto [end, error] = std::from_chars(ascii->data(), ascii->data() + ascii->size(), value);
    // A result out of double's range is still a number: a huge one for the
    // caller's range check to report, or a tiny one that is as good as 0.
    if (error == std::errc::result_out_of_range) {
        value = DecimalMagnitude(*ascii) > 0 ? HUGE_VAL : 0.0;
    } else if (error != std::errc() || end != ascii->data() + ascii->size())
        return std::nullopt;
    return negative ? -value : value;
}

std::u16string FormatDouble(double value) {
    char buffer[64];
    auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    std::u16string text;
    if (error != std::errc()) return text;
    for (const char* p = buffer; p != end; ++p) text += static_cast<char16_t>(*p == 'e' ? 'E' : *p);
    return text;
}

namespace {

struct CivilDate {
    std::int64_t year;
    unsigned month;
    unsigned day;
};

// Days since 1970-01-01 to the proleptic Gregorian calendar date.
CivilDate CivilFromDays(std::int64_t z) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned day = doy - (153 * mp + 2) / 5 + 1;
    const unsigned month = mp < 10 ? mp + 3 : mp - 9;
    return {static_cast<std::int64_t>(yoe) + era * 400 + (month <= 2), month, day};
}

}  // namespace

std::u16string FormatDate(double days) {
    constexpr std::int64_t kUnixEpochDay = 25569;  // 1970-01-01 as a DATE
    auto whole = static_cast<std::int64_t>(std::trunc(days));
    // The fraction is the time of day on either side of day 0.
    auto seconds = static_cast<std::int64_t>(std::llround(std::fabs(days - std::trunc(days)) * 86400.0));
    if (seconds >= 86400) {
        ++whole;
        seconds = 0;
    }
    char buffer[64];
    std::string text;
    if (whole != 0) {
        const CivilDate date = CivilFromDays(whole - kUnixEpochDay);
        std::snprintf(buffer, sizeof buffer, "%u/%u/%lld", date.month, date.day,
                      static_cast<long long>(date.year));
        text = buffer;
    }
    if (seconds != 0 || whole == 0) {
        const auto hour = static_cast<int>(seconds / 3600);
        std::snprintf(buffer, sizeof buffer, "%s%d:%02d:%02d %s", text.empty() ? "" : " ",
                      hour % 12 == 0 ? 12 : hour % 12, static_cast<int>(seconds / 60 % 60),
                      static_cast<int>(seconds % 60), hour < 12 ? "AM" : "PM");
        text += buffer;
    }
    return std::u16string(text.begin(), text.end());
}

}  // namespace tarnex::automation
