// Code page 932 (Japanese Shift-JIS with the system's extensions): one byte
// for ASCII and half-width katakana, two for everything else.
#pragma once

#include <string>
#include <string_view>

#include "automation/code_page.h"

namespace tarnex::automation::inproc {

bool IsCp932LeadByte(unsigned char byte) noexcept;
std::u16string Cp932ToWide(std::string_view ansi);
void WideToCp932(std::u16string_view wide, AnsiSink& sink);

}  // namespace tarnex::automation::inproc
