// The writers as tables: a record written over an item (or added) and every
// stored property the write changes, with its new value; then the whole
// store replaced, records written back unchanged reading the same, and a
// write that fails partway.
#include <algorithm>
#include <map>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "exports/host.h"
#include "simpim/sample_pim.h"

namespace tarnex_test {
namespace {

struct Write {
    const char* what;
    std::int32_t store;
    RecordBytes record;
    Values changed;              // every stored property the write changes
    PropertyValues before = {};  // the item written over holds these
};

Values With(Values values, const Values& more) {
    for (const auto& [name, value] : more) values[name] = value;
    return values;
}
std::size_t RecordSize(int32_t store) {
    return store == TARN_STORE_CONTACTS   ? sizeof(ContactRecord)
           : store == TARN_STORE_CALENDAR ? sizeof(CalendarRecord)
           : store == TARN_STORE_NOTES    ? sizeof(NoteRecord)
                                          : sizeof(MessageRecord);
}
// Host records of a store's layout chained into a list.
struct Records {
    Records(std::int32_t store, const std::vector<RecordBytes>& records)
        : size(RecordSize(store)), nodes(records.size()) {
        for (const RecordBytes& r : records) images.push_back(ImageOf(size, r));
        for (std::size_t k = 0; k < nodes.size(); ++k)
            nodes[k] = MakeNode(images[k].data(), k + 1 < nodes.size() ? &nodes[k + 1] : nullptr);
        list = MakeList(nodes.data(), static_cast<int32_t>(nodes.size()));
    }
    std::size_t size;
    std::vector<std::string> images;
    std::vector<RecordListNode> nodes;
    PimRecordList list{};
};

// What a write of an empty record puts, each kind's texts cleared.
Values Cleared(std::int32_t store, int kind = 0) {
    const auto empty = [](const char* names) {
        Values values;
        std::istringstream in(names);
        for (std::string name; in >> name;) values[name] = "";
        return values;
    };
    switch (store) {
        case TARN_STORE_CONTACTS:
            return empty(
                "LastName FirstName MiddleName Title Suffix FileAs JobTitle CompanyName Department "
                "Email1Address Email2Address Email3Address");
        case TARN_STORE_CALENDAR:
            if (kind == TARN_CALENDAR_APPOINTMENT) return empty("Subject Body Location");
            return With(empty("Subject Body Categories"), {{"Importance", "0"}});
        case TARN_STORE_NOTES:
            return empty("Body Categories");
        default:
            return With(empty("CC Subject Body"), {{"UnRead", "false"}});
    }
}

class WriteTableTest : public HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        outlook.Store().SetNow(36950.5);
        Open();
    }
    // Writes the row's record over a new item of its store's folder.
    void Check(const Write& w) {
        SCOPED_TRACE(w.what);
        const auto kindAt = std::find_if(w.record.begin(), w.record.end(),
                                         [](const ExpectedText& e) { return e.offset == cal::kKind; });
        const int kind = kindAt == w.record.end() ? 0 : static_cast<unsigned char>(kindAt->text[0]);
        simpim::OutlookItem& item =
            w.store == TARN_STORE_CONTACTS   ? Add(simpim::kFolderContacts, simpim::ContactClass(), w.before)
            : w.store == TARN_STORE_NOTES    ? Add(simpim::kFolderNotes, simpim::NoteClass(), w.before)
            : w.store != TARN_STORE_CALENDAR ? Add(simpim::kFolderInbox, simpim::MailClass(), w.before)
            : kind == TARN_CALENDAR_TASK     ? Add(simpim::kFolderTasks, simpim::TaskClass(), w.before)
                                         : Add(simpim::kFolderCalendar, simpim::AppointmentClass(), w.before);
        const Values before = Properties(item);
        std::string image = ImageOf(RecordSize(w.store), w.record);
        ASSERT_EQ(lib.SetSingleObjectForOL(EntryIdOf(item).c_str(), image.data(), w.store), TARN_OK);
        Values changed;
        for (const auto& [name, value] : Properties(item)) {
            if (!before.count(name) || before.at(name) != value) changed[name] = value;
        }
        EXPECT_EQ(changed, w.changed);
    }
};

