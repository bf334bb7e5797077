// Automation dates (DATE) and calendar time.
//
// A DATE is a double: days since 1899-12-30 00:00 with the time of day as
// the fraction, in local wall-clock time. Before 1899-12-30 the integer part
// is negative and the fraction's magnitude is still the time forward from
// that day's midnight (-1.25 is 1899-12-29 06:00), as OLE Automation has it.
//
// Calendar fields cover the proleptic Gregorian years 0 to 9999. Calendar
// time here is 32-bit: seconds since 1970-01-01 00:00:00 UTC up to
// 2038-01-19 03:14:07 UTC; every conversion to or from it gives nullopt for
// an instant outside that range, and callers pick their own fallback.
//
// The local conversions use the process's time-zone rules and the runtime's
// process-wide time-zone state, so they must not run on two threads at once.
// The rules are read at the first local conversion after ForgetTimeZone
// (and at the first one in the process), not at every conversion.
#pragma once

#include <cstdint>
#include <optional>

namespace tarnex::codec {

// The next local conversion reads the time-zone rules afresh. Every export
// call starts with it, so a zone changed between calls is seen.
void ForgetTimeZone() noexcept;

struct DateFields {
    int year = 0;    // 0..9999
    int month = 1;   // 1..12
    int day = 1;     // 1..days in month
    int hour = 0;    // 0..23
    int minute = 0;  // 0..59
    int second = 0;  // 0..59

    friend bool operator==(const DateFields&, const DateFields&) = default;
};

// True when the fields name a real date and time within years 0..9999.
bool AreValidFields(const DateFields& fields) noexcept;

// Days from 1970-01-01 to the given proleptic Gregorian date (negative
// before it). Works for any month 1..12 and any year an int holds.
std::int64_t DaysFromCivil(int year, int month, int day) noexcept;

// 0 = Sunday .. 6 = Saturday.
int WeekdayOf(int year, int month, int day) noexcept;

// The DATE's calendar fields, rounded to the nearest second (29.6 s gives
// 30 s, carrying into the next day when needed). nullopt for NaN, infinity
// and DATEs outside years 0..9999 after rounding.
std::optional<DateFields> DateToFields(double date) noexcept;

// The DATE of the fields; nullopt when they are not valid.
std::optional<double> FieldsToDate(const DateFields& fields) noexcept;

// Local wall-clock fields to calendar time as mktime does it, with daylight
// saving decided by the local rules (tm_isdst = -1). A time that daylight
// saving skips or repeats resolves the way the runtime's mktime resolves it.
std::optional<std::int32_t> LocalFieldsToTime32(const DateFields& fields) noexcept;

// A DATE read as local wall-clock time, to calendar time: its fields rounded
// to the nearest second, then LocalFieldsToTime32. nullopt for a DATE
// without fields (NaN, outside years 0..9999) and for a time that 32-bit
// calendar time cannot hold.
std::optional<std::int32_t> LocalDateToTime32(double date) noexcept;

// UTC fields to calendar time; no time-zone state involved. nullopt also
// for fields that are not valid.
std::optional<std::int32_t> UtcFieldsToTime32(const DateFields& fields) noexcept;

// Calendar time to local wall-clock fields with the local rules.
std::optional<DateFields> Time32ToLocalFields(std::int32_t time) noexcept;

}  // namespace tarnex::codec
