// The whole-store calls walk the host's list the same way for every
// selector: rewound when the count is above zero, advanced count - 1 times,
// never past the count-th node; readers append to what the host handed in.
#include <cstring>
#include <string>

#include "exports/contact_fixture.h"

namespace tarnex_test {
namespace {

using simpim::Variant;

struct WalkCase {
    const char* what;
    int32_t store;
    bool replace;     // SetObjectStoreForOL, else GetObjectStoreForOL
    bool failRemove;  // Outlook refuses to remove an item
    int32_t expectedResult;
    int32_t endNode;     // where the list's current node ends
    std::size_t filled;  // records read from the store
    std::size_t contactsAfter;
};

TEST_F(ContactTest, WholeStoreCallsWalkTheListToItsCountThNode) {
    const WalkCase cases[] = {
        {"read of 3 over a store of 5", TARN_STORE_CONTACTS, false, false, TARN_OK, 2, 3, 5},
        {"read with a selector naming no store", 8, false, false, TARN_OK, 2, 0, 5},
        {"replacement with a selector naming no store", 8, true, false, TARN_OK, 2, 0, 5},
        {"replacement whose emptying fails", TARN_STORE_CONTACTS, true, true, TARN_DISPATCH_EXCEPTION, 0, 0,
         5},
    };
    // No case changes the store: every one starts from these five.
    for (char16_t k = u'0'; k < u'5'; ++k) AddContact({{"LastName", Variant(std::u16string(1, k))}});
    for (const WalkCase& c : cases) {
        SCOPED_TRACE(c.what);

        // Five nodes, a count of three, the list left where a former walk ended.
        HostList<ContactRecord> host(5);
        host.list.count = 3;
        host.list.current = &host.nodes[4];
        host.list.index = 4;
        for (ContactRecord& record : host.records) std::memset(record.tail, 'M', sizeof record.tail);
        if (c.failRemove) outlook.FailEveryCall(0x54, simpim::Fault::Exception(u"Refused."), "Items");

        EXPECT_EQ(c.replace ? lib.SetObjectStoreForOL(&host.list, c.store)
                            : lib.GetObjectStoreForOL(&host.list, c.store),
                  c.expectedResult);
        outlook.ClearFaults();
        EXPECT_EQ(host.list.current, &host.nodes[c.endNode]);
        EXPECT_EQ(host.list.index, c.endNode);
        EXPECT_EQ(outlook.Count(simpim::kFolderContacts), c.contactsAfter);
        for (std::size_t k = 0; k < host.records.size(); ++k) {
            const ContactRecord& record = host.records[k];
            const std::string expectedName = k < c.filled ? std::string(1, char('0' + k)) + ";;;;" : "";
            EXPECT_EQ(std::string(record.name), expectedName) << k;
            EXPECT_EQ(std::string(record.tail, sizeof record.tail), std::string(sizeof record.tail, 'M'))
                << "record " << k << " was cleared";
        }
    }

    // A single read with a selector naming no store leaves the record alone.
    ContactRecord record;
    std::memset(&record, 0x5A, sizeof record);
    const ContactRecord before = record;
    EXPECT_EQ(lib.GetSingleObjectForOL(&record,
                                       EntryIdOf(outlook.Folder(simpim::kFolderContacts).At(0)).c_str(), 8),
              TARN_OK);
    EXPECT_EQ(std::memcmp(&record, &before, sizeof record), 0);
}

}  // namespace
}  // namespace tarnex_test