TEST_F(WriteTableTest, Contacts) {
    const Values cleared = Cleared(TARN_STORE_CONTACTS);
    const auto phone = [](int k, const char* parameters, const char* number) {
        return RecordBytes{{con::Phone(k, true), parameters}, {con::Phone(k), number}};
    };
    const auto email = [](int k, const char* parameters, const char* address) {
        return RecordBytes{{con::Email(k, true), parameters}, {con::Email(k), address}};
    };
    const auto emails = [&](const char* first, const char* second, const char* third) {
        return With(cleared, {{"Email1Address", first}, {"Email2Address", second}, {"Email3Address", third}});
    };
    const Write writes[] = {
        // Phone slots set numbers by their parameter words; every slot counts,
        // and a later one overwrites an earlier one.
        {"phones without a known word", 1, phone(0, "VOICE", "1") + phone(1, "PREF", "2") + phone(2, "", "3"),
         cleared},
        {"fax", 1, phone(0, "FAX", "1"), With(cleared, {{"BusinessFaxNumber", "1"}})},
        {"cell", 1, phone(0, "CELL;VOICE", "1"), With(cleared, {{"MobileTelephoneNumber", "1"}})},
        {"home and cell in lower case", 1, phone(0, "home;cell", "1"),
         With(cleared, {{"HomeTelephoneNumber", "1"}, {"MobileTelephoneNumber", "1"}})},
        {"home fax", 1, phone(0, "HOME;FAX", "1"), With(cleared, {{"HomeFaxNumber", "1"}})},
        {"every slot", 1,
         phone(0, "CELL", "1") + phone(3, "PAGER", "1") + phone(7, "CAR", "2") + phone(9, "CELL", "2") +
             phone(11, "ISDN", ""),
         With(cleared, {{"MobileTelephoneNumber", "2"},
                        {"PagerNumber", "1"},
                        {"CarTelephoneNumber", "2"},
                        {"ISDNNumber", ""}})},
        // The preferred address goes first.
        {"preferred second", 1,
         email(0, "INTERNET", "a") + email(1, "INTERNET;PREF", "b") + email(2, "INTERNET", "c"),
         emails("b", "a", "c")},
        {"one address", 1, email(0, "INTERNET", "x"), emails("x", "", "")},
        {"two preferred", 1,
         email(0, "INTERNET;PREF", "a") + email(1, "INTERNET", "b") + email(2, "INTERNET;PREF", "c"),
         emails("c", "b", "")},
        {"words in any case, any slot", 1,
         email(0, "X400", "a") + email(4, "internet", "b") + email(11, "Internet;Pref", "z"),
         emails("z", "b", "")},
        {"two name parts, department alone",
         1,
         {{con::kName, "Doe;John"}, {con::kOrganization, ";Research"}},
         With(cleared, {{"LastName", "Doe"}, {"FirstName", "John"}, {"Department", "Research"}})},
        {"escapes stay",
         1,
         {{con::kName, "O\\;Brien;Pat\\\\;;;Jr.;extra"}},
         With(cleared, {{"LastName", "O\\;Brien"}, {"FirstName", "Pat\\\\"}, {"Suffix", "Jr."}})},
        {"home pages and title",
         1,
         {{con::kPersonalHomePage, "http://a/"},
          {con::kBusinessHomePage, "http://b/"},
          {con::kJobTitle, "Chemist"}},
         With(cleared, {{"PersonalHomePage", "http://a/"},
                        {"BusinessHomePage", "http://b/"},
                        {"JobTitle", "Chemist"}})},
        // The birthday is set only from a filled field.
        {"no birthday", 1, {}, cleared, {{"Birthday", Variant(Date{30000.0})}}},
        {"birthday",
         1,
         {{con::kBirthday, "19750602"}},
         With(cleared, {{"Birthday", "date 27547.000000"}}),
         {{"Birthday", Variant(Date{30000.0})}}},
    };
    for (const Write& w : writes) Check(w);
}

