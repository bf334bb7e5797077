#include "fake_dispatch.h"

namespace windows_test {

namespace {

// The fake's deferred fill-in: the description arrives only through it.
const wchar_t* pendingDescription = nullptr;

HRESULT __stdcall FillIn(EXCEPINFO* info) {
    info->bstrDescription = SysAllocString(pendingDescription);
    info->bstrSource = SysAllocString(L"Fake");
    return S_OK;
}

}  // namespace

FakeDispatch::FakeDispatch() { VariantInit(&answer); }

FakeDispatch::~FakeDispatch() {
    VariantClear(&answer);
    for (VARIANT& arg : args) VariantClear(&arg);
}

HRESULT FakeDispatch::QueryInterface(REFIID riid, void** object) {
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch)) {
        *object = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

HRESULT FakeDispatch::GetTypeInfoCount(UINT* count) {
    *count = 0;
    return S_OK;
}

HRESULT FakeDispatch::Invoke(DISPID id, REFIID, LCID, WORD invokeFlags, DISPPARAMS* params, VARIANT* result,
                             EXCEPINFO* exception, UINT*) {
    dispid = id;
    flags = invokeFlags;
    for (VARIANT& arg : args) VariantClear(&arg);
    args.assign(params->cArgs, VARIANT{});
    for (UINT i = 0; i < params->cArgs; ++i) {
        VariantInit(&args[i]);
        VariantCopy(&args[i], &params->rgvarg[i]);
    }
    namedArgs.assign(params->rgdispidNamedArgs, params->rgdispidNamedArgs + params->cNamedArgs);
    askedForResult = result != nullptr;
    if (exceptionDescription) {
        pendingDescription = exceptionDescription;
        exception->wCode = exceptionCode;
        exception->pfnDeferredFillIn = &FillIn;
        return DISP_E_EXCEPTION;
    }
    if (FAILED(status)) return status;
    if (result) VariantCopy(result, &answer);
    return status;
}

}  // namespace windows_test
