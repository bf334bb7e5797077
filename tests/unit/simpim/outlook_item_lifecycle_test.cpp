// Where saving, deleting and moving put an Outlook item.
#include "outlook_fixture.h"

namespace simpim::testing {
namespace {

constexpr Dispid kCreateItem = 0x10A;
constexpr Dispid kSave = 0xF048;
constexpr Dispid kDelete = 0xF04A;
constexpr Dispid kMove = 0xF034;
constexpr Dispid kEntryId = 0xF01E;

TEST_F(OutlookTest, CreateItemGivesAnUnsavedItemThatSaveStoresInItsDefaultFolder) {
    const struct {
        int itemType;
        int code;
        int folder;
    } cases[] = {{0, 43, 16}, {1, 26, 9}, {2, 40, 10}, {3, 48, 13}, {5, 44, 12}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.itemType);
        DispatchRef item = ObjectOf(Method(application, kCreateItem, {Variant(c.itemType)}));
        EXPECT_EQ(Get(item, 0xF00A).Int(), c.code);
        EXPECT_EQ(Get(item, kEntryId).Text(), u"");
        EXPECT_EQ(Get(item, 0x3007).Date(), kNoDate);
        const std::size_t before = server.Count(c.folder);

        ASSERT_TRUE(Method(item, kSave).Ok());
        const std::u16string id = Get(item, kEntryId).Text();
        ASSERT_FALSE(id.empty());
        OutlookItem* stored = server.FindItem(id);
        ASSERT_NE(stored, nullptr);
        EXPECT_EQ(stored->Folder(), &server.Folder(c.folder));
        EXPECT_EQ(server.Count(c.folder), before + 1);

        ASSERT_TRUE(Method(item, kSave).Ok());  // saving again stores in place
        EXPECT_EQ(Get(item, kEntryId).Text(), id);
        EXPECT_EQ(server.Count(c.folder), before + 1);
    }
    for (int unknown : {6, 8, -1})
        EXPECT_EQ(Method(application, kCreateItem, {Variant(unknown)}).hr, ta::kDispException);
}

TEST_F(OutlookTest, DeleteMovesToDeletedItemsThenDeletesForGood) {
    OutlookItem& stored = server.AddItem(TaskClass());
    const std::u16string id = stored.EntryId();
    DispatchRef item = Open(id);
    DispatchRef other = Open(id);

    ASSERT_TRUE(Method(item, kDelete).Ok());
    EXPECT_EQ(server.Count(13), 0u);
    EXPECT_EQ(server.Count(3), 1u);
    for (Dispid member : {Dispid{0x37}, Dispid{kEntryId}, Dispid{0xF00A}}) {
        Reply r = Get(item, member);
        EXPECT_EQ(r.hr, ta::kDispException);
        EXPECT_EQ(r.exception.description, u"The item has been moved or deleted.");
    }
    EXPECT_EQ(Method(item, kSave).hr, ta::kDispException);
    EXPECT_EQ(Get(item, 0x1234).hr, ta::kDispMemberNotFound);  // a member it never had

    // In Deleted Items it keeps its EntryID; deleting it there removes it.
    DispatchRef again = Open(id);
    EXPECT_EQ(Get(ObjectOf(Get(again, 0xF001)), 0x3001).Text(), u"Deleted Items");
    ASSERT_TRUE(Method(again, kDelete).Ok());
    EXPECT_EQ(server.Count(3), 0u);
    EXPECT_EQ(Method(ns, 0x2109, {Variant(id)}).hr, ta::kDispException);
    EXPECT_EQ(Get(other, 0x37).exception.description, u"The item has been moved or deleted.");
}

TEST_F(OutlookTest, MoveTakesNewItemAndChangesToTheFolderKeepingTheEntryId) {
    DispatchRef mail = ObjectOf(Method(application, kCreateItem, {Variant(0)}));
    ASSERT_TRUE(Put(mail, 0x37, Variant(u"Hello")).Ok());
    ASSERT_TRUE(Method(mail, kSave).Ok());
    const std::u16string id = Get(mail, kEntryId).Text();
    EXPECT_EQ(server.Count(16), 1u);

    ASSERT_TRUE(Put(mail, 0x9100, Variant(u"Body text")).Ok());
    DispatchRef moved = ObjectOf(Method(mail, kMove, {Variant(DefaultFolder(6))}));
    EXPECT_EQ(server.Count(16), 0u);
    ASSERT_EQ(server.Count(6), 1u);
    EXPECT_EQ(Get(moved, kEntryId).Text(), id);
    EXPECT_EQ(Get(mail, kEntryId).Text(), id);
    EXPECT_EQ(Get(ObjectOf(Get(mail, 0xF001)), 0x3001).Text(), u"Inbox");
    EXPECT_EQ(TextOf(server.Folder(6).At(0).Get("Body")), u"Body text");

    EXPECT_EQ(Method(mail, kMove, {Variant(7)}).hr, ta::kDispTypeMismatch);
    EXPECT_EQ(Method(mail, kMove, {Variant(ns)}).hr, ta::kDispException);
    EXPECT_EQ(Method(mail, kMove).hr, ta::kDispBadParamCount);
}

}  // namespace
}  // namespace simpim::testing
