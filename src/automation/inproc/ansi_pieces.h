// The conversions' output buffer: converted bytes gathered on the stack and
// handed to the sink a piece at a time, and plain ASCII runs converted a
// block at a time rather than one character at a time.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string_view>

#include "automation/code_page.h"
#include "automation/inproc/ascii_blocks.h"

namespace tarnex::automation::inproc {

class AnsiPieces {
public:
    // Room for any one character (and for an ASCII block) is always left.
    static constexpr std::size_t kBlock = kAsciiBlock;

    explicit AnsiPieces(AnsiSink& sink) noexcept : sink_(sink) {}

    // False once the sink wants no more.
    bool MakeRoom() {
        if (used_ + kBlock <= sizeof buffer_) return true;
        return Flush();
    }
    // Converts the leading ASCII characters of the next count units, as many
    // as there is room for, and returns how many there were.
    std::size_t PutAscii(const char16_t* units, std::size_t count) noexcept {
        if (count < kBlock) {
            const std::size_t run = PutAsciiTail(units, count);  // MakeRoom left room for a block
            used_ += run;
            return run;
        }
        // MakeRoom left room for at least one block.
        const std::size_t blocks = std::min(count, sizeof buffer_ - used_) / kBlock;
        const char16_t* from = units;
        const char16_t* const end = units + blocks * kBlock;
        char* out = buffer_ + used_;
        do {
            const std::size_t run = NarrowAsciiBlock(from, out);
            from += run;
            out += run;
            if (run < kBlock) break;
        } while (from != end);
        const auto done = static_cast<std::size_t>(from - units);
        used_ += done;
        return done;
    }
    void Put(char byte) noexcept { buffer_[used_++] = byte; }
    bool Flush() {
        const std::size_t used = used_;
        used_ = 0;
        return used == 0 || sink_.Take(std::string_view(buffer_, used));
    }

private:
    // The last few units (fewer than kBlock), as a block of their own padded
    // with zeros.
    std::size_t PutAsciiTail(const char16_t* units, std::size_t count) noexcept {
        char16_t tail[kBlock] = {};
        if (count >= 8) {
            std::memcpy(tail, units, 16);
            std::memcpy(tail + count - 8, units + count - 8, 16);
        } else if (count >= 4) {
            std::memcpy(tail, units, 8);
            std::memcpy(tail + count - 4, units + count - 4, 8);
        } else {
            for (std::size_t k = 0; k < count; ++k) tail[k] = units[k];
        }
        return std::min(NarrowAsciiBlock(tail, buffer_ + used_), count);
    }

    AnsiSink& sink_;
    std::size_t used_ = 0;
    char buffer_[2048];
};

}  // namespace tarnex::automation::inproc
