// The text and date tests that run on both platforms, here against the
// system's code pages and msvcrt's local time (under Wine: windows/test.sh).
//
// What the date tests cover here: msvcrt takes the zone from TZ only in its
// own form "XXX[+-]h[:mm][YYY]" and applies the US daylight rules of the
// year to any daylight name (before 2007 the first Sunday of April to the
// last Sunday of October), so the shared cases use UTC0, WAT-1 and EST5EDT
// with 2001 dates, where those rules are the real ones. Without TZ msvcrt
// uses the Windows zone, which Wine derives from the host's: no case relies
// on it. Zone files and other rules are Linux only (zone_data_test.cpp).
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

int main(int argc, char** argv) {
    // A _tzset without TZ takes the system zone's daylight bias, under Wine 0
    // for a zone without daylight time, and a later TZ with a daylight name
    // keeps it: the tests' zones are restored to this one instead.
    _putenv_s("TZ", "UTC0");
    _tzset();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
