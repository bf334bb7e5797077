#include "codec/body_text.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "codec/byte_scan.h"

namespace tarnex::codec {

namespace {
constexpr std::string_view kEncodedLineBreak = "=0D=0A";
constexpr std::string_view kBodyEnd = "END:VBODY";

// Lines of text, with room to spare: blocks of 16 bytes without "E" or CR
// copied whole, the CR LF ending a line turned into LF on the way. Stops
// before anything else (an "E", a lone CR, a CR ending the piece) and where
// less than a block of text or of room is left. Returns the new position.
std::size_t CopyLines(const char* in, std::size_t count, std::size_t i, char*& out,
                      const char* end) noexcept {
    const char* const stop = in + count;
    for (;;) {
        const std::size_t span = std::min(count - i, static_cast<std::size_t>(end - out));
        if (span < kByteBlock) return i;
        const char* from = in + i;
        // The last block that fits. The output never runs ahead of the text
        // (a CR LF becomes one byte), so a block read at or before it also
        // fits in the room, line after line.
        const char* const last = from + (span - kByteBlock);
        do {
            const unsigned mask = MatchMask<'\r', 'E'>(from);
            if (mask == 0) {
                std::memcpy(out, from, kByteBlock);
                out += kByteBlock;
                from += kByteBlock;
                continue;
            }
            const auto at = static_cast<std::size_t>(std::countr_zero(mask));
            CopyShort(out, from, at);
            out += at;
            from += at;
            if (*from != '\r' || stop - from < 2 || from[1] != '\n') return static_cast<std::size_t>(from - in);
            *out++ = '\n';
            from += 2;
        } while (from <= last);
        i = static_cast<std::size_t>(from - in);
    }
}

}  // namespace

bool HasEncodedLineBreak(std::string_view body) noexcept {
    return body.find(kEncodedLineBreak) != std::string_view::npos;
}

std::string DecodeLineBreaks(std::string_view body) {
    std::string out;
    out.reserve(body.size());
    std::size_t from = 0;
    for (std::size_t at; (at = body.find(kEncodedLineBreak, from)) != std::string_view::npos;
         from = at + kEncodedLineBreak.size()) {
        out.append(body.substr(from, at - from));
        out.push_back('\n');
    }
    out.append(body.substr(from));
    return out;
}

void MessageBodyWriter::Emit(std::string_view bytes) noexcept {
    if (size_ == 0) return;
    const std::size_t fits = std::min(bytes.size(), size_ - 1 - used_);
    std::memcpy(field_ + used_, bytes.data(), fits);
    used_ += fits;
}

void MessageBodyWriter::EmitByte(char byte) noexcept {
    if (used_ + 1 < size_) field_[used_++] = byte;
}

// What the last piece left open: a CR whose LF may come now, or the start
// of "END:VBODY". That start holds no other "E" and no CR, so on a mismatch
// it goes on as it is and the byte that did not match is read afresh.
std::size_t MessageBodyWriter::Settle(std::string_view bytes) noexcept {
    std::size_t i = 0;
    while (i < bytes.size() && (pendingReturn_ || held_ > 0)) {
        if (pendingReturn_) {
            pendingReturn_ = false;
            if (bytes[i] == '\n') {
                Emit("\n");
                ++i;
            } else {
                Emit("\r");
            }
        } else if (bytes[i] == kBodyEnd[held_]) {
            ++i;
            if (++held_ == kBodyEnd.size()) {
                Emit("/");
                Emit(kBodyEnd);
                held_ = 0;
            }
        } else {
            Emit(kBodyEnd.substr(0, held_));
            held_ = 0;
        }
    }
    return i;
}

bool MessageBodyWriter::Take(std::string_view bytes) noexcept {
    if (size_ == 0 || used_ == size_ - 1) return false;
    std::size_t i = Settle(bytes);
    const char* in = bytes.data();
    const std::size_t count = bytes.size();
    // The field's end less its zero; kept in locals while the piece runs.
    char* const end = field_ + size_ - 1;
    char* out = field_ + used_;
    while (i < count && out < end) {
        i = CopyLines(in, count, i, out, end);
        if (i == count || out == end) break;
        // Runs without "E" or CR go on whole, straight into the field.
        const auto room = static_cast<std::size_t>(end - out);
        const std::size_t run = CopyUntilAny<'\r', 'E'>(in + i, std::min(count - i, room), out);
        out += run;
        i += run;
        if (i == count || run == room) break;
        if (in[i] == '\r') {
            if (i + 1 == count) {
                pendingReturn_ = true;
                ++i;
            } else if (in[i + 1] == '\n') {
                *out++ = '\n';
                i += 2;
            } else {
                *out++ = '\r';
                ++i;
            }
            continue;
        }
        used_ = static_cast<std::size_t>(out - field_);
        const std::size_t available = std::min(kBodyEnd.size(), count - i);
        if (bytes.substr(i, available) != kBodyEnd.substr(0, available)) {
            EmitByte('E');
            ++i;
        } else if (available == kBodyEnd.size()) {
            Emit("/");
            Emit(kBodyEnd);
            i += available;
        } else {
            held_ = available;  // the next piece decides
            i = count;
        }
        out = field_ + used_;
    }
    used_ = static_cast<std::size_t>(out - field_);
    return out < end;
}

void MessageBodyWriter::Finish() noexcept {
    if (pendingReturn_) Emit("\r");
    if (held_ > 0) Emit(kBodyEnd.substr(0, held_));
    pendingReturn_ = false;
    held_ = 0;
    if (size_ != 0) field_[used_] = '\0';
}

std::string MessageBodyText(std::string_view body) {
    // Only "END:VBODY" grows, by one byte in nine.
    std::string text(body.size() + body.size() / 9 + 2, '\0');
    MessageBodyWriter writer(text.data(), text.size());
    writer.Take(body);
    writer.Finish();
    text.resize(writer.Size());
    return text;
}

}  // namespace tarnex::codec
