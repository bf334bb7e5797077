// TARN_GetCountForOL, TARN_GetIDForOL, TARN_GetUniqueStringForOL,
// TARN_DeleteForOL.
#include <algorithm>
#include <cstring>

#include "automation/invoke.h"
#include "exports/export_frame.h"
#include "exports/host_text.h"
#include "records/host_memory.h"
#include "records/record_type.h"
#include "session/outlook_members.h"
#include "session/outlook_navigation.h"
#include "session/store_collections.h"

using tarnex::exports::Result;
using tarnex::records::StoreSelector;
namespace records = tarnex::records;
namespace session = tarnex::session;

TARN_API TarnResult TARN_CALL TARN_GetCountForOL(int32_t* count, int32_t store) {
    return tarnex::exports::SessionExport([&](session::PimSession& pim) {
        int32_t* out = records::HostPointer(count, "count");
        if (auto n = session::StoreCount(pim, store)) *out = *n;
        return Result::Ok;
    });
}

TARN_API TarnResult TARN_CALL TARN_GetIDForOL(char* entryId, int32_t position, int32_t store) {
    return tarnex::exports::SessionExport([&](session::PimSession& pim) {
        char* out = records::HostPointer(entryId, "entry identifier buffer");
        // The count comes through the counting export; its result is not
        // looked at, so a store it cannot count has no positions.
        int32_t count = 0;
        TARN_GetCountForOL(&count, store);
        if (position < 0 || position >= count) return Result::BadPosition;

        const records::StoreInfo& info = *records::FindStore(store);
        session::DispatchRef* slot = nullptr;
        switch (info.selector) {
            case StoreSelector::Contacts:
                slot = &pim.contactItem;
                break;
            case StoreSelector::Calendar:
                slot = &pim.foundItem;
                break;
            case StoreSelector::Notes:
                slot = &pim.noteItem;
                break;
            default:
                slot = &pim.mailItem;
                break;
        }
        *slot = info.selector == StoreSelector::Calendar
                    ? session::CalendarItemAt(pim, position)
                    : session::ItemAt(session::SingleFolderItems(pim, info.selector), position + 1);
        if (info.isMail && session::ClassOf(*slot) != static_cast<int32_t>(records::ItemClass::Mail)) {
            return Result::NotMail;
        }
        tarnex::exports::CopyIdentifierOut(out, session::EntryIdOf(*slot));
        return Result::Ok;
    });
}

TARN_API TarnResult TARN_CALL TARN_GetUniqueStringForOL(char* text) {
    return tarnex::exports::SessionExport([&](session::PimSession& pim) {
        char* out = records::HostPointer(text, "unique string buffer");
        pim.currentFolder = session::GetDefaultFolder(pim.nameSpace, records::DefaultFolder::Contacts);
        const std::string storeId =
            tarnex::automation::GetText(pim.currentFolder, session::outlook::kStoreId);
        // Always all 40 bytes: up to 39 of the StoreID, zero-filled behind.
        char unique[TARN_UNIQUE_STRING_SIZE] = {};
        std::memcpy(unique, storeId.data(), std::min(storeId.size(), sizeof unique - 1));
        std::memcpy(out, unique, sizeof unique);
        return Result::Ok;
    });
}

TARN_API TarnResult TARN_CALL TARN_DeleteForOL(const char* entryId) {
    return tarnex::exports::SessionExport([&](session::PimSession& pim) {
        const std::string_view id = tarnex::exports::IdentifierIn(entryId);
        pim.foundItem = session::LookUpItem(pim, id);
        tarnex::automation::Call(pim.foundItem, session::outlook::kDelete);
        return Result::Ok;
    });
}
