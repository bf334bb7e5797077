// A small PIM for the library's own C++ tests that need ordinary data. (The
// bundled sample PIM that tarnex-host, libtarnex_simpim and the kit's tests
// open is simpim/sample/sample_pim.json, a larger data set.) In Outlook: a few contacts; appointments (a meeting, an
// all-day event, a weekly series, a night across a daylight-saving change);
// open and completed tasks; notes of one and more lines; mail in the Inbox,
// Outbox and Sent Items, with a meeting request, a body holding "END:VBODY"
// lines and a body of 20 KB among it. In Eudora: mail in the in and out
// mailboxes and in a tree of filed mailboxes two folders deep, where two
// pairs of mailboxes share a name.
#pragma once

#include "simpim/eudora_server.h"
#include "simpim/outlook_server.h"

namespace simpim {

void FillSampleOutlook(OutlookServer& outlook);
void FillSampleEudora(EudoraServer& eudora);

}  // namespace simpim
