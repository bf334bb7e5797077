// Counting a store, identifiers by position, the unique string, deletion.
#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "exports/outlook_fixture.h"
#include "exports/record_lists.h"

namespace tarnex_test {
namespace {

using simpim::OutlookItem;

TEST_F(OpenOutlookTest, CalendarPositionsWithOneFolderEmpty) {
    const std::string task = EntryIdOf(outlook.AddItem(simpim::TaskClass()));
    EXPECT_EQ(CountOf(TARN_STORE_CALENDAR), 1);
    EXPECT_EQ(IdAt(0, TARN_STORE_CALENDAR), task);
}

TEST_F(OpenOutlookTest, PositionsOutsideTheStoreAndUnknownSelectors) {
    outlook.AddItem(simpim::ContactClass());
    outlook.AddItem(simpim::ContactClass());
    struct Case {
        int32_t position, store;
    };
    for (const auto& [position, store] : std::array<Case, 5>{{{2, 1}, {-1, 1}, {0, 2}, {0, 3}, {0, 8}}}) {
        char id[TARN_ENTRY_ID_SIZE];
        std::memset(id, '#', sizeof id);
        EXPECT_EQ(lib.GetIDForOL(id, position, store), TARN_BAD_POSITION) << position << "/" << store;
        EXPECT_EQ(id[0], '#');
    }
    // A selector that names no store leaves the count as the host set it.
    for (int32_t store : {0, 2, 3, 8, 256}) {
        int32_t count = 1234;
        EXPECT_EQ(lib.GetCountForOL(&count, store), TARN_OK) << store;
        EXPECT_EQ(count, 1234) << store;
    }
}

TEST_F(OpenOutlookTest, MailStoresRefuseItemsThatAreNotMail) {
    const struct {
        int32_t store, folder;
        const simpim::ItemClass& notMail;
    } stores[] = {
        {TARN_STORE_INBOX, simpim::kFolderInbox, simpim::MeetingRequestClass()},
        {TARN_STORE_OUTBOX, simpim::kFolderOutbox, simpim::ReportClass()},
        {TARN_STORE_SENT, simpim::kFolderSentMail, simpim::MeetingRequestClass()},
    };
    for (const auto& s : stores) {
        SCOPED_TRACE(s.store);
        const std::string first = EntryIdOf(outlook.AddItem(s.folder, simpim::MailClass()));
        outlook.AddItem(s.folder, s.notMail);
        const std::string third = EntryIdOf(outlook.AddItem(s.folder, simpim::MailClass()));

        EXPECT_EQ(IdAt(0, s.store), first);
        char id[TARN_ENTRY_ID_SIZE] = "untouched";
        EXPECT_EQ(lib.GetIDForOL(id, 1, s.store), TARN_NOT_MAIL);
        EXPECT_STREQ(id, "untouched");
        EXPECT_EQ(IdAt(2, s.store), third);
    }
}

TEST_F(OpenOutlookTest, UniqueStringIsTheContactStoreIdCutTo39) {
    struct Case {
        std::u16string storeId;
        std::string expected;  // all 40 bytes
    };
    const std::u16string longId(300, u'C');
    const std::vector<Case> cases{
        {longId, std::string(39, 'C') + std::string(1, '\0')},
        {u"0123456789", "0123456789" + std::string(30, '\0')},
        {u"", std::string(40, '\0')},
    };
    for (const auto& [storeId, expected] : cases) {
        outlook.SetStoreId(storeId);
        char text[TARN_UNIQUE_STRING_SIZE + 4];
        std::memset(text, '#', sizeof text);
        EXPECT_EQ(lib.GetUniqueStringForOL(text), TARN_OK);
        EXPECT_EQ(std::string(text, 40), expected);
        EXPECT_EQ(std::string(text + 40, 4), "####") << "wrote past the 40 bytes";
    }
}

TEST_F(OpenOutlookTest, DeletingLowersTheCountAndUnknownIdentifiersFail) {
    const std::string doomed = EntryIdOf(outlook.AddItem(simpim::ContactClass()));
    outlook.AddItem(simpim::ContactClass());
    ASSERT_EQ(CountOf(TARN_STORE_CONTACTS), 2);

    EXPECT_EQ(lib.DeleteForOL(doomed.c_str()), TARN_OK);
    EXPECT_EQ(CountOf(TARN_STORE_CONTACTS), 1);
    // Outlook keeps it in Deleted Items; deleting there removes it for good.
    EXPECT_EQ(lib.DeleteForOL(doomed.c_str()), TARN_OK);
    EXPECT_EQ(outlook.FindItem(std::u16string(doomed.begin(), doomed.end())), nullptr);

    EXPECT_EQ(lib.DeleteForOL("0000000012345678"), TARN_DISPATCH_EXCEPTION);
    EXPECT_EQ(lib.DeleteForOL(""), TARN_DISPATCH_EXCEPTION);
}

TEST_F(OpenOutlookTest, NullHostPointersAreRefused) {
    outlook.AddItem(simpim::ContactClass());
    EXPECT_EQ(lib.GetCountForOL(nullptr, 1), TARN_FAILED);
    EXPECT_EQ(lib.GetIDForOL(nullptr, 0, 1), TARN_FAILED);
    EXPECT_EQ(lib.GetUniqueStringForOL(nullptr), TARN_FAILED);
    EXPECT_EQ(lib.DeleteForOL(nullptr), TARN_FAILED);
    EXPECT_EQ(lib.GetObjectStoreForOL(nullptr, 1), TARN_FAILED);
    EXPECT_EQ(lib.SetObjectStoreForOL(nullptr, 1), TARN_FAILED);
    std::vector<char> record(TARN_CONTACT_RECORD_SIZE, '\x33');
    char id[TARN_ENTRY_ID_SIZE] = "kept";
    EXPECT_EQ(lib.GetSingleObjectForOL(nullptr, "00", 1), TARN_FAILED);
    EXPECT_EQ(lib.GetSingleObjectForOL(record.data(), nullptr, 1), TARN_FAILED);
    EXPECT_EQ(lib.SetSingleObjectForOL(nullptr, record.data(), 1), TARN_FAILED);
    EXPECT_EQ(lib.SetSingleObjectForOL("00", nullptr, 1), TARN_FAILED);
    EXPECT_EQ(lib.AddForOL(nullptr, record.data(), 1), TARN_FAILED);
    EXPECT_EQ(lib.AddForOL(id, nullptr, 1), TARN_FAILED);
    EXPECT_EQ(record, std::vector<char>(TARN_CONTACT_RECORD_SIZE, '\x33'));
    EXPECT_STREQ(id, "kept");
    EXPECT_EQ(outlook.Count(simpim::kFolderContacts), 1u) << "a refused add created an item";
}

TEST_F(OpenOutlookTest, IdentifiersAreReadOnlyWithinTheirBuffer) {
    // An identifier buffer with no zero in its 256 bytes is not read past.
    std::vector<char> id(TARN_ENTRY_ID_SIZE, 'F');
    EXPECT_EQ(lib.DeleteForOL(id.data()), TARN_DISPATCH_EXCEPTION);
}

TEST_F(OpenOutlookTest, WholeStoreCallsWithAnEmptyListTouchNothing) {
    outlook.AddItem(simpim::ContactClass());
    PimRecordList list = MakeList(nullptr, 0, reinterpret_cast<RecordListNode*>(0x10), 3, 77);
    EXPECT_EQ(lib.GetObjectStoreForOL(&list, TARN_STORE_CONTACTS), TARN_OK);
    EXPECT_EQ(list.current, reinterpret_cast<RecordListNode*>(0x10));
    EXPECT_EQ(list.index, 3);
    EXPECT_EQ(list.hostWord, 77u);
}

}  // namespace
}  // namespace tarnex_test
