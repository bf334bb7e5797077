#include "eudora/message_reader.h"

#include "automation/invoke.h"
#include "codec/body_text.h"
#include "eudora/eudora_members.h"
#include "eudora/mailbox_search.h"
#include "eudora/message_id.h"
#include "records/record_header.h"

namespace tarnex::eudora {

namespace {

// Header field numbers of the message's header call.
constexpr std::int32_t kCcLine = 2;
constexpr std::int32_t kReplyToLine = 14;

void FillFields(MessageRecord& record, const automation::DispatchRef& message) {
    using automation::GetText;
    using records::CopyText;

    records::AppendValue(record.status, automation::GetInt(message, kReadStatus) == 0 ? "UNREAD" : "READ",
                         false);
    records::AppendValue(record.messageType, "MSG", false);
    records::CopyProperty(record.date, message, kDateText);
    records::CopyProperty(record.from, message, kSender);
    records::CopyProperty(record.to, message, kTo);
    CopyText(record.cc, GetText(message, kHeaderField, {kCcLine}));
    CopyText(record.replyTo, GetText(message, kHeaderField, {kReplyToLine}));
    records::CopyProperty(record.subject, message, kSubject);
    records::CopyMessageBody(record.body, message, kBody);
}

}  // namespace

void ReadEudoraMessage(session::PimSession& session, MessageRecord& record, std::string_view identifier) {
    const EudoraMessageId id = ParseEudoraMessageId(identifier);
    FindMailbox(session, id.mailbox, id.count);
    if (!session.mailboxFound) return;

    // Eudora has no sent mailbox the library reads: every mailbox but the
    // out mailbox counts as incoming.
    const bool outgoing =
        automation::GetInt(session.eudoraCurrentMailbox, kMailboxNumber) == kOutMailboxNumber;
    records::CopyText(record.box, outgoing ? "OUTBOX" : "INBOX");
    session.eudoraCurrentMessages = automation::GetDispatch(session.eudoraCurrentMailbox, kMessages);
    session.eudoraCurrentMessage = automation::ItemAsDispatch(
        automation::Get(session.eudoraCurrentMessages, kItemAtPosition, {id.position}));

    record.header.type = static_cast<std::uint32_t>(records::RecordType::Message);
    records::CopyText(record.header.entryId, identifier);
    records::CopyText(record.header.version, records::kMessageVersion);
    FillFields(record, session.eudoraCurrentMessage);
}

}  // namespace tarnex::eudora
