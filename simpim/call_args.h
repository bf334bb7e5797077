// Checking and coercing the arguments of a call the way a type-library driven
// IDispatch::Invoke does: the member must be invoked as what it is (a
// property get, put or a method), the argument count must fit its declared
// parameters, and each argument is changed to the declared type with the
// rules of VariantChangeType.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>

#include "automation/variant.h"
#include "simpim/server_hooks.h"

namespace simpim {

using tarnex::automation::Date;
using tarnex::automation::VarType;

// S_OK when a member of kind `declared` taking between minArgs and maxArgs
// arguments may be called with (kind, args): DISP_E_MEMBERNOTFOUND for the
// wrong kind (a get-only property has no put), DISP_E_BADPARAMCOUNT for the
// wrong number. A put takes its value as the last argument on top of these.
HResult CheckCall(InvokeKind kind, std::span<const Variant> args, InvokeKind declared,
                  std::size_t minArgs = 0, std::size_t maxArgs = 0);
// A property that can be got and put, with no parameters.
HResult CheckProperty(InvokeKind kind, std::span<const Variant> args, bool writable);

// An optional argument that was left out (VT_ERROR DISP_E_PARAMNOTFOUND).
bool IsMissing(const Variant& value) noexcept;
// An argument at index, or a missing one past the end.
const Variant& ArgOrMissing(std::span<const Variant> args, std::size_t index) noexcept;

// Coercions; on failure they return the status VariantChangeType gives
// (DISP_E_TYPEMISMATCH, DISP_E_OVERFLOW) and leave out unchanged.
HResult ToInt(const Variant& value, std::int32_t& out);
HResult ToText(const Variant& value, std::u16string& out);
HResult ToBoolean(const Variant& value, bool& out);
HResult ToDateValue(const Variant& value, Date& out);
// To the given declared type.
HResult CoerceTo(const Variant& value, VarType type, Variant& out);

// Which argument a call refused: each coercion above that fails remembers the
// value it was given (per thread), so that the object's IDispatch can name
// the argument in puArgErr as a type library's Invoke does. Position in
// args, when the last refused value is one of them.
void ForgetRefusedArgument() noexcept;
std::optional<std::size_t> RefusedArgumentIn(std::span<const Variant> args) noexcept;

// Fills exception and returns DISP_E_EXCEPTION.
HResult Raise(ExceptionInfo& exception, std::u16string source, std::u16string description, HResult scode);

}  // namespace simpim
