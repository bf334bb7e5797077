// Writing contacts: which properties each field and slot sets, values going
// to Outlook as the record holds them, and failures partway through.
#include <map>

#include "exports/contact_fixture.h"

namespace tarnex_test {
namespace {

using simpim::Variant;
using tarnex::automation::Date;

struct Slot {
    int index;
    const char* parameters;
    const char* value;
};
using Expected = std::map<std::string, std::string>;

class ContactWriteTest : public ContactTest {
protected:
    // Writes the record over an existing contact whose given properties hold
    // "old"; returns the saved values of those properties afterwards.
    Expected WriteOver(const std::vector<std::string>& properties, const ContactRecord& record) {
        simpim::OutlookItem& item = AddContact({});
        for (const std::string& p : properties) item.Set(p, Variant(u"old"));
        EXPECT_EQ(lib.SetSingleObjectForOL(EntryIdOf(item).c_str(), &record, TARN_STORE_CONTACTS), TARN_OK);
        Expected saved;
        for (const std::string& p : properties) saved[p] = Shown(item, p);
        return saved;
    }
};

const std::vector<std::string> kPhones = {"HomeTelephoneNumber",   "BusinessTelephoneNumber",
                                          "HomeFaxNumber",         "BusinessFaxNumber",
                                          "MobileTelephoneNumber", "PagerNumber",
                                          "CarTelephoneNumber",    "ISDNNumber"};

TEST_F(ContactWriteTest, PhoneSlotsSetNumbersByTheirParameterWords) {
    const struct {
        std::vector<Slot> slots;
        Expected changed;  // every other number keeps "old"
    } cases[] = {
        {{{0, "VOICE", "1"}, {1, "PREF", "2"}, {2, "", "3"}}, {}},
        {{{0, "FAX", "1"}}, {{"BusinessFaxNumber", "1"}}},
        {{{0, "CELL;VOICE", "1"}}, {{"MobileTelephoneNumber", "1"}}},
        {{{0, "home;cell", "1"}}, {{"HomeTelephoneNumber", "1"}, {"MobileTelephoneNumber", "1"}}},
        {{{0, "HOME;FAX", "1"}}, {{"HomeFaxNumber", "1"}}},
        // Every slot counts, and a later one overwrites an earlier one.
        {{{0, "CELL", "1"}, {3, "PAGER", "1"}, {7, "CAR", "2"}, {9, "CELL", "2"}, {11, "ISDN", ""}},
         {{"MobileTelephoneNumber", "2"},
          {"PagerNumber", "1"},
          {"CarTelephoneNumber", "2"},
          {"ISDNNumber", ""}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.slots.front().parameters);
        ContactRecord record = Zeroed<ContactRecord>();
        for (const Slot& s : c.slots) {
            Fill(record.phones[s.index].parameters, s.parameters);
            Fill(record.phones[s.index].value, s.value);
        }
        Expected expected;
        for (const std::string& p : kPhones) expected[p] = c.changed.count(p) ? c.changed.at(p) : "old";
        EXPECT_EQ(WriteOver(kPhones, record), expected);
    }
}

TEST_F(ContactWriteTest, EmailSlotsPutThePreferredAddressFirst) {
    const struct {
        std::vector<Slot> slots;
        std::string first, second, third;
    } cases[] = {
        {{{0, "INTERNET", "a"}, {1, "INTERNET;PREF", "b"}, {2, "INTERNET", "c"}}, "b", "a", "c"},
        {{{0, "INTERNET", "x"}}, "x", "", ""},
        {{{0, "INTERNET;PREF", "a"}, {1, "INTERNET", "b"}, {2, "INTERNET;PREF", "c"}}, "c", "b", ""},
        {{{0, "X400", "a"}, {4, "internet", "b"}, {11, "Internet;Pref", "z"}}, "z", "b", ""},
        {{}, "", "", ""},
    };
    const std::vector<std::string> emails = {"Email1Address", "Email2Address", "Email3Address"};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first + c.second + c.third);
        ContactRecord record = Zeroed<ContactRecord>();
        for (const Slot& s : c.slots) {
            Fill(record.emails[s.index].parameters, s.parameters);
            Fill(record.emails[s.index].value, s.value);
        }
        const Expected expected = {
            {"Email1Address", c.first}, {"Email2Address", c.second}, {"Email3Address", c.third}};
        EXPECT_EQ(WriteOver(emails, record), expected);
    }
}

TEST_F(ContactWriteTest, AddressSlotsSetTheAddressesTheirParametersName) {
    const char* adr = "PO 1;Bldg 4;1 Main St;Springfield;IL;62701;USA";
    const Expected home = {{"HomeAddressPostOfficeBox", "PO 1"}, {"HomeAddressStreet", "1 Main St"},
                           {"HomeAddressCity", "Springfield"},   {"HomeAddressState", "IL"},
                           {"HomeAddressPostalCode", "62701"},   {"HomeAddressCountry", "USA"}};
    const Expected business = {
        {"BusinessAddressPostOfficeBox", "PO 1"}, {"OfficeLocation", "Bldg 4"},
        {"BusinessAddressStreet", "1 Main St"},   {"BusinessAddressCity", "Springfield"},
        {"BusinessAddressState", "IL"},           {"BusinessAddressPostalCode", "62701"},
        {"BusinessAddressCountry", "USA"}};
    const Expected mailing = {{"MailingAddressPostOfficeBox", "PO 1"}, {"MailingAddressStreet", "1 Main St"},
                              {"MailingAddressCity", "Springfield"},   {"MailingAddressState", "IL"},
                              {"MailingAddressPostalCode", "62701"},   {"MailingAddressCountry", "USA"}};
    const auto join = [](std::initializer_list<Expected> parts) {
        Expected all;
        for (const Expected& part : parts) all.insert(part.begin(), part.end());
        return all;
    };
    const struct {
        const char* what;
        std::vector<Slot> slots;
        Expected set;  // every other address property stays empty
    } cases[] = {
        // A new contact's first address becomes its mailing address.
        {"home drops the extended address", {{0, "HOME", adr}}, join({home, mailing})},
        {"work;postal in any case", {{1, "work;postal", adr}}, join({business, mailing})},
        {"postal alone is the mailing address, not the other", {{2, "POSTAL", adr}}, mailing},
        {"a later slot wins", {{0, "HOME", "x;;x;x;x;x;x"}, {5, "HOME", adr}}, join({home, mailing})},
        {"no address word", {{0, "DOM;INTL", adr}}, {}},
    };
    const std::vector<std::string> properties = [&] {
        std::vector<std::string> all{"OtherAddressStreet", "OtherAddressCity"};
        for (const auto& [name, value] : join({home, business, mailing})) all.push_back(name);
        return all;
    }();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ContactRecord record = Zeroed<ContactRecord>();
        for (const Slot& s : c.slots) {
            Fill(record.addresses[s.index].parameters, s.parameters);
            Fill(record.addresses[s.index].value, s.value);
        }
        char id[TARN_ENTRY_ID_SIZE] = {};
        ASSERT_EQ(lib.AddForOL(id, &record, TARN_STORE_CONTACTS), TARN_OK);
        const simpim::OutlookItem* item = outlook.FindItem(std::u16string(id, id + std::strlen(id)));
        ASSERT_NE(item, nullptr);
        for (const std::string& p : properties) {
            EXPECT_EQ(Shown(*item, p), c.set.count(p) ? c.set.at(p) : "") << p;
        }
    }
}

