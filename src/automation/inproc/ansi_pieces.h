// The conversions' output buffer: converted bytes gathered on the stack and
// handed to the sink a piece at a time, and the copy of plain ASCII runs in
// blocks rather than one character at a time.
#pragma once

#include <cstddef>
#include <string_view>

#include "automation/code_page.h"

namespace tarnex::automation::inproc {

class AnsiPieces {
public:
    // Room for any one character (and for an ASCII block) is always left.
    static constexpr std::size_t kBlock = 16;

    explicit AnsiPieces(AnsiSink& sink) noexcept : sink_(sink) {}

    // False once the sink wants no more.
    bool MakeRoom() {
        if (used_ + kBlock <= sizeof buffer_) return true;
        return Flush();
    }
    // Copies the next kBlock units when all of them are ASCII (each the
    // byte of the same value in every page we convert to).
    bool PutAsciiBlock(const char16_t* units) noexcept {
        char16_t any = 0;
        for (std::size_t k = 0; k < kBlock; ++k) any |= units[k];
        if (any >= 0x80) return false;
        for (std::size_t k = 0; k < kBlock; ++k) buffer_[used_ + k] = static_cast<char>(units[k]);
        used_ += kBlock;
        return true;
    }
    void Put(char byte) noexcept { buffer_[used_++] = byte; }
    bool Flush() {
        const std::size_t used = used_;
        used_ = 0;
        return used == 0 || sink_.Take(std::string_view(buffer_, used));
    }

private:
    AnsiSink& sink_;
    std::size_t used_ = 0;
    char buffer_[2048];
};

}  // namespace tarnex::automation::inproc
