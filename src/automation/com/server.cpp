// Creating a server over real COM: programmatic identifier to CLSID, an
// in-process or local server, its IDispatch. The library never initialises
// COM: on a thread without it, creation fails and the answer is "none".
#include "automation/server.h"

#include <windows.h>
#include <objbase.h>

#include <new>

#include "automation/code_page.h"
#include "automation/com/com_dispatch.h"
#include "automation/com/com_ptr.h"
#include "automation/com/wide_text.h"

namespace tarnex::automation {

std::optional<DispatchRef> CreateServer(std::string_view progId) {
    try {
        const std::wstring name = com::WideFor(AnsiToWide(progId));
        CLSID clsid;
        if (FAILED(CLSIDFromProgID(name.c_str(), &clsid))) return std::nullopt;

        com::ComPtr<IUnknown> unknown;
        if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IUnknown,
                                    unknown.PutVoid())))
            return std::nullopt;
        com::ComPtr<IDispatch> dispatch;
        if (FAILED(unknown->QueryInterface(IID_IDispatch, dispatch.PutVoid()))) return std::nullopt;
        return com::ComDispatch::Wrap(dispatch.Get(), com::ClientBridge());
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

}  // namespace tarnex::automation
