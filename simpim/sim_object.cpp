#include "simpim/sim_object.h"

#include <cstdint>
#include <new>
#include <stdexcept>

#include "simpim/arguments_text.h"
#include "simpim/call_args.h"

namespace simpim {

SimObject::SimObject(std::shared_ptr<HookState> hooks, std::string_view kindName, std::string instance)
    : hooks_(std::move(hooks)), kindName_(kindName), instance_(std::move(instance)) {
    hooks_->ObjectCreated();
}

SimObject::~SimObject() { hooks_->ObjectDestroyed(); }

void SimObject::AddRef() noexcept {
    ++references_;
    hooks_->ReferenceAdded();
}

void SimObject::Release() noexcept {
    hooks_->ReferenceDropped();
    DropReference();
}

void SimObject::DropReference() noexcept {
    if (--references_ != 0) return;
    hooks_->OnReleased(kindName_, instance_);
    delete this;
}

HResult SimObject::Invoke(Dispid dispid, InvokeKind kind, std::span<const Variant> args, Variant& result,
                          ExceptionInfo& exception) {
    // Keep the object alive while it runs, even if the call drops the last
    // outside reference. Not counted as an outside reference.
    ++references_;
    struct Hold {
        SimObject* self;
        ~Hold() { self->DropReference(); }
    } hold{this};

    auto fault = hooks_->OnCall(kindName_, instance_, dispid, kind, ArgumentsText(args));
    const std::int64_t call = hooks_->CallNumber();
    if (fault && fault->kind != Fault::Kind::NotAnObject) {
        switch (fault->kind) {
            case Fault::Kind::DispatchException:
                exception = ExceptionInfo{u"Simulated server", fault->description, fault->status};
                return tarnex::automation::kDispException;
            case Fault::Kind::OleStatus:
                return fault->status;
#if defined(_WIN32)
            // On Windows these objects are reached only through COM, from
            // another module (the COM server DLL or the relay), and no C++
            // exception may cross a module: 32-bit mingw's unwinder cannot
            // even find the frames of another module. So the object answers
            // as a COM server answers such failures.
            case Fault::Kind::OutOfMemory:
                return tarnex::automation::kOutOfMemory;
            case Fault::Kind::CppFailure:
                return tarnex::automation::kFail;
#else
            case Fault::Kind::OutOfMemory:
                throw std::bad_alloc();
            case Fault::Kind::CppFailure:
                throw std::runtime_error("simulated server failure");
#endif
            case Fault::Kind::NotAnObject:
                break;
        }
    }
    ForgetRefusedArgument();
    const HResult hr = Call(dispid, kind, args, result, exception);
    hooks_->OnResult(call, hr == tarnex::automation::kOk && result.IfDispatch());
    // A server that answers with nothing where it should give an object.
    if (fault && hr == tarnex::automation::kOk && result.IfDispatch()) result = Variant();
    if (hr == tarnex::automation::kDispTypeMismatch || hr == tarnex::automation::kDispParamNotFound) {
        if (const auto position = RefusedArgumentIn(args))
            result = Variant(static_cast<std::int32_t>(*position));
    }
    return hr;
}

}  // namespace simpim
