#include "session/pim_session.h"

namespace tarnex::session {

namespace {

// Every slot, in release order.
template <typename Session, typename Visit>
void ForEachSlot(Session& s, Visit&& visit) {
    for (DispatchRef* slot : {&s.outlookApplication,
                              &s.nameSpace,
                              &s.currentFolder,
                              &s.contacts,
                              &s.calendar,
                              &s.tasks,
                              &s.outbox,
                              &s.inbox,
                              &s.sentItems,
                              &s.notes,
                              &s.foundItem,
                              &s.contactItem,
                              &s.appointmentItem,
                              &s.taskItem,
                              &s.mailItem,
                              &s.noteItem,
                              &s.eudoraApplication,
                              &s.eudoraCurrentMessages,
                              &s.eudoraInMessages,
                              &s.eudoraOutMessages,
                              &s.eudoraThirdMessages,
                              &s.eudoraCurrentMailbox,
                              &s.eudoraCurrentMessage}) {
        visit(*slot);
    }
}

}  // namespace

void PimSession::ReleaseAll() noexcept {
    ForEachSlot(*this, [](DispatchRef& slot) { slot.Reset(); });
}

void PimSession::ReleaseItems() noexcept {
    for (DispatchRef* slot : {&foundItem, &contactItem, &appointmentItem, &taskItem, &mailItem, &noteItem}) {
        slot->Reset();
    }
}

void PimSession::AbandonAll() noexcept {
    ForEachSlot(*this, [](DispatchRef& slot) { (void)slot.Detach(); });
    initialized = false;
}

PimSession& Session() noexcept {
    // Lives from load to unload; what it still holds at unload is released
    // then, as by UninitializeTARN (except by the Windows DLL, which lets go
    // of it first: session/com/process_detach.cpp).
    static PimSession session;
    return session;
}

}  // namespace tarnex::session
