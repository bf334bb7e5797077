#include "exports/host_text.h"

#include "records/host_memory.h"
#include "tarnex/tarnex.h"

namespace tarnex::exports {

std::string_view IdentifierIn(const char* entryId) {
    return records::FieldText(records::HostPointer(entryId, "entry identifier"), TARN_ENTRY_ID_SIZE);
}

void CopyIdentifierOut(char* buffer, std::string_view entryId) noexcept {
    records::CopyToField(buffer, TARN_ENTRY_ID_SIZE, entryId);
}

}  // namespace tarnex::exports
