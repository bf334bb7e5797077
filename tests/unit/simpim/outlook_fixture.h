// A simulated Outlook with the session objects a test usually starts from.
#pragma once

#include "simpim/item_classes.h"
#include "simpim/outlook_server.h"
#include "sim_call.h"

namespace simpim::testing {

class OutlookTest : public ::testing::Test {
protected:
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

    OutlookServer server;
    DispatchRef application;
    DispatchRef ns;
};

}  // namespace simpim::testing
