// The simulated servers' IDispatch checks each call as a type library's
// Invoke would, so that a library call a real server would refuse is refused
// here too. Each row is one raw IDispatch::Invoke through COM (in process or
// through the relay) and the status and puArgErr it must give.
#include <windows.h>
#include <oaidl.h>

#include <vector>

#include <gtest/gtest.h>

#include "automation/com/com_ptr.h"
#include "automation/com/unique_variant.h"
#include "simpim/item_classes.h"
#include "simpim/outlook_server.h"
#include "tarnex/tarnex_inproc.h"

namespace {

using tarnex::automation::com::ComPtr;
using tarnex::automation::com::UniqueVariant;

constexpr DISPID kCreateItem = 0x10A;
constexpr DISPID kGetNamespace = 0x110;
constexpr DISPID kApplicationName = 0x3001;
constexpr DISPID kGetItemFromId = 0x2109;
constexpr DISPID kSelectedMailingAddress = 0x8022;  // a contact's number property
constexpr LONG kContactItem = 2;
constexpr UINT kUntouched = 0xDEAD;

// An object without IDispatch, which no member can take as an argument.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
class UnknownOnly final : public IUnknown {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
        *object = IsEqualIID(riid, IID_IUnknown) ? this : nullptr;
        if (!*object) return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references); }
    ULONG STDMETHODCALLTYPE Release() override { return InterlockedDecrement(&references); }
    LONG references = 1;
};
#pragma GCC diagnostic pop
UnknownOnly unknownOnly;

using ArgMaker = void (*)(VARIANT&);
void Text(VARIANT& v, const wchar_t* text) {
    V_VT(&v) = VT_BSTR;
    V_BSTR(&v) = SysAllocString(text);
}
void Mapi(VARIANT& v) { Text(v, L"MAPI"); }
void Word(VARIANT& v) { Text(v, L"abc"); }
// A VT_ERROR that is not a missing argument: no text or number converts from it.
void ErrorValue(VARIANT& v) {
    V_VT(&v) = VT_ERROR;
    V_ERROR(&v) = E_FAIL;
}
void Unknown(VARIANT& v) {
    V_VT(&v) = VT_UNKNOWN;
    V_UNKNOWN(&v) = &unknownOnly;
    unknownOnly.AddRef();
}

enum class Target { Application, NameSpace, Contact };

struct InvokeCase {
    const char* name;
    Target target;
    DISPID dispid;
    WORD flags;
    std::vector<ArgMaker> args;  // in call order; DISPPARAMS gets them reversed
    std::vector<DISPID> named;   // named DISPIDs of the last arguments
    HRESULT expected;
    UINT argumentError = kUntouched;  // puArgErr afterwards
    bool otherIid = false;            // riid IID_IDispatch instead of IID_NULL
};

const std::vector<InvokeCase> kCases = {
    // Plausible mistake: riid never looked at.
    {"riid other than IID_NULL",
     Target::Application,
     kApplicationName,
     DISPATCH_PROPERTYGET,
     {},
     {},
     DISP_E_UNKNOWNINTERFACE,
     kUntouched,
     true},
    // Plausible mistake: a put by reference taken for a put.
    {"put by reference of a value property",
     Target::Contact,
     simpim::kDispidBody,
     DISPATCH_PROPERTYPUTREF,
     {Word},
     {DISPID_PROPERTYPUT},
     DISP_E_MEMBERNOTFOUND},
    {"put or put by reference",
     Target::Contact,
     simpim::kDispidBody,
     DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF,
     {Word},
     {DISPID_PROPERTYPUT},
     S_OK},
    // Plausible mistake: DISPATCH_METHOD | DISPATCH_PROPERTYGET read as a method only.
    {"method or get of a property",
     Target::Application,
     kApplicationName,
     DISPATCH_METHOD | DISPATCH_PROPERTYGET,
     {},
     {},
     S_OK},
    {"method or get of a method",
     Target::Application,
     kGetNamespace,
     DISPATCH_METHOD | DISPATCH_PROPERTYGET,
     {Mapi},
     {},
     S_OK},
    {"get of a method",
     Target::Application,
     kGetNamespace,
     DISPATCH_PROPERTYGET,
     {Mapi},
     {},
     DISP_E_MEMBERNOTFOUND},
    // Plausible mistake: puArgErr counted in call order instead of rgvarg order.
    {"only argument refused",
     Target::Application,
     kCreateItem,
     DISPATCH_METHOD,
     {Word},
     {},
     DISP_E_TYPEMISMATCH,
     0},
    {"first of two refused",
     Target::NameSpace,
     kGetItemFromId,
     DISPATCH_METHOD,
     {ErrorValue, Word},
     {},
     DISP_E_TYPEMISMATCH,
     1},
    {"second of two refused",
     Target::NameSpace,
     kGetItemFromId,
     DISPATCH_METHOD,
     {Word, ErrorValue},
     {},
     DISP_E_TYPEMISMATCH,
     0},
    {"put value refused",
     Target::Contact,
     kSelectedMailingAddress,
     DISPATCH_PROPERTYPUT,
     {Word},
     {DISPID_PROPERTYPUT},
     DISP_E_TYPEMISMATCH,
     0},
    {"object without IDispatch",
     Target::NameSpace,
     kGetItemFromId,
     DISPATCH_METHOD,
     {Unknown, Word},
     {},
     DISP_E_TYPEMISMATCH,
     1},
    {"put named other than DISPID_PROPERTYPUT",
     Target::Contact,
     simpim::kDispidBody,
     DISPATCH_PROPERTYPUT,
     {Word},
     {7},
     DISP_E_PARAMNOTFOUND,
     0},
    {"method with a named argument",
     Target::NameSpace,
     kGetItemFromId,
     DISPATCH_METHOD,
     {Word, Word},
     {1},
     DISP_E_PARAMNOTFOUND,
     0},
};

