// The export table over the linked shared library (every platform but
// Windows, where the table is filled with GetProcAddress).
#ifndef _WIN32
#include "exports/library.h"

namespace tarnex_test {

const Library& Tarnex() {
#define TARNEX_TEST_ADDRESS(field, name) &name,
    static const Library library{TARNEX_TEST_EXPORTS(TARNEX_TEST_ADDRESS)};
#undef TARNEX_TEST_ADDRESS
    return library;
}

}  // namespace tarnex_test
#endif
