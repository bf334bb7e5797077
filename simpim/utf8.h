// UTF-8 for the simulated servers' texts where they meet files, logs and
// terminals.
#pragma once

#include <string>
#include <string_view>

namespace simpim {

// Appends one code point as UTF-8.
void AppendUtf8(std::string& out, char32_t c);

// UTF-16 as UTF-8; a lone surrogate becomes U+FFFD.
std::string Utf8(std::u16string_view text);

}  // namespace simpim