TEST_F(WriteTableTest, ContactAddressesByTheirParameters) {
    const char* adr = "PO 1;Bldg 4;1 Main St;Springfield;IL;62701;USA";
    const auto parts = [](const char* prefix, bool extended) {
        Values values = {
            {std::string(prefix) + "PostOfficeBox", "PO 1"}, {std::string(prefix) + "Street", "1 Main St"},
            {std::string(prefix) + "City", "Springfield"},   {std::string(prefix) + "State", "IL"},
            {std::string(prefix) + "PostalCode", "62701"},   {std::string(prefix) + "Country", "USA"}};
        if (extended) values["OfficeLocation"] = "Bldg 4";
        return values;
    };
    // The mailing address of a new contact is the selected one, or stored
    // by itself.
    const Values home = With(parts("HomeAddress", false), {{"SelectedMailingAddress", "1"}}),
                 business = With(parts("BusinessAddress", true), {{"SelectedMailingAddress", "2"}}),
                 mailing = parts("MailingAddress", false);
    const Values cleared = With(Cleared(TARN_STORE_CONTACTS), {{"MessageClass", "IPM.Contact"}});
    const auto slot = [](int k, const char* parameters, const char* value) {
        return RecordBytes{{con::Address(k, true), parameters}, {con::Address(k), value}};
    };
    // A new contact's first address becomes its mailing address.
    const Write adds[] = {
        {"home drops the extended address", 1, slot(0, "HOME", adr), With(cleared, home)},
        {"work;postal in any case", 1, slot(1, "work;postal", adr), With(cleared, business)},
        {"postal alone is the mailing address, not the other", 1, slot(2, "POSTAL", adr),
         With(cleared, mailing)},
        {"a later slot wins", 1, slot(0, "HOME", "x;;x;x;x;x;x") + slot(5, "HOME", adr), With(cleared, home)},
        {"no address word", 1, slot(0, "DOM;INTL", adr), cleared},
    };
    for (const Write& w : adds) {
        SCOPED_TRACE(w.what);
        const ContactRecord record = RecordWith<ContactRecord>(w.record);
        char id[TARN_ENTRY_ID_SIZE] = {};
        ASSERT_EQ(lib.AddForOL(id, &record, TARN_STORE_CONTACTS), TARN_OK);
        ASSERT_NE(Found(id), nullptr);
        EXPECT_EQ(Found(id)->Folder(), &outlook.Folder(simpim::kFolderContacts));
        EXPECT_EQ(Properties(*Found(id)), w.changed);
    }
}

