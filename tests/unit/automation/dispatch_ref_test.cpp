#include "automation/dispatch_ref.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "automation/invoke.h"
#include "automation/variant.h"
#include "fake_dispatch.h"

namespace tarnex::automation {
namespace {

using testing::FakeDispatch;

TEST(DispatchRefTest, AdoptShareDetachAndReset) {
    FakeDispatch object;
    {
        DispatchRef shared = DispatchRef::Share(&object);
        EXPECT_EQ(object.references, 2);
        object.AddRef();
        DispatchRef adopted = DispatchRef::Adopt(&object);
        EXPECT_EQ(object.references, 3);
    }
    EXPECT_EQ(object.references, 1);

    DispatchRef ref = DispatchRef::Share(&object);
    DispatchObject* detached = ref.Detach();
    EXPECT_EQ(detached, &object);
    EXPECT_FALSE(ref);
    EXPECT_EQ(object.references, 2);  // now the caller's to give back
    detached->Release();
    ref = DispatchRef::Share(&object);
    ref.Reset();
    ref.Reset();  // an empty reference releases nothing
    EXPECT_EQ(object.references, 1);
}

TEST(DispatchRefTest, CopiesMovesAndAssignmentsBalance) {
    FakeDispatch first;
    FakeDispatch second;
    {
        DispatchRef a = DispatchRef::Share(&first);
        DispatchRef copy = a;
        EXPECT_EQ(first.references, 3);
        DispatchRef moved = std::move(copy);
        EXPECT_EQ(first.references, 3);
        EXPECT_FALSE(copy);  // a moved-from reference is empty

        DispatchRef b = DispatchRef::Share(&second);
        a = b;  // gives up first, shares second
        EXPECT_EQ(first.references, 2);
        EXPECT_EQ(second.references, 3);
        const DispatchRef& self = a;
        a = self;  // self-assignment keeps the one reference
        EXPECT_EQ(second.references, 3);
        moved = std::move(b);  // gives up first, takes b's reference to second
        EXPECT_EQ(first.references, 1);
        EXPECT_EQ(second.references, 3);
        EXPECT_TRUE(a == moved);
        moved = nullptr;
        EXPECT_EQ(second.references, 2);
    }
    EXPECT_EQ(first.references, 1);
    EXPECT_EQ(second.references, 1);
}

TEST(DispatchRefTest, ReferencesInVariantsAndContainersSurviveAnException) {
    FakeDispatch object;
    try {
        std::vector<Variant> values;
        for (int i = 0; i < 8; ++i) values.emplace_back(DispatchRef::Share(&object));
        const Variant copy = values.front();
        const DispatchRef item = ItemAsDispatch(copy);
        EXPECT_EQ(object.references, 11);
        throw std::runtime_error("unwind");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(object.references, 1);
}

}  // namespace
}  // namespace tarnex::automation
