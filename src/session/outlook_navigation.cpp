#include "session/outlook_navigation.h"

#include "automation/invoke.h"
#include "session/outlook_members.h"

namespace tarnex::session {

using automation::Variant;

DispatchRef GetDefaultFolder(const DispatchRef& nameSpace, records::DefaultFolder folder) {
    return automation::Call(nameSpace, outlook::kGetDefaultFolder, {static_cast<std::int32_t>(folder)})
        .ToDispatch();
}

DispatchRef FolderItems(const DispatchRef& folder) {
    return automation::GetDispatch(folder, outlook::kItems);
}

std::int32_t ItemCount(const DispatchRef& items) { return automation::GetInt(items, outlook::kCount); }

DispatchRef ItemAt(const DispatchRef& items, std::int32_t index) {
    return automation::ItemAsDispatch(automation::Call(items, outlook::kItem, {index}));
}

std::string EntryIdOf(const DispatchRef& object) { return automation::GetText(object, outlook::kEntryId); }

std::int32_t ClassOf(const DispatchRef& item) { return automation::GetInt(item, outlook::kClass); }

DispatchRef LookUpItem(PimSession& session, std::string_view entryId) {
    Variant storeId(automation::Get(session.currentFolder, outlook::kStoreId).ToBstr());
    return automation::Call(session.nameSpace, outlook::kGetItemFromId,
                            {automation::Text(entryId), std::move(storeId)})
        .ToDispatch();
}

}  // namespace tarnex::session
