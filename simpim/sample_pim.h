// A small built-in PIM for the reference host and for tests that need
// ordinary data: a few contacts, appointments, tasks, notes and mails (with
// a meeting request among the Inbox mail) in Outlook, and a few messages in
// Eudora's mailboxes.
#pragma once

#include "simpim/eudora_server.h"
#include "simpim/outlook_server.h"

namespace simpim {

void FillSampleOutlook(OutlookServer& outlook);
void FillSampleEudora(EudoraServer& eudora);

}  // namespace simpim
