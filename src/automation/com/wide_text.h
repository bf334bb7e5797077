// NUL-terminated wide text for Windows calls that take LPCWSTR.
#pragma once

#include <string>
#include <string_view>

namespace tarnex::automation::com {

inline std::wstring WideFor(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }

}  // namespace tarnex::automation::com
