// The export table over tarnex.dll, loaded as a host loads it: LoadLibrary
// from the test program's directory and GetProcAddress by undecorated name.
#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "exports/library.h"

namespace tarnex_test {

namespace {

[[noreturn]] void Die(const std::string& what) {
    std::fprintf(stderr, "%s (error %lu)\n", what.c_str(), GetLastError());
    std::abort();
}

// Binds function to the export called name, or stops the run.
template <typename Function>
Function Bind(HMODULE module, const char* name) {
    FARPROC address = GetProcAddress(module, name);
    if (!address) Die(std::string("tarnex.dll does not export ") + name);
    return reinterpret_cast<Function>(reinterpret_cast<void*>(address));
}

Library LoadLibraryTable() {
    char path[MAX_PATH];
    std::string full(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
    full = full.substr(0, full.find_last_of("\\/") + 1) + "tarnex.dll";
    HMODULE dll = LoadLibraryA(full.c_str());
    if (!dll) Die("cannot load " + full);
    Library library{};
#define TARNEX_TEST_BIND(field, name) library.field = Bind<decltype(library.field)>(dll, #name);
    TARNEX_TEST_EXPORTS(TARNEX_TEST_BIND)
#undef TARNEX_TEST_BIND
    return library;
}

}  // namespace

const Library& Tarnex() {
    static const Library library = LoadLibraryTable();
    return library;
}

}  // namespace tarnex_test
#endif
