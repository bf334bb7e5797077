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

const std::u16string kFifty(50, u'n');

// The tree the identifiers are looked up in. Messages are named after their
// mailbox and position ("work reports 2" is the second of Work/Reports),
// each with its name as subject and body too.
class EudoraReadTest : public HostTest {
protected:
    void SetUp() override {
        Fill(eudora.Mailbox(simpim::kEudoraIn), {u"in 1"});
        tree.AddMessage(eudora.Mailbox(simpim::kEudoraIn),
                        {.to = u"user@example.com",
                         .from = u"Anna Berg <anna@example.com>",
                         .subject = u"Minutes",
                         .cc = u"carl@example.com; dora@example.com",
                         .replyTo = u"list@example.com",
                         .date = u"Mon, 15 Jan 2001 07:12:00 +0100",
                         .body = u"Line 1\r\nEND:VBODY\r\nline end:vbody\rEND:VBODY",
                         .status = simpim::kEudoraRead});
        const auto letters = [](std::size_t n, char16_t c) { return std::u16string(n, c); };
        tree.AddMessage(eudora.Mailbox(simpim::kEudoraOut), {.to = letters(1100, u't'),
                                                             .from = letters(600, u'f'),
                                                             .subject = letters(300, u's'),
                                                             .cc = letters(1100, u'c'),
                                                             .replyTo = letters(120, u'r'),
                                                             .date = letters(120, u'd'),
                                                             .body = letters(21000, u'b'),
                                                             .status = simpim::kEudoraQueued});
        Fill(eudora.Mailbox(simpim::kEudoraTrash), {u"trash 1", u"trash 2"});
        EudoraMailbox& work = tree.AddFolder(tree.Root(), u"Work");
        Fill(tree.AddMailbox(work, u"Reports"), {u"work reports 1", u"work reports 2"});
        Fill(tree.AddMailbox(tree.AddFolder(work, u"Old"), u"Reports"), {u"old reports 1", u"old reports 2"});
        Fill(tree.AddMailbox(work, u"Clients"), {u"work clients 1"});
        tree.AddMailbox(work, u"Empty");
        EudoraMailbox& home = tree.AddFolder(tree.Root(), u"Home");
        Fill(tree.AddMailbox(home, u"Clients"), {u"home clients 1"});
        Fill(tree.AddMailbox(home, u"Reports"), {u"home reports 1", u"home reports 2", u"home reports 3"});
        Fill(tree.AddMailbox(tree.Root(), u"Clients"), {u"root clients 1"});
        Fill(tree.AddMailbox(tree.Root(), kFifty), {u"fifty 1"});
        Fill(tree.AddMailbox(tree.Root(), kFifty + u"x"), {u"fifty-one 1"});
        Fill(tree.AddMailbox(tree.Root(), u"a_b"), {u"underscore 1"});
        Fill(tree.AddMailbox(tree.Root(), u"Sent"), {u"sent 1"}).At(0).fields.status = simpim::kEudoraSent;
        HostTest::SetUp();
        Open(TARN_PIM_EUDORA);
    }
    EudoraMailbox& Fill(EudoraMailbox& mailbox, std::initializer_list<std::u16string> names) {
        for (const std::u16string& name : names) tree.AddMessage(mailbox, {.subject = name, .body = name});
        return mailbox;
    }
};

// The record of an unread message read under an identifier: "name" is its
// subject and body.
std::string Named(const std::string& id, const std::string& name) {
    return MessageHeader(id, true, "INBOX") + "|subject=" + name + "|body=" + name;
}