class ServerInvokeChecks : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(0,
                  tarnex_RegisterServer("Outlook.Application.9", &simpim::OutlookServer::Factory, &outlook));
        CLSID clsid;
        ASSERT_HRESULT_SUCCEEDED(CLSIDFromProgID(L"Outlook.Application.9", &clsid));
        ASSERT_HRESULT_SUCCEEDED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                                                  IID_IDispatch, application.PutVoid()));
        nameSpace = Make(application, kGetNamespace, Mapi);
        contact = Make(application, kCreateItem, [](VARIANT& v) {
            V_VT(&v) = VT_I4;
            V_I4(&v) = kContactItem;
        });
        ASSERT_TRUE(nameSpace && contact);
    }
    void TearDown() override {
        application.Reset();
        nameSpace.Reset();
        contact.Reset();
        tarnex_RegisterServer("Outlook.Application.9", nullptr, nullptr);
        EXPECT_EQ(0, outlook.LiveReferences());
        EXPECT_EQ(1, unknownOnly.references);
    }

    // The object a one-argument method returns.
    static ComPtr<IDispatch> Make(const ComPtr<IDispatch>& from, DISPID dispid, ArgMaker arg) {
        UniqueVariant argument, result;
        arg(*argument.Get());
        DISPPARAMS params{argument.Get(), nullptr, 1, 0};
        if (FAILED(from->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, result.Get(),
                                nullptr, nullptr)) ||
            V_VT(result.Get()) != VT_DISPATCH)
            return {};
        return ComPtr<IDispatch>::Share(V_DISPATCH(result.Get()));
    }

    IDispatch& TargetOf(Target target) const {
        if (target == Target::NameSpace) return *nameSpace.Get();
        if (target == Target::Contact) return *contact.Get();
        return *application.Get();
    }

    simpim::OutlookServer outlook;
    ComPtr<IDispatch> application, nameSpace, contact;
};

TEST_F(ServerInvokeChecks, AsATypeLibraryChecksThem) {
    for (const InvokeCase& c : kCases) {
        std::vector<UniqueVariant> args(c.args.size());
        std::vector<VARIANT> reversed(c.args.size());
        for (std::size_t i = 0; i < c.args.size(); ++i) c.args[i](*args[i].Get());
        for (std::size_t i = 0; i < c.args.size(); ++i) reversed[c.args.size() - 1 - i] = *args[i].Get();
        std::vector<DISPID> named = c.named;
        DISPPARAMS params{reversed.data(), named.empty() ? nullptr : named.data(),
                          static_cast<UINT>(reversed.size()), static_cast<UINT>(named.size())};
        const bool isPut = c.flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF);
        UniqueVariant result;
        EXCEPINFO exception{};
        UINT argumentError = kUntouched;
        const HRESULT hr = TargetOf(c.target).Invoke(
            c.dispid, c.otherIid ? IID_IDispatch : IID_NULL, LOCALE_USER_DEFAULT, c.flags, &params,
            isPut ? nullptr : result.Get(), &exception, &argumentError);
        EXPECT_EQ(c.expected, hr) << c.name;
        // Only these two name an argument; through a proxy puArgErr comes
        // back zeroed from any other failure.
        if (hr == DISP_E_TYPEMISMATCH || hr == DISP_E_PARAMNOTFOUND) {
            EXPECT_EQ(c.argumentError, argumentError) << c.name;
        }
        SysFreeString(exception.bstrSource);
        SysFreeString(exception.bstrDescription);
        SysFreeString(exception.bstrHelpFile);
    }
}

}  // namespace
