#include "outlook/mail_reader.h"

#include <array>
#include <stdexcept>
#include <string>

#include "automation/invoke.h"
#include "outlook/mail_fill.h"
#include "records/record_header.h"
#include "session/outlook_members.h"
#include "session/outlook_navigation.h"
#include "session/store_collections.h"

namespace tarnex::outlook {

namespace {

using records::DefaultFolder;
using records::StoreSelector;

struct MailBox {
    DefaultFolder folder;
    StoreSelector store;
    std::string_view word;
};
// In the order a folder is compared with them: the first match names it.
constexpr std::array<MailBox, 3> kBoxes{{
    {DefaultFolder::Inbox, StoreSelector::Inbox, "INBOX"},
    {DefaultFolder::Outbox, StoreSelector::Outbox, "OUTBOX"},
    {DefaultFolder::SentItems, StoreSelector::SentItems, "SENTBOX"},
}};
// The box of an item found in none of the three folders.
constexpr std::string_view kOtherBox = "INBOX";

MessageRecord& AsMessage(char* record) noexcept { return *reinterpret_cast<MessageRecord*>(record); }

std::string_view BoxOfStore(StoreSelector store) {
    for (const MailBox& box : kBoxes) {
        if (box.store == store) return box.word;
    }
    throw std::logic_error("not a mail store");
}

// Each default folder is fetched only when the ones before it did not match.
std::string_view BoxOfFolder(const session::PimSession& session, const session::DispatchRef& folder) {
    const std::string folderId = session::EntryIdOf(folder);
    for (const MailBox& box : kBoxes) {
        const session::DispatchRef candidate = session::GetDefaultFolder(session.nameSpace, box.folder);
        if (folderId == session::EntryIdOf(candidate)) return box.word;
    }
    return kOtherBox;
}

// Type from the item's class, then the identifier, the version and the
// fields.
template <typename EntryId>
void FillMessage(MessageRecord& record, const session::DispatchRef& item, EntryId&& entryId) {
    records::WriteRecordType(record.header, session::ClassOf(item));
    records::CopyText(record.header.entryId, entryId());
    records::CopyText(record.header.version, records::kMessageVersion);
    FillMessageFields(record, item);
}

}  // namespace

void ReadMailEntry(session::PimSession& session, char* record, std::int32_t position, StoreSelector store) {
    MessageRecord& message = AsMessage(record);
    records::CopyText(message.box, BoxOfStore(store));
    session.mailItem = session::ItemAt(session::SingleFolderItems(session, store), position + 1);
    FillMessage(message, session.mailItem, [&] { return session::EntryIdOf(session.mailItem); });
}

void ReadMailItem(session::PimSession& session, char* record, std::string_view entryId) {
    session.mailItem = session::LookUpItem(session, entryId);
    session.currentFolder = automation::GetDispatch(session.mailItem, session::outlook::kParent);
    MessageRecord& message = AsMessage(record);
    records::CopyText(message.box, BoxOfFolder(session, session.currentFolder));
    FillMessage(message, session.mailItem, [&] { return entryId; });
}

}  // namespace tarnex::outlook
