// Windows-1252 (Western European), the in-process backend's default page.
#pragma once

#include <string>
#include <string_view>

#include "automation/code_page.h"

namespace tarnex::automation::inproc {

std::u16string Cp1252ToWide(std::string_view ansi);
void WideToCp1252(std::u16string_view wide, AnsiSink& sink);

}  // namespace tarnex::automation::inproc
