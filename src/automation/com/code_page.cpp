// The active ANSI code page of Windows (CP_ACP) through the system's own
// tables, with the system's defaults changed where automation/code_page.h
// says so: no best fit, one '?' per character outside the BMP, and a stray
// lead byte that never swallows the byte behind it.
#include "automation/code_page.h"

#include <windows.h>

#include <limits>
#include <stdexcept>

namespace tarnex::automation {
namespace {

int CheckedLength(std::size_t size) {
    if (size > static_cast<std::size_t>((std::numeric_limits<int>::max)()))
        throw std::length_error("text too long");
    return static_cast<int>(size);
}

UINT Resolve(std::uint32_t codePage) { return codePage == kActiveCodePage ? GetACP() : codePage; }

// UTF-7 and UTF-8 (possible as the active code page on current Windows)
// encode every character and refuse both a default character and
// WC_NO_BEST_FIT_CHARS.
bool IsUnicodePage(UINT page) { return page == CP_UTF7 || page == CP_UTF8; }

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Appends wide to out for WideCharToMultiByte: a surrogate pair the page
// cannot hold, and any lone surrogate, as one '?' each, so that the
// system's one default character per UTF-16 unit becomes one per
// character. Returns the units of wide used: a pair is never split.
template <class Out>
std::size_t PremapSurrogates(std::u16string_view wide, bool keepPairs, Out& out) {
    std::size_t i = 0;
    for (; i < wide.size() && !out.Full(); ++i) {
        const char16_t c = wide[i];
        const bool pair = IsHighSurrogate(c) && i + 1 < wide.size() && IsLowSurrogate(wide[i + 1]);
        if (pair && keepPairs) {
            out.Put(static_cast<wchar_t>(c));
            out.Put(static_cast<wchar_t>(wide[++i]));
        } else if (pair || IsHighSurrogate(c) || IsLowSurrogate(c)) {
            if (pair) ++i;
            out.Put(L'?');
        } else {
            out.Put(static_cast<wchar_t>(c));
        }
    }
    return i;
}

// The wide side of one piece: a few KB of units on the stack, room for a
// surrogate pair always left.
class WidePiece {
public:
    bool Full() const noexcept { return used_ + 2 > kUnits; }
    void Put(wchar_t c) noexcept { units_[used_++] = c; }
    const wchar_t* Data() const noexcept { return units_; }
    int Size() const noexcept { return static_cast<int>(used_); }

    static constexpr std::size_t kUnits = 1024;

private:
    wchar_t units_[kUnits];
    std::size_t used_ = 0;
};

// The whole text at once, for the stateful UTF-7.
class WideWhole {
public:
    bool Full() const noexcept { return false; }
    void Put(wchar_t c) { units_ += c; }
    const wchar_t* Data() const noexcept { return units_.data(); }
    int Size() const { return CheckedLength(units_.size()); }

private:
    std::wstring units_;
};

int ToAnsi(UINT page, const wchar_t* wide, int wideLength, char* ansi, int ansiLength) {
    static const char kDefaultChar[] = "?";
    const bool unicode = IsUnicodePage(page);
    return WideCharToMultiByte(page, unicode ? 0 : WC_NO_BEST_FIT_CHARS, wide, wideLength, ansi, ansiLength,
                               unicode ? nullptr : kDefaultChar, nullptr);
}

bool IsDoubleBytePage(UINT page) {
    CPINFO info;
    if (!GetCPInfo(page, &info)) throw std::invalid_argument("code page not installed");
    return info.MaxCharSize == 2;
}

// The bytes that can follow a lead byte in the system's double-byte pages;
// for a page not listed, any byte but the ASCII controls, digits and
// punctuation below '@', DEL and 0xFF.
bool IsTrailByte(UINT page, unsigned char b) {
    switch (page) {
        case 932:
            return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC);
        case 936:
            return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFE);
        case 949:
            return (b >= 0x41 && b <= 0x5A) || (b >= 0x61 && b <= 0x7A) || (b >= 0x81 && b <= 0xFE);
        case 950:
            return (b >= 0x40 && b <= 0x7E) || (b >= 0xA1 && b <= 0xFE);
        default:
            return b >= 0x40 && b != 0x7F && b != 0xFF;
    }
}

