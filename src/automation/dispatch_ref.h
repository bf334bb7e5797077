// An owning reference to an automation object: AddRef on copy, Release on
// destruction or reassignment, so that every reference the library takes is
// given back on every path.
#pragma once

#include <utility>

#include "automation/dispatch_object.h"

namespace tarnex::automation {

class DispatchRef {
public:
    DispatchRef() noexcept = default;
    DispatchRef(std::nullptr_t) noexcept {}

    // Takes over a reference the caller already holds (no AddRef).
    static DispatchRef Adopt(DispatchObject* object) noexcept {
        DispatchRef ref;
        ref.object_ = object;
        return ref;
    }
    // Takes a new reference of its own (AddRef).
    static DispatchRef Share(DispatchObject* object) noexcept {
        if (object) object->AddRef();
        return Adopt(object);
    }

    DispatchRef(const DispatchRef& other) noexcept : object_(other.object_) {
        if (object_) object_->AddRef();
    }
    DispatchRef(DispatchRef&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    DispatchRef& operator=(DispatchRef other) noexcept {
        std::swap(object_, other.object_);
        return *this;
    }
    ~DispatchRef() { Reset(); }

    void Reset() noexcept {
        if (auto* old = std::exchange(object_, nullptr)) old->Release();
    }
    // Hands the reference to the caller, who must Release it.
    [[nodiscard]] DispatchObject* Detach() noexcept { return std::exchange(object_, nullptr); }

    DispatchObject* Get() const noexcept { return object_; }
    explicit operator bool() const noexcept { return object_ != nullptr; }

    friend bool operator==(const DispatchRef& a, const DispatchRef& b) noexcept {
        return a.object_ == b.object_;
    }

private:
    DispatchObject* object_ = nullptr;
};

}  // namespace tarnex::automation
