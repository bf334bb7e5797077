// The logon diagnostic: it walks the folder tree and shows the name of the
// Sent Items folder.
#include <string>
#include <vector>

#include "exports/outlook_fixture.h"

namespace tarnex_test {
namespace {

class LogonTest : public OpenOutlookTest {
protected:
    void SetUp() override {
        OpenOutlookTest::SetUp();
        tarnex_SetMessageBoxHandler(
            [](const char* text, void* sink) {
                static_cast<std::vector<std::string>*>(sink)->push_back(text);
            },
            &shown);
    }
    void TearDown() override {
        tarnex_SetMessageBoxHandler(nullptr, nullptr);
        OpenOutlookTest::TearDown();
    }
    std::vector<std::string> shown;
};

TEST_F(LogonTest, ShowsTheSentItemsFolderName) {
    outlook.AddItem(simpim::kFolderSentMail, simpim::MailClass());
    outlook.AddFolder(outlook.Folder(simpim::kFolderInbox), u"Projects");
    EXPECT_EQ(lib.LogonForOL(), TARN_OK);
    EXPECT_EQ(shown, std::vector<std::string>{"Sent Items"});
}

TEST_F(LogonTest, EmptySentItemsFailsBeforeAnyMessageBox) {
    const int32_t result = lib.LogonForOL();
    EXPECT_TRUE(result == TARN_DISPATCH_EXCEPTION || result == TARN_OLE_FAILURE) << result;
    EXPECT_TRUE(shown.empty());
}

}  // namespace
}  // namespace tarnex_test
