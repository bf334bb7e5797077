// The simulated servers as a local (out-of-process) server, as Outlook 2000
// is one. COM starts this program for the PIMs' classes (LocalServer32); each
// new application object it serves forwards every call to the objects that a
// test process offers (simpim_com_ServeOutOfProcess), so that every call,
// VARIANT and BSTR between the library and the servers crosses a process.
// It exits once it has served nothing for a while.
#include <windows.h>
#include <objbase.h>

#include <vector>

#include "automation/com/com_dispatch.h"
#include "automation/com/com_ptr.h"
#include "class_factory.h"
#include "server_dispatch.h"
#include "server_table.h"

namespace {

namespace com = tarnex::automation::com;

constexpr int kIdleSecondsBeforeExit = 10;

tarnex::automation::DispatchRef MakeRelayedObject(const simpim_com::ServerClass& serverClass) {
    com::ComPtr<IDispatch> source;
    if (FAILED(CoCreateInstance(serverClass.sourceClsid, nullptr, CLSCTX_LOCAL_SERVER, IID_IDispatch,
                                source.PutVoid())))
        return {};
    return com::ComDispatch::Wrap(source.Get(), simpim_com::ServerBridge());
}

}  // namespace

int main() {
    if (FAILED(CoInitializeEx(nullptr, COINIT_MULTITHREADED))) return 1;
    std::vector<DWORD> cookies;
    for (const auto* entry = simpim_com::ClassesBegin(); entry != simpim_com::ClassesEnd(); ++entry) {
        IClassFactory* factory = simpim_com::ClassFactory::Create(*entry, &MakeRelayedObject);
        DWORD cookie = 0;
        if (SUCCEEDED(CoRegisterClassObject(entry->clsid, factory, CLSCTX_LOCAL_SERVER, REGCLS_MULTIPLEUSE,
                                            &cookie)))
            cookies.push_back(cookie);
        factory->Release();
    }
    // Idle means no object alive and none handed out since the last look: a
    // host that opens and closes sessions quickly keeps the server busy even
    // when it happens to hold nothing at the moment of a look.
    long served = simpim_com::ObjectsServed();
    for (int idle = 0; idle < kIdleSecondsBeforeExit;) {
        Sleep(1000);
        const long nowServed = simpim_com::ObjectsServed();
        idle = simpim_com::ModuleInUse() || nowServed != served ? 0 : idle + 1;
        served = nowServed;
    }
    // Revoked first and only then left: an activation that reached this
    // relay between the last look and the revoke is served to its end, and
    // every later one starts a relay of its own instead of meeting one that
    // is on its way out.
    for (DWORD cookie : cookies) CoRevokeClassObject(cookie);
    while (simpim_com::ModuleInUse()) Sleep(1000);
    CoUninitialize();
    return 0;
}
