// The simulated Outlook's objects as Outlook 2000 has them: the errors for
// calls it refuses, one object per open item, where saving, deleting and
// moving put an item and what becomes of its EntryID and its objects, the
// stores GetItemFromID searches, a server mailbox's open-item limit and the
// end of a folder walk.
#include "sim_call.h"

namespace simpim::testing {
namespace {

const std::u16string kUnknownStore = u"0000000038A1BB1005E5101AA1BB08002B2A56C2";

// Catches a call the simulation lets through or answers otherwise than
// Outlook: the library's handling of each failure would go untried.
TEST_F(OutlookTest, RefusedCallsGiveOutlooksStatusesAndExceptions) {
    const std::u16string id = server.AddItem(ContactClass()).EntryId();
    DispatchRef items = ItemsOf(10);
    DispatchRef task = New(3), appointment = New(1), note = New(5), list = New(7);
    for (int accepted : {0, 2}) {
        ASSERT_TRUE(Put(task, kImportance, Variant(accepted)).Ok());
        EXPECT_EQ(Get(task, kImportance).Int(), accepted);
    }
    const std::u16string bounds = u"Array index out of bounds.",
                         cannotOpen = u"Could not open the item. Try again.",
                         invalid =
                             u"Could not complete the operation. One or more parameter values are not valid.";
    const HResult badIndex = ta::kDispBadIndex, notFound = static_cast<HResult>(0x8004010F),
                  invalidArg = static_cast<HResult>(0x80070057), exception = ta::kDispException;
    const struct {
        const char* what;
        Reply reply;
        HResult hr;
        std::u16string description = u"";  // for dispatch exceptions
        HResult scode = 0;
    } cases[] = {
        {"item 0", Method(items, kItem, {Variant(0)}), exception, bounds, badIndex},
        {"item past the count", Method(items, kItem, {Variant(2)}), exception, bounds, badIndex},
        {"remove past the count", Method(items, kRemove, {Variant(2)}), exception, bounds, badIndex},
        {"unknown id", Method(ns, kGetItemFromId, {Variant(u"00000000DEADBEEF"), Variant(server.StoreId())}),
         exception, cannotOpen, notFound},
        {"other store", Method(ns, kGetItemFromId, {Variant(id), Variant(kUnknownStore)}), exception,
         cannotOpen, notFound},
        {"folder's id", Method(ns, kGetItemFromId, {Variant(server.Folder(10).EntryId())}), exception,
         cannotOpen, notFound},
        {"namespace other than MAPI", Method(application, kGetNamespace, {Variant(u"LDAP")}), exception,
         invalid, invalidArg},
        {"unknown default folder", Method(ns, kGetDefaultFolder, {Variant(7)}), exception, invalid,
         invalidArg},
        {"unknown item type", Method(application, kCreateItem, {Variant(6)}), exception, invalid, invalidArg},
        {"Importance 3", Put(task, kImportance, Variant(3)), exception, invalid, invalidArg},
        {"task Status 5", Put(task, 0x8101, Variant(5)), exception, invalid, invalidArg},
        {"move to no folder", Method(task, kMove, {Variant(ns)}), exception, invalid, invalidArg},
        {"unknown dispid", Get(items, 0x1234), ta::kDispMemberNotFound},
        {"property called as method", Method(items, kCount), ta::kDispMemberNotFound},
        {"put on read-only property", Put(DefaultFolder(10), kStoreId, Variant(u"x")),
         ta::kDispMemberNotFound},
        {"put of IsRecurring", Put(appointment, 0x8223, Variant(true)), ta::kDispMemberNotFound},
        {"note Importance", Get(note, kImportance), ta::kDispMemberNotFound},
        {"note Subject put", Put(note, 0xF7A0, Variant(u"Title")), ta::kDispMemberNotFound},
        {"note Subject at 0x37", Get(note, kSubject), ta::kDispMemberNotFound},
        {"put of MemberCount", Put(list, 0x804B, Variant(3)), ta::kDispMemberNotFound},
        {"contact member of a list", Get(list, 0x3a11), ta::kDispMemberNotFound},
        {"missing argument", Method(ns, kGetDefaultFolder), ta::kDispBadParamCount},
        {"move without a folder", Method(task, kMove), ta::kDispBadParamCount},
        {"text that is no number", Method(ns, kGetDefaultFolder, {Variant(u"ten")}), ta::kDispTypeMismatch},
        {"move to a number", Method(task, kMove, {Variant(7)}), ta::kDispTypeMismatch},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.reply.hr, c.hr);
        EXPECT_EQ(c.reply.exception.description, c.description);
        EXPECT_EQ(c.reply.exception.scode, c.scode);
    }
    EXPECT_EQ(Get(task, kImportance).Int(), 2);  // a refused put changes nothing
    EXPECT_EQ(Get(list, 0x804B).Int(), 0);
    EXPECT_EQ(server.LiveReferences(), 2 + 5);  // application, namespace and the five held here
}

// Catches a lookup that makes a private copy of an open item (its changes
// would be lost to the other holders), new items sharing an object, and an
// open-item count that never comes down.
TEST_F(OutlookTest, EveryLookupOfAnOpenItemGivesTheSameObject) {
    server.AddItem(TaskClass()).Set("Subject", Variant(u"Saved"));
    const std::u16string id = server.Folder(13).At(0).EntryId();
    DispatchRef items = ItemsOf(13);
    DispatchRef open = ItemAt(items, 1);
    ASSERT_TRUE(Put(open, kSubject, Variant(u"Unsaved")).Ok());
    {
        const struct {
            const char* lookup;
            Reply reply;
        } lookups[] = {
            {"Items.Item", Method(items, kItem, {Variant(1)})},
            {"Items.Item by subject", Method(items, kItem, {Variant(u"Saved")})},
            {"GetFirst", Method(ItemsOf(13), kGetFirst)},
            {"GetItemFromID", Method(ns, kGetItemFromId, {Variant(id), Variant(server.StoreId())})},
            {"GetItemFromID without store", Method(ns, kGetItemFromId, {Variant(id)})},
        };
        for (const auto& l : lookups) {
            SCOPED_TRACE(l.lookup);
            EXPECT_EQ(ObjectOf(l.reply).Get(), open.Get());
            EXPECT_EQ(Get(l.reply.Object(), kSubject).Text(), u"Unsaved");
        }
        EXPECT_EQ(server.OpenItems(), 1u);
        EXPECT_NE(New(3).Get(), New(3).Get());
    }
    // Once released, the next lookup opens the saved values afresh.
    open.Reset();
    EXPECT_EQ(server.OpenItems(), 0u);
    EXPECT_EQ(Get(ItemAt(items, 1), kSubject).Text(), u"Saved");
}

// Catches an item dated by its making, a save that leaves an unchanged
// item's LastModificationTime or moves its CreationTime, a class code or
// default folder that is not Outlook's, and a second save that stores a
// second item.
TEST_F(OutlookTest, CreateItemGivesAnUndatedItemThatSavesDateAndStoreOnceInItsDefaultFolder) {
    const struct {
        int itemType, code, folder;
        std::u16string messageClass;
    } cases[] = {{0, 43, 16, u"IPM.Note"}, {1, 26, 9, u"IPM.Appointment"}, {2, 40, 10, u"IPM.Contact"},
                 {3, 48, 13, u"IPM.Task"}, {5, 44, 12, u"IPM.StickyNote"}, {7, 69, 10, u"IPM.DistList"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.itemType);
        server.Store().SetNow(37000.25);
        DispatchRef item = New(c.itemType);
        EXPECT_EQ(Get(item, kClass).Int(), c.code);
        EXPECT_EQ(Get(item, kMessageClass).Text(), c.messageClass);
        EXPECT_EQ(Get(item, kEntryId).Text(), u"");
        for (Dispid time : {kCreationTime, kLastModificationTime}) EXPECT_EQ(Get(item, time).Date(), kNoDate);
        const std::size_t before = server.Count(c.folder);

        server.Store().SetNow(37000.5);
        ASSERT_TRUE(Method(item, kSave).Ok());
        const std::u16string id = Get(item, kEntryId).Text();
        server.Store().SetNow(37001.75);
        ASSERT_TRUE(Method(item, kSave).Ok());  // nothing changed
        EXPECT_EQ(Get(item, kEntryId).Text(), id);
        EXPECT_EQ(server.Count(c.folder), before + 1);
        const OutlookItem* stored = server.FindItem(id);
        EXPECT_TRUE(stored && stored->Folder() == &server.Folder(c.folder));
        EXPECT_EQ(Get(item, kCreationTime).Date(), 37000.5);
        EXPECT_EQ(Get(item, kLastModificationTime).Date(), 37001.75);
    }
}

// Catches a delete that leaves the item in its folder or its object
// working, and one in Deleted Items that does not delete for good.
TEST_F(OutlookTest, DeleteMovesToDeletedItemsThenDeletesForGood) {
    const std::u16string id = server.AddItem(TaskClass()).EntryId();
    DispatchRef item = Open(id);
    ASSERT_TRUE(Method(item, kDelete).Ok());
    EXPECT_EQ(server.Count(13), 0u);
    EXPECT_EQ(server.Count(3), 1u);
    for (Dispid member : {kSubject, kEntryId, kClass})
        ExpectOutlookException(Get(item, member), kMovedOrDeleted);
    ExpectOutlookException(Method(item, kSave), kMovedOrDeleted);
    EXPECT_EQ(Get(item, 0x1234).hr, ta::kDispMemberNotFound);  // a member it never had

    DispatchRef again = Open(id);  // in Deleted Items it keeps its EntryID
    EXPECT_EQ(Get(ObjectOf(Get(again, kParent)), kName).Text(), u"Deleted Items");
    ASSERT_TRUE(Method(again, kDelete).Ok());
    EXPECT_EQ(server.Count(3), 0u);
    EXPECT_EQ(Method(ns, kGetItemFromId, {Variant(id)}).hr, ta::kDispException);
    ExpectOutlookException(Get(again, kSubject), kMovedOrDeleted);
}

// Catches a personal-folders Move that drops the unsaved changes, hands
// back a second object or gives a new EntryID.
TEST_F(OutlookTest, MoveTakesTheItemAndItsChangesKeepingObjectAndEntryId) {
    DispatchRef mail = New(0);
    ASSERT_TRUE(Put(mail, kBody, Variant(u"Body text")).Ok());
    EXPECT_EQ(ObjectOf(Method(mail, kMove, {Variant(DefaultFolder(6))})).Get(), mail.Get());
    EXPECT_EQ(server.Count(16), 0u);
    ASSERT_EQ(server.Count(6), 1u);
    EXPECT_EQ(TextOf(server.Folder(6).At(0).Get("Body")), u"Body text");
    EXPECT_EQ(ItemAt(ItemsOf(6), 1).Get(), mail.Get());

    const std::u16string id = Get(mail, kEntryId).Text();
    EXPECT_EQ(ObjectOf(Method(mail, kMove, {Variant(DefaultFolder(5))})).Get(), mail.Get());
    EXPECT_EQ(Get(mail, kEntryId).Text(), id);
    EXPECT_EQ(Get(ObjectOf(Get(mail, kParent)), kName).Text(), u"Sent Items");
}

// Catches a mailbox Move or delete that keeps the EntryID or leaves the old
// object working, as a personal-folders store would, and a store that finds
// an item under its old EntryID.
TEST_F(MailboxTest, MoveAndDeleteGiveANewEntryIdAndRetireTheOldObject) {
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
    ExpectOutlookException(Method(contact, kSave), kMovedOrDeleted);
    ExpectOutlookException(Method(ns, kGetItemFromId, {Variant(id)}), u"Could not open the item. Try again.");

    ASSERT_TRUE(Method(ItemsOf(6), kRemove, {Variant(1)}).Ok());
    ASSERT_EQ(server.Count(3), 1u);
    EXPECT_NE(server.Folder(3).At(0).EntryId(), newId);
    EXPECT_EQ(server.FindItem(newId), nullptr);
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
        Method(items, kItem, {Variant(251)}),
        u"Your server administrator has limited the number of items you can open "
        u"simultaneously. Try closing messages you have opened or removing attachments and "
        u"images from unsent messages you are composing.");
    EXPECT_EQ(Method(application, kCreateItem, {Variant(3)}).hr, ta::kDispException);
    open.pop_back();
    EXPECT_TRUE(Method(items, kItem, {Variant(251)}).Ok());
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
    const std::u16string archivedId =
        archive.AddItem(*archive.Root().Subfolder(u"Contacts"), ContactClass()).EntryId();
    const std::u16string defaultId = server.AddItem(ContactClass()).EntryId();
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
        {"default item, unknown store", defaultId, Variant(kUnknownStore), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Method(ns, kGetItemFromId, {Variant(c.entryId), c.storeId}).hr,
                  c.found ? ta::kOk : ta::kDispException);
    }
    DispatchRef top = ObjectOf(Get(ns, kFolders));
    ASSERT_EQ(Get(top, kCount).Int(), 2);
    DispatchRef archiveRoot = ObjectOf(Method(top, kItem, {Variant(2)}));
    EXPECT_EQ(Get(archiveRoot, kName).Text(), u"Archive Folders");
    EXPECT_EQ(Get(archiveRoot, kStoreId).Text(), archive.StoreId());
    EXPECT_EQ(Get(DefaultFolder(10), kStoreId).Text(), server.StoreId());
}

