// The simulated PIM as a JSON document: what the simulated Outlook and
// Eudora hold, loaded into servers and saved back from them. The format is
// described in docs/simulated-pim-json.md.
//
//   simpim::OutlookServer outlook;
//   const auto doc = simpim::ParsePimJson(text);   // throws PimJsonError
//   if (doc.contains("outlook")) simpim::LoadOutlook(doc, outlook);
#pragma once

#include <nlohmann/json.hpp>
#include <stdexcept>
#include <string>
#include <string_view>

#include "simpim/eudora_server.h"
#include "simpim/outlook_server.h"

namespace simpim {

// A document that cannot be read or loaded. what() names the place: the
// line and column of a syntax error, or the JSON pointer of a value that
// does not fit (e.g. "/outlook/folders/Contacts/3/Birthday").
class PimJsonError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The document in text, checked to be an object.
nlohmann::ordered_json ParsePimJson(std::string_view text);

// Fills a new server from the document's "outlook" (or "eudora") member,
// which must be present. Values are put as a program puts them, with
// Outlook's side effects (a task given a completion date is complete).
void LoadOutlook(const nlohmann::ordered_json& document, OutlookServer& outlook);
void LoadEudora(const nlohmann::ordered_json& document, EudoraServer& eudora);

// The server's state as the member LoadOutlook (LoadEudora) reads: loading
// it into new servers gives the same items with the same values.
nlohmann::ordered_json SaveOutlook(OutlookServer& outlook);
nlohmann::ordered_json SaveEudora(EudoraServer& eudora);

// The bundled sample PIM (simpim/sample/sample_pim.json), built in.
std::string_view BundledSampleJson();

}  // namespace simpim
