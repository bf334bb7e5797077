// Text crosses the host interface as single- or double-byte ANSI text in the
// active code page and automation as UTF-16. These are the only conversions.
// Characters the code page lacks become '?', as WideCharToMultiByte does.
#pragma once

#include <string>
#include <string_view>

namespace tarnex::automation {

std::u16string AnsiToWide(std::string_view ansi);
std::string WideToAnsi(std::u16string_view wide);

// True when byte starts a two-byte character in the active code page.
bool IsAnsiLeadByte(unsigned char byte) noexcept;

}  // namespace tarnex::automation
