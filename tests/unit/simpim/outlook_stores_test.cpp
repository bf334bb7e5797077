// The stores of the profile: a server mailbox's EntryIDs and open-item
// limit, an archive store beside the default one, and which store
// GetItemFromID searches.
#include "outlook_fixture.h"

namespace simpim::testing {
namespace {

constexpr Dispid kMove = 0xF034;
constexpr Dispid kEntryId = 0xF01E;
constexpr Dispid kGetItemFromId = 0x2109;
constexpr Dispid kStoreId = 0x3108;
const std::u16string kMovedOrDeleted = u"The item has been moved or deleted.";

// Catches a mailbox Move that keeps the EntryID or leaves the old object
// working, as a personal-folders store would.
TEST_F(MailboxTest, MoveGivesANewEntryIdAndRetiresTheOldObject) {
    const std::u16string id = server.AddItem(ContactClass()).EntryId();
    EXPECT_EQ(id.size(), 140u);
    DispatchRef contact = Open(id);
    DispatchRef moved = ObjectOf(Method(contact, kMove, {Variant(DefaultFolder(6))}));
    EXPECT_NE(moved.Get(), contact.Get());

    const std::u16string newId = Get(moved, kEntryId).Text();
    EXPECT_EQ(newId.size(), 140u);
    EXPECT_NE(newId, id);
    EXPECT_EQ(Open(newId).Get(), moved.Get());
    ExpectOutlookException(Get(contact, kEntryId), kMovedOrDeleted);
    ExpectOutlookException(Method(contact, 0xF048), kMovedOrDeleted);
    ExpectOutlookException(Method(ns, kGetItemFromId, {Variant(id)}), u"Could not open the item. Try again.");
}

// Catches a store using the folder's own entry for an item after dropping
// it, and a mailbox delete that keeps the EntryID.
TEST_F(MailboxTest, RemoveMovesTheItemToDeletedItemsUnderANewEntryId) {
    const std::u16string id = server.AddItem(ContactClass()).EntryId();
    ASSERT_TRUE(Method(ItemsOf(10), 0x54, {Variant(1)}).Ok());
    ASSERT_EQ(server.Count(3), 1u);
    EXPECT_NE(server.Folder(3).At(0).EntryId(), id);
    EXPECT_EQ(server.FindItem(id), nullptr);
}

// Catches a missing limit, a limit counted per lookup rather than per open
// object, and a count that never comes down.
TEST_F(MailboxTest, OpeningMoreItemsThanTheServerAllowsFails) {
    for (int i = 0; i < 251; ++i) server.AddItem(TaskClass());
    DispatchRef items = ItemsOf(13);
    std::vector<DispatchRef> open;
    for (int i = 1; i <= 250; ++i) open.push_back(ItemAt(items, i));
    EXPECT_EQ(ItemAt(items, 250).Get(), open.back().Get());  // already open: no new object

    ExpectOutlookException(
        Method(items, 0x51, {Variant(251)}),
        u"Your server administrator has limited the number of items you can open "
        u"simultaneously. Try closing messages you have opened or removing attachments and "
        u"images from unsent messages you are composing.");
    EXPECT_EQ(Method(application, 0x10A, {Variant(3)}).hr, ta::kDispException);
    open.pop_back();
    EXPECT_TRUE(Method(items, 0x51, {Variant(251)}).Ok());
    EXPECT_EQ(server.PeakOpenItems(), 250u);
    open.clear();
    EXPECT_EQ(server.OpenItems(), 0u);
    server.ResetPeakOpenItems();
    EXPECT_EQ(server.PeakOpenItems(), 0u);
}

// Catches GetItemFromID searching every store, or the default store
// whatever StoreID is given, and a folder reporting the default StoreID.
TEST_F(OutlookTest, GetItemFromIdSearchesTheStoreItsStoreIdNames) {
    OutlookStore& archive = server.AddArchiveStore();
    OutlookFolder& archived = *archive.Root().Subfolder(u"Contacts");
    const std::u16string archivedId = archive.AddItem(archived, ContactClass()).EntryId();
    const std::u16string defaultId = server.AddItem(ContactClass()).EntryId();
    const std::u16string unknownStore = u"0000000038A1BB1005E5101AA1BB08002B2A56C2";
    const struct {
        const char* what;
        std::u16string entryId;
        Variant storeId;
        bool found;
    } cases[] = {
        {"archive item, archive store", archivedId, Variant(archive.StoreId()), true},
        {"archive item, default store", archivedId, Variant(server.StoreId()), false},
        {"archive item, no store", archivedId, Variant::Missing(), false},
        {"default item, archive store", defaultId, Variant(archive.StoreId()), false},
        {"default item, no store", defaultId, Variant::Missing(), true},
        {"default item, empty store", defaultId, Variant(u""), true},
        {"default item, unknown store", defaultId, Variant(unknownStore), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Reply r = Method(ns, kGetItemFromId, {Variant(c.entryId), c.storeId});
        EXPECT_EQ(r.hr, c.found ? ta::kOk : ta::kDispException);
    }

    DispatchRef top = ObjectOf(Get(ns, 0x2103));
    ASSERT_EQ(Get(top, 0x50).Int(), 2);
    DispatchRef archiveRoot = ObjectOf(Method(top, 0x51, {Variant(2)}));
    EXPECT_EQ(Get(archiveRoot, 0x3001).Text(), u"Archive Folders");
    EXPECT_EQ(Get(archiveRoot, kStoreId).Text(), archive.StoreId());
    EXPECT_EQ(Get(DefaultFolder(10), kStoreId).Text(), server.StoreId());
}

}  // namespace
}  // namespace simpim::testing
