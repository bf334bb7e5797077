// The simulated COM server's exports: what COM calls (DllGetClassObject,
// DllCanUnloadNow), and what a test process calls (simpim_com.def).
#include <windows.h>

#include <cstdint>
#include <new>

#include "class_factory.h"
#include "message_box_hook.h"
#include "server_dispatch.h"
#include "server_table.h"

using simpim_com::ClassFactory;

extern "C" {

HRESULT WINAPI DllGetClassObject(REFCLSID clsid, REFIID riid, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    const simpim_com::ServerClass* serverClass = simpim_com::FindClass(clsid);
    if (!serverClass) return CLASS_E_CLASSNOTAVAILABLE;
    IClassFactory* factory = ClassFactory::Create(*serverClass, &simpim_com::MakeRegisteredObject);
    const HRESULT hr = factory->QueryInterface(riid, object);
    factory->Release();
    return hr;
}

HRESULT WINAPI DllCanUnloadNow() { return simpim_com::ModuleInUse() ? S_FALSE : S_OK; }

// As tarnex_RegisterServer, for the classes this server answers.
int32_t simpim_com_RegisterServer(const char* progId, tarnex_ServerFactory factory, void* context) {
    if (!progId) return -1;
    return simpim_com::RegisterFactory(progId, factory, context);
}

// Server objects handed out through COM and not yet released.
int32_t simpim_com_LiveObjects() { return simpim_com::LiveObjects(); }

// Offers the registered objects of this process to the relay, which serves
// them to other processes under the PIMs' own classes (the out-of-process
// run). Needs COM initialised on the calling thread, whose apartment serves them.
HRESULT simpim_com_ServeOutOfProcess() {
    for (const auto* entry = simpim_com::ClassesBegin(); entry != simpim_com::ClassesEnd(); ++entry) {
        IClassFactory* factory = nullptr;
        try {
            factory = ClassFactory::Create(*entry, &simpim_com::MakeRegisteredObject);
        } catch (const std::bad_alloc&) {
            return E_OUTOFMEMORY;
        }
        DWORD cookie = 0;
        const HRESULT hr = CoRegisterClassObject(entry->sourceClsid, factory, CLSCTX_LOCAL_SERVER,
                                                 REGCLS_MULTIPLEUSE, &cookie);
        factory->Release();
        if (FAILED(hr)) return hr;
    }
    return S_OK;
}

void simpim_com_SetMessageBoxHandler(tarnex_MessageBoxHandler handler, void* context) {
    simpim_com::SetMessageBoxHandler(handler, context);
}

}  // extern "C"
