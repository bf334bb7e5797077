#include "automation/variant.h"

#include <cmath>
#include <type_traits>

#include "automation/failures.h"
#include "automation/variant_text.h"

namespace tarnex::automation {
namespace {

// The DATE range of the automation runtime: 0100-01-01 to the end of
// 9999-12-31.
constexpr double kFirstDate = -657434.0;
constexpr double kEndOfDates = 2958466.0;

[[noreturn]] void Mismatch() { throw OleStatusFailure(kDispTypeMismatch); }

// Doubles become integers by rounding half to even, as the runtime does.
std::int32_t RoundToI4(double value) {
    const double rounded = std::nearbyint(value);  // default mode: to nearest, ties to even
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) throw OleStatusFailure(kDispOverflow);
    return static_cast<std::int32_t>(rounded);
}

double CheckDateRange(double days) {
    if (!(days >= kFirstDate && days < kEndOfDates)) throw OleStatusFailure(kDispOverflow);
    return days;
}

double NumberFromText(const std::u16string& text) {
    const auto number = ParseNumberText(text);
    if (!number) Mismatch();
    return *number;
}

bool EqualsIgnoringAsciiCase(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

}  // namespace

VarType Variant::Type() const noexcept {
    return std::visit(
        [](const auto& value) {
            using T = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<T, std::monostate>)
                return VarType::Empty;
            else if constexpr (std::is_same_v<T, int32_t>)
                return VarType::I4;
            else if constexpr (std::is_same_v<T, bool>)
                return VarType::Bool;
            else if constexpr (std::is_same_v<T, double>)
                return VarType::R8;
            else if constexpr (std::is_same_v<T, Date>)
                return VarType::Date;
            else if constexpr (std::is_same_v<T, std::u16string>)
                return VarType::Bstr;
            else if constexpr (std::is_same_v<T, DispatchRef>)
                return VarType::Dispatch;
            else {
                static_assert(std::is_same_v<T, ErrorCode>, "a variant alternative without a VARTYPE");
                return VarType::Error;
            }
        },
        value_);
}

// Each coercion visits the value held; the alternatives not handled fall
// through to a type mismatch. A real server object would be asked for its
// default property; ours have none, so an object converts to nothing else.
int32_t Variant::ToI4() const {
    return std::visit(
        [](const auto& value) -> int32_t {
            using T = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<T, std::monostate>)
                return 0;
            else if constexpr (std::is_same_v<T, int32_t>)
                return value;
            else if constexpr (std::is_same_v<T, bool>)
                return value ? -1 : 0;  // VARIANT_TRUE
            else if constexpr (std::is_same_v<T, double>)
                return RoundToI4(value);
            else if constexpr (std::is_same_v<T, Date>)
                return RoundToI4(value.days);
            else if constexpr (std::is_same_v<T, std::u16string>)
                return RoundToI4(NumberFromText(value));
            else
                Mismatch();
        },
        value_);
}

bool Variant::ToBool() const {
    return std::visit(
        [](const auto& value) -> bool {
            using T = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<T, std::monostate>)
                return false;
            else if constexpr (std::is_same_v<T, int32_t>)
                return value != 0;
            else if constexpr (std::is_same_v<T, bool>)
                return value;
            else if constexpr (std::is_same_v<T, double>)
                return value != 0.0;
            else if constexpr (std::is_same_v<T, Date>)
                return value.days != 0.0;
            else if constexpr (std::is_same_v<T, std::u16string>) {
                if (EqualsIgnoringAsciiCase(value, u"True")) return true;
                if (EqualsIgnoringAsciiCase(value, u"False")) return false;
                return NumberFromText(value) != 0.0;
            } else
                Mismatch();
        },
        value_);
}

// Reading date text would need the user's locale; nothing we talk to sends
// dates as text, so text does not convert to a date.
Date Variant::ToDate() const {
    return std::visit(
        [](const auto& value) -> Date {
            using T = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<T, std::monostate>)
                return Date{0.0};
            else if constexpr (std::is_same_v<T, int32_t>)
                return Date{CheckDateRange(value)};
            else if constexpr (std::is_same_v<T, bool>)
                return Date{value ? -1.0 : 0.0};
            else if constexpr (std::is_same_v<T, double>)
                return Date{CheckDateRange(value)};
            else if constexpr (std::is_same_v<T, Date>)
                return value;
            else
                Mismatch();
        },
        value_);
}

std::u16string Variant::ToBstr() const {
    return std::visit(
        [](const auto& value) -> std::u16string {
            using T = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<T, std::monostate>)
                return {};
            else if constexpr (std::is_same_v<T, int32_t>) {
                const std::string digits = std::to_string(value);
                return std::u16string(digits.begin(), digits.end());
            }
            // Without VARIANT_ALPHABOOL a boolean becomes its number.
            else if constexpr (std::is_same_v<T, bool>)
                return value ? u"-1" : u"0";
            else if constexpr (std::is_same_v<T, double>)
                return FormatDouble(value);
            else if constexpr (std::is_same_v<T, Date>)
                return FormatDate(value.days);
            else if constexpr (std::is_same_v<T, std::u16string>)
                return value;
            else
                Mismatch();
        },
        value_);
}

// The runtime turns Empty into a null object; a null object is of no use to
// any caller here, so Empty is a type mismatch. A VT_DISPATCH holding null is
// returned as it is, like the copy the runtime makes.
DispatchRef Variant::ToDispatch() const {
    if (const DispatchRef* object = IfDispatch()) return *object;
    Mismatch();
}

}  // namespace tarnex::automation
