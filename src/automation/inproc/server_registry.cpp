#include "automation/inproc/server_registry.h"

#include <map>
#include <string>

#include "automation/server.h"

namespace tarnex::automation::inproc {
namespace {

struct Registration {
    tarnex_ServerFactory factory;
    void* context;
};

// Programmatic identifiers are looked up without regard to ASCII case, as
// the system's class registry does.
std::string Key(std::string_view progId) {
    std::string key(progId);
    for (char& c : key) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + ('a' - 'A'));
    }
    return key;
}

// Single-threaded like the rest of the library: the host calls one at a time.
std::map<std::string, Registration, std::less<>>& Registry() {
    static std::map<std::string, Registration, std::less<>> registry;
    return registry;
}

}  // namespace

void RegisterServer(std::string_view progId, tarnex_ServerFactory factory, void* context) {
    if (!factory) {
        UnregisterServer(progId);
        return;
    }
    Registry().insert_or_assign(Key(progId), Registration{factory, context});
}

void UnregisterServer(std::string_view progId) {
    auto& registry = Registry();
    if (auto found = registry.find(Key(progId)); found != registry.end()) registry.erase(found);
}

}  // namespace tarnex::automation::inproc

namespace tarnex::automation {

std::optional<DispatchRef> CreateServer(std::string_view progId) {
    const auto& registry = inproc::Registry();
    const auto found = registry.find(inproc::Key(progId));
    if (found == registry.end()) return std::nullopt;
    // The factory hands over the one reference it created.
    auto* object = static_cast<DispatchObject*>(found->second.factory(found->second.context));
    if (!object) return std::nullopt;
    return DispatchRef::Adopt(object);
}

}  // namespace tarnex::automation
