// An owning BSTR (SysFreeString on destruction) and the conversions between
// BSTR and the UTF-16 text of our Variant.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <string>
#include <string_view>
#include <utility>

namespace tarnex::automation::com {

class UniqueBstr {
public:
    UniqueBstr() noexcept = default;
    explicit UniqueBstr(BSTR adopted) noexcept : bstr_(adopted) {}
    UniqueBstr(const UniqueBstr&) = delete;
    UniqueBstr& operator=(const UniqueBstr&) = delete;
    UniqueBstr(UniqueBstr&& other) noexcept : bstr_(std::exchange(other.bstr_, nullptr)) {}
    UniqueBstr& operator=(UniqueBstr&& other) noexcept {
        Reset(std::exchange(other.bstr_, nullptr));
        return *this;
    }
    ~UniqueBstr() { Reset(); }

    void Reset(BSTR adopted = nullptr) noexcept {
        if (auto* old = std::exchange(bstr_, adopted)) SysFreeString(old);
    }
    BSTR* Put() noexcept {
        Reset();
        return &bstr_;
    }
    [[nodiscard]] BSTR Detach() noexcept { return std::exchange(bstr_, nullptr); }
    BSTR Get() const noexcept { return bstr_; }

private:
    BSTR bstr_ = nullptr;
};

// A new BSTR holding text (embedded zeros kept); null when memory runs out.
BSTR AllocBstr(std::u16string_view text) noexcept;

// The text of a BSTR by its length prefix; a null BSTR is the empty text.
std::u16string BstrText(BSTR bstr);

}  // namespace tarnex::automation::com
