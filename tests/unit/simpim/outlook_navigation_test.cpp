// The errors the simulated Outlook gives for calls it refuses, the end of a
// GetFirst/GetNext walk and the references a walk leaves behind.
#include "outlook_fixture.h"

namespace simpim::testing {
namespace {

TEST_F(OutlookTest, RefusedCallsGiveOutlooksStatusesAndExceptions) {
    const std::u16string id = server.AddItem(ContactClass()).EntryId();
    DispatchRef items = ItemsOf(10);
    const std::u16string bounds = u"Array index out of bounds.";
    const std::u16string cannotOpen = u"Could not open the item. Try again.";
    const std::u16string invalid =
        u"Could not complete the operation. One or more parameter values are not valid.";
    const HResult badIndex = ta::kDispBadIndex;
    const HResult notFound = static_cast<HResult>(0x8004010F);
    const HResult invalidArg = static_cast<HResult>(0x80070057);
    const struct {
        const char* what;
        Reply reply;
        HResult hr;
        std::u16string description;  // for dispatch exceptions
        HResult scode;
    } cases[] = {
        {"item 0", Method(items, 0x51, {Variant(0)}), ta::kDispException, bounds, badIndex},
        {"item past the count", Method(items, 0x51, {Variant(2)}), ta::kDispException, bounds, badIndex},
        {"remove past the count", Method(items, 0x54, {Variant(2)}), ta::kDispException, bounds, badIndex},
        {"unknown id", Method(ns, 0x2109, {Variant(u"00000000DEADBEEF"), Variant(server.StoreId())}),
         ta::kDispException, cannotOpen, notFound},
        {"other store",
         Method(ns, 0x2109, {Variant(id), Variant(u"0000000038A1BB1005E5101AA1BB08002B2A56C2")}),
         ta::kDispException, cannotOpen, notFound},
        {"folder's id", Method(ns, 0x2109, {Variant(server.Folder(10).EntryId())}), ta::kDispException,
         cannotOpen, notFound},
        {"namespace other than MAPI", Method(application, 0x110, {Variant(u"LDAP")}), ta::kDispException,
         invalid, invalidArg},
        {"unknown default folder", Method(ns, 0x210B, {Variant(7)}), ta::kDispException, invalid, invalidArg},
        {"unknown item type", Method(application, 0x10A, {Variant(6)}), ta::kDispException, invalid,
         invalidArg},
        {"unknown dispid", Get(items, 0x1234), ta::kDispMemberNotFound, u"", 0},
        {"property called as method", Method(items, 0x50), ta::kDispMemberNotFound, u"", 0},
        {"put on read-only property", Put(DefaultFolder(10), 0x3108, Variant(u"x")), ta::kDispMemberNotFound,
         u"", 0},
        {"missing argument", Method(ns, 0x210B), ta::kDispBadParamCount, u"", 0},
        {"text that is no number", Method(ns, 0x210B, {Variant(u"ten")}), ta::kDispTypeMismatch, u"", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.reply.hr, c.hr);
        EXPECT_EQ(c.reply.exception.description, c.description);
        EXPECT_EQ(c.reply.exception.scode, c.scode);
    }
}

TEST_F(OutlookTest, FolderWalkPastTheEndGivesNothing) {
    server.AddFolder(server.Store().Root(), u"Projects");
    DispatchRef folders = ObjectOf(Get(ns, 0x2103));
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
