// What the reference host reports of a PIM: each store's objects, by the
// host's own calls to the library.
#pragma once

#include <nlohmann/json.hpp>

namespace tarnex_host {

// Counts, identifiers and (for contacts) the decoded records of every
// Outlook store, through an open session.
nlohmann::ordered_json ReportOutlookStores();

}  // namespace tarnex_host
