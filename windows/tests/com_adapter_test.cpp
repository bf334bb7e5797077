// The two adapters between our Variant and real VARIANTs: the library's
// ComDispatch over a scripted IDispatch, and the servers' ServerDispatch
// over our own object, in both directions.
#include <windows.h>
#undef GetObject  // the Windows header's macro would rename our GetObject

#include <cctype>
#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "automation/com/com_dispatch.h"
#include "automation/failures.h"
#include "automation/invoke.h"
#include "fake_dispatch.h"
#include "server_dispatch.h"

namespace {

namespace com = tarnex::automation::com;
using tarnex::automation::Date;
using tarnex::automation::DispatchException;
using tarnex::automation::DispatchObject;
using tarnex::automation::DispatchRef;
using tarnex::automation::ErrorCode;
using tarnex::automation::ExceptionInfo;
using tarnex::automation::HResult;
using tarnex::automation::InvokeKind;
using tarnex::automation::OleStatusFailure;
using tarnex::automation::Variant;
using windows_test::FakeDispatch;

// One line per value, so that a table can name what it expects.
std::string Describe(const Variant& value) {
    char number[64];
    if (const auto* i4 = value.IfI4()) return "I4:" + std::to_string(*i4);
    if (const auto* flag = value.IfBool()) return *flag ? "Bool:true" : "Bool:false";
    if (const auto* real = value.IfR8()) {
        std::snprintf(number, sizeof number, "R8:%.17g", *real);
        return number;
    }
    if (const auto* date = value.IfDate()) {
        std::snprintf(number, sizeof number, "Date:%.17g", date->days);
        return number;
    }
    if (const auto* text = value.IfBstr()) {
        std::string ascii = "Bstr:";
        for (char16_t c : *text) ascii += c == 0 ? '~' : static_cast<char>(c);
        return ascii;
    }
    if (const auto* error = value.IfError()) {
        std::snprintf(number, sizeof number, "Error:%08lx", static_cast<unsigned long>(error->code));
        return number;
    }
    if (const auto* object = value.IfDispatch()) return *object ? "Dispatch" : "Dispatch:null";
    return "Empty";
}

// What the by-reference results point at, and the objects they carry.
LONG byReferenceValue = 42;
BSTR byReferenceText = nullptr;
VARIANT byReferenceVariant;
FakeDispatch resultObject;
IDispatch* byReferenceObject = &resultObject;

// An object with no IDispatch: a result holding it is not one we can call.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
class UnknownOnly final : public IUnknown {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
        if (IsEqualIID(riid, IID_IUnknown)) {
            *object = this;
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override { return --references; }
    ULONG references = 1;
};
#pragma GCC diagnostic pop
UnknownOnly unknownOnly;

struct ResultCase {
    const char* name;
    void (*prepare)(VARIANT& answer);
    const char* expected;  // Describe() of the result; null when the call fails
    HRESULT failure;
};

const ResultCase kResultCases[] = {
    {"I2",
     [](VARIANT& v) {
         V_VT(&v) = VT_I2;
         V_I2(&v) = -7;
     },
     "I4:-7", S_OK},
    {"UI1",
     [](VARIANT& v) {
         V_VT(&v) = VT_UI1;
         V_UI1(&v) = 200;
     },
     "I4:200", S_OK},
    {"I8",
     [](VARIANT& v) {
         V_VT(&v) = VT_I8;
         V_I8(&v) = -5;
     },
     "I4:-5", S_OK},
    {"UI4 beyond I4",
     [](VARIANT& v) {
         V_VT(&v) = VT_UI4;
         V_UI4(&v) = 4000000000u;
     },
     "R8:4000000000", S_OK},
    {"R4",
     [](VARIANT& v) {
         V_VT(&v) = VT_R4;
         V_R4(&v) = 1.5f;
     },
     "R8:1.5", S_OK},
    {"CY",
     [](VARIANT& v) {
         V_VT(&v) = VT_CY;
         V_CY(&v).int64 = 25000;
     },
     "R8:2.5", S_OK},
    {"BOOL",
     [](VARIANT& v) {
         V_VT(&v) = VT_BOOL;
         V_BOOL(&v) = VARIANT_TRUE;
     },
     "Bool:true", S_OK},
    {"DATE",
     [](VARIANT& v) {
         V_VT(&v) = VT_DATE;
         V_DATE(&v) = 36526.5;
     },
     "Date:36526.5", S_OK},
    {"BSTR with a zero",
     [](VARIANT& v) {
         V_VT(&v) = VT_BSTR;
         V_BSTR(&v) = SysAllocStringLen(L"a\0b", 3);
     },
     "Bstr:a~b", S_OK},
    {"NULL", [](VARIANT& v) { V_VT(&v) = VT_NULL; }, "Empty", S_OK},
    {"EMPTY", [](VARIANT& v) { V_VT(&v) = VT_EMPTY; }, "Empty", S_OK},
    {"null BSTR",
     [](VARIANT& v) {
         V_VT(&v) = VT_BSTR;
         V_BSTR(&v) = nullptr;
     },
     "Bstr:", S_OK},
    {"UNKNOWN with IDispatch",
     [](VARIANT& v) {
         V_VT(&v) = VT_UNKNOWN;
         V_UNKNOWN(&v) = &resultObject;
         resultObject.AddRef();
     },
     "Dispatch", S_OK},
    {"UNKNOWN without IDispatch",
     [](VARIANT& v) {
         V_VT(&v) = VT_UNKNOWN;
         V_UNKNOWN(&v) = &unknownOnly;
         unknownOnly.AddRef();
     },
     nullptr, DISP_E_TYPEMISMATCH},
    {"null UNKNOWN",
     [](VARIANT& v) {
         V_VT(&v) = VT_UNKNOWN;
         V_UNKNOWN(&v) = nullptr;
     },
     "Dispatch:null", S_OK},
    {"BYREF BSTR",
     [](VARIANT& v) {
         byReferenceText = SysAllocString(L"by reference");
         V_VT(&v) = VT_BYREF | VT_BSTR;
         V_BSTRREF(&v) = &byReferenceText;
     },
     "Bstr:by reference", S_OK},
    {"BYREF null BSTR",
     [](VARIANT& v) {
         byReferenceText = nullptr;
         V_VT(&v) = VT_BYREF | VT_BSTR;
         V_BSTRREF(&v) = &byReferenceText;
     },
     "Bstr:", S_OK},
    {"BYREF DISPATCH",
     [](VARIANT& v) {
         V_VT(&v) = VT_BYREF | VT_DISPATCH;
         V_DISPATCHREF(&v) = &byReferenceObject;
     },
     "Dispatch", S_OK},
    {"BYREF VARIANT holding a BSTR",
     [](VARIANT& v) {
         VariantInit(&byReferenceVariant);
         V_VT(&byReferenceVariant) = VT_BSTR;
         V_BSTR(&byReferenceVariant) = SysAllocString(L"inner");
         V_VT(&v) = VT_BYREF | VT_VARIANT;
         V_VARIANTREF(&v) = &byReferenceVariant;
     },
     "Bstr:inner", S_OK},
    {"BYREF VARIANT holding an I2",
     [](VARIANT& v) {
         VariantInit(&byReferenceVariant);
         V_VT(&byReferenceVariant) = VT_I2;
         V_I2(&byReferenceVariant) = -3;
         V_VT(&v) = VT_BYREF | VT_VARIANT;
         V_VARIANTREF(&v) = &byReferenceVariant;
     },
     "I4:-3", S_OK},
    {"ERROR",
     [](VARIANT& v) {
         V_VT(&v) = VT_ERROR;
         V_ERROR(&v) = DISP_E_PARAMNOTFOUND;
     },
     "Error:80020004", S_OK},
    {"BYREF I4",
     [](VARIANT& v) {
         V_VT(&v) = VT_BYREF | VT_I4;
         V_I4REF(&v) = &byReferenceValue;
     },
     "I4:42", S_OK},
    {"array",
     [](VARIANT& v) {
         V_VT(&v) = VT_ARRAY | VT_I4;
         V_ARRAY(&v) = SafeArrayCreateVector(VT_I4, 0, 1);
     },
     nullptr, DISP_E_BADVARTYPE},
};

class ResultConversion : public testing::TestWithParam<ResultCase> {};

TEST_P(ResultConversion, BecomesTheNearestTypeWeCarry) {
    FakeDispatch fake;
    GetParam().prepare(fake.answer);
    {
        const DispatchRef object = com::ComDispatch::Wrap(&fake, com::ClientBridge());
        if (GetParam().expected) {
            EXPECT_EQ(GetParam().expected, Describe(tarnex::automation::Get(object, 0x50)));
        } else {
            try {
                tarnex::automation::Get(object, 0x50);
                ADD_FAILURE() << "no failure";
            } catch (const OleStatusFailure& failure) {
                EXPECT_EQ(GetParam().failure, failure.Status());
            }
        }
    }
    EXPECT_EQ(1u, fake.references);
    // By-reference values stay the caller's; what the call copied is released.
    SysFreeString(byReferenceText);
    byReferenceText = nullptr;
    VariantClear(&byReferenceVariant);
    VariantClear(&fake.answer);
    EXPECT_EQ(1u, resultObject.references);
    EXPECT_EQ(1u, unknownOnly.references);
}

INSTANTIATE_TEST_SUITE_P(Variants, ResultConversion, testing::ValuesIn(kResultCases),
                         [](const testing::TestParamInfo<ResultCase>& testInfo) {
                             std::string name;
                             for (const char* c = testInfo.param.name; *c; ++c)
                                 name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
                             return name;
                         });

TEST(ComDispatch, MethodArgumentsGoReversed) {
    FakeDispatch fake;
    const DispatchRef object = com::ComDispatch::Wrap(&fake, com::ClientBridge());
    tarnex::automation::Call(
        object, 0x1D, {Variant(1), Variant(u"x"), Variant(true), Variant::Missing(), Variant(Date{2.0})});
    EXPECT_EQ(0x1D, fake.dispid);
    EXPECT_EQ(DISPATCH_METHOD, fake.flags);
    EXPECT_TRUE(fake.namedArgs.empty());
    EXPECT_TRUE(fake.askedForResult);
    ASSERT_EQ(5u, fake.args.size());
    EXPECT_EQ(VT_DATE, V_VT(&fake.args[0]));
    EXPECT_EQ(VT_ERROR, V_VT(&fake.args[1]));
    EXPECT_EQ(DISP_E_PARAMNOTFOUND, V_ERROR(&fake.args[1]));
    EXPECT_EQ(VT_BOOL, V_VT(&fake.args[2]));
    EXPECT_EQ(VARIANT_TRUE, V_BOOL(&fake.args[2]));
    EXPECT_EQ(VT_BSTR, V_VT(&fake.args[3]));
    EXPECT_EQ(1u, SysStringLen(V_BSTR(&fake.args[3])));
    EXPECT_EQ(VT_I4, V_VT(&fake.args[4]));
    EXPECT_EQ(1, V_I4(&fake.args[4]));
}

TEST(ComDispatch, PutNamesItsValueAndAsksForNoResult) {
    FakeDispatch fake;
    const DispatchRef object = com::ComDispatch::Wrap(&fake, com::ClientBridge());
    tarnex::automation::Put(object, 0xD, Variant(1));
    EXPECT_EQ(DISPATCH_PROPERTYPUT, fake.flags);
    ASSERT_EQ(1u, fake.namedArgs.size());
    EXPECT_EQ(DISPID_PROPERTYPUT, fake.namedArgs[0]);
    ASSERT_EQ(1u, fake.args.size());
    EXPECT_FALSE(fake.askedForResult);
    tarnex::automation::Get(object, 0xD);
    EXPECT_EQ(DISPATCH_PROPERTYGET, fake.flags);
}

TEST(ComDispatch, ExceptionIsFilledInOnDemand) {
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
    try {
        tarnex::automation::Call(object, 0x51);
        ADD_FAILURE() << "no failure";
    } catch (const DispatchException& failure) {
        EXPECT_EQ("Item not found", failure.Description());
    }
}

TEST(ComDispatch, StatusBecomesOleStatusFailure) {
    FakeDispatch fake;
    fake.status = DISP_E_MEMBERNOTFOUND;
    const DispatchRef object = com::ComDispatch::Wrap(&fake, com::ClientBridge());
    try {
        tarnex::automation::Get(object, 0x99);
        ADD_FAILURE() << "no failure";
    } catch (const OleStatusFailure& failure) {
        EXPECT_EQ(DISP_E_MEMBERNOTFOUND, failure.Status());
    }
}

TEST(ComDispatch, ReturnedObjectsAreReleased) {
    FakeDispatch fake;
    FakeDispatch child;
    V_VT(&fake.answer) = VT_DISPATCH;
    V_DISPATCH(&fake.answer) = &child;
    child.AddRef();
    {
        const DispatchRef object = com::ComDispatch::Wrap(&fake, com::ClientBridge());
        const DispatchRef returned = tarnex::automation::GetDispatch(object, 0xF001);
        EXPECT_EQ(&child, com::ComDispatch::InterfaceOf(returned.Get()));
        EXPECT_EQ(3u, child.references);  // ours, the answer's and the wrapper's
    }
    VariantClear(&fake.answer);
    EXPECT_EQ(1u, child.references);
    EXPECT_EQ(1u, fake.references);
}

// A server object that answers: 1 echoes its first argument, 2 returns
// itself, 3 raises an exception; every call is remembered.
class EchoObject final : public DispatchObject {
public:
    void AddRef() noexcept override { ++references; }
    void Release() noexcept override { --references; }
    HResult Invoke(tarnex::automation::Dispid dispid, InvokeKind kind, std::span<const Variant> args,
                   Variant& result, ExceptionInfo& exception) override {
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
        EXPECT_EQ(0, echo.references);
        EXPECT_EQ(0, simpim_com::LiveObjects());
    }
    EchoObject echo;
    DispatchRef client;
};

TEST_F(ServerRoundTrip, ValuesComeBackAsTheyWent) {
    for (const Variant& value : {Variant(7), Variant(true), Variant(2.25), Variant(Date{3.5}),
                                 Variant(std::u16string(u"a\0b", 3)), Variant::Missing(), Variant()}) {
        EXPECT_EQ(Describe(value), Describe(tarnex::automation::Call(client, 1, {value})));
    }
}

TEST_F(ServerRoundTrip, ArgumentsArriveInOrderAndPutsAsPuts) {
    tarnex::automation::Call(client, 1, {Variant(1), Variant(2), Variant(3)});
    ASSERT_EQ(3u, echo.lastArgs.size());
    EXPECT_EQ("I4:1", Describe(echo.lastArgs[0]));
    EXPECT_EQ("I4:3", Describe(echo.lastArgs[2]));
    tarnex::automation::Put(client, 1, Variant(u"v"));
    EXPECT_EQ(InvokeKind::Put, echo.lastKind);
    ASSERT_EQ(1u, echo.lastArgs.size());
    EXPECT_EQ("Bstr:v", Describe(echo.lastArgs[0]));
}

TEST_F(ServerRoundTrip, ObjectPassedBackIsTheServersOwn) {
    const DispatchRef self = tarnex::automation::GetDispatch(client, 2);
    tarnex::automation::Call(client, 1, {Variant(self)});
    ASSERT_EQ(1u, echo.lastArgs.size());
    const DispatchRef* received = echo.lastArgs[0].IfDispatch();
    EXPECT_TRUE(received && received->Get() == &echo);
    echo.lastArgs.clear();
}

TEST_F(ServerRoundTrip, ExceptionCarriesItsDescription) {
    try {
        tarnex::automation::Call(client, 3);
        ADD_FAILURE() << "no failure";
    } catch (const DispatchException& failure) {
        EXPECT_EQ("boom", failure.Description());
    }
    try {
        tarnex::automation::Call(client, 9);
        ADD_FAILURE() << "no failure";
    } catch (const OleStatusFailure& failure) {
        EXPECT_EQ(DISP_E_MEMBERNOTFOUND, failure.Status());
    }
}

TEST(LibraryBridge, RefusesObjectsThatDidNotComeFromCom) {
    FakeDispatch fake;
    EchoObject local;
    const DispatchRef object = com::ComDispatch::Wrap(&fake, com::ClientBridge());
    try {
        tarnex::automation::Call(object, 1, {Variant(DispatchRef::Share(&local))});
        ADD_FAILURE() << "no failure";
    } catch (const OleStatusFailure& failure) {
        EXPECT_EQ(E_INVALIDARG, failure.Status());
    }
    EXPECT_EQ(0, local.references);
}

}  // namespace
