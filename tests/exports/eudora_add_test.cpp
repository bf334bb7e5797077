// Queueing messages in Eudora through the host interface: what the queue
// call receives, which message is found again, marked and moved.
#include <vector>

#include "exports/eudora_fixture.h"

namespace tarnex_test {
namespace {

using simpim::EudoraMailbox;
using simpim::EudoraMessage;

class EudoraAddTest : public OpenEudoraTest {
protected:
    TarnResult Add(const MessageRecord& record, std::int32_t store) {
        char unused[4] = "abc";  // never read or written
        const TarnResult result = lib.AddForEU(unused, &record, store);
        EXPECT_STREQ(unused, "abc");
        return result;
    }
    EudoraMailbox& In() { return eudora.Mailbox(simpim::kEudoraIn); }
    EudoraMailbox& Out() { return eudora.Mailbox(simpim::kEudoraOut); }
    const EudoraMessage& Last(const EudoraMailbox& mailbox) { return mailbox.At(mailbox.Count() - 1); }
};

TEST_F(EudoraAddTest, StoreDecidesWhereTheQueuedMessageEndsUp) {
    const struct {
        std::int32_t store;
        TarnResult result;
        std::size_t in, out;  // messages afterwards
    } cases[] = {
        {TARN_STORE_OUTBOX, TARN_OK, 0, 1},   {TARN_STORE_INBOX, TARN_OK, 1, 0},
        {TARN_STORE_SENT, TARN_OK, 1, 0},     {TARN_STORE_NOTES, TARN_OK, 0, 0},
        {TARN_STORE_CONTACTS, TARN_OK, 0, 0}, {0, TARN_OK, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.store);
        while (In().Count() > 0) tree.Move(In().Messages().front(), eudora.Mailbox(simpim::kEudoraTrash));
        while (Out().Count() > 0) tree.Move(Out().Messages().front(), eudora.Mailbox(simpim::kEudoraTrash));
        const MessageRecord record = MessageWith({{msg::kStatus, "UNREAD"}, {msg::kBody, "Body"}});
        EXPECT_EQ(Add(record, c.store), c.result);
        EXPECT_EQ(In().Count(), c.in);
        EXPECT_EQ(Out().Count(), c.out);
    }
}

// The record's to, subject, cc and body go to the queue call as they
// stand, only the body's LFs as CR LF; the two middle arguments are empty.
// Nothing else of the record is read.
TEST_F(EudoraAddTest, QueueCallCarriesTheRecordsTexts) {
    const MessageRecord record = MessageWith({{msg::kStatus, "READ"},
                                              {msg::kBox, "SENTBOX"},
                                              {msg::kDate, "20010115T071200"},
                                              {msg::kFrom, "someone@example.com"},
                                              {msg::kReplyTo, "reply@example.com"},
                                              {msg::kTo, "anna@example.com; carl@example.com"},
                                              {msg::kSubject, "Re: \\;Lunch"},
                                              {msg::kBody, "Line 1\nLine 2\r\nEND:VBODY\n"}});
    eudora.ClearCallLog();
    ASSERT_EQ(Add(record, TARN_STORE_OUTBOX), TARN_OK);
    const auto& queue = eudora.CallLog().front();
    EXPECT_EQ(queue.args,
              "\"anna@example.com; carl@example.com\", \"Re: \\;Lunch\", \"\", \"\", \"\", "
              "\"Line 1\r\nLine 2\r\r\nEND:VBODY\r\n\"");
    const EudoraMessage& queued = Last(Out());
    EXPECT_EQ(queued.fields.from, tree.returnAddress);  // Eudora's own, not the record's
    EXPECT_EQ(queued.fields.replyTo, u"");
    EXPECT_EQ(queued.fields.status, simpim::kEudoraRead);
}

TEST_F(EudoraAddTest, OnlyExactlyUnreadLeavesTheMessageUnread) {
    const struct {
        const char* status;
        std::int32_t readStatus;
    } cases[] = {{"UNREAD", 0}, {"READ", 1}, {"", 1}, {"unread", 1}, {"UNREA", 1}};
    for (const auto& c : cases) {
        ASSERT_EQ(Add(MessageWith({{msg::kStatus, c.status}, {msg::kBody, c.status}}), TARN_STORE_INBOX),
                  TARN_OK);
        EXPECT_EQ(Last(In()).fields.status, c.readStatus) << c.status;
    }
}

// The queued message is looked for by its body alone, first in the out
// mailbox first: an older one with the same body is taken for it.
TEST_F(EudoraAddTest, OlderOutgoingMessageWithTheSameBodyIsTheOneFound) {
    tree.AddMessage(Out(), {.subject = u"older", .body = u"Same\r\ntext", .status = simpim::kEudoraQueued});
    ASSERT_EQ(Add(MessageWith({{msg::kSubject, "newer"}, {msg::kBody, "Same\ntext"}}), TARN_STORE_INBOX),
              TARN_OK);
    ASSERT_EQ(In().Count(), 1u);
    EXPECT_EQ(In().At(0).fields.subject, u"older");
    EXPECT_EQ(In().At(0).fields.status, simpim::kEudoraRead);
    ASSERT_EQ(Out().Count(), 1u);
    EXPECT_EQ(Out().At(0).fields.subject, u"newer");
    EXPECT_EQ(Out().At(0).fields.status, simpim::kEudoraQueued);
}

// Eudora's word wrap changes the body it keeps, so the message is not found
// again: it stays queued and unmarked, and a move cannot be made.
TEST_F(EudoraAddTest, MessageNotFoundAgainStaysQueued) {
    tree.wrapQueuedBodiesAt = 20;
    const MessageRecord record =
        MessageWith({{msg::kStatus, "UNREAD"}, {msg::kBody, "a line that Eudora wraps"}});
    EXPECT_EQ(Add(record, TARN_STORE_OUTBOX), TARN_OK);
    EXPECT_EQ(Add(record, TARN_STORE_INBOX), TARN_FAILED);
    EXPECT_EQ(Add(record, TARN_STORE_SENT), TARN_FAILED);
    EXPECT_EQ(In().Count(), 0u);
    ASSERT_EQ(Out().Count(), 3u);
    for (const auto& message : Out().Messages()) {
        EXPECT_EQ(message->fields.status, simpim::kEudoraQueued);
        EXPECT_EQ(message->fields.body, u"a line that Eudora\r\nwraps");
    }
}

}  // namespace
}  // namespace tarnex_test
