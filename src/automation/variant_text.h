// Numbers and dates as text, the way the automation runtime's conversions
// read and write them (with the invariant "C" conventions: '.' as the
// decimal point, no thousands separators, US date order).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarnex::automation {

// A decimal number with optional sign, fraction and exponent, or &H / &O
// hexadecimal or octal digits (the bits of a signed 32-bit value; wider ones
// give HUGE_VAL), surrounded by optional blanks. nullopt when the text is not
// a number.
std::optional<double> ParseNumberText(std::u16string_view text);

// Up to 15 significant digits, exponent form for large and small magnitudes
// ("1.5", "1E+20", "-0.001").
std::u16string FormatDouble(double value);

// "M/D/YYYY h:mm:ss AM"; the date alone when there is no time of day, the
// time alone on day 0 (1899-12-30).
std::u16string FormatDate(double days);

}  // namespace tarnex::automation
