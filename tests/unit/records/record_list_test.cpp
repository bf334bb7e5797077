#include "records/record_list.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "records/host_memory.h"
#include "records/record_type.h"

namespace tarnex::records {
namespace {

// A chain of n nodes over n one-byte records, with host words set so that a
// stray write shows.
struct Chain {
    explicit Chain(int nodes) : records(nodes), node(nodes) {
        for (int i = 0; i < nodes; ++i) {
            node[i].record = &records[i];
            node[i].hostWord = 0xA0000000u + static_cast<uint32_t>(i);
            node[i].next = i + 1 < nodes ? &node[i + 1] : nullptr;
        }
        list.first = nodes ? &node[0] : nullptr;
        list.current = nullptr;
        list.hostWord = 0xC0FFEEu;
        list.index = -7;
    }
    std::vector<char> records;
    std::vector<RecordListNode> node;
    PimRecordList list{};
};

std::vector<int> Walk(PimRecordList& list, std::vector<char*>* seen = nullptr) {
    std::vector<int> positions;
    WalkList(list, [&](char* record, int32_t position) {
        positions.push_back(position);
        if (seen) seen->push_back(record);
    });
    return positions;
}

TEST(RecordListWalk, NegativeCountWorksOnNothing) {
    Chain chain(2);
    chain.list.count = -3;
    EXPECT_TRUE(Walk(chain.list).empty());
    EXPECT_EQ(chain.list.current, nullptr);
    EXPECT_EQ(chain.list.index, -7);
}

TEST(RecordListWalk, NeverFollowsNextPastTheCountedNodes) {
    Chain chain(3);  // the third node's next is null
    chain.list.count = 3;
    std::vector<char*> seen;
    EXPECT_EQ(Walk(chain.list, &seen), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(seen, (std::vector<char*>{&chain.records[0], &chain.records[1], &chain.records[2]}));
    EXPECT_EQ(chain.list.current, &chain.node[2]);
    EXPECT_EQ(chain.list.index, 2);
}

TEST(RecordListWalk, CountBelowChainLengthStopsAtCount) {
    Chain chain(5);
    chain.list.count = 2;
    EXPECT_EQ(Walk(chain.list), (std::vector<int>{0, 1}));
    EXPECT_EQ(chain.list.current, &chain.node[1]);
    EXPECT_EQ(chain.list.index, 1);
    // The host's own words stay as the host set them.
    EXPECT_EQ(chain.list.hostWord, 0xC0FFEEu);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(chain.node[i].hostWord, 0xA0000000u + static_cast<uint32_t>(i));
}

}  // namespace
}  // namespace tarnex::records
