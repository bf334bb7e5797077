// Scripted COM objects for the adapters' tests: an IDispatch that keeps what
// the last Invoke received and answers with a prepared VARIANT or a deferred
// exception, and an object without IDispatch, which no member can take and
// no result can carry. Both count their references.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <type_traits>
#include <vector>

namespace windows_test {

// v, given the type; its value is the caller's to set.
inline VARIANT& Typed(VARIANT& v, VARTYPE type) {
    V_VT(&v) = type;
    return v;
}

// object, with one more reference for the caller to hand on.
template <class T>
T* Shared(T* object) {
    object->AddRef();
    return object;
}

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
template <class Interface>
class Counted : public Interface {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
        const bool known = IsEqualIID(riid, IID_IUnknown) ||
                           (std::is_same_v<Interface, IDispatch> && IsEqualIID(riid, IID_IDispatch));
        *object = known ? static_cast<Interface*>(this) : nullptr;
        if (!known) return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references); }
    ULONG STDMETHODCALLTYPE Release() override { return InterlockedDecrement(&references); }
    LONG references = 1;
};

class UnknownOnly final : public Counted<IUnknown> {};

class FakeDispatch final : public Counted<IDispatch> {
public:
    FakeDispatch() { VariantInit(&answer); }
    ~FakeDispatch() {
        VariantClear(&answer);
        for (VARIANT& arg : args) VariantClear(&arg);
    }
    FakeDispatch(const FakeDispatch&) = delete;
    FakeDispatch& operator=(const FakeDispatch&) = delete;

    // What the last Invoke received (arguments copied in DISPPARAMS order).
    DISPID dispid = 0;
    WORD flags = 0;
    std::vector<VARIANT> args;
    std::vector<DISPID> namedArgs;
    bool askedForResult = false;

    // What Invoke answers: answer (copied into the result) or, when
    // exceptionDescription is set, DISP_E_EXCEPTION filled in on demand.
    VARIANT answer;
    HRESULT status = S_OK;
    const wchar_t* exceptionDescription = nullptr;
    WORD exceptionCode = 0;

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD invokeFlags, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO* exception, UINT*) override {
        dispid = id;
        flags = invokeFlags;
        for (VARIANT& arg : args) VariantClear(&arg);
        args.assign(params->cArgs, VARIANT{});
        for (UINT i = 0; i < params->cArgs; ++i) VariantCopy(&args[i], &params->rgvarg[i]);
        namedArgs.assign(params->rgdispidNamedArgs, params->rgdispidNamedArgs + params->cNamedArgs);
        askedForResult = result != nullptr;
        if (exceptionDescription) {
            pendingDescription = exceptionDescription;
            exception->wCode = exceptionCode;
            exception->pfnDeferredFillIn = &FillIn;
            return DISP_E_EXCEPTION;
        }
        if (SUCCEEDED(status) && result) VariantCopy(result, &answer);
        return status;
    }

private:
    // The deferred fill-in: the description arrives only through it.
    static inline const wchar_t* pendingDescription = nullptr;
    static HRESULT __stdcall FillIn(EXCEPINFO* info) {
        info->bstrDescription = SysAllocString(pendingDescription);
        info->bstrSource = SysAllocString(L"Fake");
        return S_OK;
    }
};
#pragma GCC diagnostic pop

}  // namespace windows_test