TEST_F(EudoraReadTest, IdentifiersNameTheMailboxByNameCountAndWalkOrder) {
    const std::string fifty(50, 'n');
    const struct {
        std::string id;
        RecordBytes expected;  // the whole record
        TarnResult result = TARN_OK;
        std::int32_t store = TARN_STORE_INBOX;
    } reads[] = {
        {"In_2_1", Named("In_2_1", "in 1")},
        // The store does not choose the mailbox; the identifier does.
        {"In_2_2",
         MessageHeader("In_2_2", false, "INBOX") +
             "|date=Mon, 15 Jan 2001 07:12:00 +0100|from=Anna Berg <anna@example.com>|to=user@example.com|"
             "cc=carl@example.com; dora@example.com|replyTo=list@example.com|subject=Minutes|"
             "body=Line 1\n/END:VBODY\nline end:vbody\r/END:VBODY",
         TARN_OK, TARN_STORE_OUTBOX},
        {"Out_1_1", MessageHeader("Out_1_1", false, "OUTBOX") + "|date=" + Letters('d', 99) +
                        "|from=" + Letters('f', 511) + "|to=" + Letters('t', 1023) +
                        "|cc=" + Letters('c', 1023) + "|replyTo=" + Letters('r', 99) +
                        "|subject=" + Letters('s', 255) + "|body=" + Letters('b', 20479)},
        // Filed mail reads as incoming: no Eudora message is ever "SENTBOX".
        {"Sent_1_1", MessageHeader("Sent_1_1", false, "INBOX") + "|subject=sent 1|body=sent 1"},
        {"Trash_2_1", Named("Trash_2_1", "trash 1")},
        {"In_3_1", ""},  // a message arrived since the identifier was made
        {"In_1_1", ""},
        {"in_2_1", ""},                                           // names compare with case
        {"Reports_3_2", Named("Reports_3_2", "home reports 2")},  // the count decides between names
        {"Reports_2_1", Named("Reports_2_1", "work reports 1")},  // first met; Work/Old is not entered
        {"Clients_1_1", Named("Clients_1_1", "root clients 1")},  // a later child of an ancestor wins
        {"Reports_02_1", Named("Reports_02_1", "work reports 1")},
        {"Reports_x_1", ""},  // no number: count 0
        {"Reports", ""},
        {fifty + "_1_1", Named(fifty + "_1_1", "fifty 1")},
        {fifty + "x_1_1", Named(fifty + "x_1_1", "fifty 1")},  // cut to 50: the longer name is out of reach
        {"a_b_1_1", ""},                                       // "_" in a name cannot be named
        // A mailbox found but no message at the position: Eudora refuses the
        // item; what was written before stays.
        {"In_2_3", "box=INBOX", TARN_DISPATCH_EXCEPTION},
        {"In_2_0", "box=INBOX", TARN_DISPATCH_EXCEPTION},
        {"Empty", "box=INBOX", TARN_DISPATCH_EXCEPTION},
        {"Empty_0_1", "box=INBOX", TARN_DISPATCH_EXCEPTION},
        {"In_2_1", Named("In_2_1", "in 1")},  // the session goes on
    };
    for (const auto& r : reads) {
        MessageRecord record;
        std::memset(&record, 0x5a, sizeof record);
        EXPECT_EQ(lib.GetSingleObjectForEU(&record, r.id.c_str(), r.store), r.result) << r.id;
        EXPECT_TRUE(HasBytes(record, r.expected)) << r.id;
    }
}

TEST_F(EudoraReadTest, OnlyTheTwoMailboxStoresCountAndRead) {
    EXPECT_EQ(CountOf(TARN_STORE_INBOX, true), 2);
    EXPECT_EQ(CountOf(TARN_STORE_OUTBOX, true), 1);
    for (const int32_t other : std::initializer_list<int32_t>{0, TARN_STORE_CONTACTS, TARN_STORE_CALENDAR,
                                                              TARN_STORE_NOTES, TARN_STORE_SENT, 96}) {
        int32_t count = 77;
        EXPECT_EQ(lib.GetCountForEU(&count, other), TARN_OK);
        EXPECT_EQ(count, 77) << other;
        MessageRecord record;
        std::memset(&record, 0x5a, sizeof record);
        EXPECT_EQ(lib.GetSingleObjectForEU(&record, "In_2_1", other), TARN_OK);
        EXPECT_EQ(record.header.type, 0x5a5a5a5au) << other;
    }
}

