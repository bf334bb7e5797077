// The Outlook calls that several operations share: default folders, their
// item collections, items by index and by entry identifier.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "automation/dispatch_ref.h"
#include "records/store_selector.h"
#include "session/pim_session.h"

namespace tarnex::session {

DispatchRef GetDefaultFolder(const DispatchRef& nameSpace, records::DefaultFolder folder);
DispatchRef FolderItems(const DispatchRef& folder);
std::int32_t ItemCount(const DispatchRef& items);
// Item index (from 1) of an Items collection, as a VT_I4 argument.
DispatchRef ItemAt(const DispatchRef& items, std::int32_t index);
std::string EntryIdOf(const DispatchRef& object);
std::int32_t ClassOf(const DispatchRef& item);

// Finds an item by entry identifier in the store of the session's current
// folder: NameSpace.GetItemFromID(identifier, current folder's StoreID). An
// identifier Outlook does not know is an automation failure.
DispatchRef LookUpItem(PimSession& session, std::string_view entryId);

}  // namespace tarnex::session
