// A scriptable automation object that counts its references and records the
// last call, for the automation layer's own tests.
#pragma once

#include <vector>

#include "automation/dispatch_object.h"
#include "automation/variant.h"

namespace tarnex::automation::testing {

class FakeDispatch final : public DispatchObject {
public:
    void AddRef() noexcept override { ++references; }
    void Release() noexcept override { --references; }
    HResult Invoke(Dispid, InvokeKind kind, std::span<const Variant> args, Variant& result,
                   ExceptionInfo& exception) override {
        lastKind = kind;
        lastArgs.assign(args.begin(), args.end());
        if (Failed(status)) {
            exception = raised;
            return status;
        }
        result = returns;
        return status;
    }

    // Held by whoever created the object; a test ends where it began.
    long references = 1;
    InvokeKind lastKind = InvokeKind::Get;
    std::vector<Variant> lastArgs;

    HResult status = kOk;
    ExceptionInfo raised;
    Variant returns;
};

}  // namespace tarnex::automation::testing