TEST_F(ContactWriteTest, SingleFieldsGoToOutlookAsTheRecordHoldsThem) {
    using Prepare = void (*)(ContactRecord&);
    const std::vector<std::string> properties = {
        "LastName",   "FirstName", "MiddleName",       "Title",           "Suffix", "FileAs", "CompanyName",
        "Department", "JobTitle",  "PersonalHomePage", "BusinessHomePage"};
    const struct {
        const char* what;
        Prepare prepare;
        Expected changed;  // the rest must be empty, home pages keep "old"
    } cases[] = {
        {"empty record", [](ContactRecord&) {}, {}},
        {"two name parts, department alone",
         [](ContactRecord& r) {
             Fill(r.name, "Doe;John");
             Fill(r.organization, ";Research");
         },
         {{"LastName", "Doe"}, {"FirstName", "John"}, {"Department", "Research"}}},
        {"escapes stay",
         [](ContactRecord& r) { Fill(r.name, "O\\;Brien;Pat\\\\;;;Jr.;extra"); },
         {{"LastName", "O\\;Brien"}, {"FirstName", "Pat\\\\"}, {"Suffix", "Jr."}}},
        {"home pages and title",
         [](ContactRecord& r) {
             Fill(r.personalHomePage, "http://a/");
             Fill(r.businessHomePage, "http://b/");
             Fill(r.jobTitle, "Chemist");
         },
         {{"PersonalHomePage", "http://a/"}, {"BusinessHomePage", "http://b/"}, {"JobTitle", "Chemist"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ContactRecord record = Zeroed<ContactRecord>();
        c.prepare(record);
        Expected expected;
        for (const std::string& p : properties) {
            const bool page = p.ends_with("HomePage");
            expected[p] = c.changed.count(p) ? c.changed.at(p) : page ? "old" : "";
        }
        EXPECT_EQ(WriteOver(properties, record), expected);
    }
}

TEST_F(ContactWriteTest, BirthdayIsSetOnlyFromAFilledField) {
    const struct {
        const char* text;
        double expected;
    } cases[] = {{"", 30000.0}, {"19750602", 27547.0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        simpim::OutlookItem& item = AddContact({{"Birthday", Variant(Date{30000.0})}});
        ContactRecord record = Zeroed<ContactRecord>();
        Fill(record.birthday, c.text);
        ASSERT_EQ(lib.SetSingleObjectForOL(EntryIdOf(item).c_str(), &record, TARN_STORE_CONTACTS), TARN_OK);
        EXPECT_EQ(item.Get("Birthday").ToDate().days, c.expected);
    }
}

// Outlook hands an opened item's object out again to every lookup while it
// is held, with its unsaved changes: a failed write must let go of it, or the
// next read would show the half-written values and the next save store them.
TEST_F(ContactWriteTest, FailedWriteLeavesTheItemUnsavedAndLetsGoOfIt) {
    ContactRecord refused = Zeroed<ContactRecord>();
    Fill(refused.name, "Half;Written");
    Fill(refused.jobTitle, "Refused");
    simpim::OutlookItem& item = AddContact({{"LastName", Variant(u"Old")}});
    outlook.FailEveryCall(0x3a17, simpim::Fault::Exception(), "ContactItem");  // JobTitle
    outlook.ClearCallLog();

    EXPECT_EQ(lib.SetSingleObjectForOL(EntryIdOf(item).c_str(), &refused, TARN_STORE_CONTACTS),
              TARN_DISPATCH_EXCEPTION);
    EXPECT_EQ(outlook.CallsTo("ContactItem", 0x3a11), 1) << "the name was written before the failure";
    EXPECT_EQ(Shown(item, "LastName"), "Old");

    outlook.ClearFaults();

    EXPECT_EQ(std::string(Read(item).name), "Old;;;;") << "the read showed unsaved values";
    ContactRecord good = Zeroed<ContactRecord>();
    Fill(good.name, "Good;;;;");
    EXPECT_EQ(lib.SetSingleObjectForOL(EntryIdOf(item).c_str(), &good, TARN_STORE_CONTACTS), TARN_OK);
    EXPECT_EQ(Shown(item, "LastName"), "Good");

    // A failed add creates nothing and leaves the buffer alone.
    outlook.FailEveryCall(0x3a17, simpim::Fault::Exception(), "ContactItem");
    outlook.ClearCallLog();
    char id[TARN_ENTRY_ID_SIZE] = "untouched";
    EXPECT_EQ(lib.AddForOL(id, &refused, TARN_STORE_CONTACTS), TARN_DISPATCH_EXCEPTION);
    EXPECT_STREQ(id, "untouched");
    EXPECT_EQ(outlook.CallsTo("ContactItem", simpim::kDispidSave), 0);
    EXPECT_EQ(outlook.Count(simpim::kFolderContacts), 1u) << "no contact was created";
}

}  // namespace
}  // namespace tarnex_test
