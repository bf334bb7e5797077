// The C interface of the tarnex_simpim shared library (tarnex/simpim.h): the
// simulated servers of one process, loaded from JSON and registered with the
// library's in-process backend.
#include "tarnex/simpim.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "simpim/json/pim_json.h"
#include "tarnex/tarnex_inproc.h"

namespace {

constexpr char kOutlookProgId[] = "Outlook.Application.9";
constexpr char kEudoraProgId[] = "Eudora.EuApplication.1";
// What a failing call returns with TARNEX_SIMPIM_OLE_FAILURE: E_FAIL.
constexpr simpim::HResult kFailStatus = static_cast<simpim::HResult>(0x80004005);

struct Installed {
    std::unique_ptr<simpim::OutlookServer> outlook;
    std::unique_ptr<simpim::EudoraServer> eudora;
    std::string lastError;
};

Installed& State() {
    static Installed installed;
    return installed;
}

// Both servers, or the one installed, in turn.
template <class F>
void ForEachServer(F&& f) {
    Installed& state = State();
    if (state.outlook) f(static_cast<simpim::SimulatedServer&>(*state.outlook));
    if (state.eudora) f(static_cast<simpim::SimulatedServer&>(*state.eudora));
}

}  // namespace

int tarnex_simpim_install(const char* json) {
    Installed& state = State();
    std::unique_ptr<simpim::OutlookServer> outlook;
    std::unique_ptr<simpim::EudoraServer> eudora;
    try {
        const auto document =
            simpim::ParsePimJson(json ? std::string_view(json) : simpim::BundledSampleJson());
        if (document.contains("outlook")) {
            outlook = std::make_unique<simpim::OutlookServer>();
            simpim::LoadOutlook(document, *outlook);
        }
        if (document.contains("eudora")) {
            eudora = std::make_unique<simpim::EudoraServer>();
            simpim::LoadEudora(document, *eudora);
        }
    } catch (const simpim::PimJsonError& e) {
        state.lastError = e.what();
        return TARNEX_SIMPIM_BAD_JSON;
    }
    if (!outlook && !eudora) {
        state.lastError = "the document describes neither an outlook nor a eudora";
        return TARNEX_SIMPIM_NO_PIM;
    }
    tarnex_simpim_uninstall();
    state.lastError.clear();
    state.outlook = std::move(outlook);
    state.eudora = std::move(eudora);
    if (state.outlook)
        tarnex_RegisterServer(kOutlookProgId, &simpim::OutlookServer::Factory, state.outlook.get());
    if (state.eudora)
        tarnex_RegisterServer(kEudoraProgId, &simpim::EudoraServer::Factory, state.eudora.get());
    return TARNEX_SIMPIM_OK;
}

void tarnex_simpim_uninstall(void) {
    Installed& state = State();
    if (state.outlook) tarnex_RegisterServer(kOutlookProgId, nullptr, nullptr);
    if (state.eudora) tarnex_RegisterServer(kEudoraProgId, nullptr, nullptr);
    state.outlook.reset();
    state.eudora.reset();
}

char* tarnex_simpim_state(void) {
    Installed& state = State();
    if (!state.outlook && !state.eudora) return nullptr;
    nlohmann::ordered_json document = nlohmann::ordered_json::object();
    if (state.outlook) document["outlook"] = simpim::SaveOutlook(*state.outlook);
    if (state.eudora) document["eudora"] = simpim::SaveEudora(*state.eudora);
    const std::string text = document.dump(2);
    char* copy = static_cast<char*>(std::malloc(text.size() + 1));
    if (copy) std::memcpy(copy, text.c_str(), text.size() + 1);
    return copy;
}

void tarnex_simpim_free(char* text) { std::free(text); }

void tarnex_simpim_fail_call(int nth, int kind) {
    simpim::Fault fault;
    switch (kind) {
        case TARNEX_SIMPIM_DISPATCH_EXCEPTION:
            fault = simpim::Fault::Exception();
            break;
        case TARNEX_SIMPIM_OLE_FAILURE:
            fault = simpim::Fault::Status(kFailStatus);
            break;
        case TARNEX_SIMPIM_NOT_AN_OBJECT:
            fault = simpim::Fault::NotAnObject();
            break;
        default:
            return;
    }
    ForEachServer([&](simpim::SimulatedServer& server) { server.FailCall(nth, fault); });
}

void tarnex_simpim_refuse_guarded(int on) {
    Installed& state = State();
    if (!state.outlook) return;
    simpim::ObjectModelGuard& guard = state.outlook->Guard();
    guard.SetLevel(on ? simpim::GuardLevel::Outlook2000Sp2 : simpim::GuardLevel::Off);
    guard.SetAnswer(simpim::GuardAnswer::RefuseNotSupported);
}

long tarnex_simpim_live_references(void) {
    long references = 0;
    ForEachServer(
        [&](simpim::SimulatedServer& server) { references += static_cast<long>(server.LiveReferences()); });
    return references;
}

const char* tarnex_simpim_last_error(void) { return State().lastError.c_str(); }
