#include "server_dispatch.h"

#include <cstddef>
#include <cstdint>
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
std::atomic<long> objectsServed{0};

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

// DISPATCH_PROPERTYPUTREF alone never reaches here (see Invoke); with
// DISPATCH_PROPERTYPUT it is a put, as a type library matches either kind.
InvokeKind KindOf(WORD flags) noexcept {
    if (flags & DISPATCH_PROPERTYPUT) return InvokeKind::Put;
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

// The two statuses for which Invoke names the argument at fault in puArgErr.
bool NamesAnArgument(HRESULT hr) noexcept { return hr == DISP_E_TYPEMISMATCH || hr == DISP_E_PARAMNOTFOUND; }

void ReportArgument(UINT rgvargIndex, UINT* argumentError) noexcept {
    if (argumentError) *argumentError = rgvargIndex;
}

// Arguments come reversed in DISPPARAMS; a put's value is the named
// DISPID_PROPERTYPUT argument, which is rgvarg[0] and goes last. No member
// has named parameters, so any other named argument is not found.
HRESULT ReadArguments(const DISPPARAMS& params, InvokeKind kind, std::vector<Variant>& args,
                      UINT* argumentError) {
    for (UINT i = 0; i < params.cNamedArgs; ++i) {
        if (kind == InvokeKind::Put && i == 0 && params.rgdispidNamedArgs[0] == DISPID_PROPERTYPUT) continue;
        ReportArgument(i, argumentError);
        return DISP_E_PARAMNOTFOUND;
    }
    if (kind == InvokeKind::Put && params.cNamedArgs == 0) return DISP_E_PARAMNOTOPTIONAL;
    args.resize(params.cArgs);
    for (UINT i = 0; i < params.cArgs; ++i) {
        const HRESULT hr = com::FromComVariant(params.rgvarg[i], args[params.cArgs - 1 - i], ServerBridge());
        if (FAILED(hr)) {
            if (NamesAnArgument(hr)) ReportArgument(i, argumentError);
            return hr;
        }
    }
    return S_OK;
}

}  // namespace

ServerDispatch::ServerDispatch(DispatchRef object) noexcept : object_(std::move(object)) {
    ++liveObjects;
    ++objectsServed;
}

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

// Checked as a type library's Invoke checks a call: IID_NULL only, no
// assignment by reference (every simulated property holds a value), either
// kind when a caller asks for a method or a property get (tried as a method
// first, so such a call appears twice in the server's call log), and the
// refused argument named in puArgErr by its place in rgvarg.
HRESULT ServerDispatch::Invoke(DISPID dispid, REFIID riid, LCID, WORD flags, DISPPARAMS* params,
                               VARIANT* result, EXCEPINFO* exception, UINT* argumentError) {
    if (!IsEqualIID(riid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
    if (!params) return E_POINTER;
    if ((flags & DISPATCH_PROPERTYPUTREF) && !(flags & DISPATCH_PROPERTYPUT)) return DISP_E_MEMBERNOTFOUND;
    try {
        const InvokeKind kind = KindOf(flags);
        std::vector<Variant> args;
        HRESULT hr = ReadArguments(*params, kind, args, argumentError);
        if (FAILED(hr)) return hr;

        Variant returned;
        ExceptionInfo info;
        hr = object_.Get()->Invoke(dispid, kind, args, returned, info);
        if (hr == DISP_E_MEMBERNOTFOUND && kind == InvokeKind::Method && (flags & DISPATCH_PROPERTYGET)) {
            returned = Variant();
            hr = object_.Get()->Invoke(dispid, InvokeKind::Get, args, returned, info);
        }
        if (hr == DISP_E_EXCEPTION) FillExcepInfo(info, exception);
        if (NamesAnArgument(hr)) {
            // The object leaves the refused argument's position as its result.
            const std::int32_t* position = returned.IfI4();
            if (position && *position >= 0 && static_cast<std::size_t>(*position) < args.size())
                ReportArgument(params->cArgs - 1 - static_cast<UINT>(*position), argumentError);
        }
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
long ObjectsServed() noexcept { return objectsServed; }
bool ModuleInUse() noexcept { return liveObjects != 0 || moduleLocks != 0; }
void LockModule() noexcept { ++moduleLocks; }
void UnlockModule() noexcept { --moduleLocks; }

}  // namespace simpim_com
