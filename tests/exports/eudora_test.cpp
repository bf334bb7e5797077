// Eudora through the host interface: which mailbox an identifier names and
// the record a message becomes; what the queue call receives, and which
// message is found again, marked and moved.
#include <initializer_list>
#include <string>
#include <vector>

#include "exports/host.h"

namespace tarnex_test {
namespace {

using simpim::EudoraMailbox;
using simpim::EudoraMessage;

class OpenEudoraTest : public HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        Open(TARN_PIM_EUDORA);
    }
    // A mailbox under parent holding one message per subject, each with the
    // subject as its body too.
    EudoraMailbox& Mailbox(EudoraMailbox& parent, std::u16string name,
                           std::initializer_list<std::u16string> subjects = {}) {
        EudoraMailbox& mailbox = tree.AddMailbox(parent, std::move(name));
        Fill(mailbox, subjects);
        return mailbox;
    }
    void Fill(EudoraMailbox& mailbox, std::initializer_list<std::u16string> subjects) {
        for (const std::u16string& subject : subjects)
            tree.AddMessage(mailbox, {.subject = subject, .body = subject});
    }
    // The single read of an identifier, into a record the read must clear.
    MessageRecord Read(const std::string& id, std::int32_t store = TARN_STORE_INBOX,
                       TarnResult expected = TARN_OK) {
        MessageRecord record;
        std::memset(&record, 0x5a, sizeof record);
        EXPECT_EQ(lib.GetSingleObjectForEU(&record, id.c_str(), store), expected) << id;
        return record;
    }
};

const std::u16string kFifty(50, u'n');

// The tree the identifiers are looked up in. Messages are named after their
// mailbox and position: "work reports 2" is the second of Work/Reports.
class EudoraLookupTest : public OpenEudoraTest {
protected:
    void SetUp() override {
        Fill(eudora.Mailbox(simpim::kEudoraIn), {u"in 1", u"in 2"});
        Fill(eudora.Mailbox(simpim::kEudoraOut), {u"out 1"});
        EudoraMailbox& work = tree.AddFolder(tree.Root(), u"Work");
        Mailbox(work, u"Reports", {u"work reports 1", u"work reports 2"});
        Mailbox(tree.AddFolder(work, u"Old"), u"Reports", {u"old reports 1", u"old reports 2"});
        Mailbox(work, u"Clients", {u"work clients 1"});
        Mailbox(work, u"Empty");
        EudoraMailbox& home = tree.AddFolder(tree.Root(), u"Home");
        Mailbox(home, u"Clients", {u"home clients 1"});
        Mailbox(home, u"Reports", {u"home reports 1", u"home reports 2", u"home reports 3"});
        Mailbox(tree.Root(), u"Clients", {u"root clients 1"});
        Mailbox(tree.Root(), kFifty, {u"fifty 1"});
        Mailbox(tree.Root(), kFifty + u"x", {u"fifty-one 1"});
        Mailbox(tree.Root(), u"a_b", {u"underscore 1"});
        OpenEudoraTest::SetUp();
    }
};

TEST_F(EudoraLookupTest, IdentifierNamesTheMailboxByNameCountAndWalkOrder) {
    const std::string fifty(50, 'n');
    const struct {
        std::string id;
        std::string subject;  // of the message read; empty: nothing read
    } cases[] = {
        {"In_2_1", "in 1"},
        {"In_2_2", "in 2"},
        {"Out_1_1", "out 1"},
        {"In_3_1", ""},  // a message arrived since the identifier was made
        {"In_1_1", ""},
        {"in_2_1", ""},                     // names compare with case
        {"Reports_3_2", "home reports 2"},  // the count decides between names
        {"Reports_2_1", "work reports 1"},  // first met; Work/Old is not entered once found
        {"Clients_1_1", "root clients 1"},  // a later child of an ancestor replaces Work/Clients
        {"Reports_02_1", "work reports 1"},
        {"Reports_x_1", ""},  // no number: count 0
        {"Reports", ""},
        {fifty + "_1_1", "fifty 1"},
        {fifty + "x_1_1", "fifty 1"},  // cut to 50 characters: the 51-character name is out of reach
        {"a_b_1_1", ""},               // "_" in a name cannot be named
    };
    for (const auto& c : cases) {
        const MessageRecord record = Read(c.id);
        EXPECT_EQ(Text(record.subject), c.subject) << c.id;
        EXPECT_EQ(record.header.type, c.subject.empty() ? 0u : 4u) << c.id;
        if (c.subject.empty()) {
            EXPECT_TRUE(HasBytes(record, {})) << c.id;
        }
    }
}

// A mailbox found but no message at the position: Eudora refuses the item;
// what was written before stays.
TEST_F(EudoraLookupTest, PositionOutsideTheFoundMailboxIsEudorasRefusal) {
    for (const char* id : {"In_2_3", "In_2_0", "Empty", "Empty_0_1"}) {
        const MessageRecord record = Read(id, TARN_STORE_INBOX, TARN_DISPATCH_EXCEPTION);
        EXPECT_TRUE(HasBytes(record, {{msg::kBox, "INBOX"}})) << id;
    }
    EXPECT_EQ(Text(Read("In_2_1").subject), "in 1");  // the session goes on
}

