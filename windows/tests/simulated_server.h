// The simulated COM server DLL as the test program uses it: loaded from the
// program's directory (the same file COM loads as the PIMs' in-process server).
#pragma once

#include <windows.h>

#include <cstdint>

#include "tarnex/tarnex_inproc.h"

namespace windows_test {

struct SimulatedServerExports {
    int32_t (*registerServer)(const char* progId, tarnex_ServerFactory factory, void* context);
    int32_t (*liveObjects)();
    HRESULT (*serveOutOfProcess)();
    void (*setMessageBoxHandler)(tarnex_MessageBoxHandler handler, void* context);
};

const SimulatedServerExports& SimulatedServer();

// Set by --out-of-process: the servers run behind the relay, in another
// process, and the process has a multithreaded apartment serving them.
inline bool serversOutOfProcess = false;

}  // namespace windows_test
