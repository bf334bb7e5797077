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

HMODULE LoadNextToProgram(const char* file) {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string full(path, length);
    full = full.substr(0, full.find_last_of("\\/") + 1) + file;
    HMODULE module = LoadLibraryA(full.c_str());
    if (!module) Die("cannot load " + full);
    return module;
}

// Binds function to the export called name, or stops the run.
template <typename Function>
Function Bind(HMODULE module, const char* name) {
    FARPROC address = GetProcAddress(module, name);
    if (!address) Die(std::string("tarnex.dll does not export ") + name);
    return reinterpret_cast<Function>(reinterpret_cast<void*>(address));
}

static_assert(sizeof(Library) == 18 * sizeof(void (*)()), "bind every export that Library holds");

Library LoadLibraryTable() {
    HMODULE dll = LoadNextToProgram("tarnex.dll");
    Library library{};
#define TARNEX_TEST_BIND(field, name) library.field = Bind<decltype(library.field)>(dll, #name);
    TARNEX_TEST_BIND(Initialize, InitializeTARN)
    TARNEX_TEST_BIND(Uninitialize, UninitializeTARN)
    TARNEX_TEST_BIND(IsPimPresent, IsPimPresentTARN)
    TARNEX_TEST_BIND(LogonForOL, TARN_LogonForOL)
    TARNEX_TEST_BIND(GetCountForOL, TARN_GetCountForOL)
    TARNEX_TEST_BIND(GetIDForOL, TARN_GetIDForOL)
    TARNEX_TEST_BIND(GetUniqueStringForOL, TARN_GetUniqueStringForOL)
    TARNEX_TEST_BIND(DeleteForOL, TARN_DeleteForOL)
    TARNEX_TEST_BIND(GetObjectStoreForOL, TARN_GetObjectStoreForOL)
    TARNEX_TEST_BIND(GetSingleObjectForOL, TARN_GetSingleObjectForOL)
    TARNEX_TEST_BIND(SetObjectStoreForOL, TARN_SetObjectStoreForOL)
    TARNEX_TEST_BIND(SetSingleObjectForOL, TARN_SetSingleObjectForOL)
    TARNEX_TEST_BIND(AddForOL, TARN_AddForOL)
    TARNEX_TEST_BIND(GetCreationTimeForOL, TARN_GetCreationTimeForOL)
    TARNEX_TEST_BIND(GetModificationTimeForOL, TARN_GetModificationTimeForOL)
    TARNEX_TEST_BIND(GetCountForEU, TARN_GetCountForEU)
    TARNEX_TEST_BIND(GetSingleObjectForEU, TARN_GetSingleObjectForEU)
    TARNEX_TEST_BIND(AddForEU, TARN_AddForEU)
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
