// The built-in sample PIM holds what the reference host and the store tests
// rely on.
#include "outlook_fixture.h"
#include "simpim/sample_pim.h"

namespace simpim::testing {
namespace {

TEST(SamplePimTest, OutlookStoresHoldTheirItems) {
    OutlookServer outlook;
    FillSampleOutlook(outlook);
    const struct {
        int folder;
        std::size_t count;
    } cases[] = {{10, 3}, {9, 2}, {13, 2}, {12, 2}, {6, 3}, {4, 1}, {5, 1}};
    for (const auto& c : cases) EXPECT_EQ(outlook.Count(c.folder), c.count) << c.folder;
    EXPECT_EQ(outlook.Folder(6).At(1).Class().code, kClassMeetingRequest);

    // Each contact has a mailing address of a different kind: home, business, other.
    const std::int32_t selected[] = {1, 2, 3};
    for (std::size_t i = 0; i < 3; ++i) {
        const OutlookItem& contact = outlook.Folder(10).At(i);
        EXPECT_EQ(contact.Data().Int(0x8022), selected[i]);  // SelectedMailingAddress
        EXPECT_NE(TextOf(contact.Get("MailingAddress")), u"");
    }
}

}  // namespace
}  // namespace simpim::testing
