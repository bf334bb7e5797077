// The two adapters between our Variant and real VARIANTs: the library's
// ComDispatch over a scripted IDispatch, and the servers' ServerDispatch
// over our own object, in both directions.
#include <windows.h>
#undef GetObject  // the Windows header's macro would rename our GetObject

#include <cctype>
#include <cstdio>
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "automation/com/com_dispatch.h"
#include "automation/com/variant_marshal.h"
#include "automation/failures.h"
#include "automation/invoke.h"
#include "com_fakes.h"
#include "server_dispatch.h"

namespace {

namespace com = tarnex::automation::com;
namespace ta = tarnex::automation;
using ta::Date;
using ta::DispatchObject;
using ta::DispatchRef;
using ta::ExceptionInfo;
using ta::HResult;
using ta::InvokeKind;
using ta::Variant;
using windows_test::FakeDispatch;
using windows_test::Shared;
using windows_test::UnknownOnly;

template <class T>
std::string Printed(const char* format, T value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// One line per value, so that a table can name what it expects.
std::string Describe(const Variant& value) {
    if (const auto* i4 = value.IfI4()) return "I4:" + std::to_string(*i4);
    if (const auto* flag = value.IfBool()) return *flag ? "Bool:true" : "Bool:false";
    if (const auto* real = value.IfR8()) return Printed("R8:%.17g", *real);
    if (const auto* date = value.IfDate()) return Printed("Date:%.17g", date->days);
    if (const auto* error = value.IfError())
        return Printed("Error:%08lx", static_cast<unsigned long>(error->code));
    if (const auto* object = value.IfDispatch()) return *object ? "Dispatch" : "Dispatch:null";
    if (const auto* text = value.IfBstr()) {
        std::string ascii = "Bstr:";
        for (char16_t c : *text) ascii += c == 0 ? '~' : static_cast<char>(c);
        return ascii;
    }
    return "Empty";
}

// The status a call fails with (DISP_E_EXCEPTION for a dispatch exception,
// whose description goes to description), or S_OK.
HRESULT FailureOf(const std::function<void()>& call, std::string* description = nullptr) {
    try {
        call();
        return S_OK;
    } catch (const ta::DispatchException& failure) {
        if (description) *description = failure.Description();
        return DISP_E_EXCEPTION;
    } catch (const ta::OleStatusFailure& failure) {
        return failure.Status();
    }
}

// What the by-reference results point at, and the objects results carry.
LONG byReferenceValue = 42;
BSTR byReferenceText = nullptr;
VARIANT byReferenceVariant;
FakeDispatch resultObject;
IDispatch* byReferenceObject = &resultObject;
UnknownOnly unknownOnly;

BSTR* TextRef(const wchar_t* text) { return &(byReferenceText = text ? SysAllocString(text) : nullptr); }
VARIANT* InnerRef(VARTYPE type, void (*fill)(VARIANT&)) {
    VariantInit(&byReferenceVariant);
    V_VT(&byReferenceVariant) = type;
    fill(byReferenceVariant);
    return &byReferenceVariant;
}

struct ResultCase {
    const char* name;
    VARTYPE type;
    void (*fill)(VARIANT& answer);  // the value, after the type is set
    const char* expected;           // Describe() of the result; null when the call fails
    HRESULT failure = S_OK;
};

const ResultCase kResultCases[] = {
    {"I2", VT_I2, [](VARIANT& v) { V_I2(&v) = -7; }, "I4:-7"},
    {"UI1", VT_UI1, [](VARIANT& v) { V_UI1(&v) = 200; }, "I4:200"},
    {"I8", VT_I8, [](VARIANT& v) { V_I8(&v) = -5; }, "I4:-5"},
    {"UI4 beyond I4", VT_UI4, [](VARIANT& v) { V_UI4(&v) = 4000000000u; }, "R8:4000000000"},
    {"R4", VT_R4, [](VARIANT& v) { V_R4(&v) = 1.5f; }, "R8:1.5"},
    {"CY", VT_CY, [](VARIANT& v) { V_CY(&v).int64 = 25000; }, "R8:2.5"},
    {"BOOL", VT_BOOL, [](VARIANT& v) { V_BOOL(&v) = VARIANT_TRUE; }, "Bool:true"},
    {"DATE", VT_DATE, [](VARIANT& v) { V_DATE(&v) = 36526.5; }, "Date:36526.5"},
    {"BSTR with a zero", VT_BSTR, [](VARIANT& v) { V_BSTR(&v) = SysAllocStringLen(L"a\0b", 3); }, "Bstr:a~b"},
    {"NULL", VT_NULL, [](VARIANT&) {}, "Empty"},
    {"EMPTY", VT_EMPTY, [](VARIANT&) {}, "Empty"},
    {"null BSTR", VT_BSTR, [](VARIANT& v) { V_BSTR(&v) = nullptr; }, "Bstr:"},
    {"UNKNOWN with IDispatch", VT_UNKNOWN, [](VARIANT& v) { V_UNKNOWN(&v) = Shared(&resultObject); },
     "Dispatch"},
    {"UNKNOWN without IDispatch", VT_UNKNOWN, [](VARIANT& v) { V_UNKNOWN(&v) = Shared(&unknownOnly); },
     nullptr, DISP_E_TYPEMISMATCH},
    {"null UNKNOWN", VT_UNKNOWN, [](VARIANT& v) { V_UNKNOWN(&v) = nullptr; }, "Dispatch:null"},
    {"BYREF BSTR", VT_BYREF | VT_BSTR, [](VARIANT& v) { V_BSTRREF(&v) = TextRef(L"by reference"); },
     "Bstr:by reference"},
    {"BYREF null BSTR", VT_BYREF | VT_BSTR, [](VARIANT& v) { V_BSTRREF(&v) = TextRef(nullptr); }, "Bstr:"},
    {"BYREF DISPATCH", VT_BYREF | VT_DISPATCH, [](VARIANT& v) { V_DISPATCHREF(&v) = &byReferenceObject; },
     "Dispatch"},
    {"BYREF VARIANT holding a BSTR", VT_BYREF | VT_VARIANT,
     [](VARIANT& v) {
         V_VARIANTREF(&v) = InnerRef(VT_BSTR, [](VARIANT& i) { V_BSTR(&i) = SysAllocString(L"in"); });
     },
     "Bstr:in"},
    {"BYREF VARIANT holding an I2", VT_BYREF | VT_VARIANT,
     [](VARIANT& v) { V_VARIANTREF(&v) = InnerRef(VT_I2, [](VARIANT& i) { V_I2(&i) = -3; }); }, "I4:-3"},
    {"ERROR", VT_ERROR, [](VARIANT& v) { V_ERROR(&v) = DISP_E_PARAMNOTFOUND; }, "Error:80020004"},
    {"BYREF I4", VT_BYREF | VT_I4, [](VARIANT& v) { V_I4REF(&v) = &byReferenceValue; }, "I4:42"},
    {"array", VT_ARRAY | VT_I4, [](VARIANT& v) { V_ARRAY(&v) = SafeArrayCreateVector(VT_I4, 0, 1); }, nullptr,
     DISP_E_BADVARTYPE},
};

class ResultConversion : public testing::TestWithParam<ResultCase> {};

TEST_P(ResultConversion, BecomesTheNearestTypeWeCarry) {
    FakeDispatch fake;
    V_VT(&fake.answer) = GetParam().type;
    GetParam().fill(fake.answer);
    {
        const DispatchRef object = com::ComDispatch::Wrap(&fake, com::ClientBridge());
        std::string result = "no result";
        EXPECT_EQ(GetParam().failure, FailureOf([&] { result = Describe(ta::Get(object, 0x50)); }));
        if (GetParam().expected) {
            EXPECT_EQ(GetParam().expected, result);
        }
    }
    EXPECT_EQ(1, fake.references);
    // By-reference values stay the caller's; what the call copied is released.
    SysFreeString(byReferenceText);
    byReferenceText = nullptr;
    VariantClear(&byReferenceVariant);
    VariantClear(&fake.answer);
    EXPECT_EQ(1, resultObject.references);
    EXPECT_EQ(1, unknownOnly.references);
}

INSTANTIATE_TEST_SUITE_P(Variants, ResultConversion, testing::ValuesIn(kResultCases),
                         [](const testing::TestParamInfo<ResultCase>& testInfo) {
                             std::string name;
                             for (const char* c = testInfo.param.name; *c; ++c)
                                 name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
                             return name;
                         });

// Catches arguments in call order (IDispatch takes them reversed), TRUE for
// VARIANT_TRUE, a missing argument that is not DISP_E_PARAMNOTFOUND, a put
// without its DISPID_PROPERTYPUT name or asking for a result, and calls
// made with the wrong flags.
TEST(ComDispatch, CallsReachIDispatchAsComHasThem) {
    FakeDispatch fake;
    const DispatchRef object = com::ComDispatch::Wrap(&fake, com::ClientBridge());
    ta::Call(object, 0x1D,
             {Variant(1), Variant(u"x"), Variant(true), Variant::Missing(), Variant(Date{2.0})});
    EXPECT_EQ(0x1D, fake.dispid);
    EXPECT_EQ(DISPATCH_METHOD, fake.flags);
    EXPECT_TRUE(fake.namedArgs.empty() && fake.askedForResult);
    std::vector<std::string> received;
    for (const VARIANT& arg : fake.args) {
        Variant value;
        EXPECT_EQ(S_OK, com::FromComVariant(arg, value, com::ClientBridge()));
        received.push_back(Describe(value));
    }
    EXPECT_EQ(received,
              (std::vector<std::string>{"Date:2", "Error:80020004", "Bool:true", "Bstr:x", "I4:1"}));
    EXPECT_EQ(VARIANT_TRUE, V_BOOL(&fake.args[2]));

    ta::Put(object, 0xD, Variant(1));
    EXPECT_EQ(DISPATCH_PROPERTYPUT, fake.flags);
    EXPECT_EQ(fake.namedArgs, std::vector<DISPID>{DISPID_PROPERTYPUT});
    EXPECT_EQ(1u, fake.args.size());
    EXPECT_FALSE(fake.askedForResult);
    ta::Get(object, 0xD);
    EXPECT_EQ(DISPATCH_PROPERTYGET, fake.flags);
}

// Catches an exception whose deferred fill-in is never run or whose wCode
// is not made an scode, and a failing status not passed on as it is.
TEST(ComDispatch, ExceptionIsFilledInOnDemandAndAStatusPassedOn) {
    FakeDispatch fake;
    fake.exceptionDescription = L"Item not found";
    fake.exceptionCode = 0x10;
    const DispatchRef object = com::ComDispatch::Wrap(&fake, com::ClientBridge());
    Variant result;
    ExceptionInfo info;
    EXPECT_EQ(DISP_E_EXCEPTION, object.Get()->Invoke(0x51, InvokeKind::Method, {}, result, info));
    EXPECT_EQ(u"Item not found", info.description);
    EXPECT_EQ(u"Fake", info.source);
    EXPECT_EQ(static_cast<HResult>(0x80040210), info.scode);
    std::string description;
    EXPECT_EQ(DISP_E_EXCEPTION, FailureOf([&] { ta::Call(object, 0x51); }, &description));
    EXPECT_EQ("Item not found", description);

    fake.exceptionDescription = nullptr;
    fake.status = DISP_E_MEMBERNOTFOUND;
    EXPECT_EQ(DISP_E_MEMBERNOTFOUND, FailureOf([&] { ta::Get(object, 0x99); }));
}

TEST(ComDispatch, ReturnedObjectsAreReleased) {
    FakeDispatch fake, child;
    V_VT(&fake.answer) = VT_DISPATCH;
    V_DISPATCH(&fake.answer) = Shared(&child);
    {
        const DispatchRef object = com::ComDispatch::Wrap(&fake, com::ClientBridge());
        const DispatchRef returned = ta::GetDispatch(object, 0xF001);
        EXPECT_EQ(&child, com::ComDispatch::InterfaceOf(returned.Get()));
        EXPECT_EQ(3, child.references);  // ours, the answer's and the wrapper's
    }
    VariantClear(&fake.answer);
    EXPECT_EQ(1, child.references);
    EXPECT_EQ(1, fake.references);
}

// A server object that answers: 1 echoes its first argument, 2 returns
// itself, 3 raises an exception; every call is remembered.
class EchoObject final : public DispatchObject {
public:
    void AddRef() noexcept override { ++references; }
    void Release() noexcept override { --references; }
    HResult Invoke(ta::Dispid dispid, InvokeKind kind, std::span<const Variant> args, Variant& result,
                   ExceptionInfo& exception) override {
        lastKind = kind;
        lastArgs.assign(args.begin(), args.end());
        switch (dispid) {
            case 1:
                result = args.empty() ? Variant() : args[0];
                return S_OK;
            case 2:
                result = Variant(DispatchRef::Share(this));
                return S_OK;
            case 3:
                exception.description = u"boom";
                exception.scode = E_FAIL;
                return DISP_E_EXCEPTION;
            default:
                return DISP_E_MEMBERNOTFOUND;
        }
    }
    long references = 0;
    InvokeKind lastKind = InvokeKind::Get;
    std::vector<Variant> lastArgs;
};

class ServerRoundTrip : public testing::Test {
protected:
    void SetUp() override {
        IDispatch* server = simpim_com::ServerDispatch::Create(DispatchRef::Share(&echo));
        client = com::ComDispatch::Wrap(server, com::ClientBridge());
        server->Release();
    }
    void TearDown() override {
        client.Reset();
        echo.lastArgs.clear();
        EXPECT_EQ(0, echo.references);
        EXPECT_EQ(0, simpim_com::LiveObjects());
    }
    EchoObject echo;
    DispatchRef client;
};

// Catches a value changed on its way through both adapters, arguments
// reordered, and a put arriving as something else.
TEST_F(ServerRoundTrip, ValuesComeBackAsTheyWentAndArgumentsInOrder) {
    for (const Variant& value : {Variant(7), Variant(true), Variant(2.25), Variant(Date{3.5}),
                                 Variant(std::u16string(u"a\0b", 3)), Variant::Missing(), Variant()}) {
        EXPECT_EQ(Describe(value), Describe(ta::Call(client, 1, {value})));
    }
    ta::Call(client, 1, {Variant(1), Variant(2), Variant(3)});
    ASSERT_EQ(3u, echo.lastArgs.size());
    EXPECT_EQ("I4:1", Describe(echo.lastArgs[0]));
    EXPECT_EQ("I4:3", Describe(echo.lastArgs[2]));
    ta::Put(client, 1, Variant(u"v"));
    EXPECT_EQ(InvokeKind::Put, echo.lastKind);
    ASSERT_EQ(1u, echo.lastArgs.size());
    EXPECT_EQ("Bstr:v", Describe(echo.lastArgs[0]));
}

// Catches a server's own object coming back to it as a proxy of itself,
// and an exception or status lost between the adapters.
TEST_F(ServerRoundTrip, ObjectPassedBackIsTheServersOwnAndFailuresGoThrough) {
    const DispatchRef self = ta::GetDispatch(client, 2);
    ta::Call(client, 1, {Variant(self)});
    ASSERT_EQ(1u, echo.lastArgs.size());
    const DispatchRef* received = echo.lastArgs[0].IfDispatch();
    EXPECT_TRUE(received && received->Get() == &echo);
    std::string description;
    EXPECT_EQ(DISP_E_EXCEPTION, FailureOf([&] { ta::Call(client, 3); }, &description));
    EXPECT_EQ("boom", description);
    EXPECT_EQ(DISP_E_MEMBERNOTFOUND, FailureOf([&] { ta::Call(client, 9); }));
}

TEST(LibraryBridge, RefusesObjectsThatDidNotComeFromCom) {
    FakeDispatch fake;
    EchoObject local;
    const DispatchRef object = com::ComDispatch::Wrap(&fake, com::ClientBridge());
    EXPECT_EQ(E_INVALIDARG, FailureOf([&] { ta::Call(object, 1, {Variant(DispatchRef::Share(&local))}); }));
    EXPECT_EQ(0, local.references);
}

}  // namespace
