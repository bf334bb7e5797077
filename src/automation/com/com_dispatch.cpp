#include "automation/com/com_dispatch.h"

#include <cstdint>
#include <new>

#include "automation/com/exception_info.h"
#include "automation/com/unique_variant.h"

namespace tarnex::automation::com {

namespace {

// puArgErr as the server left it when it named no argument.
constexpr UINT kNoArgument = ~0u;

WORD InvokeFlags(InvokeKind kind) noexcept {
    switch (kind) {
        case InvokeKind::Get:
            return DISPATCH_PROPERTYGET;
        case InvokeKind::Put:
            return DISPATCH_PROPERTYPUT;
        case InvokeKind::Method:
            return DISPATCH_METHOD;
    }
    return DISPATCH_METHOD;
}

class LibraryBridge final : public DispatchBridge {
public:
    HRESULT ToCom(const DispatchRef& object, IDispatch** out) noexcept override {
        *out = nullptr;
        if (!object) return S_OK;
        IDispatch* dispatch = ComDispatch::InterfaceOf(object.Get());
        if (!dispatch) return E_INVALIDARG;
        dispatch->AddRef();
        *out = dispatch;
        return S_OK;
    }
    DispatchRef FromCom(IDispatch* dispatch) override { return ComDispatch::Wrap(dispatch, *this); }
};

}  // namespace

ComDispatch::ComDispatch(IDispatch* dispatch, DispatchBridge& bridge) noexcept
    : dispatch_(ComPtr<IDispatch>::Share(dispatch)), bridge_(&bridge) {}

DispatchRef ComDispatch::Wrap(IDispatch* dispatch, DispatchBridge& bridge) {
    if (!dispatch) return DispatchRef();
    return DispatchRef::Adopt(new ComDispatch(dispatch, bridge));
}

IDispatch* ComDispatch::InterfaceOf(DispatchObject* object) noexcept {
    auto* wrapper = dynamic_cast<ComDispatch*>(object);
    return wrapper ? wrapper->dispatch_.Get() : nullptr;
}

void ComDispatch::AddRef() noexcept { references_.fetch_add(1, std::memory_order_relaxed); }

void ComDispatch::Release() noexcept {
    if (references_.fetch_sub(1, std::memory_order_acq_rel) == 1) delete this;
}

HResult ComDispatch::Invoke(Dispid dispid, InvokeKind kind, std::span<const Variant> args, Variant& result,
                            ExceptionInfo& exception) {
    try {
        VariantArray arguments(args.size());
        for (std::size_t i = 0; i < args.size(); ++i) {
            const HRESULT hr = ToComVariant(args[i], arguments[args.size() - 1 - i], *bridge_);
            if (FAILED(hr)) return hr;
        }
        DISPID putName = DISPID_PROPERTYPUT;
        const bool isPut = kind == InvokeKind::Put;
        DISPPARAMS params{arguments.Data(), isPut ? &putName : nullptr, static_cast<UINT>(arguments.Size()),
                          isPut ? 1u : 0u};

        UniqueVariant returned;
        UniqueExcepInfo info;
        UINT argumentError = kNoArgument;
        const HRESULT hr =
            dispatch_->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, InvokeFlags(kind), &params,
                              isPut ? nullptr : returned.Get(), info.Get(), &argumentError);
        if (hr == DISP_E_EXCEPTION) {
            info.FillIn(exception);
            return hr;
        }
        if ((hr == DISP_E_TYPEMISMATCH || hr == DISP_E_PARAMNOTFOUND) && argumentError < args.size())
            result = Variant(static_cast<std::int32_t>(args.size() - 1 - argumentError));
        if (FAILED(hr)) return hr;
        if (isPut) return S_OK;
        return FromComVariant(*returned.Get(), result, *bridge_);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

DispatchBridge& ClientBridge() noexcept {
    static LibraryBridge bridge;
    return bridge;
}

}  // namespace tarnex::automation::com
