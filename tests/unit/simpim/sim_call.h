// Calling simulated automation objects straight through DispatchObject::Invoke,
// keeping the status, the result and the exception for the test to look at;
// and a simulated Outlook with the session objects a test usually starts
// from, which must hold no reference and no object once the test is done.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "automation/dispatch_ref.h"
#include "automation/hresult.h"
#include "automation/variant.h"
#include "simpim/item_classes.h"
#include "simpim/outlook_server.h"

namespace simpim::testing {

namespace ta = tarnex::automation;
using ta::DispatchRef;
using ta::Dispid;
using ta::HResult;
using ta::InvokeKind;
using ta::Variant;

// Outlook 2000's DISPIDs, written out here rather than taken from the
// simulation, whose own numbers are under test.
constexpr Dispid kCreateItem = 0x10A, kGetNamespace = 0x110, kFolders = 0x2103, kGetItemFromId = 0x2109,
                 kGetDefaultFolder = 0x210B, kName = 0x3001, kItems = 0x3100, kStoreId = 0x3108;
constexpr Dispid kCount = 0x50, kItem = 0x51, kRemove = 0x54, kGetFirst = 0x56, kGetNext = 0x57;
constexpr Dispid kClass = 0xF00A, kParent = 0xF001, kMessageClass = 0x1A, kEntryId = 0xF01E, kSave = 0xF048,
                 kDelete = 0xF04A, kMove = 0xF034, kSubject = 0x37, kBody = 0x9100, kImportance = 0x17,
                 kCreationTime = 0x3007, kLastModificationTime = 0x3008;
const std::u16string kMovedOrDeleted = u"The item has been moved or deleted.";

// The text a variant holds, or a marker that it holds none.
inline std::u16string TextOf(const Variant& value) {
    return value.IfBstr() ? *value.IfBstr() : u"<not text>";
}

struct Reply {
    HResult hr = ta::kFail;
    Variant value;
    ta::ExceptionInfo exception;

    bool Ok() const { return hr == ta::kOk; }
    DispatchRef Object() const { return value.IfDispatch() ? *value.IfDispatch() : DispatchRef(); }
    std::u16string Text() const { return TextOf(value); }
    int Int() const { return value.IfI4() ? *value.IfI4() : -999999; }
    // The value as a boolean; empty when another type came back.
    std::optional<bool> Bool() const {
        return value.IfBool() ? std::optional(*value.IfBool()) : std::nullopt;
    }
    double Date() const { return value.IfDate() ? value.IfDate()->days : -1.0; }
};

inline Reply CallMember(const DispatchRef& object, Dispid dispid, InvokeKind kind,
                        std::vector<Variant> args = {}) {
    Reply reply;
    reply.hr = object.Get()->Invoke(dispid, kind, args, reply.value, reply.exception);
    return reply;
}
inline Reply Get(const DispatchRef& object, Dispid dispid, std::vector<Variant> args = {}) {
    return CallMember(object, dispid, InvokeKind::Get, std::move(args));
}
inline Reply Method(const DispatchRef& object, Dispid dispid, std::vector<Variant> args = {}) {
    return CallMember(object, dispid, InvokeKind::Method, std::move(args));
}
inline Reply Put(const DispatchRef& object, Dispid dispid, Variant value) {
    return CallMember(object, dispid, InvokeKind::Put, {std::move(value)});
}
inline Variant Day(double date) { return Variant(ta::Date{date}); }

// The object a successful get or method returned.
inline DispatchRef ObjectOf(const Reply& reply) {
    EXPECT_EQ(reply.hr, ta::kOk);
    EXPECT_TRUE(reply.Object());
    return reply.Object();
}

// Expects the reply to be Outlook's exception with the given text.
inline void ExpectOutlookException(const Reply& reply, std::u16string_view description) {
    EXPECT_EQ(reply.hr, ta::kDispException);
    EXPECT_EQ(reply.exception.description, description);
}

class OutlookTest : public ::testing::Test {
protected:
    explicit OutlookTest(StoreKind kind = StoreKind::PersonalFolders) : server(kind) {}

    void SetUp() override {
        application = DispatchRef::Adopt(static_cast<ta::DispatchObject*>(OutlookServer::Factory(&server)));
        ns = ObjectOf(Method(application, kGetNamespace, {Variant(u"MAPI")}));
    }
    void TearDown() override {
        ns.Reset();
        application.Reset();
        EXPECT_EQ(server.LiveReferences(), 0);
        EXPECT_EQ(server.LiveObjects(), 0);
    }

    DispatchRef New(int itemType) { return ObjectOf(Method(application, kCreateItem, {Variant(itemType)})); }
    DispatchRef DefaultFolder(int number) {
        return ObjectOf(Method(ns, kGetDefaultFolder, {Variant(number)}));
    }
    DispatchRef ItemsOf(int number) { return ObjectOf(Get(DefaultFolder(number), kItems)); }
    DispatchRef ItemAt(const DispatchRef& items, int position) {
        return ObjectOf(Method(items, kItem, {Variant(position)}));
    }
    DispatchRef Open(const std::u16string& entryId) {
        return ObjectOf(Method(ns, kGetItemFromId, {Variant(entryId), Variant(server.StoreId())}));
    }

    OutlookServer server;
    DispatchRef application;
    DispatchRef ns;
};

// The same with the user's server mailbox as the default store.
class MailboxTest : public OutlookTest {
protected:
    MailboxTest() : OutlookTest(StoreKind::ServerMailbox) {}
};

}  // namespace simpim::testing
