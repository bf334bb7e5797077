#include "codec/field_value.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "automation/code_page.h"

namespace tarnex::codec {
namespace {

constexpr std::string_view kSoftLineBreak = "=0D=0A=\n";

bool IsSpecial(char c) noexcept { return c == '\\' || c == ';' || c == '\r'; }

// Bytes written into a fixed room; what does not fit is dropped and noted.
class BoundedOutput {
public:
    BoundedOutput(char* out, std::size_t room) noexcept : out_(out), room_(room) {}

    void Put(std::string_view piece) noexcept {
        const std::size_t count = std::min(piece.size(), room_ - used_);
        std::memcpy(out_ + used_, piece.data(), count);
        used_ += count;
        overflowed_ = overflowed_ || count < piece.size();
    }
    std::size_t used() const noexcept { return used_; }
    bool overflowed() const noexcept { return overflowed_; }

private:
    char* out_;
    std::size_t room_;
    std::size_t used_ = 0;
    bool overflowed_ = false;
};

// Writes the escaped value until it is done or the room is full.
void Escape(std::string_view value, BoundedOutput& out) noexcept {
    std::size_t i = 0;
    while (i < value.size() && !out.overflowed()) {
        const std::size_t start = i;
        while (i < value.size() && !IsSpecial(value[i])) {
            ++i;
        }
        out.Put(value.substr(start, i - start));
        if (i == value.size()) {
            break;
        }
        if (value[i] == '\\') {
            out.Put("\\\\");
        } else if (value[i] == ';') {
            out.Put("\\;");
        } else if (i + 1 < value.size() && value[i + 1] == '\n') {
            out.Put(kSoftLineBreak);
            ++i;
        } else {
            out.Put("\r");  // a lone carriage return passes unchanged
        }
        ++i;
    }
}

// The length of the longest prefix of the room's bytes (the escaped text
// went on past them) that does not end between the two bytes of a
// double-byte character. The walk starts at the beginning because a trail
// byte can have the value of a lead byte.
std::size_t CutBeforeSplitCharacter(const char* text, std::size_t room) noexcept {
    bool isLead[256];
    bool anyLead = false;
    for (int b = 0; b < 256; ++b) {
        isLead[b] = automation::IsAnsiLeadByte(static_cast<unsigned char>(b));
        anyLead = anyLead || isLead[b];
    }
    if (!anyLead) {
        return room;  // a single-byte code page: any cut is whole characters
    }
    std::size_t i = 0;
    while (i < room) {
        if (isLead[static_cast<unsigned char>(text[i])]) {
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

void AppendFieldValue(char* field, std::string value, std::int32_t fieldSize, bool appendSeparator) {
    if (field == nullptr || fieldSize <= 0) {
        return;
    }
    const auto size = static_cast<std::size_t>(fieldSize);
    const void* zero = std::memchr(field, '\0', size);
    if (zero == nullptr) {
        field[size - 1] = '\0';
        return;
    }
    const auto length = static_cast<std::size_t>(static_cast<const char*>(zero) - field);
    const std::size_t reserved = appendSeparator ? 2 : 1;  // separator and zero
    if (size - length < reserved) {
        return;  // full: not even the separator fits
    }
    const std::size_t room = size - length - reserved;

    char* end = field + length;
    BoundedOutput out(end, room);
    Escape(std::string_view(value.c_str()), out);  // the value ends at its first zero
    end += out.overflowed() ? CutBeforeSplitCharacter(end, room) : out.used();
    if (appendSeparator) {
        *end++ = ';';
    }
    *end = '\0';
}

}  // namespace tarnex::codec
