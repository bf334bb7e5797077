// What only real COM can show: the library never initialises COM itself,
// probing a PIM leaves nothing behind in its server, and a host that unloads
// the DLL with its session still open is not called back into the server's
// objects.
#include <windows.h>
#include <objbase.h>

#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "exports/library.h"
#include "simpim/outlook_server.h"
#include "simulated_server.h"
#include "tarnex/tarnex_inproc.h"

namespace {

using tarnex_test::Tarnex;

constexpr const char* kOutlook = "Outlook.Application.9";

class RegisteredOutlook : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(0, tarnex_RegisterServer(kOutlook, &simpim::OutlookServer::Factory, &outlook));
    }
    void TearDown() override {
        Tarnex().Uninitialize();
        tarnex_RegisterServer(kOutlook, nullptr, nullptr);
    }
    simpim::OutlookServer outlook;
};

TEST_F(RegisteredOutlook, ThreadWithoutComCannotCreateTheServer) {
    TarnResult opened = 0;
    unsigned char present = 1;
    std::thread withoutCom([&] {
        present = Tarnex().IsPimPresent(TARN_PIM_OUTLOOK);
        opened = Tarnex().Initialize(TARN_PIM_OUTLOOK);
    });
    withoutCom.join();
    EXPECT_EQ(0, present);
    EXPECT_EQ(TARN_NO_SERVER, opened);
    std::int32_t count = 0;
    EXPECT_EQ(TARN_NOT_OPEN, Tarnex().GetCountForOL(&count, TARN_STORE_CONTACTS));
    EXPECT_EQ(0, outlook.LiveReferences());
}

TEST_F(RegisteredOutlook, ProbeAndSessionReleaseWhatTheyCreated) {
    EXPECT_EQ(1, Tarnex().IsPimPresent(TARN_PIM_OUTLOOK));
    EXPECT_EQ(0, outlook.LiveReferences());
    EXPECT_EQ(0, windows_test::SimulatedServer().liveObjects());
    ASSERT_EQ(TARN_INITIALIZED, Tarnex().Initialize(TARN_PIM_OUTLOOK));
    EXPECT_GT(outlook.LiveReferences(), 0);
    Tarnex().Uninitialize();
    EXPECT_EQ(0, outlook.LiveReferences());
    EXPECT_EQ(0, windows_test::SimulatedServer().liveObjects());
}

// Run alone, in a prefix where no PIM class is registered at all.
TEST(UnregisteredPim, ProbeIsFalseAndOpeningFindsNoServer) {
    EXPECT_EQ(0, Tarnex().IsPimPresent(TARN_PIM_OUTLOOK));
    EXPECT_EQ(0, Tarnex().IsPimPresent(TARN_PIM_EUDORA));
    EXPECT_EQ(TARN_NO_SERVER, Tarnex().Initialize(TARN_PIM_OUTLOOK));
    EXPECT_EQ(TARN_NO_SERVER, Tarnex().Initialize(TARN_PIM_EUDORA));
    EXPECT_EQ(1, Tarnex().IsPimPresent(7));
}

// The library must not call the server's objects while it is being
// unloaded (under the loader lock, perhaps after the host has uninitialised
// COM). A copy of tarnex.dll under another name is loaded and unloaded, so
// that the unload is real. The objects the copy lets go of stay alive in the
// simulated server, so these run alone (windows/test.sh), in process and out
// of process: the other tests count the server's objects.
class DllUnload : public RegisteredOutlook {
protected:
    void TearDown() override { tarnex_RegisterServer(kOutlook, nullptr, nullptr); }
    static std::string NextToProgram(const char* file) {
        char path[MAX_PATH];
        const std::string program(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
        return program.substr(0, program.find_last_of("\\/") + 1) + file;
    }
    // Loads a fresh copy of the library and opens a session over Outlook.
    static HMODULE LoadAndOpen(const char* copyName) {
        const std::string copy = NextToProgram(copyName);
        HMODULE module = CopyFileA(NextToProgram("tarnex.dll").c_str(), copy.c_str(), FALSE)
                             ? LoadLibraryA(copy.c_str())
                             : nullptr;
        const auto initialize = reinterpret_cast<decltype(&InitializeTARN)>(
            reinterpret_cast<void*>(module ? GetProcAddress(module, "InitializeTARN") : nullptr));
        if (initialize && initialize(TARN_PIM_OUTLOOK) == TARN_INITIALIZED) return module;
        if (module) FreeLibrary(module);
        return nullptr;
    }
    // What the server has seen, to compare before and after the unload.
    std::vector<std::int64_t> View() const {
        return {outlook.CallCount(), outlook.LiveReferences(), windows_test::SimulatedServer().liveObjects()};
    }
};

// Plausible mistake: the session's destructor releasing the objects at
// FreeLibrary, as it does when the host closes the session.
TEST_F(DllUnload, FreeLibraryWithTheSessionOpenCallsNoObject) {
    HMODULE copy = LoadAndOpen("tarnex_unload_open.dll");
    ASSERT_NE(nullptr, copy);
    const auto before = View();
    ASSERT_GT(before[1], 0);
    ASSERT_TRUE(FreeLibrary(copy));
    EXPECT_EQ(before, View());
}

// The host uninitialises COM on its thread first, then unloads: the
// library's objects are gone with the apartment and must not be touched.
TEST_F(DllUnload, UnloadAfterTheHostUninitialisedComCallsNoObject) {
    bool opened = false, unloaded = false;
    std::vector<std::int64_t> before, after;
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
