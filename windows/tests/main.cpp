// The Windows test program: the thread that runs the tests is the host's
// thread, with COM initialised in a single-threaded apartment as a host's
// window thread has it. (No multithreaded apartment exists in the process, so
// any other thread is one without COM.) While a call waits on the relay, COM
// lets the relay's calls into the servers this process offers through.
//   --out-of-process   offer the registered servers to the relay (simpim_relay.exe)
#include <windows.h>
#include <objbase.h>

#include <cstdio>
#include <cstring>

#include <gtest/gtest.h>

#include "simulated_server.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {
        std::fprintf(stderr, "CoInitializeEx failed\n");
        return 2;
    }
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--out-of-process") != 0) continue;
        const HRESULT hr = windows_test::SimulatedServer().serveOutOfProcess();
        if (FAILED(hr)) {
            std::fprintf(stderr, "cannot offer the servers to the relay: 0x%08lx\n", static_cast<unsigned long>(hr));
            return 2;
        }
    }
    const int result = RUN_ALL_TESTS();
    CoUninitialize();
    return result;
}
