#include "server_dispatch.h"

#include <new>
#include <vector>

#include "automation/com/bstr.h"
#include "automation/com/com_dispatch.h"
#include "automation/com/unique_variant.h"
#include "automation/variant.h"

namespace simpim_com {

namespace com = tarnex::automation::com;
using tarnex::automation::ExceptionInfo;
using tarnex::automation::InvokeKind;
using tarnex::automation::Variant;

namespace {

// Asked by ObjectOf: answers with the ServerDispatch itself, no reference.
// {B27E62ED-9969-4E43-8DE0-6AC1B522AA99}
constexpr IID kServerDispatchIdentity = {
    0xb27e62ed, 0x9969, 0x4e43, {0x8d, 0xe0, 0x6a, 0xc1, 0xb5, 0x22, 0xaa, 0x99}};

std::atomic<long> liveObjects{0};

class Bridge final : public com::DispatchBridge {
public:
    HRESULT ToCom(const DispatchRef& object, IDispatch** out) noexcept override {
        *out = nullptr;
        if (!object) return S_OK;
        if (IDispatch* foreign = com::ComDispatch::InterfaceOf(object.Get())) {
            foreign->AddRef();
            *out = foreign;
            return S_OK;
        }
        try {
            *out = ServerDispatch::Create(object);
            return S_OK;
        } catch (const std::bad_alloc&) {
            return E_OUTOFMEMORY;
        }
    }
    DispatchRef FromCom(IDispatch* dispatch) override {
        if (DispatchRef own = ServerDispatch::ObjectOf(dispatch)) return own;
        return com::ComDispatch::Wrap(dispatch, *this);
    }
};

InvokeKind KindOf(WORD flags) noexcept {
    if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) return InvokeKind::Put;
    if (flags & DISPATCH_METHOD) return InvokeKind::Method;
    return InvokeKind::Get;
}

void FillExcepInfo(const ExceptionInfo& from, EXCEPINFO* to) noexcept {
    if (!to) return;
    *to = EXCEPINFO{};
    to->bstrSource = com::AllocBstr(from.source);
    to->bstrDescription = com::AllocBstr(from.description);
    to->scode = from.scode != 0 ? from.scode : DISP_E_EXCEPTION;
}

// Arguments come reversed in DISPPARAMS; a put's value is the named
// DISPID_PROPERTYPUT argument, which is rgvarg[0] and goes last.
HRESULT ReadArguments(const DISPPARAMS& params, InvokeKind kind, std::vector<Variant>& args) {
    const UINT named = params.cNamedArgs;
    if (kind == InvokeKind::Put) {
        if (named != 1 || params.rgdispidNamedArgs[0] != DISPID_PROPERTYPUT) return DISP_E_PARAMNOTOPTIONAL;
    } else if (named != 0) {
        return DISP_E_NONAMEDARGS;
    }
    args.resize(params.cArgs);
    for (UINT i = 0; i < params.cArgs; ++i) {
        const HRESULT hr = com::FromComVariant(params.rgvarg[i], args[params.cArgs - 1 - i], ServerBridge());
        if (FAILED(hr)) return hr;
    }
    return S_OK;
}

}  // namespace

ServerDispatch::ServerDispatch(DispatchRef object) noexcept : object_(std::move(object)) { ++liveObjects; }

ServerDispatch::~ServerDispatch() { --liveObjects; }

IDispatch* ServerDispatch::Create(DispatchRef object) { return new ServerDispatch(std::move(object)); }

DispatchRef ServerDispatch::ObjectOf(IDispatch* dispatch) {
    void* own = nullptr;
    if (!dispatch || FAILED(dispatch->QueryInterface(kServerDispatchIdentity, &own))) return DispatchRef();
    return static_cast<ServerDispatch*>(own)->object_;
}

HRESULT ServerDispatch::QueryInterface(REFIID riid, void** object) {
    if (!object) return E_POINTER;
    if (IsEqualIID(riid, kServerDispatchIdentity)) {
        *object = this;
        return S_OK;
    }
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch)) {
        *object = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG ServerDispatch::AddRef() { return ++references_; }

ULONG ServerDispatch::Release() {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
}

HRESULT ServerDispatch::GetTypeInfoCount(UINT* count) {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT ServerDispatch::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info) *info = nullptr;
    return E_NOTIMPL;
}

// The simulated servers are driven by DISPID only, as the library drives them.
HRESULT ServerDispatch::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }

HRESULT ServerDispatch::Invoke(DISPID dispid, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                               EXCEPINFO* exception, UINT*) {
    if (!params) return E_POINTER;
    try {
        const InvokeKind kind = KindOf(flags);
        std::vector<Variant> args;
        HRESULT hr = ReadArguments(*params, kind, args);
        if (FAILED(hr)) return hr;

        Variant returned;
        ExceptionInfo info;
        hr = object_.Get()->Invoke(dispid, kind, args, returned, info);
        if (hr == DISP_E_EXCEPTION) FillExcepInfo(info, exception);
        if (FAILED(hr) || !result) return hr;
        com::UniqueVariant converted;
        const HRESULT converting = com::ToComVariant(returned, *converted.Get(), ServerBridge());
        if (FAILED(converting)) return converting;
        *result = *converted.Get();
        V_VT(converted.Get()) = VT_EMPTY;  // ownership moved to result
        return hr;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        // An exception cannot cross COM: the caller sees a plain failure.
        return E_FAIL;
    }
}

com::DispatchBridge& ServerBridge() noexcept {
    static Bridge bridge;
    return bridge;
}

namespace {
std::atomic<long> moduleLocks{0};
}

long LiveObjects() noexcept { return liveObjects; }
bool ModuleInUse() noexcept { return liveObjects != 0 || moduleLocks != 0; }
void LockModule() noexcept { ++moduleLocks; }
void UnlockModule() noexcept { --moduleLocks; }

}  // namespace simpim_com
