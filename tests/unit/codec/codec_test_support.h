// Process-wide settings the codec depends on, set for one test and restored,
// and a buffer that shows writes outside its usable part.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <time.h>
#include <vector>

#include <gtest/gtest.h>

#include "automation/inproc/active_code_page.h"

namespace tarnex::codec::test_support {

inline constexpr const char* kUtc = "UTC0";
inline constexpr const char* kOneHourEast = "<+01>-1";
inline constexpr const char* kCentralEurope = "CET-1CEST,M3.5.0,M10.5.0/3";
inline constexpr const char* kUsEastern = "EST5EDT,M3.2.0,M11.1.0";

class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* rules) {
        if (const char* old = std::getenv("TZ")) saved_ = old;
        setenv("TZ", rules, 1);
        tzset();
    }
    ~ScopedTimeZone() {
        if (saved_)
            setenv("TZ", saved_->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }
    ScopedTimeZone(const ScopedTimeZone&) = delete;
    ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

private:
    std::optional<std::string> saved_;
};

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
