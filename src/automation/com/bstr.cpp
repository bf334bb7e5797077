#include "automation/com/bstr.h"

#include <cstring>

namespace tarnex::automation::com {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows wide text is UTF-16");

BSTR AllocBstr(std::u16string_view text) noexcept {
    BSTR bstr = SysAllocStringLen(nullptr, static_cast<UINT>(text.size()));
    if (bstr && !text.empty()) std::memcpy(bstr, text.data(), text.size() * sizeof(char16_t));
    return bstr;
}

std::u16string BstrText(BSTR bstr) {
    std::u16string text(SysStringLen(bstr), u'\0');
    if (!text.empty()) std::memcpy(text.data(), bstr, text.size() * sizeof(char16_t));
    return text;
}

}  // namespace tarnex::automation::com