// Catches a folder walk that fails past its end, or answers Empty there
// where Outlook gives Nothing, and folders listed out of Outlook's order.
TEST_F(OutlookTest, FolderWalkPastTheEndGivesNothing) {
    server.AddFolder(server.Store().Root(), u"Projects");
    DispatchRef folders = ObjectOf(Get(ns, kFolders));
    EXPECT_EQ(Get(ObjectOf(Method(folders, kGetFirst)), kName).Text(), u"Personal Folders");
    const Reply past = Method(folders, kGetNext);
    EXPECT_TRUE(past.Ok() && past.value.IfDispatch() && !past.Object());

    DispatchRef children = ObjectOf(Get(ObjectOf(Method(folders, kGetFirst)), kFolders));
    ASSERT_EQ(Get(children, kCount).Int(), 11);
    std::vector<std::u16string> names{Get(ObjectOf(Method(children, kGetFirst)), kName).Text()};
    for (int i = 1; i < 11; ++i) names.push_back(Get(ObjectOf(Method(children, kGetNext)), kName).Text());
    EXPECT_EQ(names.front(), u"Deleted Items");
    EXPECT_EQ(names.back(), u"Projects");
    EXPECT_FALSE(Method(children, kGetNext).Object());
}

}  // namespace
}  // namespace simpim::testing
