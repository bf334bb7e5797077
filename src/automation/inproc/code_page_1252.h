// Windows-1252 (Western European), the in-process backend's default page.
#pragma once

#include <string>
#include <string_view>

namespace tarnex::automation::inproc {

std::u16string Cp1252ToWide(std::string_view ansi);
std::string WideToCp1252(std::u16string_view wide);

}  // namespace tarnex::automation::inproc
