#include "automation/inproc/server_registry.h"

#include <gtest/gtest.h>

#include "automation/server.h"
#include "fake_dispatch.h"
#include "tarnex/tarnex_inproc.h"

namespace tarnex::automation {
namespace {

using testing::FakeDispatch;

constexpr const char* kProgId = "Tests.Registry.1";

// The factory's context is the object it hands out with one new reference;
// a null context makes the factory fail.
void* HandOut(void* context) {
    auto* object = static_cast<FakeDispatch*>(context);
    if (object) object->AddRef();
    return object;
}

class ServerRegistryTest : public ::testing::Test {
protected:
    void TearDown() override {
        inproc::UnregisterServer(kProgId);
        EXPECT_EQ(first_.references, 1);
        EXPECT_EQ(second_.references, 1);
    }
    FakeDispatch first_;
    FakeDispatch second_;
};

TEST_F(ServerRegistryTest, MissingOrUnknownProgIdIsNoServer) {
    EXPECT_FALSE(CreateServer(kProgId).has_value());
    EXPECT_FALSE(CreateServer("").has_value());
    EXPECT_EQ(tarnex_RegisterServer(nullptr, HandOut, &first_), -1);
    EXPECT_EQ(tarnex_RegisterServer("", HandOut, &first_), -1);
}

TEST_F(ServerRegistryTest, CreatesAdoptsReplacesAndUnregisters) {
    ASSERT_EQ(tarnex_RegisterServer(kProgId, HandOut, &first_), 0);
    {
        auto server = CreateServer(kProgId);
        ASSERT_TRUE(server.has_value());
        EXPECT_EQ(server->Get(), &first_);
        EXPECT_EQ(first_.references, 2);  // the factory's reference, adopted
        // Looked up regardless of case, like the system's class registry.
        EXPECT_EQ(CreateServer("tests.REGISTRY.1")->Get(), &first_);
    }
    ASSERT_EQ(tarnex_RegisterServer(kProgId, HandOut, &second_), 0);
    EXPECT_EQ(CreateServer(kProgId)->Get(), &second_);

    inproc::UnregisterServer(kProgId);
    EXPECT_FALSE(CreateServer(kProgId).has_value());
    inproc::UnregisterServer(kProgId);  // twice is harmless
}

TEST_F(ServerRegistryTest, NullFactoryUnregistersAndFailingFactoryIsNoServer) {
    ASSERT_EQ(tarnex_RegisterServer(kProgId, HandOut, &first_), 0);
    ASSERT_EQ(tarnex_RegisterServer(kProgId, nullptr, nullptr), 0);
    EXPECT_FALSE(CreateServer(kProgId).has_value());

    ASSERT_EQ(tarnex_RegisterServer(kProgId, HandOut, nullptr), 0);
    EXPECT_FALSE(CreateServer(kProgId).has_value());
}

}  // namespace
}  // namespace tarnex::automation
