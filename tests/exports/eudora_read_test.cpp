// Counting and reading Eudora messages through the host interface: which
// mailbox an identifier names, and the record a message becomes.
#include "exports/eudora_fixture.h"

namespace tarnex_test {
namespace {

using simpim::EudoraMailbox;

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
                         Joined(MessageHeader(4, "In_1_1", true, "INBOX"),
                                {{msg::kDate, "Mon, 15 Jan 2001 07:12:00 +0100"},
                                 {msg::kFrom, "Anna Berg <anna@example.com>"},
                                 {msg::kTo, "user@example.com"},
                                 {msg::kCc, "carl@example.com; dora@example.com"},
                                 {msg::kReplyTo, "list@example.com"},
                                 {msg::kSubject, "Minutes"},
                                 {msg::kBody, "Line 1\n/END:VBODY\nline end:vbody\r/END:VBODY"}})));
    EXPECT_TRUE(HasBytes(Read("Out_1_1"), Joined(MessageHeader(4, "Out_1_1", false, "OUTBOX"),
                                                 {{msg::kDate, Letters('d', 99)},
                                                  {msg::kFrom, Letters('f', 511)},
                                                  {msg::kTo, Letters('t', 1023)},
                                                  {msg::kCc, Letters('c', 1023)},
                                                  {msg::kReplyTo, Letters('r', 99)},
                                                  {msg::kSubject, Letters('s', 255)},
                                                  {msg::kBody, Letters('b', 20479)}})));
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
    EXPECT_EQ(CountOf(TARN_STORE_INBOX), 3);
    EXPECT_EQ(CountOf(TARN_STORE_OUTBOX), 1);
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

}  // namespace
}  // namespace tarnex_test
