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
    while (i < bytes.size() && used_ < size_ - 1) {
        // Runs without "E" or CR go on whole, straight into the field.
        const std::size_t limit = std::min(bytes.size() - i, size_ - 1 - used_);
        const std::size_t run = CopyUntilAny<'E', '\r'>(bytes.data() + i, limit, field_ + used_);
        used_ += run;
        i += run;
        if (run == limit) continue;  // the piece ended or the field is full
        if (bytes[i] == '\r') {
            if (i + 1 == bytes.size()) {
                pendingReturn_ = true;
            } else if (bytes[i + 1] == '\n') {
                Emit("\n");
                i += 2;
                continue;
            } else {
                Emit("\r");
            }
            ++i;
            continue;
        }
        const std::size_t available = std::min(kBodyEnd.size(), bytes.size() - i);
        if (bytes.compare(i, available, kBodyEnd.substr(0, available)) != 0) {
            Emit("E");
            ++i;
        } else if (available == kBodyEnd.size()) {
            Emit("/");
            Emit(kBodyEnd);
            i += available;
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
