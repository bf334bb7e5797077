// A small, fixed Outlook for tests that run the same scenario many times over
// a fresh simulated server each time: two contacts, an appointment, a task, a
// note and one message in each mail folder, with the store's clock fixed, so
// that every run hands out the same entry identifiers and times.
#pragma once

#include <string>
#include <vector>

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

}  // namespace tarnex_test
