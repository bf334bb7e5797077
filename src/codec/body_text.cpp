#include "codec/body_text.h"

#include <algorithm>
#include <cstring>

#include "codec/next_byte.h"

namespace tarnex::codec {

namespace {
constexpr std::string_view kEncodedLineBreak = "=0D=0A";
constexpr std::string_view kBodyEnd = "END:VBODY";
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
    codec::NextByte endStart('E', bytes), carriageReturn('\r', bytes);
    while (i < bytes.size() && used_ < size_ - 1) {
        // Runs without "E" or CR go on whole.
        const std::size_t next = std::min(endStart.At(i), carriageReturn.At(i));
        Emit(bytes.substr(i, next - i));
        if (next == bytes.size()) break;
        if (bytes[next] == '\r') {
            if (next + 1 == bytes.size()) {
                pendingReturn_ = true;
            } else if (bytes[next + 1] == '\n') {
                EmitByte('\n');
                i = next + 2;
                continue;
            } else {
                EmitByte('\r');
            }
            i = next + 1;
            continue;
        }
        const std::size_t available = std::min(kBodyEnd.size(), bytes.size() - next);
        if (bytes.substr(next, available) != kBodyEnd.substr(0, available)) {
            EmitByte('E');
            i = next + 1;
        } else if (available == kBodyEnd.size()) {
            Emit("/");
            Emit(kBodyEnd);
            i = next + available;
        } else {
            held_ = available;  // the next piece decides
            i = bytes.size();
        }
    }
    return used_ < size_ - 1;
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
