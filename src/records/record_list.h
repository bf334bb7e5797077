// Walking the host's record list. The host owns the descriptor and every
// node; the library only moves `current` and `index`, and reads no `next`
// beyond the count-th node.
#pragma once

#include <cstdint>

#include "records/host_memory.h"
#include "tarnex/tarnex.h"

namespace tarnex::records {

void RewindList(PimRecordList& list) noexcept;
void AdvanceList(PimRecordList& list) noexcept;

// Refuses (HostArgumentError) a list whose chain does not hold count nodes,
// each with a record, before any work: a host list that promises more than
// it holds then fails whole, not after records were filled or a store was
// emptied. Reads no next beyond the count-th node.
void CheckList(const PimRecordList& list);

// Calls work(record, position) for positions 0 .. count-1, count read once,
// after CheckList. A failure thrown by work ends the walk where it is.
template <typename Work>
void WalkList(PimRecordList& list, Work&& work) {
    CheckList(list);
    const std::int32_t count = list.count;
    if (count > 0) RewindList(list);
    for (std::int32_t position = 0; position < count; ++position) {
        RecordListNode* node = HostPointer(list.current, "record list node");
        work(static_cast<char*>(HostPointer(node->record, "record")), position);
        if (position < count - 1) AdvanceList(list);
    }
}

}  // namespace tarnex::records
