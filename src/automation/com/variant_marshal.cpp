#include "automation/com/variant_marshal.h"

#include <cstdint>
#include <new>
#include <utility>

#include "automation/com/bstr.h"
#include "automation/com/com_ptr.h"
#include "automation/com/unique_variant.h"

namespace tarnex::automation::com {

namespace {

// Converts source, a type we do not carry, to wanted; the converted value
// goes through FromComVariant again.
HRESULT FromChangedVariant(const VARIANT& source, VARTYPE wanted, Variant& value, DispatchBridge& bridge) {
    UniqueVariant changed;
    HRESULT hr = VariantChangeType(changed.Get(), const_cast<VARIANT*>(&source), 0, wanted);
    if (FAILED(hr)) return hr;
    return FromComVariant(*changed.Get(), value, bridge);
}

// An integer of any width: I4 when it fits, else the nearest R8 (checked
// here rather than left to VariantChangeType, whose implementations differ).
template <typename Integer>
void FromInteger(Integer number, Variant& value) {
    if (std::in_range<std::int32_t>(number))
        value = Variant(static_cast<std::int32_t>(number));
    else
        value = Variant(static_cast<double>(number));
}

HRESULT FromUnknown(IUnknown* unknown, Variant& value, DispatchBridge& bridge) {
    if (!unknown) {
        value = Variant(DispatchRef());
        return S_OK;
    }
    ComPtr<IDispatch> dispatch;
    if (FAILED(unknown->QueryInterface(IID_IDispatch, dispatch.PutVoid()))) return DISP_E_TYPEMISMATCH;
    value = Variant(bridge.FromCom(dispatch.Get()));
    return S_OK;
}

HRESULT FromDirectVariant(const VARIANT& source, Variant& value, DispatchBridge& bridge) {
    switch (V_VT(&source)) {
        case VT_EMPTY:
        case VT_NULL:
            value = Variant();
            return S_OK;
        case VT_I4:
            value = Variant(static_cast<std::int32_t>(V_I4(&source)));
            return S_OK;
        case VT_BOOL:
            value = Variant(V_BOOL(&source) != VARIANT_FALSE);
            return S_OK;
        case VT_R8:
            value = Variant(V_R8(&source));
            return S_OK;
        case VT_DATE:
            value = Variant(Date{V_DATE(&source)});
            return S_OK;
        case VT_BSTR:
            value = Variant(BstrText(V_BSTR(&source)));
            return S_OK;
        case VT_DISPATCH:
            value = Variant(bridge.FromCom(V_DISPATCH(&source)));
            return S_OK;
        case VT_UNKNOWN:
            return FromUnknown(V_UNKNOWN(&source), value, bridge);
        case VT_ERROR:
            value = Variant(ErrorCode{static_cast<HResult>(V_ERROR(&source))});
            return S_OK;
        case VT_I1:
            FromInteger(static_cast<signed char>(V_I1(&source)), value);
            return S_OK;
        case VT_I2:
            FromInteger(V_I2(&source), value);
            return S_OK;
        case VT_UI1:
            FromInteger(V_UI1(&source), value);
            return S_OK;
        case VT_UI2:
            FromInteger(V_UI2(&source), value);
            return S_OK;
        case VT_UI4:
            FromInteger(V_UI4(&source), value);
            return S_OK;
        case VT_INT:
            FromInteger(V_INT(&source), value);
            return S_OK;
        case VT_UINT:
            FromInteger(V_UINT(&source), value);
            return S_OK;
        case VT_I8:
            FromInteger(V_I8(&source), value);
            return S_OK;
        case VT_UI8:
            FromInteger(V_UI8(&source), value);
            return S_OK;
        case VT_R4:
        case VT_CY:
        case VT_DECIMAL:
            return FromChangedVariant(source, VT_R8, value, bridge);
        default:
            return DISP_E_BADVARTYPE;
    }
}

}  // namespace

HRESULT ToComVariant(const Variant& value, VARIANT& target, DispatchBridge& bridge) noexcept {
    if (const std::int32_t* number = value.IfI4()) {
        V_VT(&target) = VT_I4;
        V_I4(&target) = *number;
    } else if (const bool* flag = value.IfBool()) {
        V_VT(&target) = VT_BOOL;
        V_BOOL(&target) = *flag ? VARIANT_TRUE : VARIANT_FALSE;
    } else if (const double* real = value.IfR8()) {
        V_VT(&target) = VT_R8;
        V_R8(&target) = *real;
    } else if (const Date* date = value.IfDate()) {
        V_VT(&target) = VT_DATE;
        V_DATE(&target) = date->days;
    } else if (const std::u16string* text = value.IfBstr()) {
        BSTR bstr = AllocBstr(*text);
        if (!bstr) return E_OUTOFMEMORY;
        V_VT(&target) = VT_BSTR;
        V_BSTR(&target) = bstr;
    } else if (const DispatchRef* object = value.IfDispatch()) {
        IDispatch* dispatch = nullptr;
        const HRESULT hr = bridge.ToCom(*object, &dispatch);
        if (FAILED(hr)) return hr;
        V_VT(&target) = VT_DISPATCH;
        V_DISPATCH(&target) = dispatch;
    } else if (const ErrorCode* error = value.IfError()) {
        V_VT(&target) = VT_ERROR;
        V_ERROR(&target) = error->code;
    } else {
        V_VT(&target) = VT_EMPTY;
    }
    return S_OK;
}

HRESULT FromComVariant(const VARIANT& source, Variant& value, DispatchBridge& bridge) noexcept {
    try {
        if ((V_VT(&source) & VT_BYREF) == 0) return FromDirectVariant(source, value, bridge);
        UniqueVariant direct;
        const HRESULT hr = VariantCopyInd(direct.Get(), const_cast<VARIANT*>(&source));
        if (FAILED(hr)) return hr;
        return FromDirectVariant(*direct.Get(), value, bridge);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

}  // namespace tarnex::automation::com
