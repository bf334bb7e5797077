#include "simpim/eudora_server.h"

#include <stdexcept>

#include "simpim/eudora_objects.h"

namespace simpim {

EudoraServer::EudoraServer() = default;

void* EudoraServer::Factory(void* context) {
    auto* server = static_cast<EudoraServer*>(context);
    if (!server) return nullptr;
    return server->CreateApplication().Detach();
}

tarnex::automation::DispatchRef EudoraServer::CreateApplication() {
    return NewObject<EudoraApplication>(EudoraContext{Hooks(), store_});
}

EudoraMailbox& EudoraServer::Mailbox(std::int32_t number) {
    EudoraMailbox* mailbox = store_->MailboxByNumber(number);
    if (!mailbox) throw std::invalid_argument("no mailbox with that number");
    return *mailbox;
}

EudoraMessage& EudoraServer::AddMessage(std::int32_t mailboxNumber, EudoraMessageFields fields) {
    return store_->AddMessage(Mailbox(mailboxNumber), std::move(fields));
}

}  // namespace simpim
