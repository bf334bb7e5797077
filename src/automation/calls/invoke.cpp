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

std::string GetText(const DispatchRef& object, Dispid dispid, std::initializer_list<Variant> args) {
    return WideToAnsi(Get(object, dispid, args).ToBstr());
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
