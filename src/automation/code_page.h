// Text crosses the host interface as single- or double-byte ANSI text in the
// active code page and automation as UTF-16. These are the only conversions.
//
// Both backends convert the same way, whatever the system's defaults:
// - A character the code page lacks becomes one '?', never a "best fit"
//   look-alike: best fit silently changes names ("Łodź" would become "Lodz")
//   and can turn a harmless character into a separator or a path character
//   ('/', '\\') that the value codec or the PIM then reads as such.
// - A character outside the BMP is one character: its surrogate pair becomes
//   one '?', as does a surrogate without its partner.
// - Reading a double-byte page, a lead byte followed by a byte that cannot
//   trail becomes '?' and the next byte is read on its own, so an ASCII ';'
//   or '\\' behind a stray lead byte is never swallowed. A lead byte at the
//   end of the text becomes '?'. A well-formed pair the page leaves undefined
//   reads as the page's default character (U+30FB in 932), as the system
//   reads it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tarnex::automation {

std::u16string AnsiToWide(std::string_view ansi);
std::string WideToAnsi(std::u16string_view wide);

// True when byte starts a two-byte character in the active code page.
bool IsAnsiLeadByte(unsigned char byte) noexcept;

// The lead bytes of the active code page as one table, built once per code
// page; any is false for a single-byte page.
struct LeadByteTable {
    bool any = false;
    bool lead[256] = {};
};
const LeadByteTable& AnsiLeadBytes() noexcept;

// Takes converted text piece by piece, so that a reader can put it where it
// belongs (a record field) without a string in between.
class AnsiSink {
public:
    // The next bytes of the text; a piece never ends inside a character.
    // Returns false when the sink wants no more: the conversion stops.
    virtual bool Take(std::string_view bytes) = 0;

protected:
    ~AnsiSink() = default;
};

// The conversions above with the code page named: kActiveCodePage (what the
// functions above use) or a page number. The active code page cannot change
// inside a process, so tests reach 1252 and 932 through these on every
// backend. The in-process backend knows 1252 and 932 only and throws
// std::invalid_argument for any other page.
inline constexpr std::uint32_t kActiveCodePage = 0;  // CP_ACP
std::u16string AnsiToWideIn(std::uint32_t codePage, std::string_view ansi);
std::string WideToAnsiIn(std::uint32_t codePage, std::u16string_view wide);

// WideToAnsiIn handing the text to sink in pieces (a few KB at most) as it
// is converted, until the text ends or the sink wants no more. The pieces
// joined are WideToAnsiIn's text.
void WideToAnsiInto(std::uint32_t codePage, std::u16string_view wide, AnsiSink& sink);

// A sink that appends every piece to a string.
class StringSink final : public AnsiSink {
public:
    explicit StringSink(std::string& text) noexcept : text_(text) {}
    bool Take(std::string_view bytes) override {
        text_.append(bytes);
        return true;
    }

private:
    std::string& text_;
};

}  // namespace tarnex::automation
