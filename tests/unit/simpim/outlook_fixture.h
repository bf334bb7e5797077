// A simulated Outlook with the session objects a test usually starts from.
#pragma once

#include "simpim/item_classes.h"
#include "simpim/outlook_server.h"
#include "sim_call.h"

namespace simpim::testing {

class OutlookTest : public ::testing::Test {
protected:
    explicit OutlookTest(StoreKind kind = StoreKind::PersonalFolders) : server(kind) {}

    void SetUp() override {
        application = DispatchRef::Adopt(static_cast<ta::DispatchObject*>(OutlookServer::Factory(&server)));
        ns = ObjectOf(Method(application, 0x110, {Variant(u"MAPI")}));
    }
    void TearDown() override {
        ns.Reset();
        application.Reset();
        EXPECT_EQ(server.LiveReferences(), 0);
        EXPECT_EQ(server.LiveObjects(), 0);
    }

    DispatchRef DefaultFolder(int number) { return ObjectOf(Method(ns, 0x210B, {Variant(number)})); }
    DispatchRef ItemsOf(int number) { return ObjectOf(Get(DefaultFolder(number), 0x3100)); }
    DispatchRef ItemAt(const DispatchRef& items, int position) {
        return ObjectOf(Method(items, 0x51, {Variant(position)}));
    }
    DispatchRef Open(const std::u16string& entryId) {
        return ObjectOf(Method(ns, 0x2109, {Variant(entryId), Variant(server.StoreId())}));
    }
    // Expects the reply to be Outlook's exception with the given text.
    static void ExpectOutlookException(const Reply& reply, std::u16string_view description) {
        EXPECT_EQ(reply.hr, ta::kDispException);
        EXPECT_EQ(reply.exception.description, description);
    }

    OutlookServer server;
    DispatchRef application;
    DispatchRef ns;
};

}  // namespace simpim::testing

namespace simpim::testing {

// The same with the user's server mailbox as the default store.
class MailboxTest : public OutlookTest {
protected:
    MailboxTest() : OutlookTest(StoreKind::ServerMailbox) {}
};

}  // namespace simpim::testing
