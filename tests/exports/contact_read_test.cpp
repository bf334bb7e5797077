// Reading contacts: what each field and parameter area of a record receives.
#include <functional>

#include "exports/contact_fixture.h"

namespace tarnex_test {
namespace {

using simpim::Variant;
using tarnex::automation::Date;

constexpr const char* kPhoneParameters[8] = {"HOME;VOICE", "WORK;VOICE", "HOME;FAX", "WORK;FAX",
                                             "CELL",       "PAGER",      "CAR",      "ISDN"};

const ContactRecord kZero = Zeroed<ContactRecord>();

std::string Repeat(char c, std::size_t n) { return std::string(n, c); }

TEST_F(ContactTest, AddressSlotsFollowWhichAddressIsTheMailingAddress) {
    const PropertyValues home = {
        {"HomeAddressPostOfficeBox", Variant(u"PO 1")}, {"HomeAddressStreet", Variant(u"1 Main St")},
        {"HomeAddressCity", Variant(u"Springfield")},   {"HomeAddressState", Variant(u"IL")},
        {"HomeAddressPostalCode", Variant(u"62701")},   {"HomeAddressCountry", Variant(u"USA")}};
    const PropertyValues business = {{"OfficeLocation", Variant(u"Bldg 4")},
                                     {"BusinessAddressStreet", Variant(u"400 Harbor Blvd")},
                                     {"BusinessAddressCity", Variant(u"Seattle")}};
    const PropertyValues other = {{"OtherAddressStreet", Variant(u"9 Elm Rd")},
                                  {"OtherAddressCity", Variant(u"Portland")}};
    const std::string homeAdr = "PO 1;;1 Main St;Springfield;IL;62701;USA";
    const std::string businessAdr = ";Bldg 4;400 Harbor Blvd;Seattle;;;";
    const std::string otherAdr = ";;9 Elm Rd;Portland;;;";
    const struct {
        const char* what;
        std::vector<PropertyValues> groups;
        int32_t mailing;  // SelectedMailingAddress: 1 home, 2 business, 3 other
        std::string slots[3][2];
    } cases[] = {
        {"no address", {}, 0, {{"", ""}, {"", ""}, {"", ""}}},
        {"home is mailing", {home}, 1, {{homeAdr, "HOME;POSTAL"}, {"", ""}, {"", ""}}},
        {"business is mailing",
         {home, business},
         2,
         {{homeAdr, "HOME"}, {businessAdr, "WORK;POSTAL"}, {"", ""}}},
        {"other is mailing", {home, other}, 3, {{homeAdr, "HOME"}, {"", ""}, {otherAdr, "POSTAL"}}},
        {"other is not mailing", {other, business}, 2, {{"", ""}, {businessAdr, "WORK;POSTAL"}, {"", ""}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        simpim::OutlookItem& item = AddContact({});
        for (const auto& group : c.groups)
            for (const auto& [name, value] : group) item.Set(name, value);
        item.Set("SelectedMailingAddress", Variant(c.mailing));
        outlook.ClearCallLog();

        const ContactRecord record = Read(item);
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(record.addresses[k].value, c.slots[k][0]) << "slot " << k;
            EXPECT_EQ(record.addresses[k].parameters, c.slots[k][1]) << "slot " << k;
        }
        ExpectOnlyReaderBytes(record);
        if (c.mailing != 3) {
            EXPECT_EQ(outlook.CallsTo("ContactItem", 0x3a63), 0) << "other street read";
        }
    }
}

TEST_F(ContactTest, PhoneAndEmailSlotsCarryTheirParametersAlsoWhenEmpty) {
    const ContactRecord bare = Read(AddContact({}));
    const ContactRecord full = Read(AddContact({{"HomeTelephoneNumber", Variant(u"1")},
                                                {"BusinessTelephoneNumber", Variant(u"2")},
                                                {"HomeFaxNumber", Variant(u"3")},
                                                {"BusinessFaxNumber", Variant(u"4")},
                                                {"MobileTelephoneNumber", Variant(u"5")},
                                                {"PagerNumber", Variant(u"6")},
                                                {"CarTelephoneNumber", Variant(u"7")},
                                                {"ISDNNumber", Variant(u"8")},
                                                {"Email1Address", Variant(u"a@x")},
                                                {"Email2Address", Variant(u"b@x")},
                                                {"Email3Address", Variant(u"c@x")}}));
    const char* emailParameters[3] = {"INTERNET;PREF", "INTERNET", "INTERNET"};
    const char* emails[3] = {"a@x", "b@x", "c@x"};
    for (int k = 0; k < 8; ++k) {
        EXPECT_STREQ(bare.phones[k].value, "") << k;
        EXPECT_STREQ(bare.phones[k].parameters, kPhoneParameters[k]) << k;
        EXPECT_EQ(full.phones[k].value, std::to_string(k + 1)) << k;
        EXPECT_STREQ(full.phones[k].parameters, kPhoneParameters[k]) << k;
    }
    for (int k = 0; k < 3; ++k) {
        EXPECT_STREQ(bare.emails[k].value, "") << k;
        EXPECT_STREQ(bare.emails[k].parameters, emailParameters[k]) << k;
        EXPECT_STREQ(full.emails[k].value, emails[k]) << k;
        EXPECT_STREQ(full.emails[k].parameters, emailParameters[k]) << k;
    }
    ExpectOnlyReaderBytes(bare);
    ExpectOnlyReaderBytes(full);
}

TEST_F(ContactTest, FieldValuesAreEncodedAndCutToTheirFields) {
    using Field = std::function<std::string(const ContactRecord&)>;
    const Field name = [](const ContactRecord& r) { return std::string(r.name); };
    const Field organization = [](const ContactRecord& r) { return std::string(r.organization); };
    const Field birthday = [](const ContactRecord& r) { return std::string(r.birthday); };
    const struct {
        const char* what;
        PropertyValues values;
        Field field;
        std::string expected;
    } cases[] = {
        {"all name parts empty", {}, name, ";;;;"},
        {"name parts escaped",
         {{"LastName", Variant(u"O;Brien")}, {"FirstName", Variant(u"Pat\\Q")}, {"Suffix", Variant(u"Jr.")}},
         name,
         "O\\;Brien;Pat\\\\Q;;;Jr."},
        {"company alone", {{"CompanyName", Variant(u"Northwind")}}, organization, "Northwind"},
        {"department alone", {{"Department", Variant(u"Research")}}, organization, ";Research"},
        {"no birthday", {{"Birthday", Variant(Date{949998.0})}}, birthday, ""},
        {"birthday", {{"Birthday", Variant(Date{27547.75})}}, birthday, "19750602"},
        {"long e-mail",
         {{"Email1Address", Variant(std::u16string(40, u'e'))}},
         [](const ContactRecord& r) { return std::string(r.emails[0].value); },
         Repeat('e', 29)},
        {"long number",
         {{"PagerNumber", Variant(std::u16string(60, u'5'))}},
         [](const ContactRecord& r) { return std::string(r.phones[5].value); },
         Repeat('5', 49)},
        {"long last name", {{"LastName", Variant(std::u16string(120, u'n'))}}, name, Repeat('n', 98) + ";"},
        {"street with a line break",
         {{"HomeAddressStreet", Variant(u"Line 1\r\nLine 2")}},
         [](const ContactRecord& r) {
             return std::string(r.addresses[0].value) + "|" + r.addresses[0].parameters;
         },
         ";;Line 1=0D=0A=\nLine 2;;;;|HOME;POSTAL"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const ContactRecord record = Read(AddContact(c.values));
        EXPECT_EQ(c.field(record), c.expected);
        ExpectOnlyReaderBytes(record);
    }
}

TEST_F(ContactTest, ItemsOutsideTheContactsFolderAreNotRead) {
    const struct {
        const simpim::ItemClass& itemClass;
        int32_t folder;
    } cases[] = {
        {simpim::NoteClass(), simpim::kFolderNotes},
        {simpim::ContactClass(), simpim::kFolderDeletedItems},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.folder);
        const simpim::OutlookItem& item = outlook.AddItem(c.folder, c.itemClass);
        ContactRecord record;
        std::memset(&record, 0x5a, sizeof record);
        EXPECT_EQ(lib.GetSingleObjectForOL(&record, EntryIdOf(item).c_str(), TARN_STORE_CONTACTS),
                  TARN_NOT_IN_STORE);
        EXPECT_EQ(std::memcmp(&record, &kZero, sizeof record), 0) << "the record is cleared and stays zero";
    }
}

TEST_F(ContactTest, ReadFailureEndsTheCallKeepingWhatWasFilled) {
    AddContact({{"LastName", Variant(u"Berg")}, {"JobTitle", Variant(u"Chemist")}});
    AddContact({{"LastName", Variant(u"Tanaka")}});
    HostList<ContactRecord> host(2);
    outlook.FailEveryCall(0x3a17, simpim::Fault::Exception(), "ContactItem");  // JobTitle
    EXPECT_EQ(lib.GetObjectStoreForOL(&host.list, TARN_STORE_CONTACTS), TARN_DISPATCH_EXCEPTION);

    const ContactRecord& first = host.records[0];
    EXPECT_EQ(first.header.type, uint32_t{TARN_RECORD_CONTACT});
    EXPECT_STREQ(first.name, "Berg;;;;");
    EXPECT_STREQ(first.jobTitle, "");
    EXPECT_STREQ(first.phones[0].parameters, "") << "steps after the failure did not run";
    EXPECT_EQ(std::memcmp(&host.records[1], &kZero, sizeof(ContactRecord)), 0);
}

}  // namespace
}  // namespace tarnex_test
