#include "codec/date_time.h"

#include <cmath>
#include <ctime>
#include <limits>
#include <time.h>  // localtime_r, tzset (POSIX), localtime_s (Windows)

namespace tarnex::codec {
namespace {

constexpr std::int64_t kSecondsPerDay = 86400;
// DaysFromCivil(1899, 12, 30): the DATE epoch counted from 1970-01-01.
constexpr std::int64_t kDateEpochDays = -25569;
constexpr int kMaxYear = 9999;
// Anything beyond this many days is far outside years 0..9999; rejecting it
// first keeps the integer conversions below defined.
constexpr double kDateMagnitudeLimit = 4.0e6;

struct CivilDate {
    std::int64_t year;
    int month;
    int day;
};

CivilDate CivilFromDays(std::int64_t days) noexcept {
    // Days-from-civil inverted, counting in 400-year eras from 0000-03-01.
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t monthIndex = (5 * dayOfYear + 2) / 153;  // 0 = March
    const int day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    const int month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    return {yearOfEra + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

bool IsLeapYear(int year) noexcept { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) noexcept {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

std::optional<std::int32_t> ToTime32(std::int64_t seconds) noexcept {
    if (seconds < 0 || seconds > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(seconds);
}

bool zoneRead = false;

// Makes the runtime read the zone rules in force now, once until
// ForgetTimeZone. POSIX does not promise that localtime_r rereads TZ, and
// msvcrt's mktime and localtime_s read the zone once, at their first use in
// the process: a zone set later (TZ, or the system's zone changed while the
// host runs) would go unseen. Reading it is a system call or more (glibc
// looks at the zone file each time), so it is not done per conversion.
void RefreshTimeZone() noexcept {
    if (zoneRead) return;
    zoneRead = true;
#if defined(_WIN32)
    _tzset();
#else
    tzset();
#endif
}

// The one platform difference: a reentrant local breakdown.
bool BreakDownLocal(std::time_t time, std::tm& out) noexcept {
    RefreshTimeZone();
#if defined(_WIN32)
    return localtime_s(&out, &time) == 0;
#else
    return localtime_r(&time, &out) != nullptr;
#endif
}

}  // namespace

void ForgetTimeZone() noexcept { zoneRead = false; }

bool AreValidFields(const DateFields& f) noexcept {
    return f.year >= 0 && f.year <= kMaxYear && f.month >= 1 && f.month <= 12 && f.day >= 1 &&
           f.day <= DaysInMonth(f.year, f.month) && f.hour >= 0 && f.hour <= 23 && f.minute >= 0 &&
           f.minute <= 59 && f.second >= 0 && f.second <= 59;
}

std::int64_t DaysFromCivil(int year, int month, int day) noexcept {
    const std::int64_t y = static_cast<std::int64_t>(year) - (month <= 2 ? 1 : 0);
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yearOfEra = y - era * 400;
    const std::int64_t dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

int WeekdayOf(int year, int month, int day) noexcept {
    const std::int64_t days = DaysFromCivil(year, month, day);
    // 1970-01-01 was a Thursday.
    return static_cast<int>(((days + 4) % 7 + 7) % 7);
}

std::optional<DateFields> DateToFields(double date) noexcept {
    if (!std::isfinite(date) || std::fabs(date) > kDateMagnitudeLimit) {
        return std::nullopt;
    }
    const double whole = std::trunc(date);
    std::int64_t days = static_cast<std::int64_t>(whole);
    // The fraction's magnitude is the time of day, also for negative DATEs.
    std::int64_t seconds = std::llround(std::fabs(date - whole) * static_cast<double>(kSecondsPerDay));
    if (seconds >= kSecondsPerDay) {
        ++days;
        seconds -= kSecondsPerDay;
    }
    const CivilDate civil = CivilFromDays(days + kDateEpochDays);
    if (civil.year < 0 || civil.year > kMaxYear) {
        return std::nullopt;
    }
    const int secondOfDay = static_cast<int>(seconds);
    return DateFields{static_cast<int>(civil.year), civil.month,           civil.day,
                      secondOfDay / 3600,           secondOfDay / 60 % 60, secondOfDay % 60};
}

std::optional<double> FieldsToDate(const DateFields& f) noexcept {
    if (!AreValidFields(f)) {
        return std::nullopt;
    }
    const auto days = static_cast<double>(DaysFromCivil(f.year, f.month, f.day) - kDateEpochDays);
    const double time = (f.hour * 3600 + f.minute * 60 + f.second) / static_cast<double>(kSecondsPerDay);
    return days >= 0 ? days + time : days - time;
}

std::optional<std::int32_t> LocalFieldsToTime32(const DateFields& f) noexcept {
    if (!AreValidFields(f)) {
        return std::nullopt;
    }
    std::tm tm{};
    tm.tm_year = f.year - 1900;
    tm.tm_mon = f.month - 1;
    tm.tm_mday = f.day;
    tm.tm_hour = f.hour;
    tm.tm_min = f.minute;
    tm.tm_sec = f.second;
    tm.tm_isdst = -1;
    RefreshTimeZone();
    const std::time_t time = std::mktime(&tm);
    // mktime's failure value -1 lies outside the range anyway.
    return ToTime32(static_cast<std::int64_t>(time));
}

std::optional<std::int32_t> LocalDateToTime32(double date) noexcept {
    const std::optional<DateFields> fields = DateToFields(date);
    return fields ? LocalFieldsToTime32(*fields) : std::nullopt;
}

std::optional<std::int32_t> UtcFieldsToTime32(const DateFields& f) noexcept {
    if (!AreValidFields(f)) {
        return std::nullopt;
    }
    return ToTime32(DaysFromCivil(f.year, f.month, f.day) * kSecondsPerDay + f.hour * 3600 + f.minute * 60 +
                    f.second);
}

std::optional<DateFields> Time32ToLocalFields(std::int32_t time) noexcept {
    std::tm tm{};
    if (!BreakDownLocal(static_cast<std::time_t>(time), tm)) {
        return std::nullopt;
    }
    // A leap second (only in zones that count them) reads as :59.
    return DateFields{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday,
                      tm.tm_hour,        tm.tm_min,     tm.tm_sec > 59 ? 59 : tm.tm_sec};
}

}  // namespace tarnex::codec