TEST_F(WriteTableTest, Calendar) {
    const int A = TARN_CALENDAR_APPOINTMENT, T = TARN_CALENDAR_TASK;
    const PropertyValues oldAppointment = {{"Subject", Variant(u"old")},    {"Body", Variant(u"old")},
                                           {"Location", Variant(u"old")},   {"Importance", Variant(2)},
                                           {"Categories", Variant(u"old")}, {"Start", Variant(Date{36900.5})},
                                           {"End", Variant(Date{36900.75})}};
    const PropertyValues oldTask = {{"Subject", Variant(u"old")},
                                    {"Body", Variant(u"old")},
                                    {"Importance", Variant(2)},
                                    {"Categories", Variant(u"old")},
                                    {"StartDate", Variant(Date{36900.0})},
                                    {"DueDate", Variant(Date{36901.0})},
                                    {"DateCompleted", Variant(Date{36902.0})},
                                    {"Complete", Variant(true)}};
    const RecordBytes appointment = {{cal::kKind, Byte(A)}}, task = {{cal::kKind, Byte(T)}};
    // Outlook keeps completion as a percentage, a status and a date; a task
    // no longer complete loses its completion date.
    const Values kNotComplete = {
        {"PercentComplete", "0"}, {"Status", "0"}, {"DateCompleted", "date 949998.000000"}};
    const Write writes[] = {
        // An empty record still clears the texts; the dates stay.
        {"empty appointment",
         4,
         appointment,
         {{"Subject", ""}, {"Body", ""}, {"Location", ""}},
         oldAppointment},
        // Importance, categories and the task fields are not an appointment's.
        {"every appointment field",
         4,
         appointment + RecordBytes{{cal::kSubject, "a\\;b"},
                                   {cal::kBody, "x=0D=0Ay"},
                                   {cal::kLocation, "Room 2\\; east"},
                                   {cal::kStart, "20010119T090000"},
                                   {cal::kEnd, "2001-01-19T103000"},
                                   {cal::kImportance, "0"},
                                   {cal::kCategories, "Work"},
                                   {cal::kStatus, "COMPLETED"},
                                   {cal::kDueDate, "20010120"}},
         {{"Subject", "a\\;b"},
          {"Body", "x\ny"},
          {"Location", "Room 2\\; east"},
          {"Start", "date 36910.375000"},
          {"End", "date 36910.437500"}},
         oldAppointment},
        // Dates stay; texts, importance and completion are always set, and
        // Outlook clears the completion date of a task no longer complete.
        {"empty task", 4, task, With(Cleared(4, T), kNotComplete), oldTask},
        {"every task field",
         4,
         task + RecordBytes{{cal::kSubject, "Pay"},
                            {cal::kBody, "a=0D=0A=\nb=3D"},
                            {cal::kCategories, "Home;Bills"},
                            {cal::kStart, "20010112T120000"},
                            {cal::kDueDate, "20010129"},
                            {cal::kDateCompleted, "20010114"},
                            {cal::kImportance, "1"},
                            {cal::kStatus, "COMPLETED"},
                            {cal::kLocation, "ignored"},
                            {cal::kEnd, "20010101"}},
         {{"Subject", "Pay"},
          {"Body", "a\n=\nb=3D"},
          {"Categories", "Home;Bills"},
          {"StartDate", "date 36903.000000"},  // a task's dates are whole days
          {"DueDate", "date 36920.000000"},
          {"DateCompleted", "date 36905.000000"},
          {"Importance", "1"}},
         oldTask},
        {"a date that is no date is sent as 0.0",
         4,
         task + RecordBytes{{cal::kDueDate, "20010231"},
                            {cal::kImportance, "2"},
                            {cal::kStatus, "COMPLETED"},
                            {cal::kSubject, "old"},
                            {cal::kBody, "old"},
                            {cal::kCategories, "old"}},
         {{"DueDate", "date 0.000000"}},
         oldTask},
        // Importance and status are parsed: only the exact word completes.
        {"no importance", 4, task + RecordBytes{{cal::kStatus, "COMPLETED"}},
         With(Cleared(4, T),
              {{"PercentComplete", "100"}, {"Status", "2"}, {"DateCompleted", "date 36950.000000"}})},
        {"needs action", 4, task + RecordBytes{{cal::kImportance, "1"}, {cal::kStatus, "NEEDS ACTION"}},
         With(Cleared(4, T), {{"Importance", "1"}})},
        {"completed in lower case", 4,
         task + RecordBytes{{cal::kImportance, "2"}, {cal::kStatus, "completed"}},
         With(Cleared(4, T), {{"Importance", "2"}})},
        {"signs and blanks", 4, task + RecordBytes{{cal::kImportance, " +2x"}, {cal::kStatus, "COMPLETED "}},
         With(Cleared(4, T), {{"Importance", "2"}})},
        {"no digit first", 4, task + RecordBytes{{cal::kImportance, "x1"}, {cal::kStatus, "COMPLETE"}},
         Cleared(4, T)},
        // Fields full to their last byte, the next one holding text, are read
        // to their end only.
        {"unterminated fields", 4,
         task + RecordBytes{{cal::kCategories, Letters('c', 278)},
                            {cal::kDateCompleted, "20010114"},
                            {cal::kSubject, Letters('s', 512)},
                            {cal::kSubject + 512, "PARAMETERS"}},
         With(With(Cleared(4, T), kNotComplete),
              {{"Categories", Letters('c', 278)}, {"Subject", Letters('s', 512)}})},
    };
    for (const Write& w : writes) Check(w);

    // The kind byte chooses the new item; a record of no kind touches nothing.
    const std::pair<int, const simpim::ItemClass*> kinds[] = {{1, &simpim::AppointmentClass()},
                                                              {2, &simpim::TaskClass()},
                                                              {0, nullptr},
                                                              {3, nullptr},
                                                              {255, nullptr}};
    for (const auto& [kind, created] : kinds) {
        SCOPED_TRACE(kind);
        const CalendarRecord record =
            RecordWith<CalendarRecord>({{cal::kKind, Byte(kind)}, {cal::kSubject, "New"}});
        char id[TARN_ENTRY_ID_SIZE];
        std::memset(id, 'K', sizeof id);
        outlook.ClearCallLog();
        ASSERT_EQ(lib.AddForOL(id, &record, TARN_STORE_CALENDAR), TARN_OK);
        if (created == nullptr) {
            ASSERT_EQ(lib.SetSingleObjectForOL("unknown", &record, TARN_STORE_CALENDAR), TARN_OK);
            EXPECT_EQ(std::string(id, sizeof id), Letters('K', sizeof id)) << "buffer touched";
            EXPECT_TRUE(outlook.CallLog().empty()) << "Outlook was called";
            continue;
        }
        ASSERT_NE(Found(id), nullptr);
        EXPECT_EQ(&Found(id)->Class(), created);
        EXPECT_EQ(Found(id)->Folder(),
                  &outlook.Folder(kind == 1 ? simpim::kFolderCalendar : simpim::kFolderTasks));
        EXPECT_EQ(Properties(*Found(id)).at("Subject"), "New");
    }
}

