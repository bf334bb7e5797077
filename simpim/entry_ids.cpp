#include "simpim/entry_ids.h"

namespace simpim {

namespace {

void AppendHexByte(std::u16string& out, unsigned byte) {
    constexpr char16_t digits[] = u"0123456789ABCDEF";
    out += digits[(byte >> 4) & 0xF];
    out += digits[byte & 0xF];
}

void AppendHexText(std::u16string& out, std::string_view text) {
    for (char c : text) AppendHexByte(out, static_cast<unsigned char>(c));
    AppendHexByte(out, 0);  // its terminating zero
}

// A 6-byte store counter, most significant byte first, as the server's
// identifiers hold them.
void AppendCounter(std::u16string& out, std::uint64_t counter) {
    for (int shift = 40; shift >= 0; shift -= 8)
        AppendHexByte(out, static_cast<unsigned>(counter >> shift) & 0xFF);
}

// Flags, the mailbox's provider identifier and the identifier's type.
std::u16string MailboxIdStart(std::u16string_view mailboxGuidHex, std::u16string_view type) {
    std::u16string id = u"00000000";
    id += mailboxGuidHex;
    id += type;
    return id;
}

}  // namespace

std::u16string PstStoreId(std::u16string_view recordKeyHex, std::string_view filePath) {
    std::u16string id = u"00000000";            // flags
    id += u"38A1BB1005E5101AA1BB08002B2A56C2";  // MAPI's store-wrapping identifier
    id += u"0000";                              // version, flag
    AppendHexText(id, "mspst.dll");             // the store provider
    id += u"00000000";                          // flags of the wrapped identifier
    id += u"4E495441F9BFB80100AA0037D96E0000";  // the PST provider's identifier
    id += recordKeyHex;                         // this store's record key
    AppendHexText(id, filePath);
    return id;
}

std::u16string PstEntryId(std::u16string_view recordKeyHex, NodeType type, std::uint32_t index) {
    std::u16string id = u"00000000";
    id += recordKeyHex;
    std::uint32_t nid = (index << 5) | static_cast<std::uint32_t>(type);
    for (int shift = 0; shift < 32; shift += 8) AppendHexByte(id, (nid >> shift) & 0xFF);  // little-endian
    return id;
}

std::u16string MailboxStoreId(std::string_view serverName, std::string_view mailboxDn) {
    std::u16string id = u"00000000";
    id += u"38A1BB1005E5101AA1BB08002B2A56C2";  // MAPI's store-wrapping identifier
    id += u"0000";
    AppendHexText(id, "emsmdb.dll");
    id += u"00000000";
    id += u"1B55FA20AA6611CD9BC800AA002FC45A";  // the server's private store provider
    id += u"0C000000";                          // a mailbox, not a public store
    AppendHexText(id, serverName);
    AppendHexText(id, mailboxDn);
    return id;
}

std::u16string MailboxFolderEntryId(std::u16string_view mailboxGuidHex, std::uint64_t folderCounter) {
    std::u16string id = MailboxIdStart(mailboxGuidHex, u"0100");  // a private folder
    id += mailboxGuidHex;                                         // the database holding it
    AppendCounter(id, folderCounter);
    id += u"0000";
    return id;
}

std::u16string MailboxItemEntryId(std::u16string_view mailboxGuidHex, std::uint64_t folderCounter,
                                  std::uint64_t itemCounter) {
    std::u16string id = MailboxIdStart(mailboxGuidHex, u"0700");  // a private message
    id += mailboxGuidHex;
    AppendCounter(id, folderCounter);
    id += u"0000";
    id += mailboxGuidHex;
    AppendCounter(id, itemCounter);
    id += u"0000";
    return id;
}

std::u16string NormalizedHex(std::u16string_view hex) {
    std::u16string out(hex);
    for (char16_t& c : out)
        if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
    return out;
}

}  // namespace simpim
