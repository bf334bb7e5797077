#include "automation/invoke.h"

#include <span>

#include "automation/code_page.h"
#include "automation/failures.h"

namespace tarnex::automation {

Variant Invoke(const DispatchRef& object, Dispid dispid, InvokeKind kind,
               std::initializer_list<Variant> args) {
    if (!object) throw OleStatusFailure(kPointer);
    // The call holds a reference of its own: a server may drop the caller's
    // last one from inside Invoke.
    const DispatchRef target = object;
    Variant result;
    ExceptionInfo exception;
    const HResult status = target.Get()->Invoke(
        dispid, kind, std::span<const Variant>(args.begin(), args.size()), result, exception);
    if (Failed(status)) ThrowInvokeFailure(status, exception);
    return result;
}

DispatchRef GetDispatch(const DispatchRef& object, Dispid dispid, std::initializer_list<Variant> args) {
    return Get(object, dispid, args).ToDispatch();
}

// Text is read in place; no character converts to nothing, so the text is
// empty exactly when the converted text is.
void TextInto(const Variant& value, AnsiSink& sink) {
    if (const std::u16string* text = value.IfBstr()) {
        WideToAnsiInto(kActiveCodePage, *text, sink);
    } else {
        WideToAnsiInto(kActiveCodePage, value.ToBstr(), sink);
    }
}

bool HasText(const Variant& value) {
    if (const std::u16string* text = value.IfBstr()) return !text->empty();
    return !value.ToBstr().empty();
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
    TextInto(Get(object, dispid), sink);
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
