#include "class_factory.h"

#include <new>

#include "automation/com/com_ptr.h"
#include "server_dispatch.h"

namespace simpim_com {

ClassFactory::ClassFactory(const ServerClass& serverClass, ObjectMaker maker) noexcept
    : class_(&serverClass), maker_(maker) {}

IClassFactory* ClassFactory::Create(const ServerClass& serverClass, ObjectMaker maker) {
    return new ClassFactory(serverClass, maker);
}

HRESULT ClassFactory::QueryInterface(REFIID riid, void** object) {
    if (!object) return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IClassFactory)) {
        *object = static_cast<IClassFactory*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG ClassFactory::AddRef() { return ++references_; }

ULONG ClassFactory::Release() {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
}

HRESULT ClassFactory::CreateInstance(IUnknown* outer, REFIID riid, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    try {
        tarnex::automation::DispatchRef application = maker_(*class_);
        if (!application) return E_FAIL;
        const auto dispatch =
            tarnex::automation::com::ComPtr<IDispatch>::Adopt(ServerDispatch::Create(std::move(application)));
        return dispatch->QueryInterface(riid, object);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_FAIL;
    }
}

HRESULT ClassFactory::LockServer(BOOL lock) {
    if (lock)
        LockModule();
    else
        UnlockModule();
    return S_OK;
}

tarnex::automation::DispatchRef MakeRegisteredObject(const ServerClass& serverClass) {
    return CreateRegistered(serverClass.progId);
}

}  // namespace simpim_com
