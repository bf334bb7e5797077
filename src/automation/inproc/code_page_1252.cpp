#include "automation/inproc/code_page_1252.h"

#include <cstdint>

#include "automation/inproc/ansi_pieces.h"
#include "automation/inproc/ascii_blocks.h"

namespace tarnex::automation::inproc {
namespace {

// 0x80-0x9F; the rest of the page is ISO 8859-1. The five bytes the page
// leaves undefined (81, 8D, 8F, 90, 9D) map to the C1 controls of the same
// value, as the system does, so that every byte survives a round trip.
constexpr char16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

constexpr char16_t Decode(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F ? kHigh[byte - 0x80] : byte;
}

// Decode for every byte, so that text decodes by one lookup a byte.
struct DecodeTable {
    char16_t wide[256];
};
constexpr DecodeTable MakeDecodeTable() {
    DecodeTable table{};
    for (unsigned byte = 0; byte < 256; ++byte) table.wide[byte] = Decode(static_cast<unsigned char>(byte));
    return table;
}
constexpr DecodeTable kDecode = MakeDecodeTable();

// The byte for c, or '?' when the page lacks it.
char Encode(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (unsigned i = 0; i < 32; ++i) {
        if (kHigh[i] == c) return static_cast<char>(0x80 + i);
    }
    return '?';
}

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

}  // namespace

// One character per byte, so the text is sized once and written by index:
// appending character by character costs several times the conversion.
std::u16string Cp1252ToWide(std::string_view ansi) {
    std::u16string wide(ansi.size(), u'\0');
    char16_t* out = wide.data();
    std::size_t i = 0;
    while (i < ansi.size()) {
        if (ansi.size() - i >= kAsciiBlock && WidenAsciiBlock(ansi.data() + i, out + i)) {
            i += kAsciiBlock;
            continue;
        }
        out[i] = kDecode.wide[static_cast<unsigned char>(ansi[i])];
        ++i;
    }
    return wide;
}

void WideToCp1252(std::u16string_view wide, AnsiSink& sink) {
    AnsiPieces out(sink);
    std::size_t i = 0;
    while (i < wide.size()) {
        if (!out.MakeRoom()) return;
        if (const std::size_t ascii = out.PutAscii(wide.data() + i, wide.size() - i); ascii != 0) {
            i += ascii;
            continue;
        }
        // A character outside the BMP is one character: one '?'.
        if (IsHighSurrogate(wide[i]) && i + 1 < wide.size() && IsLowSurrogate(wide[i + 1])) ++i;
        out.Put(Encode(wide[i]));
        ++i;
    }
    out.Flush();
}

}  // namespace tarnex::automation::inproc
