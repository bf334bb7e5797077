// The simulated Eudora by DISPID: mailbox tree, queueing and moving.
#include "simpim/eudora_server.h"
#include "simpim/sample_pim.h"
#include "sim_call.h"

namespace simpim::testing {
namespace {

class EudoraTest : public ::testing::Test {
protected:
    void SetUp() override {
        FillSampleEudora(server);
        application = DispatchRef::Adopt(static_cast<ta::DispatchObject*>(EudoraServer::Factory(&server)));
    }
    void TearDown() override {
        application.Reset();
        EXPECT_EQ(server.LiveReferences(), 0);
        EXPECT_EQ(server.LiveObjects(), 0);
    }
    DispatchRef Mailbox(int number) {
        return ObjectOf(Method(application, 0x1C, {Variant(number), Variant(-1)}));
    }
    DispatchRef MessagesOf(int number) { return ObjectOf(Get(Mailbox(number), 0xA)); }

    EudoraServer server;
    DispatchRef application;
};

TEST_F(EudoraTest, StandardMailboxesByNumberAndTheInMailbox) {
    const struct {
        int number;
        std::u16string name;
        int count;
    } cases[] = {{2, u"In", 2}, {3, u"Out", 1}, {4, u"Trash", 0}};
    for (const auto& c : cases) {
        DispatchRef mailbox = Mailbox(c.number);
        EXPECT_EQ(Get(mailbox, 0xB).Text(), c.name);
        EXPECT_EQ(Get(mailbox, 0x8).Int(), c.number);
        EXPECT_EQ(Get(ObjectOf(Get(mailbox, 0xA)), 0x1).Int(), c.count);
    }
    EXPECT_EQ(Get(ObjectOf(Get(application, 0x6)), 0x8).Int(), 2);
    EXPECT_EQ(Method(application, 0x1C, {Variant(99), Variant(-1)}).hr, ta::kDispException);
    EXPECT_EQ(Method(application, 0x1C, {Variant(2)}).hr, ta::kDispBadParamCount);
}

TEST_F(EudoraTest, TreeWalkReachesNestedMailboxes) {
    DispatchRef root = ObjectOf(Get(application, 0xE));
    DispatchRef children = ObjectOf(Get(root, 0x6));
    ASSERT_EQ(Get(children, 0x1).Int(), 5);
    DispatchRef archive = ObjectOf(Get(children, 0x0, {Variant(4)}));
    EXPECT_EQ(Get(archive, 0xB).Text(), u"Archive");
    EXPECT_EQ(Get(ObjectOf(Get(archive, 0xA)), 0x1).Int(), 0);  // a folder answers with no messages
    DispatchRef friends = ObjectOf(Get(ObjectOf(Get(archive, 0x6)), 0x0, {Variant(1)}));
    EXPECT_EQ(Get(friends, 0xB).Text(), u"Friends");
    EXPECT_EQ(Get(ObjectOf(Get(friends, 0xA)), 0x1).Int(), 1);
    for (int outside : {0, 6}) EXPECT_EQ(Get(children, 0x0, {Variant(outside)}).hr, ta::kDispException);
}

TEST_F(EudoraTest, QueueAddsAnOutgoingMessageToOut) {
    server.Store().queueDate = u"Thu, 01 Feb 2001 10:00:00 +0000";
    ASSERT_TRUE(Method(application, 0x1D,
                       {Variant(u"to@example.com"), Variant(u"Subject"), Variant(u"cc@example.com"),
                        Variant(u""), Variant(u""), Variant(u"Line 1\r\nLine 2")})
                    .Ok());
    EudoraMailbox& out = server.Mailbox(3);
    ASSERT_EQ(out.Count(), 2u);
    const EudoraMessage& queued = out.At(1);
    EXPECT_EQ(queued.fields.to, u"to@example.com");
    EXPECT_EQ(queued.fields.cc, u"cc@example.com");
    EXPECT_EQ(queued.fields.body, u"Line 1\r\nLine 2");
    EXPECT_EQ(queued.fields.from, u"user@example.com");
    EXPECT_EQ(queued.fields.date, u"Thu, 01 Feb 2001 10:00:00 +0000");
    EXPECT_EQ(queued.fields.status, kEudoraQueued);
    EXPECT_EQ(Method(application, 0x1D, {Variant(u"a"), Variant(u"b")}).hr, ta::kDispBadParamCount);
}

TEST_F(EudoraTest, MoveTakesAMessageToAnotherMailbox) {
    DispatchRef message = ObjectOf(Get(MessagesOf(3), 0x0, {Variant(1)}));
    ASSERT_TRUE(Method(message, 0x10, {Variant(Mailbox(2))}).Ok());
    EXPECT_EQ(server.Mailbox(3).Count(), 0u);
    ASSERT_EQ(server.Mailbox(2).Count(), 3u);
    EXPECT_EQ(server.Mailbox(2).At(2).fields.subject, u"Re: Lunch on Friday?");
    EXPECT_EQ(Get(message, 0xE).Text(), u"Re: Lunch on Friday?");  // the object follows its message

    DispatchRef root = ObjectOf(Get(application, 0xE));
    DispatchRef archive = ObjectOf(Get(ObjectOf(Get(root, 0x6)), 0x0, {Variant(4)}));
    EXPECT_EQ(Method(message, 0x10, {Variant(archive)}).hr, ta::kDispException);
    EXPECT_EQ(Method(message, 0x10, {Variant(2)}).hr, ta::kDispTypeMismatch);
}

}  // namespace
}  // namespace simpim::testing
