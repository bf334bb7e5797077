// The one quoted-printable trace a body keeps: AppendFieldValue writes each
// CR LF of a body as "=0D=0A=" and a line feed, the readers mark such a body
// for the host, and the writers turn "=0D=0A" back into a line feed.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "automation/code_page.h"

namespace tarnex::codec {

// The body's parameter text when it holds an encoded line break.
inline constexpr std::string_view kQuotedPrintable = "ENCODING=QUOTED-PRINTABLE";

// True when the stored body holds "=0D=0A" anywhere.
bool HasEncodedLineBreak(std::string_view body) noexcept;

// The body with each "=0D=0A" replaced by one line feed, left to right. Nothing
// else is decoded: the "=" and line feed of a soft break, other "=XX"
// sequences and "\" escapes stay as they are.
std::string DecodeLineBreaks(std::string_view body);

// A mail body as the record carries it: each "END:VBODY" as "/END:VBODY",
// so that no line of it closes the host's body object, then each CR LF as
// LF. A lone CR stays.
std::string MessageBodyText(std::string_view body);

// MessageBodyText for a body that arrives in pieces, written straight into
// a field of size bytes and cut to fit with its zero, as CopyText cuts.
// Finish writes what the last piece left undecided and the zero.
class MessageBodyWriter final : public automation::AnsiSink {
public:
    MessageBodyWriter(char* field, std::size_t size) noexcept : field_(field), size_(size) {}

    bool Take(std::string_view bytes) noexcept override;
    void Finish() noexcept;
    std::size_t Size() const noexcept { return used_; }

private:
    void Emit(std::string_view bytes) noexcept;
    void EmitByte(char byte) noexcept;
    std::size_t Settle(std::string_view bytes) noexcept;

    char* field_;
    std::size_t size_;
    std::size_t used_ = 0;
    std::size_t held_ = 0;  // bytes of "END:VBODY" matched at the last piece's end
    bool pendingReturn_ = false;
};

}  // namespace tarnex::codec
