// A small, fixed Outlook and Eudora for tests that run the same scenario many
// times over a fresh simulated server each time. The Outlook holds two
// contacts, an appointment, a task, a note and one message in each mail
// folder, with the store's clock fixed, so that every run hands out the same
// entry identifiers and times; the Eudora two messages in In, one in Out and
// two in a mailbox "Work", with the date of queued messages fixed.
#pragma once

#include <string>
#include <vector>

#include "simpim/eudora_server.h"
#include "simpim/outlook_server.h"
#include "tarnex/tarnex.h"

namespace tarnex_test {

struct WorldIds {
    std::string contact, contact2, appointment, task, note, inbox, outbox, sent;
};

// Fills a new server with the items above.
WorldIds Populate(simpim::OutlookServer& outlook);

// The saved state of the default store as text: every folder, and every
// item in it with its identifier, times and stored values. Open item objects
// and their unsaved changes do not show.
std::string StoreFingerprint(simpim::OutlookServer& outlook);

// A saved item of a default folder and the selector that reads it.
struct StoredItem {
    std::string entryId;
    int32_t store;
};
// The items of the seven folders of the stores, in folder order.
std::vector<StoredItem> StoredItems(simpim::OutlookServer& outlook);

void Populate(simpim::EudoraServer& eudora);
// Every mailbox, and every message in it with its fields and status.
std::string StoreFingerprint(simpim::EudoraServer& eudora);
// The host's identifier of every message of every mailbox.
std::vector<std::string> MessageIds(simpim::EudoraServer& eudora);

}  // namespace tarnex_test
