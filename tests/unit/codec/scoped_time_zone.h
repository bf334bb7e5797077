// The process's time zone, set for one test and restored, and the zones the
// date tests share between the C runtimes: glibc reads POSIX rules or zone
// files, msvcrt only "XXX[+-]h[YYY]" with the US daylight rules of the
// year in question (first Sunday of April to last Sunday of October before
// 2007) whatever follows the daylight name.
#pragma once

#include <cstdlib>
#include <optional>
#include <string>
#include <time.h>

namespace tarnex::codec::test_support {

inline constexpr const char* kUtc = "UTC0";
inline constexpr const char* kOneHourEast = "WAT-1";
// US Eastern with the rules of 1987-2006, the same instants in both
// runtimes for the 2001 dates below; glibc needs the rules spelt out, or it
// would apply today's.
#if defined(_WIN32)
inline constexpr const char* kUsEastern2001 = "EST5EDT";
#else
inline constexpr const char* kUsEastern2001 = "EST5EDT,M4.1.0,M10.5.0";
#endif

class ScopedTimeZone {
public:
    // nullptr: no TZ at all, the system's own zone.
    explicit ScopedTimeZone(const char* rules) {
        if (const char* old = std::getenv("TZ")) saved_ = old;
        Set(rules);
    }
    ~ScopedTimeZone() { Set(saved_ ? saved_->c_str() : nullptr); }
    ScopedTimeZone(const ScopedTimeZone&) = delete;
    ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

private:
    static void Set(const char* rules) {
#if defined(_WIN32)
        _putenv_s("TZ", rules ? rules : "");  // an empty value removes it
        _tzset();
#else
        if (rules)
            setenv("TZ", rules, 1);
        else
            unsetenv("TZ");
        tzset();
#endif
    }

    std::optional<std::string> saved_;
};

}  // namespace tarnex::codec::test_support
