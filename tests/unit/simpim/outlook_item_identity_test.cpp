// One object per item: every lookup that reaches an item while an object is
// open on it hands out that object, unsaved changes and all.
#include "outlook_fixture.h"

namespace simpim::testing {
namespace {

constexpr Dispid kSubject = 0x37;
constexpr Dispid kMove = 0xF034;

// Catches a lookup that makes a private copy of the item (its changes would
// be lost to the other holders), and one that keeps a reference of its own
// (the fixture's zero-reference check fails).
TEST_F(OutlookTest, EveryLookupOfAnOpenItemGivesTheSameObject) {
    server.AddItem(TaskClass()).Set("Subject", Variant(u"Saved"));
    const std::u16string id = server.Store().DefaultFolder(13)->At(0).EntryId();
    DispatchRef items = ItemsOf(13);
    DispatchRef open = ItemAt(items, 1);
    ASSERT_TRUE(Put(open, kSubject, Variant(u"Unsaved")).Ok());

    {
        const struct {
            const char* lookup;
            Reply reply;
        } lookups[] = {
            {"Items.Item", Method(items, 0x51, {Variant(1)})},
            {"Items.Item by subject", Method(items, 0x51, {Variant(u"Saved")})},
            {"GetFirst", Method(ItemsOf(13), 0x56)},
            {"GetItemFromID", Method(ns, 0x2109, {Variant(id), Variant(server.StoreId())})},
            {"GetItemFromID without store", Method(ns, 0x2109, {Variant(id)})},
        };
        for (const auto& l : lookups) {
            SCOPED_TRACE(l.lookup);
            DispatchRef again = ObjectOf(l.reply);
            EXPECT_EQ(again.Get(), open.Get());
            EXPECT_EQ(Get(again, kSubject).Text(), u"Unsaved");
        }
        EXPECT_EQ(server.OpenItems(), 1u);
    }  // the replies release their references

    // Once released, the next lookup opens the saved values afresh.
    open.Reset();
    EXPECT_EQ(server.OpenItems(), 0u);
    EXPECT_EQ(Get(ItemAt(items, 1), kSubject).Text(), u"Saved");
}

// Catches new items sharing an object, and a personal-folders Move that
// hands back a second object for the same item.
TEST_F(OutlookTest, NewItemsHaveTheirOwnObjectsAndMoveKeepsTheObject) {
    DispatchRef first = ObjectOf(Method(application, 0x10A, {Variant(3)}));
    DispatchRef second = ObjectOf(Method(application, 0x10A, {Variant(3)}));
    EXPECT_NE(first.Get(), second.Get());

    DispatchRef moved = ObjectOf(Method(first, kMove, {Variant(DefaultFolder(6))}));
    EXPECT_EQ(moved.Get(), first.Get());
    EXPECT_EQ(ItemAt(ItemsOf(6), 1).Get(), first.Get());
}

}  // namespace
}  // namespace simpim::testing
