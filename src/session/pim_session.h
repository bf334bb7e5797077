// The one session a process has with its PIM: the automation objects opened
// by InitializeTARN and held until UninitializeTARN. Each slot owns at most
// one reference; assigning a slot releases what it held.
#pragma once

#include "automation/dispatch_ref.h"

namespace tarnex::session {

using automation::DispatchRef;

struct PimSession {
    // Outlook, in release order.
    DispatchRef outlookApplication;
    DispatchRef nameSpace;
    DispatchRef currentFolder;  // its StoreID names the store of every lookup
    DispatchRef contacts;       // Items of the default folders
    DispatchRef calendar;
    DispatchRef tasks;
    DispatchRef outbox;
    DispatchRef inbox;
    DispatchRef sentItems;
    DispatchRef notes;
    DispatchRef foundItem;  // last fetched for deletion, identifier queries, calendar reads, item times
    DispatchRef contactItem;
    DispatchRef appointmentItem;
    DispatchRef taskItem;
    DispatchRef mailItem;
    DispatchRef noteItem;
    // Eudora, in release order.
    DispatchRef eudoraApplication;
    DispatchRef eudoraCurrentMessages;
    DispatchRef eudoraInMessages;
    DispatchRef eudoraOutMessages;
    DispatchRef eudoraThirdMessages;
    DispatchRef eudoraCurrentMailbox;
    DispatchRef eudoraCurrentMessage;

    bool initialized = false;
    bool mailboxFound = false;

    // Releases every slot, Outlook application first.
    void ReleaseAll() noexcept;
    // Releases the Outlook item slots (foundItem to noteItem).
    void ReleaseItems() noexcept;
    // Lets go of every slot without releasing: for a DLL being unloaded,
    // when COM or the objects' servers may already be gone.
    void AbandonAll() noexcept;

    ~PimSession() { ReleaseAll(); }
};

// The process's session.
PimSession& Session() noexcept;

}  // namespace tarnex::session
