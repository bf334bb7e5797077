#include "automation/inproc/code_page_932.h"

#include <cstdint>
#include <memory>

#include "automation/inproc/ansi_pieces.h"
#include "automation/inproc/ascii_blocks.h"

namespace tarnex::automation::inproc {
namespace {

#include "automation/inproc/cp932_table.inc"

constexpr unsigned char kTrailFirst = 0x40;
constexpr unsigned char kTrailLast = 0xFC;
// What the system gives for a well-formed pair the page leaves undefined:
// the page's default character, KATAKANA MIDDLE DOT.
constexpr char16_t kDefaultWide = 0x30FB;
// A lead byte without a trail byte (see automation/code_page.h).
constexpr char16_t kBrokenLead = u'?';

bool IsTrailByte(unsigned char byte) { return byte >= kTrailFirst && byte <= kTrailLast && byte != 0x7F; }

int RowOf(unsigned char lead) { return lead <= 0x9F ? lead - 0x81 : lead - 0xE0 + (0x9F - 0x81 + 1); }

char16_t DecodeSingle(unsigned char byte) {
    if (byte <= 0x80) return byte;  // ASCII, and 0x80 as U+0080
    if (byte >= 0xA1 && byte <= 0xDF)
        return static_cast<char16_t>(0xFF61 + (byte - 0xA1));  // half-width katakana
    if (byte == 0xA0) return 0xF8F0;
    return static_cast<char16_t>(0xF8F1 + (byte - 0xFD));  // 0xFD-0xFF
}

// Character to its bytes (one byte in the low half, or lead << 8 | trail);
// 0 when the page lacks it. Built once from the decoding table.
class EncodeTable {
public:
    EncodeTable() : codes_(std::make_unique<std::uint16_t[]>(0x10000)) {
        for (unsigned byte = 0x01; byte <= 0xFF; ++byte) {
            if (!IsCp932LeadByte(static_cast<unsigned char>(byte))) {
                codes_[DecodeSingle(static_cast<unsigned char>(byte))] = static_cast<std::uint16_t>(byte);
            }
        }
        for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
            if (!IsCp932LeadByte(static_cast<unsigned char>(lead))) continue;
            const auto& row = kCp932Rows[RowOf(static_cast<unsigned char>(lead))];
            for (unsigned trail = kTrailFirst; trail <= kTrailLast; ++trail) {
                const char16_t c = row[trail - kTrailFirst];
                // The first pair wins; the overrides below settle the rest.
                if (c != 0 && codes_[c] == 0) codes_[c] = static_cast<std::uint16_t>(lead << 8 | trail);
            }
        }
        for (const auto& entry : kCp932EncodeOverrides) codes_[entry.character] = entry.pair;
    }
    std::uint16_t operator[](char16_t c) const { return codes_[c]; }

private:
    std::unique_ptr<std::uint16_t[]> codes_;
};

const EncodeTable& Encoder() {
    static const EncodeTable table;
    return table;
}

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

}  // namespace

bool IsCp932LeadByte(unsigned char byte) noexcept {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// A lead byte followed by a trail byte is one character, or the default
// character when the pair is undefined. A lead byte without a trail byte
// (at the end, or before a byte that cannot trail) becomes '?' on its own
// and the next byte is read afresh.
std::u16string Cp932ToWide(std::string_view ansi) {
    // At most one character per byte: sized once, written by index, cut to
    // what was written (appending character by character costs several
    // times the conversion).
    std::u16string wide(ansi.size(), u'\0');
    char16_t* out = wide.data();
    std::size_t written = 0;
    for (std::size_t i = 0; i < ansi.size(); ++i) {
        if (ansi.size() - i >= kAsciiBlock && WidenAsciiBlock(ansi.data() + i, out + written)) {
            i += kAsciiBlock - 1;
            written += kAsciiBlock;
            continue;
        }
        const auto byte = static_cast<unsigned char>(ansi[i]);
        if (!IsCp932LeadByte(byte)) {
            out[written++] = DecodeSingle(byte);
            continue;
        }
        const auto trail = i + 1 < ansi.size() ? static_cast<unsigned char>(ansi[i + 1]) : 0;
        if (!IsTrailByte(trail)) {
            out[written++] = kBrokenLead;
            continue;
        }
        const char16_t c = kCp932Rows[RowOf(byte)][trail - kTrailFirst];
        out[written++] = c != 0 ? c : kDefaultWide;
        ++i;
    }
    wide.resize(written);
    return wide;
}

void WideToCp932(std::u16string_view wide, AnsiSink& sink) {
    const EncodeTable& encoder = Encoder();
    AnsiPieces out(sink);
    std::size_t i = 0;
    while (i < wide.size()) {
        if (!out.MakeRoom()) return;
        if (const std::size_t ascii = out.PutAscii(wide.data() + i, wide.size() - i); ascii != 0) {
            i += ascii;
            continue;
        }
        const char16_t c = wide[i];
        // A character outside the BMP is one character: one '?'.
        if (IsHighSurrogate(c) && i + 1 < wide.size() && IsLowSurrogate(wide[i + 1])) ++i;
        const std::uint16_t code = IsHighSurrogate(c) ? 0 : encoder[c];
        if (code == 0) {
            out.Put('?');
        } else if (code > 0xFF) {
            out.Put(static_cast<char>(code >> 8));
            out.Put(static_cast<char>(code & 0xFF));
        } else {
            out.Put(static_cast<char>(code));
        }
        ++i;
    }
    out.Flush();
}

}  // namespace tarnex::automation::inproc
