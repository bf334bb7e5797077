// Whole days and minutes of an OLE DATE: days since 1899-12-30 with the time
// of day as the fraction. The simulated Outlook's dates all lie after 1899,
// where the fraction counts forward from midnight.
#pragma once

#include <cmath>

#include "automation/variant.h"
#include "simpim/property_table.h"

namespace simpim {

inline constexpr double kMinute = 1.0 / 1440.0;
// Half a second: DATE arithmetic leaves dust well below it.
inline constexpr double kDateDust = 0.5 / 86400.0;

inline bool IsNoDate(double date) { return std::fabs(date - kNoDate) < kDateDust; }
// The midnight starting the date's day.
inline double MidnightOf(double date) { return std::floor(date + kDateDust); }
// The midnight at or after the date.
inline double MidnightAtOrAfter(double date) { return std::ceil(date - kDateDust); }

// The days a date variant holds, or the no-date value for anything else.
inline double DaysOf(const Variant& value) {
    const tarnex::automation::Date* date = value.IfDate();
    return date ? date->days : kNoDate;
}
inline Variant DateVariant(double days) { return Variant(tarnex::automation::Date{days}); }

// Days from 1899-12-30 to a civil date (proleptic Gregorian), and back.
inline long DaysSince1899(long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long>(doe) - 719468 + 25569;  // 25569: 1899-12-30 to 1970-01-01
}
inline void CivilFromDays(long days, long& y, unsigned& m, unsigned& d) {
    const long z = days - 25569 + 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y = static_cast<long>(yoe) + era * 400 + (m <= 2);
}

}  // namespace simpim
