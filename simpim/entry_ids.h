// Entry identifiers in the hexadecimal text form Outlook gives them, for a
// Personal Folders (.pst) store: a store's StoreID wraps the store provider's
// DLL name and the file's path, so it runs to a few hundred characters; an
// item's or folder's EntryID is four flag bytes, the store's 16-byte record
// key and a 4-byte node identifier, 48 characters. The PST provider keeps an
// item's node, and so its EntryID, when the item moves between folders of
// the store.
//
// A server mailbox store's identifiers are longer: an item's EntryID is 70
// bytes (140 characters) naming the mailbox, its folder and the message's own
// counter, a folder's 46 bytes. Since the folder is part of an item's
// identifier, an item moved to another folder gets a new one.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace simpim {

enum class NodeType : std::uint32_t { Folder = 0x02, Message = 0x04 };

std::u16string PstStoreId(std::u16string_view recordKeyHex, std::string_view filePath);
std::u16string PstEntryId(std::u16string_view recordKeyHex, NodeType type, std::uint32_t index);

std::u16string MailboxStoreId(std::string_view serverName, std::string_view mailboxDn);
// A folder's identifier (folderCounter only) or an item's in that folder.
std::u16string MailboxFolderEntryId(std::u16string_view mailboxGuidHex, std::uint64_t folderCounter);
std::u16string MailboxItemEntryId(std::u16string_view mailboxGuidHex, std::uint64_t folderCounter,
                                  std::uint64_t itemCounter);

// Upper-case form, for comparing identifiers given in either case.
std::u16string NormalizedHex(std::u16string_view hex);

}  // namespace simpim