TEST_F(WriteTableTest, NotesAndMail) {
    const Values mail = Cleared(TARN_STORE_INBOX);
    const auto note = [](const char* body, const char* categories, const char* saved) {
        return Write{body,
                     TARN_STORE_NOTES,
                     {{note::kBody, body}, {note::kCategories, categories}},
                     {{"Body", saved}, {"Categories", categories}}};
    };
    const Write writes[] = {
        // Only "=0D=0A" is decoded, into one line feed.
        note("x=0D=0Ay", "Business", "x\ny"),
        note("x=0D=0A=\ny", "Business;Personal", "x\n=\ny"),
        note("=0D=0A=0D=0A", "", "\n\n"),
        note("=0D=0D=0A", "", "=0D\n"),
        note("a=0d=0ab", "", "a=0d=0ab"),
        note("a=3Db\\; c\\\\ =\nd", "", "a=3Db\\; c\\\\ =\nd"),
        {"unterminated note fields",
         TARN_STORE_NOTES,
         {{note::kCategories, Letters('c', 165)},
          {note::kBody, Letters('b', 5120)},
          {note::kBodyParameters, Letters('p', 127)}},
         {{"Categories", Letters('c', 165)}, {"Body", Letters('b', 5120)}}},
        // Sender and recipients stay when the record has none of them.
        {"empty message", TARN_STORE_INBOX, {}, mail},
        // Texts go raw, the body too: no "=0D=0A" decoding, no CR LF, no "/"
        // taken off; the header, box, date and replyTo are not written.
        {"every field",
         TARN_STORE_INBOX,
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
         {{"UnRead", "true"},
          {"SentOnBehalfOfName", "Anna Berg"},
          {"To", "User; Mei"},
          {"CC", "a\\;b"},
          {"Subject", "Re: lunch"},
          {"Body", "x\n/END:VBODY=0D=0Ay"}}},
        {"first lists joined with \"; \"",
         TARN_STORE_INBOX,
         {{msg::kOriginatorList1, "|Anna|Mei"},
          {msg::kOriginatorList2, "|no"},
          {msg::kRecipientList1, "|User|Carlos|Team"},
          {msg::kRecipientList2, "|no"}},
         With(mail, {{"SentOnBehalfOfName", "Anna; Mei"}, {"To", "User; Carlos; Team"}})},
        {"second lists joined with \";\"",
         TARN_STORE_INBOX,
         {{msg::kOriginatorList2, "|Anna|Mei"}, {msg::kRecipientList2, "|User|Carlos"}},
         With(mail, {{"SentOnBehalfOfName", "Anna;Mei"}, {"To", "User;Carlos"}})},
        // The first character goes whatever it is.
        {"lists without a leading bar",
         TARN_STORE_INBOX,
         {{msg::kOriginatorList1, "Anna|Mei"}, {msg::kRecipientList2, "xUser"}},
         With(mail, {{"SentOnBehalfOfName", "nna; Mei"}, {"To", "User"}})},
        {"fields full to their last byte",
         TARN_STORE_INBOX,
         {{msg::kSubject, Letters('s', 256)},
          {msg::kSubject + 256, "SPARE"},
          {msg::kFrom, Letters('f', 512)},
          {msg::kFrom + 512, "next"}},
         With(mail,
              {{"Subject", Letters('s', 256)}, {"SentOnBehalfOfName", Letters('f', 512)}, {"To", "next"}})},
        // Only the exact word marks a message unread.
        {"unread in lower case", TARN_STORE_INBOX, {{msg::kStatus, "unread"}}, mail},
        {"UNREADX", TARN_STORE_INBOX, {{msg::kStatus, "UNREADX"}}, mail},
        {"UNREA", TARN_STORE_INBOX, {{msg::kStatus, "UNREA"}}, mail},
    };
    for (const Write& w : writes) Check(w);

    // An update writes the item wherever it lies: neither the selector nor
    // the record's box moves it.
    simpim::OutlookItem& queued =
        Add(simpim::kFolderOutbox, simpim::MailClass(), {{"Subject", Variant(u"old")}});
    const std::string id = EntryIdOf(queued);
    const MessageRecord update = RecordWith<MessageRecord>({{msg::kSubject, "new"}, {msg::kBox, "INBOX"}});
    ASSERT_EQ(lib.SetSingleObjectForOL(id.c_str(), &update, TARN_STORE_INBOX), TARN_OK);
    EXPECT_EQ(queued.Folder(), &outlook.Folder(simpim::kFolderOutbox));
    EXPECT_EQ(EntryIdOf(queued), id);
    EXPECT_EQ(Properties(queued).at("Subject"), "new");
}

