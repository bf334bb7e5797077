// The host interface as the export-level tests reach it, the same way on
// every platform. Call the exports qualified, tarnex_api::InitializeTARN(0),
// and register the simulated servers with tarnex_api::RegisterServer.
//
// Linux: the names are the shared library's own exports, linked directly;
// registration, code page and message box go to the in-process backend.
//
// Windows: tarnex.dll is loaded with LoadLibrary and every export found with
// GetProcAddress, as a host does, and the library reaches the simulated
// servers through real COM. Registration goes to the simulated COM server
// (simpim_com.dll, next to the test program and registered as the PIMs'
// in-process server), which creates the registered objects when the library
// asks COM for them. The library itself reads no configuration.
//
// Keep TARNEX_API_EXPORTS in step with include/tarnex/tarnex.h.
#pragma once

#include <cstdint>

#include "tarnex/tarnex.h"
#include "tarnex/tarnex_inproc.h"

#define TARNEX_API_EXPORTS(X)     \
    X(InitializeTARN)             \
    X(UninitializeTARN)           \
    X(IsPimPresentTARN)           \
    X(TARN_LogonForOL)            \
    X(TARN_GetCountForOL)         \
    X(TARN_GetIDForOL)            \
    X(TARN_GetUniqueStringForOL)  \
    X(TARN_DeleteForOL)           \
    X(TARN_GetObjectStoreForOL)   \
    X(TARN_GetSingleObjectForOL)  \
    X(TARN_SetObjectStoreForOL)   \
    X(TARN_SetSingleObjectForOL)  \
    X(TARN_AddForOL)

#if defined(_WIN32)

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace tarnex_api {

// Failures cross a COM server as status codes only: a C++ exception that a
// simulated server throws (injected out-of-memory or unexpected failures)
// reaches the library as E_OUTOFMEMORY or E_FAIL, not as the exception.
inline constexpr bool kServerExceptionsReachLibrary = false;

namespace detail {

// The directory of the test program, where tarnex.dll and simpim_com.dll lie.
inline std::string ProgramDirectory() {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string directory(path, length);
    return directory.substr(0, directory.find_last_of("\\/") + 1);
}

inline HMODULE LoadOrDie(const char* file) {
    const std::string path = ProgramDirectory() + file;
    HMODULE module = LoadLibraryA(path.c_str());
    if (!module) {
        std::fprintf(stderr, "cannot load %s (error %lu)\n", path.c_str(), GetLastError());
        std::abort();
    }
    return module;
}

inline void* Address(HMODULE module, const char* name) {
    FARPROC address = GetProcAddress(module, name);
    if (!address) {
        std::fprintf(stderr, "export %s not found\n", name);
        std::abort();
    }
    return reinterpret_cast<void*>(address);
}

inline HMODULE Library() {
    static HMODULE module = LoadOrDie("tarnex.dll");
    return module;
}
inline HMODULE SimulatedServer() {
    static HMODULE module = LoadOrDie("simpim_com.dll");
    return module;
}

template <std::size_t N>
struct Name {
    constexpr Name(const char (&text)[N]) { std::copy_n(text, N, value); }
    char value[N];
};

template <typename Function, Name name>
struct Export;

// A callable with the export's exact signature, bound on its first call.
template <typename Result, typename... Args, Name name>
struct Export<Result(TARN_CALL*)(Args...), name> {
    Result operator()(Args... args) const {
        using Function = Result(TARN_CALL*)(Args...);
        static const Function function = reinterpret_cast<Function>(Address(Library(), name.value));
        return function(args...);
    }
};

}  // namespace detail

#define TARNEX_API_IMPORT(export_name) \
    inline constexpr detail::Export<decltype(&::export_name), #export_name> export_name{};
TARNEX_API_EXPORTS(TARNEX_API_IMPORT)
#undef TARNEX_API_IMPORT

// As tarnex_RegisterServer: factory creates the application object of the
// PIM whose programmatic identifier is progId; null removes it.
inline std::int32_t RegisterServer(const char* progId, tarnex_ServerFactory factory, void* context) {
    using Function = std::int32_t(TARN_CALL*)(const char*, tarnex_ServerFactory, void*);
    static const Function function =
        reinterpret_cast<Function>(detail::Address(detail::SimulatedServer(), "simpim_com_RegisterServer"));
    return function(progId, factory, context);
}

// The system's active code page cannot be chosen from inside a process: 0
// when it already is codePage, else -1 (the test then has nothing to check).
inline std::int32_t SetCodePage(std::uint32_t codePage) { return GetACP() == codePage ? 0 : -1; }

// Receives the text of the message box the library shows and closes it, as a
// user pressing OK would; null stops that. The box must be shown on the
// thread that set the handler.
inline void SetMessageBoxHandler(tarnex_MessageBoxHandler handler, void* context) {
    using Function = void(TARN_CALL*)(tarnex_MessageBoxHandler, void*);
    static const Function function =
        reinterpret_cast<Function>(detail::Address(detail::SimulatedServer(), "simpim_com_SetMessageBoxHandler"));
    function(handler, context);
}

}  // namespace tarnex_api

#else  // the in-process backend

namespace tarnex_api {

inline constexpr bool kServerExceptionsReachLibrary = true;

#define TARNEX_API_USE(export_name) using ::export_name;
TARNEX_API_EXPORTS(TARNEX_API_USE)
#undef TARNEX_API_USE

inline std::int32_t RegisterServer(const char* progId, tarnex_ServerFactory factory, void* context) {
    return tarnex_RegisterServer(progId, factory, context);
}
inline std::int32_t SetCodePage(std::uint32_t codePage) { return tarnex_SetCodePage(codePage); }
inline void SetMessageBoxHandler(tarnex_MessageBoxHandler handler, void* context) {
    tarnex_SetMessageBoxHandler(handler, context);
}

}  // namespace tarnex_api

#endif
