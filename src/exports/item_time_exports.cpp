// TARN_GetCreationTimeForOL, TARN_GetModificationTimeForOL.
#include <optional>

#include "automation/invoke.h"
#include "codec/date_time.h"
#include "exports/export_frame.h"
#include "exports/host_text.h"
#include "records/host_memory.h"
#include "session/outlook_members.h"
#include "session/outlook_navigation.h"

using tarnex::exports::Result;
namespace session = tarnex::session;

namespace {

// One time of the item the identifier names, of any type and in any folder
// of the current folder's store, as 32-bit calendar time. A time that it
// cannot hold is stored as -1 with success; a failure stores nothing.
TarnResult ItemTime(int32_t* time, const char* entryId, tarnex::automation::Dispid property) {
    return tarnex::exports::SessionExport([&](session::PimSession& pim) {
        int32_t* out = tarnex::records::HostPointer(time, "time");
        const std::string_view id = tarnex::exports::IdentifierIn(entryId);
        pim.foundItem = session::LookUpItem(pim, id);
        const double date = tarnex::automation::GetDate(pim.foundItem, property);
        *out = tarnex::codec::LocalDateToTime32(date).value_or(-1);
        return Result::Ok;
    });
}

}  // namespace

TARN_API TarnResult TARN_CALL TARN_GetCreationTimeForOL(int32_t* time, const char* entryId) {
    return ItemTime(time, entryId, session::outlook::kCreationTime);
}

TARN_API TarnResult TARN_CALL TARN_GetModificationTimeForOL(int32_t* time, const char* entryId) {
    return ItemTime(time, entryId, session::outlook::kLastModificationTime);
}
