// Navigating the simulated Outlook by DISPID, and the errors Outlook gives on
// the way.
#include "outlook_fixture.h"

namespace simpim::testing {
namespace {

TEST_F(OutlookTest, DefaultFoldersHaveOutlookNamesAndTheStoreOfTheStore) {
    const struct {
        int number;
        std::u16string name;
    } cases[] = {{3, u"Deleted Items"}, {4, u"Outbox"},   {5, u"Sent Items"}, {6, u"Inbox"}, {9, u"Calendar"},
                 {10, u"Contacts"},     {11, u"Journal"}, {12, u"Notes"},     {13, u"Tasks"}, {16, u"Drafts"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.number);
        DispatchRef folder = DefaultFolder(c.number);
        EXPECT_EQ(Get(folder, 0x3001).Text(), c.name);
        EXPECT_EQ(Get(folder, 0x3108).Text(), server.StoreId());
        EXPECT_EQ(Get(folder, 0xF01E).Text(), server.Folder(c.number).EntryId());
        EXPECT_EQ(Get(ObjectOf(Get(folder, 0x3100)), 0x50).Int(), 0);
    }
}

TEST_F(OutlookTest, NamespaceOtherThanMapiAndUnknownDefaultFolderAreOutlookErrors) {
    Reply other = Method(application, 0x110, {Variant(u"LDAP")});
    EXPECT_EQ(other.hr, ta::kDispException);
    EXPECT_FALSE(other.exception.description.empty());
    EXPECT_TRUE(Method(application, 0x110, {Variant(u"mapi")}).Ok());

    for (int number : {0, 1, 2, 7, 8, 14, 99, -1}) {
        SCOPED_TRACE(number);
        EXPECT_EQ(Method(ns, 0x210B, {Variant(number)}).hr, ta::kDispException);
    }
}

TEST_F(OutlookTest, StoreIdIsLongHexTextAndEntryIdsAreHexAndDistinct) {
    const std::u16string storeId = Get(DefaultFolder(10), 0x3108).Text();
    EXPECT_GT(storeId.size(), 200u);
    auto isHex = [](const std::u16string& s) {
        return !s.empty() && s.find_first_not_of(u"0123456789ABCDEF") == std::u16string::npos;
    };
    EXPECT_TRUE(isHex(storeId));
    const std::u16string a = server.AddItem(ContactClass()).EntryId();
    const std::u16string b = server.AddItem(ContactClass()).EntryId();
    EXPECT_TRUE(isHex(a));
    EXPECT_NE(a, b);
    EXPECT_LE(a.size(), 255u);
}

TEST_F(OutlookTest, TopLevelFolderWalkEndsInNothing) {
    server.AddFolder(server.Store().Root(), u"Projects");
    DispatchRef folders = ObjectOf(Get(ns, 0x2103));
    EXPECT_EQ(Get(folders, 0x50).Int(), 1);
    DispatchRef top = ObjectOf(Method(folders, 0x56));
    EXPECT_EQ(Get(top, 0x3001).Text(), u"Personal Folders");
    Reply past = Method(folders, 0x57);
    ASSERT_TRUE(past.Ok());
    ASSERT_NE(past.value.IfDispatch(), nullptr);  // Nothing: a null object, not an error
    EXPECT_FALSE(past.Object());

    DispatchRef children = ObjectOf(Get(top, 0x2103));
    ASSERT_EQ(Get(children, 0x50).Int(), 11);
    std::vector<std::u16string> names{Get(ObjectOf(Method(children, 0x56)), 0x3001).Text()};
    for (int i = 1; i < 11; ++i) names.push_back(Get(ObjectOf(Method(children, 0x57)), 0x3001).Text());
    EXPECT_EQ(names.front(), u"Deleted Items");
    EXPECT_EQ(names.back(), u"Projects");
    EXPECT_FALSE(Method(children, 0x57).Object());
    EXPECT_EQ(Get(ObjectOf(Method(children, 0x51, {Variant(u"inbox")})), 0x3001).Text(), u"Inbox");
}

TEST_F(OutlookTest, ItemsItemAcceptsPositionsFromOneToCount) {
    for (auto subject : {u"first", u"second", u"third"}) server.AddItem(TaskClass()).Set("Subject", Variant(subject));
    DispatchRef items = ItemsOf(13);
    ASSERT_EQ(Get(items, 0x50).Int(), 3);
    EXPECT_EQ(Get(ItemAt(items, 1), 0x37).Text(), u"first");
    EXPECT_EQ(Get(ItemAt(items, 3), 0x37).Text(), u"third");
    for (int outside : {0, 4, -1}) {
        SCOPED_TRACE(outside);
        Reply r = Method(items, 0x51, {Variant(outside)});
        EXPECT_EQ(r.hr, ta::kDispException);
        EXPECT_EQ(r.exception.description, u"Array index out of bounds.");
    }
    // Text is matched against the subject, as Outlook's default property.
    EXPECT_EQ(Get(ObjectOf(Method(items, 0x51, {Variant(u"second")})), 0x37).Text(), u"second");
    EXPECT_EQ(Method(items, 0x51, {Variant(u"2")}).hr, ta::kDispException);
    // Other numeric types are coerced.
    EXPECT_EQ(Get(ObjectOf(Method(items, 0x51, {Variant(2.0)})), 0x37).Text(), u"second");
}

TEST_F(OutlookTest, CallsThatDoNotFitTheMemberFailAsTypeLibraryInvokeDoes) {
    DispatchRef items = ItemsOf(10);
    const struct {
        const char* what;
        Reply reply;
        HResult expected;
    } cases[] = {
        {"unknown dispid", Get(items, 0x1234), ta::kDispMemberNotFound},
        {"property called as method", Method(items, 0x50), ta::kDispMemberNotFound},
        {"method called as get", Get(ns, 0x210B, {Variant(10)}), ta::kDispMemberNotFound},
        {"put on read-only property", Put(DefaultFolder(10), 0x3108, Variant(u"x")), ta::kDispMemberNotFound},
        {"missing argument", Method(ns, 0x210B), ta::kDispBadParamCount},
        {"extra argument", Get(items, 0x50, {Variant(1)}), ta::kDispBadParamCount},
        {"text that is no number", Method(ns, 0x210B, {Variant(u"ten")}), ta::kDispTypeMismatch},
        {"text that is a number", Method(ns, 0x210B, {Variant(u"10")}), ta::kOk},
        {"too many logon arguments",
         Method(ns, 0x2105, {Variant::Missing(), Variant::Missing(), Variant(true), Variant(true), Variant(1)}),
         ta::kDispBadParamCount},
        {"logon with omitted arguments",
         Method(ns, 0x2105, {Variant::Missing(), Variant::Missing(), Variant(true), Variant(true)}), ta::kOk},
    };
    for (const auto& c : cases) EXPECT_EQ(c.reply.hr, c.expected) << c.what;
}

TEST_F(OutlookTest, GetItemFromIdFindsSavedItemsOfTheStoreOnly) {
    OutlookItem& contact = server.AddItem(ContactClass());
    contact.Set("LastName", Variant(u"Doe"));
    std::u16string id = contact.EntryId();

    EXPECT_EQ(Get(Open(id), 0x3a11).Text(), u"Doe");
    std::u16string lower = id;
    for (auto& c : lower) c = static_cast<char16_t>(std::tolower(c));
    EXPECT_TRUE(Method(ns, 0x2109, {Variant(lower)}).Ok());
    EXPECT_TRUE(Method(ns, 0x2109, {Variant(id), Variant::Missing()}).Ok());

    const struct {
        const char* what;
        std::vector<Variant> args;
    } unknown[] = {
        {"unknown id", {Variant(u"00000000DEADBEEF"), Variant(server.StoreId())}},
        {"empty id", {Variant(u""), Variant(server.StoreId())}},
        {"other store", {Variant(id), Variant(u"0000000038A1BB1005E5101AA1BB08002B2A56C2")}},
        {"folder's id", {Variant(server.Folder(10).EntryId())}},
    };
    for (const auto& c : unknown) {
        Reply r = Method(ns, 0x2109, c.args);
        EXPECT_EQ(r.hr, ta::kDispException) << c.what;
        EXPECT_EQ(r.exception.description, u"Could not open the item. Try again.") << c.what;
    }
}

TEST_F(OutlookTest, ItemParentIsItsFolderAndClassesMapToMessageClasses) {
    const struct {
        const ItemClass& itemClass;
        int folder;
        int code;
        std::u16string messageClass;
    } cases[] = {
        {ContactClass(), 10, 40, u"IPM.Contact"},
        {NoteClass(), 12, 44, u"IPM.StickyNote"},
        {MailClass(), 6, 43, u"IPM.Note"},
        {MeetingRequestClass(), 6, 53, u"IPM.Schedule.Meeting.Request"},
        {ReportClass(), 6, 46, u"REPORT.IPM.Note.NDR"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        DispatchRef item = Open(server.AddItem(c.folder, c.itemClass).EntryId());
        EXPECT_EQ(Get(item, 0xF00A).Int(), c.code);
        EXPECT_EQ(Get(item, 0x1A).Text(), c.messageClass);
        EXPECT_EQ(Get(ObjectOf(Get(item, 0xF001)), 0xF01E).Text(), server.Folder(c.folder).EntryId());
    }
}

TEST_F(OutlookTest, ReferencesComeBackToZeroAfterAWalk) {
    server.AddItem(ContactClass());
    {
        DispatchRef items = ItemsOf(10);
        DispatchRef item = ItemAt(items, 1);
        DispatchRef parent = ObjectOf(Get(item, 0xF001));
        DispatchRef copy = parent;
        EXPECT_EQ(server.LiveReferences(), 2 + 4);  // application and namespace, and the four held here
    }
    EXPECT_EQ(server.LiveReferences(), 2);
}

}  // namespace
}  // namespace simpim::testing
