// Our DispatchObject over a real IDispatch: every call the library makes on
// an automation object crosses to COM here.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <atomic>

#include "automation/com/com_ptr.h"
#include "automation/com/variant_marshal.h"
#include "automation/dispatch_object.h"
#include "automation/dispatch_ref.h"
#include "automation/variant.h"

namespace tarnex::automation::com {

class ComDispatch final : public DispatchObject {
public:
    // Our object for dispatch (which keeps a reference of its own); dispatch
    // values of results and arguments go through bridge. Throws bad_alloc.
    static DispatchRef Wrap(IDispatch* dispatch, DispatchBridge& bridge);

    // The IDispatch behind object when it is a ComDispatch, else null.
    static IDispatch* InterfaceOf(DispatchObject* object) noexcept;

    void AddRef() noexcept override;
    void Release() noexcept override;

    // Arguments go reversed into DISPPARAMS; a put names its value
    // DISPID_PROPERTYPUT. DISP_E_EXCEPTION fills exception (after the
    // server's deferred fill-in, if it has one). When the server names the
    // argument it refused (puArgErr on DISP_E_TYPEMISMATCH or
    // DISP_E_PARAMNOTFOUND), result holds its position in args as an I4, so
    // that a relay serving this object can name it in turn.
    HResult Invoke(Dispid dispid, InvokeKind kind, std::span<const Variant> args, Variant& result,
                   ExceptionInfo& exception) override;

private:
    ComDispatch(IDispatch* dispatch, DispatchBridge& bridge) noexcept;
    ~ComDispatch() = default;

    std::atomic<unsigned long> references_{1};
    ComPtr<IDispatch> dispatch_;
    DispatchBridge* bridge_;
};

// The library's side: a ComDispatch hands back its own IDispatch, and every
// IDispatch from a server is wrapped in a ComDispatch. An object that did not
// come from COM cannot be passed to a server (E_INVALIDARG).
DispatchBridge& ClientBridge() noexcept;

}  // namespace tarnex::automation::com
