// The simulated servers over real COM: an IDispatch whose Invoke hands each
// call to one of our DispatchObjects (a simpim object, or in the relay a
// ComDispatch forwarding to another process). VARIANTs become our Variants
// on the way in and back on the way out; DISP_E_EXCEPTION fills EXCEPINFO.
// An object that refuses an argument (DISP_E_TYPEMISMATCH, DISP_E_PARAMNOTFOUND)
// may leave the argument's position in args as its I4 result: Invoke turns
// it into puArgErr.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <atomic>

#include "automation/com/variant_marshal.h"
#include "automation/dispatch_ref.h"

namespace simpim_com {

using tarnex::automation::DispatchRef;

// COM interfaces have no virtual destructor: objects delete themselves in Release.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
class ServerDispatch final : public IDispatch {
public:
    // A new IDispatch (one reference, the caller's) standing for object.
    static IDispatch* Create(DispatchRef object);
    // The object behind dispatch when it is one of ours, else null.
    static DispatchRef ObjectOf(IDispatch* dispatch);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* dispids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID dispid, REFIID riid, LCID locale, WORD flags, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO* exception, UINT* argumentError) override;

private:
    explicit ServerDispatch(DispatchRef object) noexcept;
    virtual ~ServerDispatch();

    std::atomic<ULONG> references_{1};
    DispatchRef object_;
};
#pragma GCC diagnostic pop

// The servers' side of a dispatch value: our own IDispatch gives back its
// object (so a folder passed back to Move is the folder itself), a
// ComDispatch its interface, and any other object is served anew.
tarnex::automation::com::DispatchBridge& ServerBridge() noexcept;

// Server objects alive now (each IDispatch handed out and not yet released).
long LiveObjects() noexcept;
// Objects handed out since the server started: a server that hands out
// objects is busy even when none is alive at the moment it looks.
long ObjectsServed() noexcept;
// Objects alive or class factories locked: DllCanUnloadNow says no.
bool ModuleInUse() noexcept;
void LockModule() noexcept;
void UnlockModule() noexcept;

}  // namespace simpim_com