// Outlook hands an opened item's object out again to every lookup while it
// is held, with its unsaved changes: a failed write must let go of it, or the
// next read would show the half-written values and the next save store them.
TEST_F(WriteTableTest, FailedWriteLeavesTheItemUnsavedAndLetsGoOfIt) {
    const ContactRecord refused =
        RecordWith<ContactRecord>({{con::kName, "Half;Written"}, {con::kJobTitle, "No"}});
    simpim::OutlookItem& item =
        Add(simpim::kFolderContacts, simpim::ContactClass(), {{"LastName", Variant(u"Old")}});
    outlook.FailEveryCall(0x3a17, simpim::Fault::Exception(), "ContactItem");  // JobTitle
    EXPECT_EQ(lib.SetSingleObjectForOL(EntryIdOf(item).c_str(), &refused, TARN_STORE_CONTACTS),
              TARN_DISPATCH_EXCEPTION);
    EXPECT_EQ(Properties(item).at("LastName"), "Old");
    outlook.ClearFaults();

    ContactRecord record = Zeroed<ContactRecord>();
    EXPECT_EQ(lib.GetSingleObjectForOL(&record, EntryIdOf(item).c_str(), TARN_STORE_CONTACTS), TARN_OK);
    EXPECT_EQ(Text(record.name), "Old;;;;") << "the read showed unsaved values";
    const ContactRecord good = RecordWith<ContactRecord>({{con::kName, "Good"}});
    EXPECT_EQ(lib.SetSingleObjectForOL(EntryIdOf(item).c_str(), &good, TARN_STORE_CONTACTS), TARN_OK);
    EXPECT_EQ(Properties(item).at("LastName"), "Good");

    // A failed add creates nothing and leaves the buffer alone.
    outlook.FailEveryCall(0x3a17, simpim::Fault::Exception(), "ContactItem");
    char id[TARN_ENTRY_ID_SIZE] = "untouched";
    EXPECT_EQ(lib.AddForOL(id, &refused, TARN_STORE_CONTACTS), TARN_DISPATCH_EXCEPTION);
    EXPECT_STREQ(id, "untouched");
    EXPECT_EQ(outlook.Count(simpim::kFolderContacts), 1u) << "a contact was created";
}

// Whole stores replaced: emptied (mail of other folders stays), the records
// added in order into the store's folder, each getting its item's
// identifier in its header and keeping every other byte; a record Outlook
// refuses is left out with its identifier as it was.
TEST_F(WriteTableTest, ReplacedStoresHoldJustTheRecordsItems) {
    const struct {
        std::int32_t store;
        std::vector<std::int32_t> folders;  // where each record's item lands
        std::vector<RecordBytes> records;
    } stores[] = {
        {TARN_STORE_CONTACTS,
         {simpim::kFolderContacts, -1, simpim::kFolderContacts},
         {{{con::kName, "One"}, {kEntryIdAt, "stale"}},
          {{con::kName, "Two"}, {kEntryIdAt, "stale"}, {con::kBirthday, "19750602"}},
          {{con::kName, "Three"}, {kEntryIdAt, "stale"}}}},
        {TARN_STORE_CALENDAR,
         {simpim::kFolderCalendar, simpim::kFolderTasks},
         {{{cal::kKind, Byte(1)}, {cal::kSubject, "Meeting"}, {cal::kEntryId, "old appointment id"}},
          {{cal::kKind, Byte(2)}, {cal::kSubject, "Chore"}, {cal::kEntryId, "old task id"}}}},
        {TARN_STORE_NOTES,
         {simpim::kFolderNotes, simpim::kFolderNotes},
         {{{note::kBody, "first"}}, {{note::kBody, "second"}}}},
        {TARN_STORE_INBOX,
         {simpim::kFolderInbox, simpim::kFolderInbox},
         {{{kEntryIdAt, "old id"}, {msg::kSubject, "first"}, {msg::kBox, "SENTBOX"}},
          {{msg::kStatus, "UNREAD"}, {msg::kSubject, "second"}}}},
    };
    for (const std::int32_t folder : {simpim::kFolderContacts, simpim::kFolderCalendar, simpim::kFolderTasks,
                                      simpim::kFolderNotes, simpim::kFolderInbox}) {
        Add(folder, folder == simpim::kFolderContacts   ? simpim::ContactClass()
                    : folder == simpim::kFolderCalendar ? simpim::AppointmentClass()
                    : folder == simpim::kFolderTasks    ? simpim::TaskClass()
                    : folder == simpim::kFolderNotes    ? simpim::NoteClass()
                                                        : simpim::MeetingRequestClass());
    }
    Add(simpim::kFolderOutbox, simpim::MailClass(), {{"Subject", Variant(u"stays")}});
    outlook.FailEveryCall(0x3a42, simpim::Fault::Exception(u"Refused."), "ContactItem");  // Birthday
    for (const auto& s : stores) {
        SCOPED_TRACE(s.store);
        Records host(s.store, s.records);
        const std::size_t n = s.records.size();
        EXPECT_EQ(lib.SetObjectStoreForOL(&host.list, s.store), TARN_OK);
        EXPECT_EQ(host.list.current, &host.nodes[n - 1]);
        EXPECT_EQ(host.list.index, static_cast<int32_t>(n - 1));
        std::map<std::int32_t, std::size_t> filled;
        for (std::size_t k = 0; k < n; ++k) {
            RecordBytes expected = s.records[k];
            if (s.folders[k] >= 0) {
                const simpim::OutlookItem& item = outlook.Folder(s.folders[k]).At(filled[s.folders[k]]++);
                expected.push_back({kEntryIdAt, EntryIdOf(item)});
            }
            EXPECT_TRUE(RecordBytesAre({host.images[k].data(), host.size}, expected)) << k;
        }
        for (const auto& [folder, count] : filled) EXPECT_EQ(outlook.Count(folder), count) << folder;
    }
    EXPECT_EQ(Properties(outlook.Folder(simpim::kFolderContacts).At(1)).at("LastName"), "Three");
    EXPECT_EQ(Properties(outlook.Folder(simpim::kFolderInbox).At(1)).at("UnRead"), "true");
    EXPECT_EQ(outlook.Count(simpim::kFolderOutbox), 1u);
    HostList<ContactRecord> none(0);
    EXPECT_EQ(lib.SetObjectStoreForOL(&none.list, TARN_STORE_CONTACTS), TARN_OK);
    EXPECT_EQ(outlook.Count(simpim::kFolderContacts), 0u);
}

