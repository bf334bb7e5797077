// The simulated Eudora automation server, "Eudora.EuApplication.1": the
// factory the in-process registry calls, the test hooks, and direct access
// to its mailboxes and messages.
#pragma once

#include <memory>

#include "automation/dispatch_ref.h"
#include "simpim/eudora_store.h"
#include "simpim/server_hooks.h"

namespace simpim {

class EudoraServer : public SimulatedServer {
public:
    EudoraServer();

    // A tarnex_ServerFactory: context is the EudoraServer. Returns a new
    // application object holding one reference.
    static void* Factory(void* context);
    tarnex::automation::DispatchRef CreateApplication();

    EudoraStore& Store() noexcept { return *store_; }
    // A standard or user mailbox by MailboxNumber; throws std::invalid_argument
    // when there is none.
    EudoraMailbox& Mailbox(std::int32_t number);
    EudoraMessage& AddMessage(std::int32_t mailboxNumber, EudoraMessageFields fields);
    EudoraMessage* FindMessage(std::int32_t id) const { return store_->FindMessage(id).get(); }

private:
    std::shared_ptr<EudoraStore> store_ = std::make_shared<EudoraStore>();
};

}  // namespace simpim
