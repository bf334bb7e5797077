// The Windows test program: the thread that runs the tests is the host's
// thread, with COM initialised.
//   (default)              a single-threaded apartment, as a host's window
//                          thread has it; no multithreaded apartment exists in
//                          the process, so any other thread is one without COM.
//   --out-of-process       the registered servers are offered to the relay
//   --out-of-process=mta   (simpim_relay.exe) from the multithreaded apartment,
//   --out-of-process=sta   whose calls into them arrive on COM's own threads
//                          while the host's thread waits on the relay. The
//                          host's thread is in that same multithreaded
//                          apartment (mta, the default) or in a single-threaded
//                          apartment of its own (sta), as most hosts are.
#include <windows.h>
#include <objbase.h>

#include <cstdio>
#include <cstring>
#include <thread>

#include <gtest/gtest.h>

#include "simulated_server.h"

namespace {

enum class Run { InProcess, OutOfProcessMta, OutOfProcessSta };

Run RunOf(int argc, char** argv) {
    Run run = Run::InProcess;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--out-of-process") == 0 ||
            std::strcmp(argv[i], "--out-of-process=mta") == 0)
            run = Run::OutOfProcessMta;
        else if (std::strcmp(argv[i], "--out-of-process=sta") == 0)
            run = Run::OutOfProcessSta;
    }
    return run;
}

// Offers the servers from the calling thread's apartment.
bool Serve() {
    const HRESULT hr = windows_test::SimulatedServer().serveOutOfProcess();
    if (SUCCEEDED(hr)) return true;
    std::fprintf(stderr, "cannot offer the servers to the relay: 0x%08lx\n", static_cast<unsigned long>(hr));
    return false;
}

// A thread that keeps the multithreaded apartment, and the servers offered
// from it, for as long as the tests run.
class ServingApartment {
public:
    bool Start() {
        thread_ = std::thread([this] {
            const bool initialised = SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED));
            served_ = initialised && Serve();
            SetEvent(ready_);
            WaitForSingleObject(stop_, INFINITE);
            if (initialised) CoUninitialize();
        });
        WaitForSingleObject(ready_, INFINITE);
        return served_;
    }
    ~ServingApartment() {
        SetEvent(stop_);
        if (thread_.joinable()) thread_.join();
        CloseHandle(ready_);
        CloseHandle(stop_);
    }

private:
    HANDLE ready_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE stop_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    bool served_ = false;
    std::thread thread_;
};

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    const Run run = RunOf(argc, argv);
    windows_test::serversOutOfProcess = run != Run::InProcess;
    const DWORD apartment = run == Run::OutOfProcessMta ? COINIT_MULTITHREADED : COINIT_APARTMENTTHREADED;
    if (FAILED(CoInitializeEx(nullptr, apartment))) {
        std::fprintf(stderr, "CoInitializeEx failed\n");
        return 2;
    }
    int result = 2;
    {
        ServingApartment serving;
        bool ready = true;
        if (run == Run::OutOfProcessMta) ready = Serve();
        if (run == Run::OutOfProcessSta) ready = serving.Start();
        if (ready) result = RUN_ALL_TESTS();
    }
    CoUninitialize();
    return result;
}
