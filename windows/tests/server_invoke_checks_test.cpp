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
#include "com_fakes.h"
#include "simpim/item_classes.h"
#include "simpim/outlook_server.h"
#include "tarnex/tarnex_inproc.h"

namespace {

using tarnex::automation::com::ComPtr;
using tarnex::automation::com::UniqueVariant;

constexpr DISPID kCreateItem = 0x10A, kGetNamespace = 0x110, kName = 0x3001, kGetItemFromId = 0x2109,
                 kBody = simpim::kDispidBody,
                 kSelectedMailingAddress = 0x8022;  // a contact's number property
constexpr WORD kGet = DISPATCH_PROPERTYGET, kMethod = DISPATCH_METHOD, kPut = DISPATCH_PROPERTYPUT,
               kPutRef = DISPATCH_PROPERTYPUTREF;
constexpr UINT kUntouched = 0xDEAD;
windows_test::UnknownOnly unknownOnly;

using ArgMaker = void (*)(VARIANT&);
using windows_test::Shared;
using windows_test::Typed;
void Mapi(VARIANT& v) { V_BSTR(&Typed(v, VT_BSTR)) = SysAllocString(L"MAPI"); }
void Word(VARIANT& v) { V_BSTR(&Typed(v, VT_BSTR)) = SysAllocString(L"abc"); }
void Contact(VARIANT& v) { V_I4(&Typed(v, VT_I4)) = 2; }
// A VT_ERROR that is not a missing argument: no text or number converts from it.
void ErrorValue(VARIANT& v) { V_ERROR(&Typed(v, VT_ERROR)) = E_FAIL; }
void Unknown(VARIANT& v) { V_UNKNOWN(&Typed(v, VT_UNKNOWN)) = Shared(&unknownOnly); }

enum Target { App, Ns, Item };

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

// Plausible mistakes: riid never looked at; a put by reference taken for a
// put; DISPATCH_METHOD | DISPATCH_PROPERTYGET read as a method only; puArgErr
// counted in call order instead of rgvarg order; named arguments ignored.
const std::vector<InvokeCase> kCases = {
    {"riid other than IID_NULL", App, kName, kGet, {}, {}, DISP_E_UNKNOWNINTERFACE, kUntouched, true},
    {"put by reference of a value property",
     Item,
     kBody,
     kPutRef,
     {Word},
     {DISPID_PROPERTYPUT},
     DISP_E_MEMBERNOTFOUND},
    {"put or put by reference", Item, kBody, kPut | kPutRef, {Word}, {DISPID_PROPERTYPUT}, S_OK},
    {"method or get of a property", App, kName, kMethod | kGet, {}, {}, S_OK},
    {"method or get of a method", App, kGetNamespace, kMethod | kGet, {Mapi}, {}, S_OK},
    {"get of a method", App, kGetNamespace, kGet, {Mapi}, {}, DISP_E_MEMBERNOTFOUND},
    {"only argument refused", App, kCreateItem, kMethod, {Word}, {}, DISP_E_TYPEMISMATCH, 0},
    {"first of two refused", Ns, kGetItemFromId, kMethod, {ErrorValue, Word}, {}, DISP_E_TYPEMISMATCH, 1},
    {"second of two refused", Ns, kGetItemFromId, kMethod, {Word, ErrorValue}, {}, DISP_E_TYPEMISMATCH, 0},
    {"put value refused",
     Item,
     kSelectedMailingAddress,
     kPut,
     {Word},
     {DISPID_PROPERTYPUT},
     DISP_E_TYPEMISMATCH,
     0},
    {"object without IDispatch", Ns, kGetItemFromId, kMethod, {Unknown, Word}, {}, DISP_E_TYPEMISMATCH, 1},
    {"put named other than DISPID_PROPERTYPUT", Item, kBody, kPut, {Word}, {7}, DISP_E_PARAMNOTFOUND, 0},
    {"method with a named argument", Ns, kGetItemFromId, kMethod, {Word, Word}, {1}, DISP_E_PARAMNOTFOUND, 0},
};

class ServerInvokeChecks : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(0,
                  tarnex_RegisterServer("Outlook.Application.9", &simpim::OutlookServer::Factory, &outlook));
        CLSID clsid;
        ASSERT_HRESULT_SUCCEEDED(CLSIDFromProgID(L"Outlook.Application.9", &clsid));
        ASSERT_HRESULT_SUCCEEDED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                                                  IID_IDispatch, targets[App].PutVoid()));
        targets[Ns] = Make(targets[App], kGetNamespace, Mapi);
        targets[Item] = Make(targets[App], kCreateItem, Contact);
        ASSERT_TRUE(targets[Ns] && targets[Item]);
    }
    void TearDown() override {
        for (auto& target : targets) target.Reset();
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

    simpim::OutlookServer outlook;
    ComPtr<IDispatch> targets[3];
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
        UniqueVariant result;
        EXCEPINFO exception{};
        UINT argumentError = kUntouched;
        const HRESULT hr = targets[c.target]->Invoke(
            c.dispid, c.otherIid ? IID_IDispatch : IID_NULL, LOCALE_USER_DEFAULT, c.flags, &params,
            c.flags & (kPut | kPutRef) ? nullptr : result.Get(), &exception, &argumentError);
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
