// The in-process backend's stand-in for the system's active ANSI code page.
#pragma once

#include <cstdint>

namespace tarnex::automation::inproc {

// 1252 (the default) or 932. Returns false, changing nothing, for any other.
bool SelectCodePage(std::uint32_t codePage) noexcept;
std::uint32_t ActiveCodePage() noexcept;

}  // namespace tarnex::automation::inproc
