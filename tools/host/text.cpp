#include "text.h"

#include <array>
#include <cstdint>

namespace tarnex_host {

namespace {

// Code page 1252 from 0x80 to 0x9F; the bytes from 0xA0 on are Latin-1.
// Zero marks the five bytes the code page leaves undefined.
constexpr std::array<char16_t, 32> kHigh{0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                         0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                         0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                         0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

char ByteFor(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c < 0x100)) return static_cast<char>(c);
    for (std::size_t k = 0; k < kHigh.size(); ++k)
        if (kHigh[k] != 0 && kHigh[k] == c) return static_cast<char>(0x80 + k);
    return '?';
}

}  // namespace

std::string Utf8FromCodePage(std::string_view text) {
    std::string out;
    for (const char byte : text) {
        const auto b = static_cast<unsigned char>(byte);
        const char32_t c = b < 0x80 || b >= 0xA0 ? b : kHigh[b - 0x80];
        AppendUtf8(out, c != 0 ? c : 0xFFFD);
    }
    return out;
}

std::string CodePageFromUtf8(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t extra = lead < 0x80    ? 0
                                  : lead >= 0xF0 ? 3
                                  : lead >= 0xE0 ? 2
                                  : lead >= 0xC0 ? 1
                                                 : 0;
        char32_t c = extra == 0 ? lead : lead & (0x3F >> extra);
        std::size_t k = 1;
        for (; k <= extra && i + k < text.size() && (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80;
             ++k)
            c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        // A stray or cut sequence is one unknown character.
        if (k <= extra || (extra == 0 && lead >= 0x80)) c = 0xFFFD;
        out += ByteFor(c);
        i += k;
    }
    return out;
}

}  // namespace tarnex_host
