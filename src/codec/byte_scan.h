// Finding the bytes of a text that need work, so that the runs between them
// are copied whole, a block at a time.
#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tarnex::codec {

inline constexpr std::size_t kByteBlock = 16;

// Bit k set when block[k] is one of Bytes, for the kByteBlock bytes of block.
// With SSE2 (every x86-64 processor) a handful of vector instructions; else
// a loop the compiler can vectorise.
template <unsigned char... Bytes>
inline unsigned MatchMask(const char* block) noexcept {
#if defined(__SSE2__)
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block));
    __m128i hits = _mm_setzero_si128();
    ((hits = _mm_or_si128(hits, _mm_cmpeq_epi8(bytes, _mm_set1_epi8(static_cast<char>(Bytes))))), ...);
    return static_cast<unsigned>(_mm_movemask_epi8(hits));
#else
    unsigned mask = 0;
    for (std::size_t k = 0; k < kByteBlock; ++k) {
        const auto c = static_cast<unsigned char>(block[k]);
        mask |= static_cast<unsigned>(((c == Bytes) || ...)) << k;
    }
    return mask;
#endif
}

// Copies count bytes (at most kByteBlock) with at most four moves and no call.
inline void CopyShort(char* to, const char* from, std::size_t count) noexcept {
    if (count >= 8) {
        std::memcpy(to, from, 8);
        std::memcpy(to + count - 8, from + count - 8, 8);
    } else if (count >= 4) {
        std::memcpy(to, from, 4);
        std::memcpy(to + count - 4, from + count - 4, 4);
    } else if (count >= 2) {
        std::memcpy(to, from, 2);
        std::memcpy(to + count - 2, from + count - 2, 2);
    } else if (count == 1) {
        *to = *from;
    }
}

namespace detail {

// The rest of a long run, in memchr windows (see CopyUntilAny).
template <unsigned char... Bytes>
[[gnu::noinline]] std::size_t CopyLongRun(const char* from, std::size_t count, char* to) noexcept;

// Fewer than kByteBlock bytes, copied into a block of their own; the bytes
// behind them are masked off, so what they hold does not matter.
template <unsigned char... Bytes>
inline std::size_t CopyTail(const char* from, std::size_t count, char* to) noexcept {
    if (count == 0) return 0;
    char block[kByteBlock] = {};
    CopyShort(block, from, count);
    const unsigned mask = MatchMask<Bytes...>(block) | (~0u << count);
    const auto at = static_cast<std::size_t>(std::countr_zero(mask));
    CopyShort(to, block, at);
    return at;
}

}  // namespace detail

// Copies bytes from `from` to `to` up to the first byte that is one of
// Bytes or up to count bytes, whichever comes first, and returns how many
// it copied. Nothing is read past count bytes nor written past the bytes
// copied.
//
// Short runs (text with a byte to escape every few words): blocks of 16
// bytes are tested for all of Bytes at once and a clean block is copied as
// one; the last few bytes are tested as a block of their own. This part is
// inline, so that a run costs no call. Long runs (plain text): once eight
// blocks in a row were clean, the rest goes in windows growing from 512
// bytes to 8 KB, each searched once per byte value by memchr (the runtime's
// widest vector code) and copied by memcpy. A value absent from the text
// costs one search per window, so the windows start small: a line of mail
// is not searched past its end for long.
template <unsigned char... Bytes>
inline std::size_t CopyUntilAny(const char* from, std::size_t count, char* to) noexcept {
    constexpr std::size_t kCleanBlocks = 8;
    const std::size_t blocks = std::min(count / kByteBlock, kCleanBlocks);
    std::size_t done = 0;
    for (std::size_t k = 0; k < blocks; ++k) {
        const unsigned mask = MatchMask<Bytes...>(from + done);
        if (mask != 0) {
            const auto at = static_cast<std::size_t>(std::countr_zero(mask));
            CopyShort(to + done, from + done, at);
            return done + at;
        }
        std::memcpy(to + done, from + done, kByteBlock);
        done += kByteBlock;
    }
    if (blocks == kCleanBlocks)
        return done + detail::CopyLongRun<Bytes...>(from + done, count - done, to + done);
    return done + detail::CopyTail<Bytes...>(from + done, count - done, to + done);
}

template <unsigned char... Bytes>
std::size_t detail::CopyLongRun(const char* from, std::size_t count, char* to) noexcept {
    constexpr std::size_t kLongestWindow = 8192;
    std::size_t done = 0;
    for (std::size_t window = 512; count - done >= kByteBlock;
         window = std::min(2 * window, kLongestWindow)) {
        const std::size_t span = std::min(count - done, window);
        std::size_t run = span;
        for (const unsigned char byte : {Bytes...}) {
            const void* hit = std::memchr(from + done, byte, run);
            if (hit != nullptr) run = static_cast<std::size_t>(static_cast<const char*>(hit) - (from + done));
        }
        std::memcpy(to + done, from + done, run);
        done += run;
        if (run < span) return done;
    }
    return done + CopyTail<Bytes...>(from + done, count - done, to + done);
}

}  // namespace tarnex::codec
