// Host records and record lists as a host builds them, field by field, so
// the same code serves the 32-bit layout and the wider one with its padding.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "tarnex/tarnex.h"

namespace tarnex_test {

inline RecordListNode MakeNode(void* record, RecordListNode* next, uint32_t hostWord = 0) {
    RecordListNode node{};
    node.record = record;
    node.hostWord = hostWord;
    node.next = next;
    return node;
}

inline PimRecordList MakeList(RecordListNode* first, int32_t count, RecordListNode* current = nullptr,
                              int32_t index = 0, uint32_t hostWord = 0) {
    PimRecordList list{};
    list.current = current;
    list.first = first;
    list.hostWord = hostWord;
    list.count = count;
    list.index = index;
    return list;
}

template <class Record>
Record Zeroed() {
    Record record;
    std::memset(&record, 0, sizeof record);
    return record;
}

// Copies text into a record field; the text must fit with its zero.
template <std::size_t N>
void Fill(char (&field)[N], std::string_view text) {
    ASSERT_LT(text.size(), N) << text;
    std::memcpy(field, text.data(), text.size());
    field[text.size()] = '\0';
}

// A field's text up to its zero, never past the field's end.
template <std::size_t N>
std::string Text(const char (&field)[N]) {
    return std::string(field, strnlen(field, N));
}

// Host-owned records of any type, zeroed and chained into a list.
template <class Record>
struct HostList {
    explicit HostList(std::size_t count) : records(count, Zeroed<Record>()), nodes(count) {
        for (std::size_t k = 0; k < count; ++k)
            nodes[k] = MakeNode(&records[k], k + 1 < count ? &nodes[k + 1] : nullptr);
        list = MakeList(count ? nodes.data() : nullptr, static_cast<int32_t>(count));
    }
    std::vector<Record> records;
    std::vector<RecordListNode> nodes;
    PimRecordList list{};
};

}  // namespace tarnex_test
