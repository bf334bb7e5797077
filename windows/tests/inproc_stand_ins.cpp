// On Windows the library has no in-process registry: the test program
// defines the registration functions of tarnex_inproc.h itself, so that the
// export tests read the same everywhere. Servers are registered with the
// simulated COM server (simpim_com.dll), which the library reaches through
// COM; the code page is the system's; message boxes are answered by a hook.
#include "tarnex/tarnex_inproc.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include "simulated_server.h"

TARN_API int32_t TARN_CALL tarnex_RegisterServer(const char* progId, tarnex_ServerFactory factory,
                                                 void* context) {
    if (!progId || !*progId) return -1;
    return windows_test::SimulatedServer().registerServer(progId, factory, context);
}

// The active code page of Windows cannot be chosen from inside a process.
TARN_API int32_t TARN_CALL tarnex_SetCodePage(uint32_t codePage) { return GetACP() == codePage ? 0 : -1; }

TARN_API void TARN_CALL tarnex_SetMessageBoxHandler(tarnex_MessageBoxHandler handler, void* context) {
    windows_test::SimulatedServer().setMessageBoxHandler(handler, context);
}
