// A VARIANT as the library uses it: the handful of OLE Automation types that
// Outlook and Eudora exchange with us. Backend-neutral: the COM backend turns
// it into a real VARIANT at the call boundary, the in-process backend hands it
// to the simulated servers as it is.
#pragma once

#include <cstdint>
#include <string>
#include <variant>

#include "automation/dispatch_ref.h"
#include "automation/hresult.h"

namespace tarnex::automation {

// VARTYPE codes of the types we carry (values as in oleauto).
enum class VarType : uint16_t {
    Empty = 0,
    I4 = 3,
    R8 = 5,
    Date = 7,
    Bstr = 8,
    Dispatch = 9,
    Error = 10,
    Bool = 11,
};

// An automation DATE: days since 1899-12-30 00:00, time of day as the fraction.
struct Date {
    double days = 0.0;
    friend bool operator==(const Date&, const Date&) = default;
};

// VT_ERROR payload; DISP_E_PARAMNOTFOUND marks an omitted optional argument.
struct ErrorCode {
    HResult code = 0;
    friend bool operator==(const ErrorCode&, const ErrorCode&) = default;
};

class Variant {
public:
    Variant() = default;
    Variant(int32_t v) : value_(v) {}
    Variant(bool v) : value_(v) {}
    Variant(double v) : value_(v) {}
    Variant(Date v) : value_(v) {}
    Variant(std::u16string v) : value_(std::move(v)) {}
    Variant(const char16_t* v) : value_(std::u16string(v)) {}
    Variant(DispatchRef v) : value_(std::move(v)) {}
    Variant(ErrorCode v) : value_(v) {}

    // An optional argument left out (VT_ERROR holding DISP_E_PARAMNOTFOUND).
    static Variant Missing() { return Variant(ErrorCode{kDispParamNotFound}); }

    VarType Type() const noexcept;

    bool IsEmpty() const noexcept { return Type() == VarType::Empty; }
    // Accessors for the exact type held; nullptr when another type is held.
    const int32_t* IfI4() const noexcept { return std::get_if<int32_t>(&value_); }
    const bool* IfBool() const noexcept { return std::get_if<bool>(&value_); }
    const double* IfR8() const noexcept { return std::get_if<double>(&value_); }
    const Date* IfDate() const noexcept { return std::get_if<Date>(&value_); }
    const std::u16string* IfBstr() const noexcept { return std::get_if<std::u16string>(&value_); }
    const DispatchRef* IfDispatch() const noexcept { return std::get_if<DispatchRef>(&value_); }
    const ErrorCode* IfError() const noexcept { return std::get_if<ErrorCode>(&value_); }

    // Coercions after VariantChangeType's rules for the types we use. They
    // throw OleStatusFailure (DISP_E_TYPEMISMATCH, DISP_E_OVERFLOW) as the
    // system call fails.
    int32_t ToI4() const;
    bool ToBool() const;
    Date ToDate() const;
    std::u16string ToBstr() const;
    DispatchRef ToDispatch() const;

private:
    std::variant<std::monostate, int32_t, bool, double, Date, std::u16string, DispatchRef, ErrorCode> value_;
};

}  // namespace tarnex::automation