TEST_F(OpenEudoraTest, MessageFillsTheRecordInItsFieldsAndCuts) {
    tree.AddMessage(eudora.Mailbox(simpim::kEudoraIn),
                    {.to = u"user@example.com",
                     .from = u"Anna Berg <anna@example.com>",
                     .subject = u"Minutes",
                     .cc = u"carl@example.com; dora@example.com",
                     .replyTo = u"list@example.com",
                     .date = u"Mon, 15 Jan 2001 07:12:00 +0100",
                     .body = u"Line 1\r\nEND:VBODY\r\nline end:vbody\rEND:VBODY",
                     .status = simpim::kEudoraUnread});
    tree.AddMessage(eudora.Mailbox(simpim::kEudoraOut), {.to = std::u16string(1100, u't'),
                                                         .from = std::u16string(600, u'f'),
                                                         .subject = std::u16string(300, u's'),
                                                         .cc = std::u16string(1100, u'c'),
                                                         .replyTo = std::u16string(120, u'r'),
                                                         .date = std::u16string(120, u'd'),
                                                         .body = std::u16string(21000, u'b'),
                                                         .status = simpim::kEudoraQueued});
    // The store does not choose the mailbox; the identifier does.
    EXPECT_TRUE(HasBytes(Read("In_1_1", TARN_STORE_OUTBOX),
                         MessageHeader(4, "In_1_1", true, "INBOX") +
                             RecordBytes{{msg::kDate, "Mon, 15 Jan 2001 07:12:00 +0100"},
                                         {msg::kFrom, "Anna Berg <anna@example.com>"},
                                         {msg::kTo, "user@example.com"},
                                         {msg::kCc, "carl@example.com; dora@example.com"},
                                         {msg::kReplyTo, "list@example.com"},
                                         {msg::kSubject, "Minutes"},
                                         {msg::kBody, "Line 1\n/END:VBODY\nline end:vbody\r/END:VBODY"}}));
    EXPECT_TRUE(HasBytes(Read("Out_1_1"), MessageHeader(4, "Out_1_1", false, "OUTBOX") +
                                              RecordBytes{{msg::kDate, Letters('d', 99)},
                                                          {msg::kFrom, Letters('f', 511)},
                                                          {msg::kTo, Letters('t', 1023)},
                                                          {msg::kCc, Letters('c', 1023)},
                                                          {msg::kReplyTo, Letters('r', 99)},
                                                          {msg::kSubject, Letters('s', 255)},
                                                          {msg::kBody, Letters('b', 20479)}}));
}

// Filed mail reads as incoming: no Eudora message is ever "SENTBOX".
TEST_F(OpenEudoraTest, EveryMailboxButOutIsIncoming) {
    EudoraMailbox& sent = Mailbox(tree.Root(), u"Sent", {u"sent 1"});
    sent.At(0).fields.status = simpim::kEudoraSent;
    Fill(eudora.Mailbox(simpim::kEudoraTrash), {u"trash 1"});
    for (const char* id : {"Sent_1_1", "Trash_1_1"}) EXPECT_EQ(Text(Read(id).box), "INBOX") << id;
}

TEST_F(OpenEudoraTest, OnlyTheTwoMailboxStoresCountAndRead) {
    Fill(eudora.Mailbox(simpim::kEudoraIn), {u"in 1", u"in 2", u"in 3"});
    Fill(eudora.Mailbox(simpim::kEudoraOut), {u"out 1"});
    Fill(eudora.Mailbox(simpim::kEudoraTrash), {u"trash 1", u"trash 2"});
    EXPECT_EQ(CountOf(TARN_STORE_INBOX, true), 3);
    EXPECT_EQ(CountOf(TARN_STORE_OUTBOX, true), 1);
    for (const int32_t other : std::initializer_list<int32_t>{0, TARN_STORE_CONTACTS, TARN_STORE_CALENDAR,
                                                              TARN_STORE_NOTES, TARN_STORE_SENT, 96}) {
        int32_t count = 77;
        EXPECT_EQ(lib.GetCountForEU(&count, other), TARN_OK);
        EXPECT_EQ(count, 77) << other;

        MessageRecord record;
        std::memset(&record, 0x5a, sizeof record);
        EXPECT_EQ(lib.GetSingleObjectForEU(&record, "In_3_1", other), TARN_OK);
        EXPECT_EQ(record.header.type, 0x5a5a5a5au) << other;
    }
}

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
        const MessageRecord record =
            RecordWith<MessageRecord>({{msg::kStatus, "UNREAD"}, {msg::kBody, "Body"}});
        EXPECT_EQ(Add(record, c.store), c.result);
        EXPECT_EQ(In().Count(), c.in);
        EXPECT_EQ(Out().Count(), c.out);
    }
}

// The record's to, subject, cc and body go to the queue call as they
// stand, only the body's LFs as CR LF; the two middle arguments are empty.
// Nothing else of the record is read.
TEST_F(EudoraAddTest, QueueCallCarriesTheRecordsTexts) {
    const MessageRecord record = RecordWith<MessageRecord>({{msg::kStatus, "READ"},
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
        ASSERT_EQ(Add(RecordWith<MessageRecord>({{msg::kStatus, c.status}, {msg::kBody, c.status}}),
                      TARN_STORE_INBOX),
                  TARN_OK);
        EXPECT_EQ(Last(In()).fields.status, c.readStatus) << c.status;
    }
}

// The queued message is looked for by its body alone, first in the out
// mailbox first: an older one with the same body is taken for it.
TEST_F(EudoraAddTest, OlderOutgoingMessageWithTheSameBodyIsTheOneFound) {
    tree.AddMessage(Out(), {.subject = u"older", .body = u"Same\r\ntext", .status = simpim::kEudoraQueued});
    ASSERT_EQ(Add(RecordWith<MessageRecord>({{msg::kSubject, "newer"}, {msg::kBody, "Same\ntext"}}),
                  TARN_STORE_INBOX),
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
        RecordWith<MessageRecord>({{msg::kStatus, "UNREAD"}, {msg::kBody, "a line that Eudora wraps"}});
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
