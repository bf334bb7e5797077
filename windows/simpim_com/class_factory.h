// The class object COM asks for a new server: each instance is a fresh
// application object, served as an IDispatch.
#pragma once

#include <windows.h>
#include <unknwn.h>

#include <atomic>

#include "automation/dispatch_ref.h"
#include "server_table.h"

namespace simpim_com {

// Makes the application object of a class; empty when there is none.
using ObjectMaker = tarnex::automation::DispatchRef (*)(const ServerClass& serverClass);

// COM interfaces have no virtual destructor: objects delete themselves in Release.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
class ClassFactory final : public IClassFactory {
public:
    // A new class object (one reference, the caller's).
    static IClassFactory* Create(const ServerClass& serverClass, ObjectMaker maker);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** object) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

private:
    ClassFactory(const ServerClass& serverClass, ObjectMaker maker) noexcept;
    virtual ~ClassFactory() = default;

    std::atomic<ULONG> references_{1};
    const ServerClass* class_;
    ObjectMaker maker_;
};
#pragma GCC diagnostic pop

// The object a test registered for the class (in-process and source).
tarnex::automation::DispatchRef MakeRegisteredObject(const ServerClass& serverClass);

}  // namespace simpim_com
