// The Windows test program: the thread that runs the tests is the host's
// thread, with COM initialised.
//   (default)          a single-threaded apartment, as a host's window thread
//                      has it; no multithreaded apartment exists in the
//                      process, so any other thread is one without COM.
//   --out-of-process   the multithreaded apartment, and the registered servers
//                      offered to the relay (simpim_relay.exe): the relay's
//                      calls into them arrive on COM's own threads while the
//                      test thread waits on the relay, rather than relying on
//                      the waiting thread to let them in.
#include <windows.h>
#include <objbase.h>

#include <cstdio>
#include <cstring>

#include <gtest/gtest.h>

#include "simulated_server.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--out-of-process") == 0) windows_test::serversOutOfProcess = true;
    const DWORD apartment =
        windows_test::serversOutOfProcess ? COINIT_MULTITHREADED : COINIT_APARTMENTTHREADED;
    if (FAILED(CoInitializeEx(nullptr, apartment))) {
        std::fprintf(stderr, "CoInitializeEx failed\n");
        return 2;
    }
    if (windows_test::serversOutOfProcess) {
        const HRESULT hr = windows_test::SimulatedServer().serveOutOfProcess();
        if (FAILED(hr)) {
            std::fprintf(stderr, "cannot offer the servers to the relay: 0x%08lx\n",
                         static_cast<unsigned long>(hr));
            return 2;
        }
    }
    const int result = RUN_ALL_TESTS();
    CoUninitialize();
    return result;
}
