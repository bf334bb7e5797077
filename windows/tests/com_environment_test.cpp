// What only real COM can show: the library never initialises COM itself, and
// probing a PIM leaves nothing behind in its server.
#include <windows.h>

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

TEST_F(RegisteredOutlook, ProbeReleasesWhatItCreated) {
    EXPECT_EQ(1, Tarnex().IsPimPresent(TARN_PIM_OUTLOOK));
    EXPECT_EQ(0, outlook.LiveReferences());
    EXPECT_EQ(0, windows_test::SimulatedServer().liveObjects());
}

TEST_F(RegisteredOutlook, SessionHoldsServerObjectsUntilClosed) {
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

}  // namespace
