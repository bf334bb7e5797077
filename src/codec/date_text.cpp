#include "codec/date_text.h"

#include <optional>

#include "codec/date_time.h"

namespace tarnex::codec {
namespace {

constexpr std::string_view kWeekdays[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr std::string_view kMonths[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// A date text built in place: each part written at once, the string made
// at the end.
class DateText {
public:
    // value (0 <= value < 10^width) as width decimal digits, zero-padded.
    DateText& Digits(int value, int width) noexcept {
        for (int i = width - 1; i >= 0; --i) {
            text_[used_ + static_cast<std::size_t>(i)] = static_cast<char>('0' + value % 10);
            value /= 10;
        }
        used_ += static_cast<std::size_t>(width);
        return *this;
    }
    DateText& Text(std::string_view text) noexcept {
        text.copy(text_ + used_, text.size());
        used_ += text.size();
        return *this;
    }
    std::string Done() const { return std::string(text_, used_); }

private:
    char text_[32];  // the longest, the mail date, has 25
    std::size_t used_ = 0;
};

std::string FormatBasic(const DateFields& f, bool withTime) {
    DateText out;
    out.Digits(f.year, 4).Digits(f.month, 2).Digits(f.day, 2);
    if (withTime) {
        out.Text("T").Digits(f.hour, 2).Digits(f.minute, 2).Digits(f.second, 2);
    }
    return out.Done();
}

// The runtime's ctime layout with "," behind the weekday, but with names of
// our own so that the text is English in any locale.
std::string FormatMailDate(const DateFields& wallClock) {
    const std::optional<std::int32_t> time = LocalFieldsToTime32(wallClock);
    if (!time) {
        return {};
    }
    const std::optional<DateFields> local = Time32ToLocalFields(*time);
    if (!local) {
        return {};
    }
    DateText out;
    out.Text(kWeekdays[WeekdayOf(local->year, local->month, local->day)]).Text(", ");
    out.Text(kMonths[local->month - 1]).Text(" ").Digits(local->day, 2).Text(" ");
    out.Digits(local->hour, 2).Text(":").Digits(local->minute, 2).Text(":").Digits(local->second, 2);
    out.Text(" ").Digits(local->year, 4);
    return out.Done();
}

// The leading decimal digits of text[start, start + length); characters
// past the end of the text count as absent.
int ReadNumber(std::string_view text, std::size_t start, std::size_t length) noexcept {
    int value = 0;
    for (std::size_t i = start; i < start + length && i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') {
            break;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace

std::string FormatPimDate(double value, std::uint8_t form, bool withTime) {
    if (form != 1 && form != 2) {
        return {};
    }
    const std::optional<DateFields> fields = DateToFields(value);
    if (!fields) {
        return {};
    }
    return form == 1 ? FormatBasic(*fields, withTime) : FormatMailDate(*fields);
}

double ParsePimDate(std::string_view text, std::uint8_t form) {
    if (form != 1) {
        return 0.0;
    }
    text = text.substr(0, text.find('\0'));
    DateFields f;
    f.year = ReadNumber(text, 0, 4);
    const bool extended = text.size() > 4 && text[4] == '-';  // 2001-03-15
    f.month = ReadNumber(text, extended ? 5 : 4, 2);
    f.day = ReadNumber(text, extended ? 8 : 6, 2);
    const std::size_t t = text.find('T');
    if (t == std::string_view::npos) {
        return FieldsToDate(f).value_or(0.0);
    }
    f.hour = ReadNumber(text, t + 1, 2);
    f.minute = ReadNumber(text, t + 3, 2);
    f.second = ReadNumber(text, t + 5, 2);
    if (text.find('Z') == std::string_view::npos) {
        return FieldsToDate(f).value_or(0.0);
    }
    const std::optional<std::int32_t> instant = UtcFieldsToTime32(f);
    if (!instant) {
        return 0.0;
    }
    const std::optional<DateFields> local = Time32ToLocalFields(*instant);
    return local ? FieldsToDate(*local).value_or(0.0) : 0.0;
}

}  // namespace tarnex::codec
