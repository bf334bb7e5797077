#include "eudora/message_queue.h"

#include "automation/invoke.h"
#include "eudora/eudora_members.h"
#include "records/record_fields.h"

namespace tarnex::eudora {

namespace {

using automation::DispatchRef;

DispatchRef MailboxByNumber(const session::PimSession& session, std::int32_t number) {
    return automation::Call(session.eudoraApplication, kMailboxByNumber, {number, std::int32_t{-1}})
        .ToDispatch();
}

}  // namespace

std::string QueuedBodyText(std::string_view body) {
    std::string text;
    text.reserve(body.size() + body.size() / 32 + 2);
    for (const char c : body) {
        if (c == '\n') text += '\r';
        text += c;
    }
    return text;
}

bool QueueEudoraMessage(session::PimSession& session, const MessageRecord& record) {
    const std::string body = QueuedBodyText(records::Text(record.body));
    // To, subject, CC, two empty texts, body.
    automation::Call(
        session.eudoraApplication, kQueueMessage,
        {automation::Text(records::Text(record.to)), automation::Text(records::Text(record.subject)),
         automation::Text(records::Text(record.cc)), automation::Text(""), automation::Text(""),
         automation::Text(body)});

    session.eudoraCurrentMailbox = MailboxByNumber(session, kOutMailboxNumber);
    const std::int32_t number = FindQueuedMessage(session, session.eudoraCurrentMailbox, body);
    if (number == -1) return false;

    session.eudoraCurrentMessages = automation::GetDispatch(session.eudoraCurrentMailbox, kMessages);
    session.eudoraCurrentMessage =
        automation::ItemAsDispatch(automation::Get(session.eudoraCurrentMessages, kMessageById, {number}));
    const bool unread = records::Text(record.status) == "UNREAD";
    automation::Put(session.eudoraCurrentMessage, kReadStatus, std::int32_t{unread ? 0 : 1});
    return true;
}

std::int32_t FindQueuedMessage(session::PimSession& session, const DispatchRef& mailbox,
                               std::string_view body) {
    session.eudoraCurrentMessages = automation::GetDispatch(mailbox, kMessages);
    const std::int32_t count = automation::GetInt(session.eudoraCurrentMessages, kCollectionCount);
    for (std::int32_t position = 1; position <= count; ++position) {
        const DispatchRef message = automation::ItemAsDispatch(
            automation::Get(session.eudoraCurrentMessages, kItemAtPosition, {position}));
        if (automation::GetText(message, kBody) == body) return automation::GetInt(message, kMessageId);
    }
    return -1;
}

void MoveCurrentMessageToInMailbox(const session::PimSession& session) {
    const DispatchRef inMailbox = MailboxByNumber(session, kInMailboxNumber);
    automation::Call(session.eudoraCurrentMessage, kMoveTo, {inMailbox});
}

}  // namespace tarnex::eudora
