// The in-process code page, set for one test and restored (time zones are in
// scoped_time_zone.h), and a buffer that shows writes outside its usable part.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "automation/inproc/active_code_page.h"

namespace tarnex::codec::test_support {

class ScopedCodePage {
public:
    explicit ScopedCodePage(unsigned codePage) { automation::inproc::SelectCodePage(codePage); }
    ~ScopedCodePage() { automation::inproc::SelectCodePage(1252); }
    ScopedCodePage(const ScopedCodePage&) = delete;
    ScopedCodePage& operator=(const ScopedCodePage&) = delete;
};

// size usable bytes between two runs of guard bytes.
class GuardedBuffer {
public:
    static constexpr std::size_t kGuard = 16;
    static constexpr char kGuardByte = '\x7e';

    explicit GuardedBuffer(std::size_t size, char fill = '\0')
        : bytes_(size + 2 * kGuard, kGuardByte), size_(size) {
        std::fill(data(), data() + size, fill);
    }
    char* data() { return bytes_.data() + kGuard; }
    std::string_view Usable() const { return std::string_view(bytes_.data() + kGuard, size_); }
    // The usable part up to its first zero; the whole part when it has none.
    std::string Text() const { return std::string(Usable().substr(0, Usable().find('\0'))); }
    bool HasZero() const { return Usable().find('\0') != std::string_view::npos; }
    bool GuardsIntact() const {
        const std::string guard(kGuard, kGuardByte);
        return std::string_view(bytes_.data(), kGuard) == guard &&
               std::string_view(bytes_.data() + kGuard + size_, kGuard) == guard;
    }

private:
    std::vector<char> bytes_;
    std::size_t size_;
};

}  // namespace tarnex::codec::test_support
