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

TEST(ServerRegistryTest, RegistersLooksUpRegardlessOfCaseReplacesAndUnregisters) {
    FakeDispatch first;
    FakeDispatch second;
    EXPECT_FALSE(CreateServer(kProgId).has_value());
    EXPECT_EQ(tarnex_RegisterServer(nullptr, HandOut, &first), -1);
    EXPECT_EQ(tarnex_RegisterServer("", HandOut, &first), -1);
    EXPECT_FALSE(CreateServer("").has_value());

    ASSERT_EQ(tarnex_RegisterServer(kProgId, HandOut, &first), 0);
    {
        auto server = CreateServer(kProgId);
        ASSERT_TRUE(server.has_value());
        EXPECT_EQ(server->Get(), &first);
        EXPECT_EQ(first.references, 2);  // the factory's reference, adopted
        // Looked up regardless of case, like the system's class registry.
        EXPECT_EQ(CreateServer("tests.REGISTRY.1")->Get(), &first);
    }
    ASSERT_EQ(tarnex_RegisterServer(kProgId, HandOut, &second), 0);
    EXPECT_EQ(CreateServer(kProgId)->Get(), &second);
    ASSERT_EQ(tarnex_RegisterServer(kProgId, HandOut, nullptr), 0);
    EXPECT_FALSE(CreateServer(kProgId).has_value());  // the factory failed

    ASSERT_EQ(tarnex_RegisterServer(kProgId, nullptr, nullptr), 0);  // a null factory unregisters
    EXPECT_FALSE(CreateServer(kProgId).has_value());
    ASSERT_EQ(tarnex_RegisterServer(kProgId, HandOut, &first), 0);
    inproc::UnregisterServer(kProgId);
    EXPECT_FALSE(CreateServer(kProgId).has_value());
    inproc::UnregisterServer(kProgId);  // twice is harmless
    EXPECT_EQ(first.references, 1);
    EXPECT_EQ(second.references, 1);
}

}  // namespace
}  // namespace tarnex::automation
