// An owning pointer to a COM interface: Release on destruction or reset, so
// that every reference taken from COM is given back on every path.
#pragma once

#include <windows.h>
#include <objbase.h>

#include <utility>

namespace tarnex::automation::com {

template <typename Interface>
class ComPtr {
public:
    ComPtr() noexcept = default;
    ComPtr(const ComPtr& other) noexcept : pointer_(other.pointer_) {
        if (pointer_) pointer_->AddRef();
    }
    ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
    ComPtr& operator=(ComPtr other) noexcept {
        std::swap(pointer_, other.pointer_);
        return *this;
    }
    ~ComPtr() { Reset(); }

    // Takes over a reference the caller already holds (no AddRef).
    static ComPtr Adopt(Interface* pointer) noexcept {
        ComPtr result;
        result.pointer_ = pointer;
        return result;
    }
    // Takes a reference of its own (AddRef).
    static ComPtr Share(Interface* pointer) noexcept {
        if (pointer) pointer->AddRef();
        return Adopt(pointer);
    }

    void Reset() noexcept {
        if (auto* old = std::exchange(pointer_, nullptr)) old->Release();
    }
    // The address to receive a new reference, for out parameters of COM calls.
    Interface** Put() noexcept {
        Reset();
        return &pointer_;
    }
    void** PutVoid() noexcept { return reinterpret_cast<void**>(Put()); }
    // Hands the reference to the caller, who must Release it.
    [[nodiscard]] Interface* Detach() noexcept { return std::exchange(pointer_, nullptr); }

    Interface* Get() const noexcept { return pointer_; }
    Interface* operator->() const noexcept { return pointer_; }
    explicit operator bool() const noexcept { return pointer_ != nullptr; }

private:
    Interface* pointer_ = nullptr;
};

}  // namespace tarnex::automation::com
