// Date texts of record fields.
//
// Form 1 is "%Y%m%d", or "%Y%m%dT%H%M%S" with the time: the DATE's local
// wall-clock time, no zone letter. Form 2 is the mail date
// "Www, Mmm dd hh:mm:ss yyyy", in English whatever the locale, taken from
// local calendar time.
//
// Out of range: form 2 and the "Z" (UTC) path of ParsePimDate go through
// 32-bit calendar time (1970-01-01 00:00:00 to 2038-01-19 03:14:07 UTC).
// Outside it, form 2 gives empty text and the Z path gives 0.0, the same
// as an invalid date. Form 1 covers the years 0 to 9999; a DATE outside them
// (or NaN) gives empty text in every form.
//
// Form 2 and the Z path use the process's time-zone state; see date_time.h.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tarnex::codec {

// Outlook's empty date, 4501-01-01 00:00. Readers compare with it (exactly)
// before formatting; FormatPimDate has no such test.
inline constexpr double NoDate = 949998.0;

// The date text of value in form 1 (withTime chooses the layout) or 2
// (withTime ignored), the time rounded to the nearest second. Any other form
// gives empty text.
std::string FormatPimDate(double value, std::uint8_t form, bool withTime);

// The DATE of a form 1 text: "yyyymmdd" or "yyyy-mm-dd" at fixed positions,
// the time "Thhmmss" behind the first "T" anywhere in the text, each part
// its leading decimal digits (none gives 0). With a "T" and a "Z" anywhere
// the time is UTC and the result is the local wall-clock time of that
// instant; otherwise the fields are local time. Fields that are no valid
// date and time give 0.0, as does any form other than 1. The text ends at
// its first zero byte.
double ParsePimDate(std::string_view text, std::uint8_t form);

}  // namespace tarnex::codec
