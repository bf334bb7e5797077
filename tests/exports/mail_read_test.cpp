// Reading mail: the whole record each read leaves, byte for byte; the box a
// single read names from the item's folder; whole-store reads of the three
// folders; and reads that stop at an item or a property Outlook refuses.
#include "exports/mail_fixture.h"
#include "simpim/object_model_guard.h"

namespace tarnex_test {
namespace {

using simpim::Variant;
using tarnex::automation::Date;

std::u16string Wide(char16_t c, std::size_t n) { return std::u16string(n, c); }

// 36910.375 is Friday 19 January 2001, 09:00 local time.
const Variant kFridayNine(Date{36910.375});

struct ReadCase {
    const char* what;
    PropertyValues values;
    bool unread;
    RecordBytes fields;  // besides the header, status, message type and box
};

TEST_F(MailTest, SingleReadsCopyOutlooksTextsRawAndCutToTheirFields) {
    const ReadCase cases[] = {
        // Catches escaping of the raw texts, a swapped pair of fields, and a
        // date in the wrong form.
        {"unread message with every field",
         {{"UnRead", Variant(true)},
          {"ReceivedTime", kFridayNine},
          {"SentOnBehalfOfName", Variant(u"Berg; Anna")},
          {"To", Variant(u"User; C:\\Users")},
          {"CC", Variant(u"Mei Tanaka")},
          {"ReplyRecipientNames", Variant(u"anna@example.net")},
          {"Subject", Variant(u"Lunch; or not?")},
          {"Body", Variant(u"Shall we;\\meet?")}},
         true,
         {{msg::kDate, "Fri, Jan 19 09:00:00 2001"},
          {msg::kFrom, "Berg; Anna"},
          {msg::kTo, "User; C:\\Users"},
          {msg::kCc, "Mei Tanaka"},
          {msg::kReplyTo, "anna@example.net"},
          {msg::kSubject, "Lunch; or not?"},
          {msg::kBody, "Shall we;\\meet?"}}},
        // Outlook's empty date is no date at all.
        {"read message without a received time",
         {{"Subject", Variant(u"Draft")}},
         false,
         {{msg::kSubject, "Draft"}}},
        // Every "END:VBODY", on a line of its own or not, gains a "/"; case
        // counts; CR LF pairs become LF and a lone CR stays.
        {"body lines that would end the host's body object",
         {{"Body", Variant(u"a\r\nEND:VBODY\r\nb /END:VBODY c\r\nxEND:VBODYy\r\nend:vbody\r\n")}},
         false,
         {{msg::kBody, "a\n/END:VBODY\nb //END:VBODY c\nx/END:VBODYy\nend:vbody\n"}}},
        {"line ends",
         {{"Body", Variant(u"one\r\ntwo\rthree\nfour\r\r\n\r\n")}},
         false,
         {{msg::kBody, "one\ntwo\rthree\nfour\r\n\n"}}},
        // Catches a cut at the wrong size, and a cut made before the body's
        // "/" is added.
        {"values cut to their fields",
         {{"SentOnBehalfOfName", Variant(Wide(u'f', 600))},
          {"To", Variant(Wide(u't', 1100))},
          {"CC", Variant(Wide(u'c', 1100))},
          {"ReplyRecipientNames", Variant(Wide(u'r', 150))},
          {"Subject", Variant(Wide(u's', 300))},
          {"Body", Variant(Wide(u'b', 30000))}},
         false,
         {{msg::kFrom, Letters('f', 511)},
          {msg::kTo, Letters('t', 1023)},
          {msg::kCc, Letters('c', 1023)},
          {msg::kReplyTo, Letters('r', 99)},
          {msg::kSubject, Letters('s', 255)},
          {msg::kBody, Letters('b', 20479)}}},
        {"body whose marked end reaches past the field",
         {{"Body", Variant(Wide(u'b', 20475) + u"END:VBODY")}},
         false,
         {{msg::kBody, Letters('b', 20475) + "/END"}}},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string id = EntryIdOf(AddMail(simpim::kFolderInbox, c.values));
        EXPECT_TRUE(HasBytes(Read(id, TARN_STORE_INBOX),
                             Joined(MessageHeader(TARN_RECORD_MESSAGE, id, c.unread, "INBOX"), c.fields)));
    }
}

// The selector chooses only the layout; the box is the folder the item lies
// in, compared with the Inbox, then the Outbox, then Sent Items.
TEST_F(MailTest, SingleReadNamesTheBoxOfTheItemsFolder) {
    simpim::OutlookFolder& filed = outlook.AddFolder(outlook.Folder(simpim::kFolderInbox), u"Filed");
    const struct {
        const char* what;
        simpim::OutlookFolder& folder;
        std::int32_t store;
        const char* box;
    } cases[] = {
        {"Inbox item through Sent Items", outlook.Folder(simpim::kFolderInbox), TARN_STORE_SENT, "INBOX"},
        {"Outbox item through the Inbox", outlook.Folder(simpim::kFolderOutbox), TARN_STORE_INBOX, "OUTBOX"},
        {"Sent Items item through the Outbox", outlook.Folder(simpim::kFolderSentMail), TARN_STORE_OUTBOX,
         "SENTBOX"},
        {"Drafts item", outlook.Folder(simpim::kFolderDrafts), TARN_STORE_SENT, "INBOX"},
        {"item in a folder under the Inbox", filed, TARN_STORE_OUTBOX, "INBOX"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string id = EntryIdOf(outlook.AddItem(c.folder, simpim::MailClass()));
        EXPECT_TRUE(HasBytes(Read(id, c.store), MessageHeader(TARN_RECORD_MESSAGE, id, false, c.box)));
    }
}

// Whole-store reads: the box is the store's, the identifier the item's; a
// list longer than the store gets the box of its extra record before the
// fetch fails.
TEST_F(MailTest, StoreReadsGiveEachRecordItsStoresBox) {
    const struct {
        std::int32_t store, folder;
        const char* box;
    } stores[] = {{TARN_STORE_INBOX, simpim::kFolderInbox, "INBOX"},
                  {TARN_STORE_OUTBOX, simpim::kFolderOutbox, "OUTBOX"},
                  {TARN_STORE_SENT, simpim::kFolderSentMail, "SENTBOX"}};
    for (const auto& s : stores) {
        SCOPED_TRACE(s.box);
        const std::string first = EntryIdOf(AddMail(s.folder, {{"Subject", Variant(u"one")}}));
        const std::string second =
            EntryIdOf(AddMail(s.folder, {{"Subject", Variant(u"two")}, {"UnRead", Variant(true)}}));
        const HostList<MessageRecord> host = ReadStore(s.store, 3, TARN_DISPATCH_EXCEPTION);
        EXPECT_TRUE(HasBytes(host.records[0], Joined(MessageHeader(TARN_RECORD_MESSAGE, first, false, s.box),
                                                     {{msg::kSubject, "one"}})));
        EXPECT_TRUE(HasBytes(host.records[1], Joined(MessageHeader(TARN_RECORD_MESSAGE, second, true, s.box),
                                                     {{msg::kSubject, "two"}})));
        EXPECT_TRUE(HasBytes(host.records[2], {{msg::kBox, s.box}}));
    }
}

// Items of other classes are read through the mail members too: each gets
// its class's type and stops the read at the first member it lacks; the
// records before it are whole and those after it untouched.
TEST_F(MailTest, StoreReadStopsAtAnItemThatIsNotMail) {
    const std::string before = EntryIdOf(AddMail(simpim::kFolderInbox, {{"Subject", Variant(u"before")}}));
    const std::string meeting =
        EntryIdOf(AddMail(simpim::kFolderInbox, {{"ReceivedTime", kFridayNine}, {"UnRead", Variant(true)}},
                          simpim::MeetingRequestClass()));
    AddMail(simpim::kFolderInbox, {{"Subject", Variant(u"after")}});
    const HostList<MessageRecord> inbox = ReadStore(TARN_STORE_INBOX, 3, TARN_OLE_FAILURE);
    EXPECT_TRUE(HasBytes(inbox.records[0], Joined(MessageHeader(TARN_RECORD_MESSAGE, before, false, "INBOX"),
                                                  {{msg::kSubject, "before"}})));
    // A meeting request has a received time but no SentOnBehalfOfName.
    EXPECT_TRUE(HasBytes(inbox.records[1], Joined(MessageHeader(TARN_RECORD_OTHER, meeting, true, "INBOX"),
                                                  {{msg::kDate, "Fri, Jan 19 09:00:00 2001"}})));
    EXPECT_TRUE(HasBytes(inbox.records[2], {}));

    // A delivery report has no received time either.
    const std::string report = EntryIdOf(outlook.AddItem(simpim::kFolderOutbox, simpim::ReportClass()));
    const HostList<MessageRecord> outbox = ReadStore(TARN_STORE_OUTBOX, 1, TARN_OLE_FAILURE);
    EXPECT_TRUE(HasBytes(outbox.records[0], MessageHeader(TARN_RECORD_OTHER, report, false, "OUTBOX")));
}

class MailboxMailTest : public MailTest {
protected:
    MailboxMailTest() : MailTest(simpim::StoreKind::ServerMailbox) {}
};

// The user allows the first message's four address reads, one at a time,
// and refuses the next: the first record is whole, the second stops before
// its sender, and the session goes on.
TEST_F(MailboxMailTest, RefusedAddressReadEndsTheStoreRead) {
    const std::string first = EntryIdOf(AddMail(
        simpim::kFolderInbox, {{"SentOnBehalfOfName", Variant(u"Anna Berg")}, {"Subject", Variant(u"one")}}));
    const std::string second =
        EntryIdOf(AddMail(simpim::kFolderInbox,
                          {{"SentOnBehalfOfName", Variant(u"Mei Tanaka")}, {"ReceivedTime", kFridayNine}}));
    simpim::ObjectModelGuard& guard = outlook.Guard();
    guard.SetLevel(simpim::GuardLevel::Outlook2000Sp2);
    guard.SetAnswer(simpim::GuardAnswer::RefuseNotSupported);
    using simpim::GuardAnswer;
    guard.AnswerNextPrompts({GuardAnswer::Allow, GuardAnswer::Allow, GuardAnswer::Allow, GuardAnswer::Allow});

    const HostList<MessageRecord> host = ReadStore(TARN_STORE_INBOX, 2, TARN_DISPATCH_EXCEPTION);
    EXPECT_TRUE(HasBytes(host.records[0], Joined(MessageHeader(TARN_RECORD_MESSAGE, first, false, "INBOX"),
                                                 {{msg::kFrom, "Anna Berg"}, {msg::kSubject, "one"}})));
    EXPECT_TRUE(HasBytes(host.records[1], Joined(MessageHeader(TARN_RECORD_MESSAGE, second, false, "INBOX"),
                                                 {{msg::kDate, "Fri, Jan 19 09:00:00 2001"}})));
    EXPECT_EQ(guard.Prompts(), 5);
    EXPECT_EQ(CountOf(TARN_STORE_INBOX), 2);
}

}  // namespace
}  // namespace tarnex_test
