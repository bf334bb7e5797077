// Creating a server over real COM: programmatic identifier to CLSID, an
// in-process or local server, its IDispatch. The library never initialises
// COM: on a thread without it, creation fails and the answer is "none".
// Memory running out is not "none": it is std::bad_alloc, as in process.
#include "automation/server.h"

#include <windows.h>
#include <objbase.h>

#include <new>

#include "automation/code_page.h"
#include "automation/com/com_dispatch.h"
#include "automation/com/com_ptr.h"
#include "automation/com/wide_text.h"

namespace tarnex::automation {

namespace {

// False for a failed step; throws when the step ran out of memory.
bool Succeeded(HRESULT hr) {
    if (hr == E_OUTOFMEMORY) throw std::bad_alloc();
    return SUCCEEDED(hr);
}

}  // namespace

std::optional<DispatchRef> CreateServer(std::string_view progId) {
    const std::wstring name = com::WideFor(AnsiToWide(progId));
    CLSID clsid;
    if (!Succeeded(CLSIDFromProgID(name.c_str(), &clsid))) return std::nullopt;

    com::ComPtr<IUnknown> unknown;
    if (!Succeeded(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IUnknown,
                                    unknown.PutVoid())))
        return std::nullopt;
    com::ComPtr<IDispatch> dispatch;
    if (!Succeeded(unknown->QueryInterface(IID_IDispatch, dispatch.PutVoid()))) return std::nullopt;
    return com::ComDispatch::Wrap(dispatch.Get(), com::ClientBridge());
}

}  // namespace tarnex::automation
