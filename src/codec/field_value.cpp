#include "codec/field_value.h"

#include <algorithm>
#include <cstring>

#include "codec/next_byte.h"

namespace tarnex::codec {
namespace {

constexpr char kSoftLineBreakText[] = "=0D=0A=\n";
constexpr std::string_view kSoftLineBreak = kSoftLineBreakText;

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
    std::memcpy(out_ + used_, bytes, fits);
    used_ += fits;
    overflowed_ = overflowed_ || fits < count;
}

// An escape pair or a soft line break: one move when it fits whole.
template <std::size_t N>
void FieldValueWriter::PutWhole(const char (&bytes)[N]) noexcept {
    constexpr std::size_t kCount = N - 1;  // without the literal's zero
    if (room_ - used_ >= kCount) {
        std::memcpy(out_ + used_, bytes, kCount);
        used_ += kCount;
    } else {
        Put(bytes, kCount);
    }
}

// Runs between the bytes that need work are copied whole, straight from
// the piece into the field.
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
    while (i < bytes.size() && !overflowed_) {
        const std::size_t left = bytes.size() - i;
        const std::size_t limit = std::min(left, room_ - used_);
        const std::size_t run = CopyUntilAny<'\0', '\\', ';', '\r'>(bytes.data() + i, limit, out_ + used_);
        used_ += run;
        i += run;
        if (i == bytes.size()) {
            break;
        }
        switch (bytes[i]) {
            case '\0':
                ended_ = true;
                return false;
            case '\\':
                PutWhole("\\\\");
                break;
            case ';':
                PutWhole("\\;");
                break;
            case '\r':
                if (i + 1 == bytes.size()) {
                    pendingReturn_ = true;  // the next piece decides
                } else if (bytes[i + 1] == '\n') {
                    PutWhole(kSoftLineBreakText);
                    ++i;
                } else {
                    Put("\r", 1);
                }
                break;
            default:  // the room ran out before the byte
                overflowed_ = true;
                return false;
        }
        ++i;
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
