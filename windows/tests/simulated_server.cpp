#include "simulated_server.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace windows_test {

namespace {

template <typename Function>
Function Bind(HMODULE module, const char* name) {
    FARPROC address = GetProcAddress(module, name);
    if (!address) {
        std::fprintf(stderr, "simpim_com.dll does not export %s\n", name);
        std::abort();
    }
    return reinterpret_cast<Function>(reinterpret_cast<void*>(address));
}

SimulatedServerExports Load() {
    char path[MAX_PATH];
    std::string full(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
    full = full.substr(0, full.find_last_of("\\/") + 1) + "simpim_com.dll";
    HMODULE module = LoadLibraryA(full.c_str());
    if (!module) {
        std::fprintf(stderr, "cannot load %s (error %lu)\n", full.c_str(), GetLastError());
        std::abort();
    }
    SimulatedServerExports exports{};
    exports.registerServer = Bind<decltype(exports.registerServer)>(module, "simpim_com_RegisterServer");
    exports.liveObjects = Bind<decltype(exports.liveObjects)>(module, "simpim_com_LiveObjects");
    exports.serveOutOfProcess =
        Bind<decltype(exports.serveOutOfProcess)>(module, "simpim_com_ServeOutOfProcess");
    exports.setMessageBoxHandler =
        Bind<decltype(exports.setMessageBoxHandler)>(module, "simpim_com_SetMessageBoxHandler");
    return exports;
}

}  // namespace

const SimulatedServerExports& SimulatedServer() {
    static const SimulatedServerExports exports = Load();
    return exports;
}

}  // namespace windows_test
