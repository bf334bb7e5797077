#include "session/pim_session.h"

namespace tarnex::session {

void PimSession::ReleaseAll() noexcept {
    for (DispatchRef* slot : {&outlookApplication, &nameSpace, &currentFolder, &contacts, &calendar,
                              &tasks, &outbox, &inbox, &sentItems, &notes, &foundItem, &contactItem,
                              &appointmentItem, &taskItem, &mailItem, &noteItem, &eudoraApplication,
                              &eudoraCurrentMessages, &eudoraInMessages, &eudoraOutMessages,
                              &eudoraThirdMessages, &eudoraCurrentMailbox, &eudoraCurrentMessage}) {
        slot->Reset();
    }
}

PimSession& Session() noexcept {
    // Lives from load to unload; what it still holds at unload is released
    // then, as by UninitializeTARN.
    static PimSession session;
    return session;
}

}  // namespace tarnex::session