class EudoraAddTest : public HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        Open(TARN_PIM_EUDORA);
    }
    TarnResult Add(const RecordBytes& fields, std::int32_t store) {
        const MessageRecord record = RecordWith<MessageRecord>(fields);
        char unused[4] = "abc";  // never read or written
        const TarnResult result = lib.AddForEU(unused, &record, store);
        EXPECT_STREQ(unused, "abc");
        return result;
    }
    EudoraMailbox& In() { return eudora.Mailbox(simpim::kEudoraIn); }
    EudoraMailbox& Out() { return eudora.Mailbox(simpim::kEudoraOut); }
};

// The store decides where the queued message ends up; only exactly
// "UNREAD" leaves it unread.
TEST_F(EudoraAddTest, StoreAndStatusDecideWhereAndHowTheQueuedMessageEndsUp) {
    const struct {
        std::int32_t store;
        const char* status;
        std::size_t in, out;       // messages afterwards
        std::int32_t marked = -1;  // the status of the message moved to In; -1: not checked
    } cases[] = {
        {TARN_STORE_OUTBOX, "UNREAD", 0, 1},   {TARN_STORE_INBOX, "UNREAD", 1, 0, simpim::kEudoraUnread},
        {TARN_STORE_SENT, "UNREAD", 1, 0},     {TARN_STORE_NOTES, "UNREAD", 0, 0},
        {TARN_STORE_CONTACTS, "UNREAD", 0, 0}, {0, "UNREAD", 0, 0},
        {TARN_STORE_INBOX, "READ", 1, 0, 1},   {TARN_STORE_INBOX, "", 1, 0, 1},
        {TARN_STORE_INBOX, "unread", 1, 0, 1}, {TARN_STORE_INBOX, "UNREA", 1, 0, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.store) + " " + c.status);
        while (In().Count() > 0) tree.Move(In().Messages().front(), eudora.Mailbox(simpim::kEudoraTrash));
        while (Out().Count() > 0) tree.Move(Out().Messages().front(), eudora.Mailbox(simpim::kEudoraTrash));
        EXPECT_EQ(Add("status=" + std::string(c.status) + "|body=Body", c.store), TARN_OK);
        EXPECT_EQ(In().Count(), c.in);
        EXPECT_EQ(Out().Count(), c.out);
        if (c.marked >= 0) {
            EXPECT_EQ(In().At(0).fields.status, c.marked);
        }
    }
}

// The record's to, subject, cc and body go to the queue call as they
// stand, only the body's LFs as CR LF; the two middle arguments are empty.
// Nothing else of the record is read.
TEST_F(EudoraAddTest, QueueCallCarriesTheRecordsTexts) {
    eudora.ClearCallLog();
    ASSERT_EQ(
        Add("status=READ|box=SENTBOX|date=20010115T071200|from=someone@example.com|replyTo=reply@example.com|"
            "to=anna@example.com; carl@example.com|subject=Re: \\;Lunch|body=Line 1\nLine 2\r\nEND:VBODY\n",
            TARN_STORE_OUTBOX),
        TARN_OK);
    EXPECT_EQ(eudora.CallLog().front().args,
              "\"anna@example.com; carl@example.com\", \"Re: \\;Lunch\", \"\", \"\", \"\", "
              "\"Line 1\r\nLine 2\r\r\nEND:VBODY\r\n\"");
    const EudoraMessage& queued = Out().At(Out().Count() - 1);
    EXPECT_EQ(queued.fields.from, tree.returnAddress);  // Eudora's own, not the record's
    EXPECT_EQ(queued.fields.replyTo, u"");
    EXPECT_EQ(queued.fields.status, simpim::kEudoraRead);
}

// The queued message is looked for by its body alone, first in the out
// mailbox first: an older one with the same body is taken for it.
TEST_F(EudoraAddTest, OlderOutgoingMessageWithTheSameBodyIsTheOneFound) {
    tree.AddMessage(Out(), {.subject = u"older", .body = u"Same\r\ntext", .status = simpim::kEudoraQueued});
    ASSERT_EQ(Add("subject=newer|body=Same\ntext", TARN_STORE_INBOX), TARN_OK);
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
    const RecordBytes record = "status=UNREAD|body=a line that Eudora wraps";
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
