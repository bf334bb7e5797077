// The built-in sample PIM fills the folders the reference host reads.
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
    } cases[] = {{10, 3}, {9, 5}, {13, 4}, {12, 3}, {6, 5}, {4, 2}, {5, 2}};
    for (const auto& c : cases) EXPECT_EQ(outlook.Count(c.folder), c.count) << c.folder;
}

}  // namespace
}  // namespace simpim::testing