// Records read, written back unchanged and read again are the same, and the
// items keep every property. A note saved in the same second as its last
// change keeps its times too.
TEST_F(WriteTableTest, RecordsWrittenBackUnchangedReadTheSame) {
    const double now = 36965.0 + 12.0 / 24.0;
    outlook.Store().SetNow(now);
    simpim::FillSampleOutlook(outlook);  // its contacts; its other items do not read back the same
    for (const std::int32_t folder : {simpim::kFolderCalendar, simpim::kFolderTasks, simpim::kFolderNotes}) {
        while (outlook.Count(folder) > 0) outlook.Store().Erase(outlook.Folder(folder).Items().front());
    }
    Add(simpim::kFolderContacts, simpim::ContactClass(),
        {{"LastName", Variant(u"Ng")},
         {"FirstName", Variant(u"Lee")},
         {"MiddleName", Variant(u"K")},
         {"Title", Variant(u"Ms.")},
         {"Suffix", Variant(u"PhD")},
         {"FileAs", Variant(u"Ng, Lee")},
         {"Birthday", Variant(Date{27547.0})},
         {"JobTitle", Variant(u"Pilot")},
         {"CompanyName", Variant(u"Contoso")},
         {"OfficeLocation", Variant(u"Hangar 2")},
         {"BusinessAddressPostOfficeBox", Variant(u"PO 9")},
         {"BusinessAddressStreet", Variant(u"1 Airport Rd")},
         {"BusinessAddressCountry", Variant(u"Canada")},
         {"HomeAddressStreet", Variant(u"5 Elm St")},
         {"HomeAddressPostalCode", Variant(u"K1A 0B1")},
         {"PersonalHomePage", Variant(u"http://lee.example/")},
         {"BusinessHomePage", Variant(u"http://c.example/")},
         {"Email1Address", Variant(u"lee@contoso.example")},
         {"Email2Address", Variant(u"lee@home.example")},
         {"Email3Address", Variant(u"k@example.org")},
         {"HomeTelephoneNumber", Variant(u"1")},
         {"BusinessTelephoneNumber", Variant(u"2")},
         {"HomeFaxNumber", Variant(u"3")},
         {"BusinessFaxNumber", Variant(u"4")},
         {"MobileTelephoneNumber", Variant(u"5")},
         {"PagerNumber", Variant(u"6")},
         {"CarTelephoneNumber", Variant(u"7")},
         {"ISDNNumber", Variant(u"8")}});
    Add(simpim::kFolderCalendar, simpim::AppointmentClass(),
        {{"Subject", Variant(u"Project review")},
         {"Location", Variant(u"Room 2, east wing")},
         {"Start", Variant(Date{36910.375})},
         {"End", Variant(Date{36910.4375})},
         {"Body", Variant(u"Agenda: status, next steps")},
         {"Importance", Variant(2)}});
    Add(simpim::kFolderTasks, simpim::TaskClass(),
        {{"Subject", Variant(u"File expense report")},
         {"StartDate", Variant(Date{36903.0})},
         {"DueDate", Variant(Date{36908.5})},
         {"Importance", Variant(0)},
         {"Body", Variant(u"Receipts")}});
    Add(simpim::kFolderTasks, simpim::TaskClass(),
        {{"Subject", Variant(u"Renew passport")},
         {"DueDate", Variant(Date{36920.0})},
         {"DateCompleted", Variant(Date{36905.0})},
         {"Complete", Variant(true)}});
    Add(simpim::kFolderNotes, simpim::NoteClass(), {{"Body", Variant(u"Door code 4711\nkey at = the desk")}})
        .Set("CreationTime", Variant(Date{36951.5}));
    // The contacts' values as Outlook shows them: a text put empty reads as one never set.
    const auto shown = [](const simpim::OutlookItem& item) {
        Values values = Properties(item);
        std::erase_if(values, [](const auto& value) { return value.second.empty(); });
        return values;
    };
    std::vector<Values> contacts;
    for (const auto& item : outlook.Folder(simpim::kFolderContacts).Items()) contacts.push_back(shown(*item));

    for (const std::int32_t store : {TARN_STORE_CONTACTS, TARN_STORE_CALENDAR, TARN_STORE_NOTES}) {
        SCOPED_TRACE(store);
        const std::vector<RecordBytes> none(static_cast<std::size_t>(CountOf(store)));
        Records first(store, none), second(store, none);
        ASSERT_EQ(lib.GetObjectStoreForOL(&first.list, store), TARN_OK);
        for (std::string& record : first.images) {
            const char* id = record.data() + (store == TARN_STORE_CALENDAR ? cal::kEntryId : kEntryIdAt);
            ASSERT_EQ(lib.SetSingleObjectForOL(id, record.data(), store), TARN_OK);
        }
        ASSERT_EQ(lib.GetObjectStoreForOL(&second.list, store), TARN_OK);
        EXPECT_TRUE(first.images == second.images);
    }
    for (std::size_t k = 0; k < contacts.size(); ++k)
        EXPECT_EQ(shown(outlook.Folder(simpim::kFolderContacts).At(k)), contacts[k]) << k;
}

