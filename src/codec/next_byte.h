// Finding the bytes of a text that need work, so that the runs between them
// can be copied whole.
#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>

namespace tarnex::codec {

// The next position of one byte value in a text at or after a given
// position, found with memchr and searched for again only once the caller
// has passed it: with several of these over one text, each byte of it is
// looked at once per value, however many of the values it holds.
class NextByte {
public:
    NextByte(char byte, std::string_view text) noexcept : byte_(byte), text_(text) { Find(0); }

    // The position, or the text's size when there is none.
    std::size_t At(std::size_t from) noexcept {
        if (at_ < from) Find(from);
        return at_;
    }

private:
    void Find(std::size_t from) noexcept {
        const void* hit =
            from < text_.size() ? std::memchr(text_.data() + from, byte_, text_.size() - from) : nullptr;
        at_ = hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - text_.data()) : text_.size();
    }

    char byte_;
    std::string_view text_;
    std::size_t at_ = 0;
};

}  // namespace tarnex::codec
