// Text between the records and the outside world: records hold text in the
// active ANSI code page (1252, the in-process backend's default), files and
// terminals take UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace tarnex_host {

std::string Utf8FromCodePage(std::string_view text);
// Characters code page 1252 lacks become "?".
std::string CodePageFromUtf8(std::string_view text);

}  // namespace tarnex_host
