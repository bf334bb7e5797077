// Entry identifiers in the hexadecimal text form Outlook gives them, for a
// Personal Folders (.pst) store: a store's StoreID wraps the store provider's
// DLL name and the file's path, so it runs to a few hundred characters; an
// item's or folder's EntryID is four flag bytes, the store's 16-byte record
// key and a 4-byte node identifier, 48 characters. The PST provider keeps an
// item's node, and so its EntryID, when the item moves between folders of
// the store.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace simpim {

enum class NodeType : std::uint32_t { Folder = 0x02, Message = 0x04 };

std::u16string PstStoreId(std::u16string_view recordKeyHex, std::string_view filePath);
std::u16string PstEntryId(std::u16string_view recordKeyHex, NodeType type, std::uint32_t index);

// Upper-case form, for comparing identifiers given in either case.
std::u16string NormalizedHex(std::u16string_view hex);

}  // namespace simpim
