// The simulated Eudora by DISPID: its mailboxes by number and in their tree,
// queueing, moving, and the errors for what it refuses.
#include "simpim/eudora_server.h"
#include "simpim/sample_pim.h"
#include "sim_call.h"

namespace simpim::testing {
namespace {

constexpr Dispid kInMailbox = 0x6, kRootFolder = 0xE, kMailboxByNumber = 0x1C, kQueueMessage = 0x1D;
constexpr Dispid kChildren = 0x6, kNumber = 0x8, kMessages = 0xA, kMailboxName = 0xB;
constexpr Dispid kAt = 0x0, kMessageCount = 0x1, kMessageSubject = 0xE, kMessageMove = 0x10;

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
        return ObjectOf(Method(application, kMailboxByNumber, {Variant(number), Variant(-1)}));
    }
    int CountOf(const DispatchRef& mailbox) {
        return Get(ObjectOf(Get(mailbox, kMessages)), kMessageCount).Int();
    }
    DispatchRef Child(const DispatchRef& node, int position) {
        return ObjectOf(Get(ObjectOf(Get(node, kChildren)), kAt, {Variant(position)}));
    }

    EudoraServer server;
    DispatchRef application;
};

// Catches a mailbox number, name or count the library would misread, a
// collection counted from 0, and a tree walk that does not reach nested
// mailboxes.
TEST_F(EudoraTest, MailboxesByNumberAndInTheirTree) {
    const struct {
        int number;
        std::u16string name;
        int count;
    } cases[] = {{2, u"In", 2}, {3, u"Out", 1}, {4, u"Trash", 0}};
    for (const auto& c : cases) {
        DispatchRef mailbox = Mailbox(c.number);
        EXPECT_EQ(Get(mailbox, kMailboxName).Text(), c.name);
        EXPECT_EQ(Get(mailbox, kNumber).Int(), c.number);
        EXPECT_EQ(CountOf(mailbox), c.count);
    }
    EXPECT_EQ(Get(ObjectOf(Get(application, kInMailbox)), kNumber).Int(), 2);

    DispatchRef root = ObjectOf(Get(application, kRootFolder));
    ASSERT_EQ(Get(ObjectOf(Get(root, kChildren)), kMessageCount).Int(), 5);
    DispatchRef archive = Child(root, 4);
    EXPECT_EQ(Get(archive, kMailboxName).Text(), u"Archive");
    EXPECT_EQ(CountOf(archive), 0);  // a folder answers with no messages
    DispatchRef friends = Child(archive, 1);
    EXPECT_EQ(Get(friends, kMailboxName).Text(), u"Friends");
    EXPECT_EQ(CountOf(friends), 1);
}

// Catches a queued message without the user's address, the queue's date or
// the queued status, or with its fields swapped.
TEST_F(EudoraTest, QueueAddsAnOutgoingMessageToOut) {
    server.Store().queueDate = u"Thu, 01 Feb 2001 10:00:00 +0000";
    ASSERT_TRUE(Method(application, kQueueMessage,
                       {Variant(u"to@example.com"), Variant(u"Subject"), Variant(u"cc@example.com"),
                        Variant(u""), Variant(u""), Variant(u"Line 1\r\nLine 2")})
                    .Ok());
    ASSERT_EQ(server.Mailbox(3).Count(), 2u);
    const EudoraMessageFields& queued = server.Mailbox(3).At(1).fields;
    EXPECT_EQ(queued.to, u"to@example.com");
    EXPECT_EQ(queued.subject, u"Subject");
    EXPECT_EQ(queued.cc, u"cc@example.com");
    EXPECT_EQ(queued.body, u"Line 1\r\nLine 2");
    EXPECT_EQ(queued.from, u"user@example.com");
    EXPECT_EQ(queued.date, u"Thu, 01 Feb 2001 10:00:00 +0000");
    EXPECT_EQ(queued.status, kEudoraQueued);
}

// Catches a move that leaves the message or its object behind, or takes it
// into a folder.
TEST_F(EudoraTest, MoveTakesAMessageToAnotherMailbox) {
    DispatchRef message = ObjectOf(Get(ObjectOf(Get(Mailbox(3), kMessages)), kAt, {Variant(1)}));
    ASSERT_TRUE(Method(message, kMessageMove, {Variant(Mailbox(2))}).Ok());
    EXPECT_EQ(server.Mailbox(3).Count(), 0u);
    ASSERT_EQ(server.Mailbox(2).Count(), 3u);
    EXPECT_EQ(server.Mailbox(2).At(2).fields.subject, u"Re: Lunch on Friday?");
    EXPECT_EQ(Get(message, kMessageSubject).Text(),
              u"Re: Lunch on Friday?");  // the object follows its message
}

// Catches a call the simulated Eudora lets through that Eudora refuses.
TEST_F(EudoraTest, RefusedCallsGiveEudorasStatuses) {
    DispatchRef children = ObjectOf(Get(ObjectOf(Get(application, kRootFolder)), kChildren));
    DispatchRef message = ObjectOf(Get(ObjectOf(Get(Mailbox(3), kMessages)), kAt, {Variant(1)}));
    const struct {
        const char* what;
        Reply reply;
        HResult hr;
    } cases[] = {
        {"unknown mailbox number", Method(application, kMailboxByNumber, {Variant(99), Variant(-1)}),
         ta::kDispException},
        {"mailbox number alone", Method(application, kMailboxByNumber, {Variant(2)}), ta::kDispBadParamCount},
        {"child 0", Get(children, kAt, {Variant(0)}), ta::kDispException},
        {"child past the count", Get(children, kAt, {Variant(6)}), ta::kDispException},
        {"queueing two fields", Method(application, kQueueMessage, {Variant(u"a"), Variant(u"b")}),
         ta::kDispBadParamCount},
        {"move into a folder",
         Method(message, kMessageMove, {Variant(ObjectOf(Get(children, kAt, {Variant(4)})))}),
         ta::kDispException},
        {"move to a number", Method(message, kMessageMove, {Variant(2)}), ta::kDispTypeMismatch},
    };
    for (const auto& c : cases) EXPECT_EQ(c.reply.hr, c.hr) << c.what;
}

}  // namespace
}  // namespace simpim::testing
