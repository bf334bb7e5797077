// DISPIDs of the Outlook 2000 members used to move between application,
// namespace, folders and items. Item properties live with their converters.
#pragma once

#include "automation/dispatch_object.h"

namespace tarnex::session::outlook {

using automation::Dispid;

// Application
constexpr Dispid kGetNamespace = 0x110;
constexpr Dispid kCreateItem = 0x10A;
// NameSpace
constexpr Dispid kLogon = 0x2105;
constexpr Dispid kFolders = 0x2103;  // also MAPIFolder.Folders
constexpr Dispid kGetDefaultFolder = 0x210B;
constexpr Dispid kGetItemFromId = 0x2109;
// MAPIFolder
constexpr Dispid kItems = 0x3100;
constexpr Dispid kName = 0x3001;
constexpr Dispid kStoreId = 0x3108;
// Folders and items alike
constexpr Dispid kEntryId = 0xF01E;
// Items, Folders
constexpr Dispid kCount = 0x50;
constexpr Dispid kItem = 0x51;
constexpr Dispid kRemove = 0x54;
constexpr Dispid kGetFirst = 0x56;
constexpr Dispid kGetNext = 0x57;
// Items
constexpr Dispid kClass = 0xF00A;
constexpr Dispid kParent = 0xF001;
constexpr Dispid kMessageClass = 0x1A;
constexpr Dispid kSave = 0xF048;
constexpr Dispid kDelete = 0xF04A;
constexpr Dispid kMove = 0xF034;
constexpr Dispid kCreationTime = 0x3007;          // DATE, local time
constexpr Dispid kLastModificationTime = 0x3008;  // DATE, local time

}  // namespace tarnex::session::outlook
