#include "session/session_lifecycle.h"

#include "automation/invoke.h"
#include "automation/server.h"
#include "eudora/eudora_members.h"
#include "records/store_selector.h"
#include "session/outlook_members.h"
#include "session/outlook_navigation.h"

namespace tarnex::session {

namespace {

using records::DefaultFolder;

void ResolveOutlook(PimSession& session) {
    session.nameSpace =
        automation::Call(session.outlookApplication, outlook::kGetNamespace, {automation::Text("MAPI")})
            .ToDispatch();
    // Each default folder passes through the current folder slot, which is
    // left holding the last one, Notes.
    const std::pair<DefaultFolder, DispatchRef PimSession::*> stores[] = {
        {DefaultFolder::Contacts, &PimSession::contacts}, {DefaultFolder::Calendar, &PimSession::calendar},
        {DefaultFolder::Tasks, &PimSession::tasks},       {DefaultFolder::Outbox, &PimSession::outbox},
        {DefaultFolder::Inbox, &PimSession::inbox},       {DefaultFolder::SentItems, &PimSession::sentItems},
        {DefaultFolder::Notes, &PimSession::notes},
    };
    for (const auto& [folder, slot] : stores) {
        session.currentFolder = GetDefaultFolder(session.nameSpace, folder);
        session.*slot = FolderItems(session.currentFolder);
    }
}

DispatchRef MailboxMessages(const DispatchRef& application, std::int32_t mailboxNumber) {
    const DispatchRef mailbox =
        automation::Call(application, eudora::kMailboxByNumber, {mailboxNumber, std::int32_t{-1}})
            .ToDispatch();
    return automation::GetDispatch(mailbox, eudora::kMessages);
}

void ResolveEudora(PimSession& session) {
    const DispatchRef inMailbox = automation::GetDispatch(session.eudoraApplication, eudora::kInMailbox);
    session.eudoraInMessages = automation::GetDispatch(inMailbox, eudora::kMessages);
    session.eudoraOutMessages = MailboxMessages(session.eudoraApplication, eudora::kOutMailboxNumber);
    session.eudoraThirdMessages = MailboxMessages(session.eudoraApplication, eudora::kThirdMailboxNumber);
}

const char* ProgIdOf(std::int32_t kind) noexcept {
    switch (static_cast<PimKind>(kind)) {
        case PimKind::Outlook:
            return kOutlookProgId;
        case PimKind::Eudora:
            return kEudoraProgId;
    }
    return nullptr;
}

}  // namespace

OpenOutcome OpenSession(PimSession& session, std::int32_t kind) {
    session.initialized = false;
    const char* progId = ProgIdOf(kind);
    if (progId == nullptr) return OpenOutcome::UnknownKind;

    auto server = automation::CreateServer(progId);
    if (!server) return OpenOutcome::NoServer;

    if (static_cast<PimKind>(kind) == PimKind::Outlook) {
        session.outlookApplication = std::move(*server);
        ResolveOutlook(session);
    } else {
        session.eudoraApplication = std::move(*server);
        ResolveEudora(session);
    }
    session.initialized = true;
    return OpenOutcome::Opened;
}

void CloseSession(PimSession& session) noexcept {
    session.ReleaseAll();
    session.initialized = false;
}

bool ProbePim(std::int32_t kind) {
    const char* progId = ProgIdOf(kind);
    if (progId == nullptr) return true;
    return automation::CreateServer(progId).has_value();
}

}  // namespace tarnex::session
