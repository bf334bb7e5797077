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

}  // namespace simpim
