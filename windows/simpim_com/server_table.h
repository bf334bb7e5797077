// Which simulated server answers which class: the two programmatic
// identifiers, their class identifiers, and the factory a test registered
// for each (the same factories the in-process backend takes).
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "automation/dispatch_ref.h"
#include "tarnex/tarnex_inproc.h"

namespace simpim_com {

struct ServerClass {
    const char* progId;
    CLSID clsid;        // what the PIM's programmatic identifier names
    CLSID sourceClsid;  // the test process's own objects, for the relay
};

// Outlook.Application.9 and Eudora.EuApplication.1.
const ServerClass* FindClass(REFCLSID clsid) noexcept;
const ServerClass* FindSourceClass(REFCLSID clsid) noexcept;
const ServerClass* ClassesBegin() noexcept;
const ServerClass* ClassesEnd() noexcept;

// As tarnex_RegisterServer: 0, or -1 for an unknown or empty progId.
int RegisterFactory(std::string_view progId, tarnex_ServerFactory factory, void* context) noexcept;

// A new application object from the factory registered for progId; empty
// when none is registered or it creates nothing.
tarnex::automation::DispatchRef CreateRegistered(std::string_view progId);

}  // namespace simpim_com
