// Finding the bytes of a text that need work, so that the runs between them
// are copied whole, a block at a time.
#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace tarnex::codec {

// Copies count bytes (fewer than 16) with at most four moves and no call.
inline void CopyShort(char* to, const unsigned char* from, std::size_t count) noexcept {
    if (count >= 8) {
        std::memcpy(to, from, 8);
        std::memcpy(to + count - 8, from + count - 8, 8);
    } else if (count >= 4) {
        std::memcpy(to, from, 4);
        std::memcpy(to + count - 4, from + count - 4, 4);
    } else {
        for (std::size_t k = 0; k < count; ++k) to[k] = static_cast<char>(from[k]);
    }
}

// Copies bytes from `from` to `to` up to the first byte that is one of
// Bytes or up to count bytes, whichever comes first, and returns how many
// it copied. Nothing is written past the bytes copied.
//
// Short runs (text with a byte to escape every few words): blocks of 16
// bytes are tested for all of Bytes at once, in a form the compiler turns
// into a few vector instructions, and a block without any of them is copied
// as one. Long runs (plain text): once eight blocks in a row were clean, the
// rest goes in windows growing from 512 bytes to 8 KB, each searched once
// per byte value by memchr (the runtime's widest vector code) and copied by
// memcpy. A value absent from the text costs one search per window, so the
// windows start small: a line of mail is not searched past its end for
// long.
template <unsigned char... Bytes>
std::size_t CopyUntilAny(const char* from, std::size_t count, char* to) noexcept {
    constexpr std::size_t kBlock = 16;
    constexpr std::size_t kCleanBlocks = 8;
    constexpr std::size_t kLongestWindow = 8192;
    std::size_t window = 512;  // doubled after each clean window
    std::size_t done = 0;
    while (count - done >= kBlock) {
        if (done >= kCleanBlocks * kBlock) {
            window = std::min(count - done, window);
            std::size_t run = window;
            for (const unsigned char byte : {Bytes...}) {
                const void* hit = std::memchr(from + done, byte, run);
                if (hit != nullptr)
                    run = static_cast<std::size_t>(static_cast<const char*>(hit) - (from + done));
            }
            std::memcpy(to + done, from + done, run);
            done += run;
            if (run < window) return done;
            window = std::min(2 * window, kLongestWindow);
            continue;
        }
        unsigned char block[kBlock];
        std::memcpy(block, from + done, kBlock);
        unsigned char hits[kBlock];
        for (std::size_t k = 0; k < kBlock; ++k) {
            const unsigned char c = block[k];
            hits[k] = static_cast<unsigned char>((static_cast<unsigned char>(-(c == Bytes)) | ...));
        }
        std::uint64_t low;
        std::uint64_t high;
        std::memcpy(&low, hits, 8);
        std::memcpy(&high, hits + 8, 8);
        if ((low | high) == 0) {
            std::memcpy(to + done, block, kBlock);
            done += kBlock;
            continue;
        }
        std::size_t at = 0;
        if constexpr (std::endian::native == std::endian::little) {
            at = low != 0 ? std::countr_zero(low) / 8 : 8 + std::countr_zero(high) / 8;
        } else {
            while (hits[at] == 0) ++at;
        }
        CopyShort(to + done, block, at);
        return done + at;
    }
    while (done < count) {
        const unsigned char c = static_cast<unsigned char>(from[done]);
        if (((c == Bytes) || ...)) break;
        to[done] = from[done];
        ++done;
    }
    return done;
}

// For bytes that are rare or spread out (a line break a line): the next position of one byte value in a text
// at or after a given position, found with memchr and searched for again only once the caller has passed it:
// with several of these over one text, each byte of it is looked at once per value, however many of the
// values it holds.
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
