// A host that unloads the DLL with its session still open: the library must
// not call the server's objects while it is being unloaded (under the loader
// lock, perhaps after the host has uninitialised COM). A copy of tarnex.dll
// under another name is loaded and unloaded, so that the unload is real.
// The objects the copy lets go of stay alive in the simulated server, so
// these run alone (windows/test.sh), in process and out of process: the
// other tests count the server's objects.
#include <windows.h>
#include <objbase.h>

#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "simpim/outlook_server.h"
#include "simulated_server.h"
#include "tarnex/tarnex.h"
#include "tarnex/tarnex_inproc.h"

namespace {

constexpr const char* kOutlook = "Outlook.Application.9";

std::string NextToProgram(const char* file) {
    char path[MAX_PATH];
    const std::string program(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
    return program.substr(0, program.find_last_of("\\/") + 1) + file;
}

// What the server has seen, to compare before and after the unload.
struct ServerView {
    std::int64_t calls, references, comObjects;
    friend bool operator==(const ServerView&, const ServerView&) = default;
};

class DllUnload : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(0, tarnex_RegisterServer(kOutlook, &simpim::OutlookServer::Factory, &outlook));
    }
    void TearDown() override { tarnex_RegisterServer(kOutlook, nullptr, nullptr); }

    // Loads a fresh copy of the library and opens a session over Outlook.
    HMODULE LoadAndOpen(const char* copyName) {
        const std::string copy = NextToProgram(copyName);
        if (!CopyFileA(NextToProgram("tarnex.dll").c_str(), copy.c_str(), FALSE)) return nullptr;
        HMODULE module = LoadLibraryA(copy.c_str());
        if (!module) return nullptr;
        const auto initialize = reinterpret_cast<decltype(&InitializeTARN)>(
            reinterpret_cast<void*>(GetProcAddress(module, "InitializeTARN")));
        if (!initialize || initialize(TARN_PIM_OUTLOOK) != TARN_INITIALIZED) {
            FreeLibrary(module);
            return nullptr;
        }
        return module;
    }

    ServerView View() const {
        return {outlook.CallCount(), outlook.LiveReferences(), windows_test::SimulatedServer().liveObjects()};
    }

    simpim::OutlookServer outlook;
};

// Plausible mistake: the session's destructor releasing the objects at
// FreeLibrary, as it does when the host closes the session.
TEST_F(DllUnload, FreeLibraryWithTheSessionOpenCallsNoObject) {
    HMODULE copy = LoadAndOpen("tarnex_unload_open.dll");
    ASSERT_NE(nullptr, copy);
    const ServerView before = View();
    ASSERT_GT(before.references, 0);
    ASSERT_TRUE(FreeLibrary(copy));
    EXPECT_EQ(before, View());
}

// The host uninitialises COM on its thread first, then unloads: the
// library's objects are gone with the apartment and must not be touched.
TEST_F(DllUnload, UnloadAfterTheHostUninitialisedComCallsNoObject) {
    bool opened = false, unloaded = false;
    ServerView before{}, after{};
    std::thread host([&] {
        if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return;
        HMODULE copy = LoadAndOpen("tarnex_unload_uninitialised.dll");
        opened = copy != nullptr;
        CoUninitialize();
        if (!copy) return;
        before = View();
        unloaded = FreeLibrary(copy);
        after = View();
    });
    host.join();
    ASSERT_TRUE(opened);
    EXPECT_TRUE(unloaded);
    EXPECT_EQ(before, after);
}

}  // namespace