// Appends the characters of a run with no broken pair in it.
void AppendRun(UINT page, std::string_view ansi, std::u16string& wide) {
    if (ansi.empty()) return;
    const int ansiLength = CheckedLength(ansi.size());
    const int length = MultiByteToWideChar(page, 0, ansi.data(), ansiLength, nullptr, 0);
    if (length <= 0) return;
    std::wstring run(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(page, 0, ansi.data(), ansiLength, run.data(), length);
    wide.append(run.begin(), run.end());
}

}  // namespace

std::u16string AnsiToWideIn(std::uint32_t codePage, std::string_view ansi) {
    const UINT page = Resolve(codePage);
    std::u16string wide;
    if (!IsDoubleBytePage(page)) {
        AppendRun(page, ansi, wide);
        return wide;
    }
    // The system would take a lead byte and whatever follows it as a pair:
    // convert run by run, a stray lead byte between two runs as '?'.
    std::size_t runStart = 0;
    for (std::size_t i = 0; i < ansi.size(); ++i) {
        if (!IsDBCSLeadByteEx(page, static_cast<BYTE>(ansi[i]))) continue;
        if (i + 1 < ansi.size() && IsTrailByte(page, static_cast<unsigned char>(ansi[i + 1]))) {
            ++i;
            continue;
        }
        AppendRun(page, ansi.substr(runStart, i - runStart), wide);
        wide += u'?';
        runStart = i + 1;
    }
    AppendRun(page, ansi.substr(runStart), wide);
    return wide;
}

void WideToAnsiInto(std::uint32_t codePage, std::u16string_view wide, AnsiSink& sink) {
    if (wide.empty()) return;
    const UINT page = Resolve(codePage);
    const bool unicode = IsUnicodePage(page);
    if (page == CP_UTF7) {
        // Its shift sequences span the text: converted whole.
        WideWhole whole;
        PremapSurrogates(wide, unicode, whole);
        const int length = ToAnsi(page, whole.Data(), whole.Size(), nullptr, 0);
        if (length <= 0) return;
        std::string ansi(static_cast<std::size_t>(length), '\0');
        ToAnsi(page, whole.Data(), whole.Size(), ansi.data(), length);
        sink.Take(ansi);
        return;
    }
    // A unit becomes at most four bytes (a UTF-8 pair of two units, four).
    char ansi[WidePiece::kUnits * 4];
    while (!wide.empty()) {
        WidePiece piece;
        wide.remove_prefix(PremapSurrogates(wide, unicode, piece));
        const int length = ToAnsi(page, piece.Data(), piece.Size(), ansi, static_cast<int>(sizeof ansi));
        if (length > 0 && !sink.Take(std::string_view(ansi, static_cast<std::size_t>(length)))) return;
    }
}

std::string WideToAnsiIn(std::uint32_t codePage, std::u16string_view wide) {
    std::string ansi;
    ansi.reserve(wide.size());
    StringSink sink(ansi);
    WideToAnsiInto(codePage, wide, sink);
    return ansi;
}

std::u16string AnsiToWide(std::string_view ansi) { return AnsiToWideIn(kActiveCodePage, ansi); }

std::string WideToAnsi(std::u16string_view wide) { return WideToAnsiIn(kActiveCodePage, wide); }

bool IsAnsiLeadByte(unsigned char byte) noexcept { return IsDBCSLeadByte(byte) != FALSE; }

// The active code page cannot change while the process runs.
const LeadByteTable& AnsiLeadBytes() noexcept {
    static const LeadByteTable table = [] {
        LeadByteTable lead;
        for (unsigned byte = 0; byte < 256; ++byte) {
            lead.lead[byte] = IsAnsiLeadByte(static_cast<unsigned char>(byte));
            lead.any = lead.any || lead.lead[byte];
        }
        return lead;
    }();
    return table;
}

}  // namespace tarnex::automation
