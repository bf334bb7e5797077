// The one interface through which the library reaches an automation object.
// It has the shape of IDispatch reduced to what late binding by DISPID needs:
// reference counting and Invoke. The COM backend implements it over a real
// IDispatch; the simulated servers implement it directly.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "automation/hresult.h"

namespace tarnex::automation {

class Variant;

using Dispid = std::int32_t;

// What Invoke is asked to do (DISPATCH_PROPERTYGET, DISPATCH_PROPERTYPUT,
// DISPATCH_METHOD).
enum class InvokeKind : std::uint8_t { Get, Put, Method };

// What a server reports with DISP_E_EXCEPTION (the EXCEPINFO we keep).
struct ExceptionInfo {
    std::u16string source;
    std::u16string description;
    HResult scode = 0;
};

class DispatchObject {
public:
    virtual void AddRef() noexcept = 0;
    virtual void Release() noexcept = 0;

    // args are in natural order: args[0] is the first argument. For a put,
    // the last element is the value assigned. On DISP_E_EXCEPTION the server
    // fills *exception. result receives the return value of a get or method.
    virtual HResult Invoke(Dispid dispid, InvokeKind kind, std::span<const Variant> args, Variant& result,
                           ExceptionInfo& exception) = 0;

protected:
    ~DispatchObject() = default;
};

}  // namespace tarnex::automation
