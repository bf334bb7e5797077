#include "codec/field_value.h"

#include <algorithm>
#include <cstring>

#include "codec/next_byte.h"

namespace tarnex::codec {
namespace {

constexpr std::string_view kSoftLineBreak = "=0D=0A=\n";

// The length of the longest prefix of the room's bytes (the escaped text
// went on past them) that does not end between the two bytes of a
// double-byte character. The walk starts at the beginning because a trail
// byte can have the value of a lead byte.
std::size_t CutBeforeSplitCharacter(const char* text, std::size_t room) noexcept {
    const automation::LeadByteTable& lead = automation::AnsiLeadBytes();
    if (!lead.any) {
        return room;  // a single-byte code page: any cut is whole characters
    }
    std::size_t i = 0;
    while (i < room) {
        if (lead.lead[static_cast<unsigned char>(text[i])]) {
            if (i + 1 == room) {
                break;  // its trail byte did not fit: drop the lead byte too
            }
            i += 2;
        } else {
            ++i;
        }
    }
    return i;
}

}  // namespace

bool FieldValueWriter::Begin() noexcept {
    state_ = State::Done;  // unless there is room below
    if (field_ == nullptr || fieldSize_ <= 0) {
        return false;
    }
    const auto size = static_cast<std::size_t>(fieldSize_);
    const void* zero = std::memchr(field_, '\0', size);
    if (zero == nullptr) {
        field_[size - 1] = '\0';
        return false;
    }
    const auto length = static_cast<std::size_t>(static_cast<const char*>(zero) - field_);
    const std::size_t reserved = appendSeparator_ ? 2 : 1;  // separator and zero
    if (size - length < reserved) {
        return false;  // full: not even the separator fits
    }
    out_ = field_ + length;
    room_ = size - length - reserved;
    state_ = State::Writing;
    return true;
}

void FieldValueWriter::Put(const char* bytes, std::size_t count) noexcept {
    const std::size_t fits = std::min(count, room_ - used_);
    if (fits <= 8) {
        // An escape pair or a short run: not worth a call.
        for (std::size_t k = 0; k < fits; ++k) out_[used_ + k] = bytes[k];
    } else {
        std::memcpy(out_ + used_, bytes, fits);
    }
    used_ += fits;
    overflowed_ = overflowed_ || fits < count;
}

// Runs between the bytes that need work are copied whole.
bool FieldValueWriter::Escape(std::string_view bytes) noexcept {
    std::size_t i = 0;
    if (pendingReturn_) {
        pendingReturn_ = false;
        if (!bytes.empty() && bytes[0] == '\n') {
            Put(kSoftLineBreak.data(), kSoftLineBreak.size());
            i = 1;
        } else {
            Put("\r", 1);  // a lone carriage return passes unchanged
        }
    }
    NextByte zero('\0', bytes), backslash('\\', bytes), semicolon(';', bytes), carriageReturn('\r', bytes);
    while (i < bytes.size() && !overflowed_) {
        const std::size_t next =
            std::min({zero.At(i), backslash.At(i), semicolon.At(i), carriageReturn.At(i)});
        Put(bytes.data() + i, next - i);
        if (next == bytes.size() || overflowed_) {
            break;
        }
        switch (bytes[next]) {
            case '\0':
                ended_ = true;
                return false;
            case '\\':
                Put("\\\\", 2);
                break;
            case ';':
                Put("\\;", 2);
                break;
            default:  // '\r'
                if (next + 1 == bytes.size()) {
                    pendingReturn_ = true;  // the next piece decides
                } else if (bytes[next + 1] == '\n') {
                    Put(kSoftLineBreak.data(), kSoftLineBreak.size());
                    i = next + 2;
                    continue;
                } else {
                    Put("\r", 1);
                }
        }
        i = next + 1;
    }
    return !overflowed_;
}

bool FieldValueWriter::Take(std::string_view bytes) noexcept {
    if (state_ == State::NotBegun && !Begin()) {
        return false;
    }
    if (state_ != State::Writing || overflowed_ || ended_) {
        return false;
    }
    return Escape(bytes);
}

void FieldValueWriter::Finish() noexcept {
    if (state_ == State::NotBegun && !Begin()) {
        return;
    }
    if (state_ != State::Writing) {
        return;
    }
    state_ = State::Done;
    if (pendingReturn_ && !overflowed_) {
        Put("\r", 1);
    }
    char* end = out_ + (overflowed_ ? CutBeforeSplitCharacter(out_, room_) : used_);
    if (appendSeparator_) {
        *end++ = ';';
    }
    *end = '\0';
}

void AppendFieldValue(char* field, std::string_view value, std::int32_t fieldSize, bool appendSeparator) {
    FieldValueWriter writer(field, fieldSize, appendSeparator);
    writer.Take(value);
    writer.Finish();
}

}  // namespace tarnex::codec
