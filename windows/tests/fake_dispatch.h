// A scripted IDispatch for testing the client adapter: it keeps what the last
// Invoke received and answers with a prepared VARIANT or exception.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <vector>

namespace windows_test {

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
class FakeDispatch final : public IDispatch {
public:
    FakeDispatch();
    ~FakeDispatch();
    FakeDispatch(const FakeDispatch&) = delete;
    FakeDispatch& operator=(const FakeDispatch&) = delete;

    // What the last Invoke received (arguments copied in DISPPARAMS order).
    DISPID dispid = 0;
    WORD flags = 0;
    std::vector<VARIANT> args;
    std::vector<DISPID> namedArgs;
    bool askedForResult = false;

    // What Invoke answers: answer (copied into the result) or, when
    // exceptionDescription is set, DISP_E_EXCEPTION filled in on demand.
    VARIANT answer;
    HRESULT status = S_OK;
    const wchar_t* exceptionDescription = nullptr;
    WORD exceptionCode = 0;

    ULONG references = 1;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override { return --references; }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID locale, WORD invokeFlags,
                                     DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argumentError) override;
};
#pragma GCC diagnostic pop

}  // namespace windows_test
