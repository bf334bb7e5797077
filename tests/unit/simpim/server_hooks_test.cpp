// Fault injection and the non-object item result: the hooks the library's
// failure tests stand on.
#include <new>
#include <stdexcept>

#include "outlook_fixture.h"

namespace simpim::testing {
namespace {

TEST_F(OutlookTest, TheNthCallFailsWithTheChosenFault) {
    DispatchRef folder = DefaultFolder(10);
    server.FailCall(2, Fault::Exception(u"Injected"));
    EXPECT_TRUE(Get(folder, 0x3001).Ok());
    Reply failed = Get(folder, 0x3001);
    EXPECT_EQ(failed.hr, ta::kDispException);
    EXPECT_EQ(failed.exception.description, u"Injected");
    EXPECT_TRUE(Get(folder, 0x3001).Ok());  // only once

    server.FailCall(1, Fault::Status(ta::kFail));
    EXPECT_EQ(Get(folder, 0x3001).hr, ta::kFail);
    server.FailCall(1, Fault::Status(ta::kDispTypeMismatch));
    EXPECT_EQ(Get(folder, 0x3001).hr, ta::kDispTypeMismatch);

    ta::ExceptionInfo info;
    Variant result;
    server.FailCall(1, Fault::OutOfMemory());
    EXPECT_THROW(folder.Get()->Invoke(0x3001, InvokeKind::Get, {}, result, info), std::bad_alloc);
    server.FailCall(1, Fault::Unexpected());
    EXPECT_THROW(folder.Get()->Invoke(0x3001, InvokeKind::Get, {}, result, info), std::runtime_error);
    EXPECT_TRUE(Get(folder, 0x3001).Ok());
}

TEST_F(OutlookTest, EveryCallToADispidCanFail) {
    server.AddItem(ContactClass());
    server.FailEveryCall(0x3a11, Fault::Status(ta::kFail), "ContactItem");
    DispatchRef contact = ItemAt(ItemsOf(10), 1);
    EXPECT_EQ(Get(contact, 0x3a11).hr, ta::kFail);
    EXPECT_EQ(Put(contact, 0x3a11, Variant(u"x")).hr, ta::kFail);
    EXPECT_TRUE(Get(contact, 0x3a06).Ok());
    server.ClearFaults();
    EXPECT_TRUE(Get(contact, 0x3a11).Ok());
}

TEST_F(OutlookTest, NextItemCallCanHandBackSomethingThatIsNoObject) {
    server.AddItem(ContactClass());
    DispatchRef items = ItemsOf(10);
    server.HandBackFromNextItemCall(Variant(7));
    Reply odd = Method(items, 0x51, {Variant(1)});
    ASSERT_TRUE(odd.Ok());
    EXPECT_EQ(odd.Int(), 7);
    server.HandBackFromNextItemCall(Variant());
    EXPECT_TRUE(Method(items, 0x51, {Variant(1)}).value.IsEmpty());
    EXPECT_TRUE(Method(items, 0x51, {Variant(1)}).Object());  // only once each
}

}  // namespace
}  // namespace simpim::testing
