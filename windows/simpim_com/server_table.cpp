#include "server_table.h"

#include <iterator>
#include <mutex>

#include "automation/dispatch_object.h"

namespace simpim_com {

namespace {

// {BA21F78D-B0E1-406A-8F55-4C17AF03C866}, {95CB1333-B93C-43D7-BB00-8B48C929DE43}
// and their sources {893BC180-9010-4C7E-809D-CF4C6EC65A99}, {893BC181-...}.
const ServerClass kClasses[] = {
    {"Outlook.Application.9",
     {0xba21f78d, 0xb0e1, 0x406a, {0x8f, 0x55, 0x4c, 0x17, 0xaf, 0x03, 0xc8, 0x66}},
     {0x893bc180, 0x9010, 0x4c7e, {0x80, 0x9d, 0xcf, 0x4c, 0x6e, 0xc6, 0x5a, 0x99}}},
    {"Eudora.EuApplication.1",
     {0x95cb1333, 0xb93c, 0x43d7, {0xbb, 0x00, 0x8b, 0x48, 0xc9, 0x29, 0xde, 0x43}},
     {0x893bc181, 0x9010, 0x4c7e, {0x80, 0x9d, 0xcf, 0x4c, 0x6e, 0xc6, 0x5a, 0x99}}},
};

struct Registration {
    tarnex_ServerFactory factory = nullptr;
    void* context = nullptr;
};

std::mutex registrationsMutex;
Registration registrations[std::size(kClasses)];

std::ptrdiff_t IndexOf(std::string_view progId) noexcept {
    for (std::size_t i = 0; i < std::size(kClasses); ++i)
        if (progId == kClasses[i].progId) return static_cast<std::ptrdiff_t>(i);
    return -1;
}

}  // namespace

const ServerClass* FindClass(REFCLSID clsid) noexcept {
    for (const ServerClass& entry : kClasses)
        if (IsEqualCLSID(clsid, entry.clsid)) return &entry;
    return nullptr;
}

const ServerClass* FindSourceClass(REFCLSID clsid) noexcept {
    for (const ServerClass& entry : kClasses)
        if (IsEqualCLSID(clsid, entry.sourceClsid)) return &entry;
    return nullptr;
}

const ServerClass* ClassesBegin() noexcept { return std::begin(kClasses); }
const ServerClass* ClassesEnd() noexcept { return std::end(kClasses); }

int RegisterFactory(std::string_view progId, tarnex_ServerFactory factory, void* context) noexcept {
    const std::ptrdiff_t index = IndexOf(progId);
    if (index < 0) return -1;
    const std::lock_guard lock(registrationsMutex);
    registrations[index] = Registration{factory, context};
    return 0;
}

tarnex::automation::DispatchRef CreateRegistered(std::string_view progId) {
    const std::ptrdiff_t index = IndexOf(progId);
    if (index < 0) return {};
    Registration registration;
    {
        const std::lock_guard lock(registrationsMutex);
        registration = registrations[index];
    }
    if (!registration.factory) return {};
    return tarnex::automation::DispatchRef::Adopt(
        static_cast<tarnex::automation::DispatchObject*>(registration.factory(registration.context)));
}

}  // namespace simpim_com
