#include "automation/invoke.h"

#include <cstdint>
#include <cstring>
#include <span>

#include "automation/code_page.h"
#include "automation/failures.h"

namespace tarnex::automation {

Variant Invoke(const DispatchRef& object, Dispid dispid, InvokeKind kind,
               std::initializer_list<Variant> args) {
    if (!object) throw OleStatusFailure(kPointer);
    // The caller's reference keeps the object alive through the call: the
    // library makes one call at a time and a server never calls back into it.
    Variant result;
    ExceptionInfo exception;
    const HResult status = object.Get()->Invoke(
        dispid, kind, std::span<const Variant>(args.begin(), args.size()), result, exception);
    if (Failed(status)) ThrowInvokeFailure(status, exception);
    return result;
}

DispatchRef GetDispatch(const DispatchRef& object, Dispid dispid, std::initializer_list<Variant> args) {
    return Get(object, dispid, args).ToDispatch();
}

// Text is read in place; no character converts to nothing, so the text is
// empty exactly when the converted text is.
namespace {

// TextInto inline, for GetTextInto: most text reads of a record go there.
inline void ConvertTextInto(const Variant& value, AnsiSink& sink) {
    if (const std::u16string* text = value.IfBstr()) {
        if (!text->empty()) WideToAnsiInto(kActiveCodePage, *text, sink);
    } else {
        WideToAnsiInto(kActiveCodePage, value.ToBstr(), sink);
    }
}

}  // namespace

void TextInto(const Variant& value, AnsiSink& sink) { ConvertTextInto(value, sink); }

bool HasText(const Variant& value) {
    if (const std::u16string* text = value.IfBstr()) return !text->empty();
    return !value.ToBstr().empty();
}

namespace {

// Four units a step, then the rest one by one.
bool IsAscii(std::u16string_view text) noexcept {
    constexpr std::uint64_t kAboveAscii = 0xFF80FF80FF80FF80u;
    std::uint64_t any = 0;
    std::size_t i = 0;
    for (; text.size() - i >= 4; i += 4) {
        std::uint64_t units;
        std::memcpy(&units, text.data() + i, sizeof units);
        any |= units;
    }
    for (; i < text.size(); ++i) any |= text[i];
    return (any & kAboveAscii) == 0;
}

}  // namespace

// ASCII is the same bytes in every code page, so two texts of it are the
// same exactly when they are the same characters; any other character may
// become '?' or share its bytes with another.
bool SameText(const Variant& a, const Variant& b) {
    const std::u16string* wideA = a.IfBstr();
    const std::u16string* wideB = b.IfBstr();
    if (wideA == nullptr || wideB == nullptr) {
        return SameText(wideA ? a : Variant(a.ToBstr()), wideB ? b : Variant(b.ToBstr()));
    }
    if (*wideA == *wideB) return true;
    if (IsAscii(*wideA) && IsAscii(*wideB)) return false;
    return WideToAnsi(*wideA) == WideToAnsi(*wideB);
}

std::string GetText(const DispatchRef& object, Dispid dispid, std::initializer_list<Variant> args) {
    const Variant value = Get(object, dispid, args);
    std::string text;
    if (const std::u16string* wide = value.IfBstr()) text.reserve(wide->size());
    StringSink sink(text);
    TextInto(value, sink);
    return text;
}

void GetTextInto(const DispatchRef& object, Dispid dispid, AnsiSink& sink) {
    ConvertTextInto(Get(object, dispid), sink);
}

std::int32_t GetInt(const DispatchRef& object, Dispid dispid, std::initializer_list<Variant> args) {
    return Get(object, dispid, args).ToI4();
}

bool GetBool(const DispatchRef& object, Dispid dispid) { return Get(object, dispid).ToBool(); }

double GetDate(const DispatchRef& object, Dispid dispid) { return Get(object, dispid).ToDate().days; }

void PutText(const DispatchRef& object, Dispid dispid, std::string_view ansi) {
    Put(object, dispid, Text(ansi));
}

void PutDate(const DispatchRef& object, Dispid dispid, double date) {
    Put(object, dispid, Variant(Date{date}));
}

Variant Text(std::string_view ansi) { return Variant(AnsiToWide(ansi)); }

}  // namespace tarnex::automation
