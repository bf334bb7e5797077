#include "automation/message_box.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tarnex/tarnex_inproc.h"

namespace tarnex::automation {
namespace {

void Collect(const char* text, void* context) { static_cast<std::vector<std::string>*>(context)->push_back(text); }

TEST(MessageBoxTest, GoesToTheHandlerOrElseStandardError) {
    std::vector<std::string> shown;
    tarnex_SetMessageBoxHandler(Collect, &shown);
    ShowMessageBox("Sent Items");
    ShowMessageBox(std::string_view("Inbox and more", 5));  // not zero-terminated
    EXPECT_EQ(shown, (std::vector<std::string>{"Sent Items", "Inbox"}));

    tarnex_SetMessageBoxHandler(nullptr, nullptr);
    ::testing::internal::CaptureStderr();
    ShowMessageBox("Outbox");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Outbox\n");
    EXPECT_EQ(shown.size(), 2u);
}

}  // namespace
}  // namespace tarnex::automation
