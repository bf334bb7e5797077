// Record list nodes and descriptors as a host builds them, field by field, so
// the same code serves the 32-bit layout and the wider one with its padding.
#pragma once

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

}  // namespace tarnex_test
