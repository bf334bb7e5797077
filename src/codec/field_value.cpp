#include "codec/field_value.h"

#include <algorithm>
#include <cstring>

#include "codec/byte_scan.h"

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

inline bool FieldValueWriter::Begin() noexcept {
    state_ = State::Done;  // unless there is room below
    if (field_ == nullptr || fieldSize_ <= 0) {
        return false;
    }
    const auto size = static_cast<std::size_t>(fieldSize_);
    // Most values go into an empty field.
    const void* zero = field_[0] == '\0' ? field_ : std::memchr(field_, '\0', size);
    if (zero == nullptr) {
        field_[size - 1] = '\0';
        return false;
    }
    const auto length = static_cast<std::size_t>(static_cast<const char*>(zero) - field_);
    const std::size_t reserved = appendSeparator_ ? 2 : 1;  // separator and zero
    if (size - length < reserved) {
        return false;  // full: not even the separator fits
    }
    start_ = field_ + length;
    next_ = start_;
    end_ = start_ + (size - length - reserved);
    state_ = State::Writing;
    return true;
}

namespace {

// The write position while a piece is escaped, kept in locals: a store
// through char* could alias the writer's members, which would then be read
// again after every byte written.
struct Cursor {
    char* next;
    char* end;
    bool overflowed = false;

    void Put(const char* bytes, std::size_t count) noexcept {
        const std::size_t fits = std::min(count, static_cast<std::size_t>(end - next));
        std::memcpy(next, bytes, fits);
        next += fits;
        overflowed = overflowed || fits < count;
    }
    // An escape pair or a soft line break: one move when it fits whole.
    template <std::size_t N>
    void PutWhole(const char (&bytes)[N]) noexcept {
        constexpr std::size_t kCount = N - 1;  // without the literal's zero
        if (static_cast<std::size_t>(end - next) >= kCount) {
            std::memcpy(next, bytes, kCount);
            next += kCount;
        } else {
            Put(bytes, kCount);
        }
    }
};

}  // namespace

// Runs between the bytes that need work are copied whole, straight from
// the piece into the field.
bool FieldValueWriter::Escape(std::string_view bytes) noexcept {
    const char* in = bytes.data();
    const std::size_t count = bytes.size();
    Cursor out{next_, end_};
    std::size_t i = 0;
    if (pendingReturn_) {
        pendingReturn_ = false;
        if (count != 0 && in[0] == '\n') {
            out.Put(kSoftLineBreak.data(), kSoftLineBreak.size());
            i = 1;
        } else {
            out.Put("\r", 1);  // a lone carriage return passes unchanged
        }
    }
    while (i < count && !out.overflowed) {
        const std::size_t limit = std::min(count - i, static_cast<std::size_t>(out.end - out.next));
        const std::size_t run = CopyUntilAny<'\0', '\\', ';', '\r'>(in + i, limit, out.next);
        out.next += run;
        i += run;
        if (i == count) {
            break;
        }
        switch (in[i]) {
            case '\0':
                ended_ = true;
                break;
            case '\\':
                out.PutWhole("\\\\");
                break;
            case ';':
                out.PutWhole("\\;");
                break;
            case '\r':
                if (i + 1 == count) {
                    pendingReturn_ = true;  // the next piece decides
                } else if (in[i + 1] == '\n') {
                    out.PutWhole(kSoftLineBreakText);
                    ++i;
                } else {
                    out.Put("\r", 1);
                }
                break;
            default:  // the room ran out before the byte
                out.overflowed = true;
                break;
        }
        if (ended_) break;
        ++i;
    }
    next_ = out.next;
    overflowed_ = out.overflowed;
    return !overflowed_ && !ended_;
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
        Cursor out{next_, end_};
        out.Put("\r", 1);
        next_ = out.next;
        overflowed_ = out.overflowed;
    }
    const auto room = static_cast<std::size_t>(end_ - start_);
    char* end = overflowed_ ? start_ + CutBeforeSplitCharacter(start_, room) : next_;
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
