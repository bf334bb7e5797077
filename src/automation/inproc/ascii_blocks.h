// ASCII (U+0000 to U+007F) is the same bytes in every code page we convert
// to, so most text converts sixteen characters at a time, with SSE2 (every
// x86-64 processor) in a few vector instructions, else in loops the
// compiler can vectorise.
#pragma once

#include <bit>
#include <cstddef>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tarnex::automation::inproc {

inline constexpr std::size_t kAsciiBlock = 16;

// Narrows the leading ASCII characters of the kAsciiBlock units at `from`
// and returns how many there are; any of the kAsciiBlock bytes at `to` may
// be written.
inline std::size_t NarrowAsciiBlock(const char16_t* from, char* to) noexcept {
#if defined(__SSE2__)
    const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
    const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + 8));
    const __m128i nonAscii = _mm_set1_epi16(static_cast<short>(0xFF80));
    const __m128i zero = _mm_setzero_si128();
    _mm_storeu_si128(reinterpret_cast<__m128i*>(to), _mm_packus_epi16(low, high));
    // The common case first: all sixteen are ASCII.
    const __m128i either = _mm_and_si128(_mm_or_si128(low, high), nonAscii);
    if (_mm_movemask_epi8(_mm_cmpeq_epi16(either, zero)) == 0xFFFF) return kAsciiBlock;
    // 0xFF for each ASCII unit, packed to one byte a unit.
    const __m128i ascii = _mm_packs_epi16(_mm_cmpeq_epi16(_mm_and_si128(low, nonAscii), zero),
                                          _mm_cmpeq_epi16(_mm_and_si128(high, nonAscii), zero));
    return static_cast<std::size_t>(std::countr_one(static_cast<unsigned>(_mm_movemask_epi8(ascii))));
#else
    std::size_t k = 0;
    while (k < kAsciiBlock && from[k] < 0x80) {
        to[k] = static_cast<char>(from[k]);
        ++k;
    }
    return k;
#endif
}

// Widens the kAsciiBlock bytes at `from` when all are ASCII; false (and
// nothing written) otherwise.
inline bool WidenAsciiBlock(const char* from, char16_t* to) noexcept {
#if defined(__SSE2__)
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
    if (_mm_movemask_epi8(bytes) != 0) return false;
    const __m128i zero = _mm_setzero_si128();
    _mm_storeu_si128(reinterpret_cast<__m128i*>(to), _mm_unpacklo_epi8(bytes, zero));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(to + 8), _mm_unpackhi_epi8(bytes, zero));
    return true;
#else
    unsigned char any = 0;
    for (std::size_t k = 0; k < kAsciiBlock; ++k) any |= static_cast<unsigned char>(from[k]);
    if (any >= 0x80) return false;
    for (std::size_t k = 0; k < kAsciiBlock; ++k) to[k] = static_cast<unsigned char>(from[k]);
    return true;
#endif
}

}  // namespace tarnex::automation::inproc
