// Our Variant to a real VARIANT and back, for both sides of IDispatch: the
// library calling a server, and the simulated servers answering over COM.
// A dispatch value needs a side-specific answer (which object stands for
// which), so it goes through a DispatchBridge.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include "automation/variant.h"

namespace tarnex::automation::com {

class DispatchBridge {
public:
    // A new IDispatch reference standing for object; null for an empty one.
    virtual HRESULT ToCom(const DispatchRef& object, IDispatch** out) noexcept = 0;
    // Our object standing for dispatch (null for null). May throw bad_alloc.
    virtual DispatchRef FromCom(IDispatch* dispatch) = 0;

protected:
    ~DispatchBridge() = default;
};

// Writes value into target, which must be empty (VT_EMPTY, nothing owned).
HRESULT ToComVariant(const Variant& value, VARIANT& target, DispatchBridge& bridge) noexcept;

// Reads source into value. Types we do not carry become the nearest one that
// we do: integers of every width VT_I4 (VT_R8 when they do not fit), VT_R4,
// VT_CY and VT_DECIMAL VT_R8 by VariantChangeType, VT_NULL empty,
// VT_UNKNOWN its IDispatch. Arrays and records are DISP_E_BADVARTYPE.
HRESULT FromComVariant(const VARIANT& source, Variant& value, DispatchBridge& bridge) noexcept;

}  // namespace tarnex::automation::com
