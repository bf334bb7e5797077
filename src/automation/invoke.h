// Late binding by DISPID: the three ways the library talks to an automation
// object. Each throws DispatchException or OleStatusFailure when the call
// fails; a null object is an OleStatusFailure (E_POINTER), as calling through
// an empty slot must not crash the host.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "automation/code_page.h"
#include "automation/dispatch_ref.h"
#include "automation/variant.h"

namespace tarnex::automation {

Variant Invoke(const DispatchRef& object, Dispid dispid, InvokeKind kind,
               std::initializer_list<Variant> args = {});

inline Variant Get(const DispatchRef& object, Dispid dispid, std::initializer_list<Variant> args = {}) {
    return Invoke(object, dispid, InvokeKind::Get, args);
}
inline void Put(const DispatchRef& object, Dispid dispid, Variant value) {
    Invoke(object, dispid, InvokeKind::Put, {std::move(value)});
}
inline Variant Call(const DispatchRef& object, Dispid dispid, std::initializer_list<Variant> args = {}) {
    return Invoke(object, dispid, InvokeKind::Method, args);
}

// Typed reads of a property, each one property-get call.
DispatchRef GetDispatch(const DispatchRef& object, Dispid dispid, std::initializer_list<Variant> args = {});
std::string GetText(const DispatchRef& object, Dispid dispid, std::initializer_list<Variant> args = {});
// GetText handing the text to sink as it is converted, without a copy of the
// returned string or a converted string in between.
void GetTextInto(const DispatchRef& object, Dispid dispid, AnsiSink& sink);

// The text of a value already read, as GetText gives it: handed to sink, or
// only whether there is any. A value that is no text converts as the
// runtime converts it to a BSTR, and fails as that conversion fails.
void TextInto(const Variant& value, AnsiSink& sink);
bool HasText(const Variant& value);
// True when two values read give the same text: compared as they stand,
// converted only when a character outside ASCII could make two texts the
// same in the code page.
bool SameText(const Variant& a, const Variant& b);
std::int32_t GetInt(const DispatchRef& object, Dispid dispid, std::initializer_list<Variant> args = {});
bool GetBool(const DispatchRef& object, Dispid dispid);
double GetDate(const DispatchRef& object, Dispid dispid);

// Typed puts; text goes over as a BSTR converted from the active code page.
void PutText(const DispatchRef& object, Dispid dispid, std::string_view ansi);
void PutDate(const DispatchRef& object, Dispid dispid, double date);

// An ANSI text argument as a BSTR variant.
Variant Text(std::string_view ansi);

// Turns an item VARIANT into a dispatch object (VariantCopy, then
// VariantChangeType to VT_DISPATCH). Any failure here is an ordinary
// runtime_error: the host sees the catch-all result.
DispatchRef ItemAsDispatch(const Variant& item);

}  // namespace tarnex::automation
