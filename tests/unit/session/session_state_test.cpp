// What the session holds after each step, seen from inside the library.
#include <gtest/gtest.h>

#include "automation/invoke.h"
#include "session/outlook_navigation.h"
#include "session/pim_session.h"
#include "simpim/item_classes.h"
#include "simpim/outlook_server.h"
#include "tarnex/tarnex_inproc.h"

namespace tarnex::session {
namespace {

class SessionStateTest : public ::testing::Test {
protected:
    void SetUp() override {
        tarnex_RegisterServer("Outlook.Application.9", &simpim::OutlookServer::Factory, &outlook);
        ASSERT_EQ(InitializeTARN(TARN_PIM_OUTLOOK), TARN_INITIALIZED);
    }
    void TearDown() override {
        UninitializeTARN();
        tarnex_RegisterServer("Outlook.Application.9", nullptr, nullptr);
        EXPECT_EQ(outlook.LiveReferences(), 0);
    }
    std::u16string CurrentFolderId() { return automation::Get(Session().currentFolder, 0xF01E).ToBstr(); }
    simpim::OutlookServer outlook;
};

TEST_F(SessionStateTest, OpeningLeavesTheNotesFolderCurrent) {
    EXPECT_EQ(CurrentFolderId(), outlook.Folder(simpim::kFolderNotes).EntryId());
}

TEST_F(SessionStateTest, UniqueStringAndSingleReadsMoveTheCurrentFolder) {
    char unique[TARN_UNIQUE_STRING_SIZE];
    ASSERT_EQ(TARN_GetUniqueStringForOL(unique), TARN_OK);
    EXPECT_EQ(CurrentFolderId(), outlook.Folder(simpim::kFolderContacts).EntryId());

    // A contact read of a note's identifier is refused, yet the note's folder
    // becomes current.
    const std::u16string note = outlook.AddItem(simpim::NoteClass()).EntryId();
    std::vector<char> record(TARN_CONTACT_RECORD_SIZE, '\x11');
    EXPECT_EQ(TARN_GetSingleObjectForOL(record.data(), std::string(note.begin(), note.end()).c_str(), 1),
              TARN_NOT_IN_STORE);
    EXPECT_EQ(record, std::vector<char>(TARN_CONTACT_RECORD_SIZE, '\0'));
    EXPECT_EQ(CurrentFolderId(), outlook.Folder(simpim::kFolderNotes).EntryId());
}

TEST_F(SessionStateTest, ClosingEmptiesEverySlot) {
    UninitializeTARN();
    PimSession& session = Session();
    EXPECT_FALSE(session.initialized);
    for (const DispatchRef* slot : {&session.outlookApplication, &session.nameSpace, &session.currentFolder,
                                    &session.contacts, &session.calendar, &session.tasks, &session.outbox,
                                    &session.inbox, &session.sentItems, &session.notes}) {
        EXPECT_FALSE(*slot);
    }
}

}  // namespace
}  // namespace tarnex::session
