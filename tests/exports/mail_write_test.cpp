// Writing mail: what a record sets on an item, the sender and recipient
// fallbacks on the host's entry lists, new mail ending in its store's folder
// with an identifier that finds it (in a Personal Folders file and in a
// server mailbox, where a move changes the EntryID), updates that leave an
// item where it is, and a whole mail store replaced.
#include <map>

#include "exports/mail_fixture.h"

namespace tarnex_test {
namespace {

using simpim::Variant;
using Values = std::map<std::string, std::string>;

const char* const kProperties[] = {"UnRead", "SentOnBehalfOfName", "To", "CC", "Subject", "Body"};

// An item whose every written property shows a change.
const PropertyValues kOldMail = {{"UnRead", Variant(true)},    {"SentOnBehalfOfName", Variant(u"old")},
                                 {"To", Variant(u"old")},      {"CC", Variant(u"old")},
                                 {"Subject", Variant(u"old")}, {"Body", Variant(u"old")}};

class MailWriteTest : public MailTest {
protected:
    Values Properties(const simpim::OutlookItem& item) const {
        Values values;
        for (const char* p : kProperties) values[p] = Shown(item, p);
        return values;
    }
    // Writes the record over a new Inbox item holding kOldMail; returns the
    // properties that changed, with their new values.
    Values WriteOverOldMail(const MessageRecord& record) {
        simpim::OutlookItem& item = AddMail(simpim::kFolderInbox, kOldMail);
        const Values before = Properties(item);
        EXPECT_EQ(lib.SetSingleObjectForOL(EntryIdOf(item).c_str(), &record, TARN_STORE_INBOX), TARN_OK);
        Values changed;
        for (const auto& [name, value] : Properties(item)) {
            if (before.at(name) != value) changed[name] = value;
        }
        return changed;
    }
};

// The properties every write sets from an empty record.
const Values kCleared = {{"UnRead", "false"}, {"CC", ""}, {"Subject", ""}, {"Body", ""}};
Values With(Values values, const Values& more) {
    for (const auto& [name, value] : more) values[name] = value;
    return values;
}

TEST_F(MailWriteTest, RecordsSetTheMailProperties) {
    const struct {
        const char* what;
        RecordBytes fields;
        Values changed;
    } cases[] = {
        // Sender and recipients stay when the record has none of them.
        {"empty record", {}, kCleared},
        // Texts go raw, the body too: no "=0D=0A" decoding, no CR LF, no "/"
        // taken off; the header, box, date and replyTo are not written.
        {"every field",
         {{msg::kStatus, "UNREAD"},
          {msg::kFrom, "Anna Berg"},
          {msg::kTo, "User; Mei"},
          {msg::kCc, "a\\;b"},
          {msg::kSubject, "Re: lunch"},
          {msg::kBody, "x\n/END:VBODY=0D=0Ay"},
          {msg::kReplyTo, "reply@example.net"},
          {msg::kDate, "Fri, Jan 19 09:00:00 2001"},
          {msg::kBox, "OUTBOX"},
          {msg::kOriginatorList1, "|ignored"},
          {msg::kRecipientList2, "|ignored"}},
         {{"SentOnBehalfOfName", "Anna Berg"},
          {"To", "User; Mei"},
          {"CC", "a\\;b"},
          {"Subject", "Re: lunch"},
          {"Body", "x\n/END:VBODY=0D=0Ay"}}},
        // Catches the separators swapped between the lists, and a list
        // consulted while the field before it has text.
        {"first lists joined with \"; \"",
         {{msg::kOriginatorList1, "|Anna|Mei"},
          {msg::kOriginatorList2, "|no"},
          {msg::kRecipientList1, "|User|Carlos|Team"},
          {msg::kRecipientList2, "|no"}},
         With(kCleared, {{"SentOnBehalfOfName", "Anna; Mei"}, {"To", "User; Carlos; Team"}})},
        {"second lists joined with \";\"",
         {{msg::kOriginatorList2, "|Anna|Mei"}, {msg::kRecipientList2, "|User|Carlos"}},
         With(kCleared, {{"SentOnBehalfOfName", "Anna;Mei"}, {"To", "User;Carlos"}})},
        // The first character goes whatever it is.
        {"lists without a leading bar",
         {{msg::kOriginatorList1, "Anna|Mei"}, {msg::kRecipientList2, "xUser"}},
         With(kCleared, {{"SentOnBehalfOfName", "nna; Mei"}, {"To", "User"}})},
        // Catches a field read past its end into the next one.
        {"fields full to their last byte",
         {{msg::kSubject, Letters('s', 256)},
          {msg::kSubject + 256, "SPARE"},
          {msg::kFrom, Letters('f', 512)},
          {msg::kFrom + 512, "next"}},
         With(kCleared,
              {{"Subject", Letters('s', 256)}, {"SentOnBehalfOfName", Letters('f', 512)}, {"To", "next"}})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(WriteOverOldMail(MessageWith(c.fields)), c.changed);
    }
}

// Only the exact word marks a message unread.
TEST_F(MailWriteTest, StatusIsUnreadOnlyForTheExactWord) {
    const struct {
        std::string status;  // all 7 bytes of the field when it has no zero
        const char* unread;
    } cases[] = {{"UNREAD", "true"}, {"unread", "false"},  {"READ", "false"},
                 {"", "false"},      {"UNREADX", "false"}, {"UNREA", "false"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.status);
        simpim::OutlookItem& item =
            AddMail(simpim::kFolderInbox, {{"UnRead", Variant(c.status != "UNREAD")}});
        const MessageRecord record = MessageWith({{msg::kStatus, c.status}});
        ASSERT_EQ(lib.SetSingleObjectForOL(EntryIdOf(item).c_str(), &record, TARN_STORE_INBOX), TARN_OK);
        EXPECT_EQ(Shown(item, "UnRead"), c.unread);
    }
}

// An update writes the item wherever it lies: neither the selector nor the
// record's box moves it.
TEST_F(MailWriteTest, UpdateLeavesTheItemInItsFolder) {
    simpim::OutlookItem& item = AddMail(simpim::kFolderOutbox, {{"Subject", Variant(u"old")}});
    const std::string id = EntryIdOf(item);
    const MessageRecord record = MessageWith({{msg::kSubject, "new"}, {msg::kBox, "INBOX"}});
    ASSERT_EQ(lib.SetSingleObjectForOL(id.c_str(), &record, TARN_STORE_INBOX), TARN_OK);
    EXPECT_EQ(item.Folder(), &outlook.Folder(simpim::kFolderOutbox));
    EXPECT_EQ(EntryIdOf(item), id);
    EXPECT_EQ(Shown(item, "Subject"), "new");
}

struct MailStore {
    std::int32_t store, folder;
    const char* box;
};
const MailStore kStores[] = {{TARN_STORE_INBOX, simpim::kFolderInbox, "INBOX"},
                             {TARN_STORE_OUTBOX, simpim::kFolderOutbox, "OUTBOX"},
                             {TARN_STORE_SENT, simpim::kFolderSentMail, "SENTBOX"}};

// In both kinds of store. In a server mailbox the move gives the item a new
// EntryID and the object it was created as fails from then on, so an
// identifier taken from that object, or read from it, fails the add.
class MailAddTest : public MailTest, public ::testing::WithParamInterface<simpim::StoreKind> {
protected:
    MailAddTest() : MailTest(GetParam()) {}
};

TEST_P(MailAddTest, NewMailEndsInItsStoresFolderAndItsIdentifierFindsIt) {
    for (const MailStore& s : kStores) {
        SCOPED_TRACE(s.box);
        const MessageRecord record = MessageWith({{msg::kSubject, s.box}, {msg::kTo, "User"}});
        char id[TARN_ENTRY_ID_SIZE];
        std::memset(id, 'K', sizeof id);
        ASSERT_EQ(lib.AddForOL(id, &record, s.store), TARN_OK);

        const simpim::OutlookFolder& folder = outlook.Folder(s.folder);
        ASSERT_EQ(folder.Count(), 1u);
        EXPECT_EQ(std::string(id), EntryIdOf(folder.At(0)));
        EXPECT_EQ(outlook.Count(simpim::kFolderDrafts), 0u);
        EXPECT_EQ(Shown(folder.At(0), "Subject"), s.box);
        EXPECT_TRUE(HasBytes(Read(id, s.store), Joined(MessageHeader(TARN_RECORD_MESSAGE, id, false, s.box),
                                                       {{msg::kTo, "User"}, {msg::kSubject, s.box}})));
    }
}

// The store is emptied, the records added in order into its folder, each
// record getting its item's identifier and keeping every other byte.
TEST_P(MailAddTest, ReplacingAMailStoreLeavesJustTheRecordsItems) {
    AddMail(simpim::kFolderInbox, {{"Subject", Variant(u"gone")}});
    outlook.AddItem(simpim::kFolderInbox, simpim::MeetingRequestClass());
    AddMail(simpim::kFolderOutbox, {{"Subject", Variant(u"stays")}});
    HostList<MessageRecord> host(2);
    host.records[0] =
        MessageWith({{msg::kEntryId, "old id"}, {msg::kSubject, "first"}, {msg::kBox, "SENTBOX"}});
    host.records[1] = MessageWith({{msg::kStatus, "UNREAD"}, {msg::kSubject, "second"}});
    const HostList<MessageRecord> before = host;

    EXPECT_EQ(lib.SetObjectStoreForOL(&host.list, TARN_STORE_INBOX), TARN_OK);

    const simpim::OutlookFolder& inbox = outlook.Folder(simpim::kFolderInbox);
    ASSERT_EQ(inbox.Count(), 2u);
    EXPECT_EQ(outlook.Count(simpim::kFolderOutbox), 1u);
    EXPECT_EQ(outlook.Count(simpim::kFolderDeletedItems), 2u);
    for (std::size_t k = 0; k < 2; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(Shown(inbox.At(k), "Subject"), k == 0 ? "first" : "second");
        MessageRecord expected = before.records[k];
        std::memset(expected.header.entryId, 0, sizeof expected.header.entryId);
        const std::string id = EntryIdOf(inbox.At(k));
        std::memcpy(expected.header.entryId, id.data(), id.size());
        EXPECT_EQ(std::memcmp(&host.records[k], &expected, sizeof expected), 0);
    }
    EXPECT_EQ(Shown(inbox.At(1), "UnRead"), "true");
}

INSTANTIATE_TEST_SUITE_P(StoreKinds, MailAddTest,
                         ::testing::Values(simpim::StoreKind::PersonalFolders,
                                           simpim::StoreKind::ServerMailbox),
                         [](const ::testing::TestParamInfo<simpim::StoreKind>& param) {
                             return param.param == simpim::StoreKind::ServerMailbox ? "ServerMailbox"
                                                                                    : "PersonalFolders";
                         });

}  // namespace
}  // namespace tarnex_test
