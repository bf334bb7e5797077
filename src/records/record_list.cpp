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

}  // namespace tarnex::records
