#include "records/record_list.h"

namespace tarnex::records {

void RewindList(PimRecordList& list) noexcept {
    if (list.count == 0) return;
    list.current = list.first;
    list.index = 0;
}

void AdvanceList(PimRecordList& list) noexcept {
    list.current = list.current->next;
    ++list.index;
}

void CheckList(const PimRecordList& list) {
    const RecordListNode* node = list.first;
    for (std::int32_t position = 0; position < list.count; ++position) {
        HostPointer(HostPointer(node, "record list node")->record, "record");
        if (position < list.count - 1) node = node->next;
    }
}

}  // namespace tarnex::records
