// The base of every simulated automation object: a real reference count,
// and an Invoke that records the call and applies injected faults before the
// object's own member dispatch runs.
#pragma once

#include <memory>
#include <span>
#include <string_view>
#include <utility>

#include "automation/dispatch_ref.h"
#include "simpim/server_hooks.h"

namespace simpim {

using tarnex::automation::DispatchObject;
using tarnex::automation::DispatchRef;

class SimObject : public DispatchObject {
public:
    SimObject(const SimObject&) = delete;
    SimObject& operator=(const SimObject&) = delete;

    void AddRef() noexcept final;
    void Release() noexcept final;
    // A call that refuses one of its arguments (DISP_E_TYPEMISMATCH or
    // DISP_E_PARAMNOTFOUND) leaves that argument's position in args as the
    // I4 result, for the object's IDispatch to report in puArgErr.
    HResult Invoke(Dispid dispid, InvokeKind kind, std::span<const Variant> args, Variant& result,
                   ExceptionInfo& exception) final;

    // The object kind as it appears in the call log.
    std::string_view KindName() const noexcept { return kindName_; }

protected:
    // instance tells objects of one kind apart in the call log (a folder's
    // name); empty for most.
    SimObject(std::shared_ptr<HookState> hooks, std::string_view kindName, std::string instance = {});
    virtual ~SimObject();

    // The object's own members. Called with the call already logged.
    virtual HResult Call(Dispid dispid, InvokeKind kind, std::span<const Variant> args, Variant& result,
                         ExceptionInfo& exception) = 0;

    const std::shared_ptr<HookState>& Hooks() const noexcept { return hooks_; }

private:
    void DropReference() noexcept;

    std::shared_ptr<HookState> hooks_;
    std::string_view kindName_;
    std::string instance_;
    long references_ = 0;
};

// A new object handed out with one reference, as a COM server returns one.
template <class T, class... Args>
DispatchRef NewObject(Args&&... args) {
    auto* object = new T(std::forward<Args>(args)...);
    object->AddRef();
    return DispatchRef::Adopt(object);
}

// The simulated object behind a dispatch reference, if it is one of type T.
template <class T>
T* As(const Variant& value) {
    const DispatchRef* ref = value.IfDispatch();
    return ref ? dynamic_cast<T*>(ref->Get()) : nullptr;
}

}  // namespace simpim