// In both kinds of store. In a server mailbox the move gives the item a new
// EntryID and the object it was created as fails from then on, so an
// identifier taken from that object, or read from it, fails the add.
class MailAddTest : public HostTest, public ::testing::WithParamInterface<simpim::StoreKind> {
protected:
    MailAddTest() : HostTest(GetParam()) {}
};

TEST_P(MailAddTest, NewMailEndsInItsStoresFolderAndItsIdentifierFindsIt) {
    Open();
    const std::tuple<std::int32_t, std::int32_t, const char*> stores[] = {
        {TARN_STORE_INBOX, simpim::kFolderInbox, "INBOX"},
        {TARN_STORE_OUTBOX, simpim::kFolderOutbox, "OUTBOX"},
        {TARN_STORE_SENT, simpim::kFolderSentMail, "SENTBOX"}};
    for (const auto& [store, folder, box] : stores) {
        SCOPED_TRACE(box);
        const MessageRecord record = RecordWith<MessageRecord>({{msg::kSubject, box}, {msg::kTo, "User"}});
        char id[TARN_ENTRY_ID_SIZE];
        std::memset(id, 'K', sizeof id);
        ASSERT_EQ(lib.AddForOL(id, &record, store), TARN_OK);
        ASSERT_EQ(outlook.Count(folder), 1u);
        EXPECT_EQ(std::string(id), EntryIdOf(outlook.Folder(folder).At(0)));
        EXPECT_EQ(outlook.Count(simpim::kFolderDrafts), 0u);
        MessageRecord read = Zeroed<MessageRecord>();
        EXPECT_EQ(lib.GetSingleObjectForOL(&read, id, store), TARN_OK);
        EXPECT_TRUE(HasBytes(read, MessageHeader(TARN_RECORD_MESSAGE, id, false, box) +
                                       RecordBytes{{msg::kTo, "User"}, {msg::kSubject, box}}));
    }
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
