// Reading and writing objects: TARN_GetObjectStoreForOL,
// TARN_GetSingleObjectForOL, TARN_SetObjectStoreForOL,
// TARN_SetSingleObjectForOL, TARN_AddForOL.
#include <cstring>

#include "automation/invoke.h"
#include "exports/converter_tables.h"
#include "exports/export_frame.h"
#include "exports/host_text.h"
#include "records/host_memory.h"
#include "records/record_list.h"
#include "session/outlook_members.h"
#include "session/outlook_navigation.h"
#include "session/store_collections.h"

using tarnex::exports::Result;
namespace exports = tarnex::exports;
namespace records = tarnex::records;
namespace session = tarnex::session;
namespace automation = tarnex::automation;

namespace {

// Removes every item of a collection, last first, asking Count each time.
void EmptyCollection(const session::DispatchRef& items) {
    const int32_t count = session::ItemCount(items);
    for (int32_t i = 0; i < count; ++i) {
        automation::Call(items, session::outlook::kRemove, {session::ItemCount(items)});
    }
}

// A selector that names no store empties nothing.
void EmptyStore(const session::PimSession& pim, const records::StoreInfo* info) {
    if (info == nullptr) return;
    if (info->selector == records::StoreSelector::Calendar) {
        EmptyCollection(pim.calendar);
        EmptyCollection(pim.tasks);
    } else {
        EmptyCollection(session::SingleFolderItems(pim, info->selector));
    }
}

// Runs the steps that fill and save an item. When one fails, the session
// lets go of the item, which stays unsaved: Outlook keeps an opened item in
// memory and hands that same object to every later lookup, so a
// half-written object left open would show its unsaved values to the next
// read and be stored by the next write. Every item slot lets go, not only
// the writer's: another (the item last found, say) may hold the same object,
// and through COM two references to one object need not look alike.
template <typename Steps>
void WriteAndLetGoOnFailure(session::PimSession& pim, Steps&& steps) {
    try {
        steps();
    } catch (...) {
        pim.ReleaseItems();
        throw;
    }
}

}  // namespace

TARN_API TarnResult TARN_CALL TARN_GetObjectStoreForOL(PimRecordList* list, int32_t store) {
    return exports::SessionExport([&](session::PimSession& pim) {
        PimRecordList& hostList = *records::HostPointer(list, "record list");
        const exports::StoreReader* reader = exports::FindReader(store);
        records::WalkList(hostList, [&](char* record, int32_t position) {
            if (reader) reader->readEntry(pim, record, position, reader->store);
        });
        return Result::Ok;
    });
}

TARN_API TarnResult TARN_CALL TARN_GetSingleObjectForOL(void* record, const char* entryId, int32_t store) {
    return exports::SessionExport([&](session::PimSession& pim) {
        char* out = static_cast<char*>(records::HostPointer(record, "record"));
        const std::string_view id = exports::IdentifierIn(entryId);
        const exports::StoreReader* reader = exports::FindReader(store);
        if (reader == nullptr) return Result::Ok;

        std::memset(out, 0, records::FindStore(store)->recordSize);
        reader->readItem(pim, out, id);
        return out[reader->entryIdOffset] == '\0' ? Result::NotInStore : Result::Ok;
    });
}

TARN_API TarnResult TARN_CALL TARN_SetSingleObjectForOL(const char* entryId, const void* record,
                                                        int32_t store) {
    return exports::SessionExport([&](session::PimSession& pim) {
        const char* in = static_cast<const char*>(records::HostPointer(record, "record"));
        const std::string_view id = exports::IdentifierIn(entryId);
        const exports::StoreWriter* writer = exports::FindWriter(store, in);
        if (writer == nullptr) return Result::Ok;

        session::DispatchRef& item = pim.*(writer->itemSlot);
        WriteAndLetGoOnFailure(pim, [&] {
            item = session::LookUpItem(pim, id);
            writer->write(item, in + writer->recordOffset);
            automation::Call(item, session::outlook::kSave);
        });
        return Result::Ok;
    });
}

TARN_API TarnResult TARN_CALL TARN_AddForOL(char* entryId, const void* record, int32_t store) {
    return exports::SessionExport([&](session::PimSession& pim) {
        const char* in = static_cast<const char*>(records::HostPointer(record, "record"));
        char* out = records::HostPointer(entryId, "entry identifier buffer");
        const exports::StoreWriter* writer = exports::FindWriter(store, in);
        if (writer == nullptr) return Result::Ok;

        session::DispatchRef& item = pim.*(writer->itemSlot);
        WriteAndLetGoOnFailure(pim, [&] {
            item = automation::Call(pim.outlookApplication, session::outlook::kCreateItem,
                                    {writer->createItemType})
                       .ToDispatch();
            writer->write(item, in + writer->recordOffset);
            automation::Call(item, session::outlook::kSave);
            if (writer->moveToFolder != 0) {
                // The slot takes the object Move returns: in a server mailbox
                // the moved item has a new EntryID and the object it was
                // created as fails from now on.
                const session::DispatchRef folder = session::GetDefaultFolder(
                    pim.nameSpace, static_cast<records::DefaultFolder>(writer->moveToFolder));
                item = automation::Call(item, session::outlook::kMove, {folder}).ToDispatch();
            }
        });
        exports::CopyIdentifierOut(out, session::EntryIdOf(item));
        return Result::Ok;
    });
}

TARN_API TarnResult TARN_CALL TARN_SetObjectStoreForOL(PimRecordList* list, int32_t store) {
    return exports::SessionExport([&](session::PimSession& pim) {
        PimRecordList& hostList = *records::HostPointer(list, "record list");
        records::CheckList(hostList);
        if (hostList.count > 0) records::RewindList(hostList);
        EmptyStore(pim, records::FindStore(store));
        // Each record is added in its own frame: one that fails does not stop
        // the others. Its new identifier lands in the record's header. The
        // walk runs for every selector, so the list ends on its count-th node
        // even when the selector names no store and every add does nothing.
        records::WalkList(hostList, [&](char* record, int32_t) {
            TARN_AddForOL(reinterpret_cast<PimRecordHeader*>(record)->entryId, record, store);
        });
        return Result::Ok;
    });
}
