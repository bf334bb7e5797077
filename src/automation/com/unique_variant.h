// Owning VARIANTs: VariantInit on creation, VariantClear on destruction, so
// that every BSTR and interface a VARIANT carries is freed on every path.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <cstddef>
#include <vector>

namespace tarnex::automation::com {

class UniqueVariant {
public:
    UniqueVariant() noexcept { VariantInit(&variant_); }
    UniqueVariant(const UniqueVariant&) = delete;
    UniqueVariant& operator=(const UniqueVariant&) = delete;
    ~UniqueVariant() { VariantClear(&variant_); }

    VARIANT* Get() noexcept { return &variant_; }
    const VARIANT* Get() const noexcept { return &variant_; }
    // Clears the held value and hands the VARIANT out for a COM call to fill.
    VARIANT* Put() noexcept {
        VariantClear(&variant_);
        return &variant_;
    }

private:
    VARIANT variant_;
};

// The argument array of DISPPARAMS, each element owned.
class VariantArray {
public:
    explicit VariantArray(std::size_t size) : variants_(size) {
        for (VARIANT& v : variants_) VariantInit(&v);
    }
    VariantArray(const VariantArray&) = delete;
    VariantArray& operator=(const VariantArray&) = delete;
    ~VariantArray() {
        for (VARIANT& v : variants_) VariantClear(&v);
    }

    VARIANT& operator[](std::size_t index) noexcept { return variants_[index]; }
    VARIANT* Data() noexcept { return variants_.empty() ? nullptr : variants_.data(); }
    std::size_t Size() const noexcept { return variants_.size(); }

private:
    std::vector<VARIANT> variants_;
};

}  // namespace tarnex::automation::com
