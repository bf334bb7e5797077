// What Outlook does with an item's times, its Importance and a note's
// subject, whatever the item class.
#include "outlook_fixture.h"
#include "simpim/outlook_errors.h"

namespace simpim::testing {
namespace {

constexpr Dispid kCreateItem = 0x10A;
constexpr Dispid kSave = 0xF048;
constexpr Dispid kCreationTime = 0x3007;
constexpr Dispid kLastModificationTime = 0x3008;
constexpr Dispid kImportance = 0x17;
constexpr Dispid kBody = 0x9100;
constexpr Dispid kNoteSubject = 0xF7A0;

// Catches an unsaved item dated by its making (Outlook gives no date), a
// save that leaves an unchanged item's LastModificationTime, and a later save
// that moves CreationTime.
TEST_F(OutlookTest, SavesDateTheItemEachTime) {
    for (int itemType : {1, 3, 5}) {
        SCOPED_TRACE(itemType);
        server.Store().SetNow(37000.25);
        DispatchRef item = ObjectOf(Method(application, kCreateItem, {Variant(itemType)}));
        EXPECT_EQ(Get(item, kCreationTime).Date(), kNoDate);
        EXPECT_EQ(Get(item, kLastModificationTime).Date(), kNoDate);

        server.Store().SetNow(37000.5);
        ASSERT_TRUE(Method(item, kSave).Ok());
        server.Store().SetNow(37001.75);
        ASSERT_TRUE(Method(item, kSave).Ok());  // nothing changed
        EXPECT_EQ(Get(item, kCreationTime).Date(), 37000.5);
        EXPECT_EQ(Get(item, kLastModificationTime).Date(), 37001.75);
    }
}

// Catches a number outside OlImportance that is stored (the library would
// pass on a priority no device knows) or half applied, and a note answering
// Importance, which Outlook's NoteItem does not have.
TEST_F(OutlookTest, ImportanceTakesOnlyLowNormalAndHigh) {
    for (int itemType : {0, 1, 2, 3}) {
        SCOPED_TRACE(itemType);
        DispatchRef item = ObjectOf(Method(application, kCreateItem, {Variant(itemType)}));
        EXPECT_EQ(Get(item, kImportance).Int(), 1);
        for (int accepted : {0, 2}) {
            ASSERT_TRUE(Put(item, kImportance, Variant(accepted)).Ok());
            EXPECT_EQ(Get(item, kImportance).Int(), accepted);
        }
        for (int refused : {3, -1, 100}) {
            ExpectOutlookException(Put(item, kImportance, Variant(refused)), kInvalidParameters);
            EXPECT_EQ(Get(item, kImportance).Int(), 2) << refused;
        }
    }
    DispatchRef note = ObjectOf(Method(application, kCreateItem, {Variant(5)}));
    EXPECT_EQ(Get(note, kImportance).hr, ta::kDispMemberNotFound);
    EXPECT_EQ(Put(note, kImportance, Variant(2)).hr, ta::kDispMemberNotFound);
}

// Catches a note subject that can be written (the library would think it
// kept a title Outlook drops), one answering at the other items' Subject
// number, and one that does not follow unsaved body changes.
TEST_F(OutlookTest, NoteSubjectIsTheFirstLineOfItsBodyAndReadOnly) {
    DispatchRef note = ObjectOf(Method(application, kCreateItem, {Variant(5)}));
    const struct {
        std::u16string body;
        std::u16string subject;
    } cases[] = {
        {u"Door code 4711\r\nAsk for the new key", u"Door code 4711"},
        {u"Buy milk", u"Buy milk"},
        {u"", u""},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(Put(note, kBody, Variant(c.body)).Ok());
        EXPECT_EQ(Get(note, kNoteSubject).Text(), c.subject);
    }
    EXPECT_EQ(Put(note, kNoteSubject, Variant(u"Title")).hr, ta::kDispMemberNotFound);
    EXPECT_EQ(Get(note, 0x37).hr, ta::kDispMemberNotFound);
    EXPECT_EQ(Put(note, 0x37, Variant(u"Title")).hr, ta::kDispMemberNotFound);
}

}  // namespace
}  // namespace simpim::testing
