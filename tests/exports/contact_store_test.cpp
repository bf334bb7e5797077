// Whole contacts through the object exports: read, written back, read again;
// the whole store replaced; new contacts created.
#include <sstream>

#include "exports/contact_fixture.h"
#include "simpim/sample_pim.h"

namespace tarnex_test {
namespace {

using simpim::Variant;
using tarnex::automation::Date;

// Every ContactItem property the converters read or write.
const char* const kContactProperties =
    "LastName FirstName MiddleName Title Suffix FileAs Birthday JobTitle CompanyName Department "
    "OfficeLocation "
    "PersonalHomePage BusinessHomePage Email1Address Email2Address Email3Address HomeTelephoneNumber "
    "BusinessTelephoneNumber HomeFaxNumber BusinessFaxNumber MobileTelephoneNumber PagerNumber "
    "CarTelephoneNumber ISDNNumber SelectedMailingAddress HomeAddress BusinessAddress OtherAddress "
    "MailingAddress MailingAddressStreet MailingAddressPostOfficeBox";

class ContactStoreTest : public ContactTest {
protected:
    std::vector<std::string> Properties(const simpim::OutlookItem& item) const {
        std::vector<std::string> values;
        std::istringstream names(kContactProperties);
        for (std::string p; names >> p;) values.push_back(p + "=" + Shown(item, p));
        return values;
    }
    HostList<ContactRecord> ReadStore() {
        HostList<ContactRecord> host(static_cast<std::size_t>(CountOf(TARN_STORE_CONTACTS)));
        EXPECT_EQ(lib.GetObjectStoreForOL(&host.list, TARN_STORE_CONTACTS), TARN_OK);
        return host;
    }
};

TEST_F(ContactStoreTest, ContactWrittenBackUnchangedReadsTheSame) {
    simpim::FillSampleOutlook(outlook);
    AddContact({{"LastName", Variant(u"Ng")},
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
                {"BusinessHomePage", Variant(u"http://contoso.example/")},
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
    std::vector<std::vector<std::string>> before;
    for (const auto& item : outlook.Folder(simpim::kFolderContacts).Items())
        before.push_back(Properties(*item));

    const HostList<ContactRecord> first = ReadStore();
    for (const ContactRecord& record : first.records) {
        ExpectOnlyReaderBytes(record);
        EXPECT_EQ(lib.SetSingleObjectForOL(record.header.entryId, &record, TARN_STORE_CONTACTS), TARN_OK);
    }
    const HostList<ContactRecord> second = ReadStore();

    ASSERT_EQ(first.records.size(), 4u);
    for (std::size_t k = 0; k < first.records.size(); ++k) {
        SCOPED_TRACE(first.records[k].name);
        EXPECT_EQ(std::memcmp(&first.records[k], &second.records[k], sizeof(ContactRecord)), 0);
        EXPECT_EQ(Properties(outlook.Folder(simpim::kFolderContacts).At(k)), before[k]);
    }
}

TEST_F(ContactStoreTest, ReplacingTheStoreAddsEveryRecordItCan) {
    AddContact({{"LastName", Variant(u"Gone")}});
    AddContact({{"LastName", Variant(u"Gone too")}});
    HostList<ContactRecord> host(3);
    const char* names[] = {"One;;;;", "Two;;;;", "Three;;;;"};
    for (std::size_t k = 0; k < 3; ++k) {
        Fill(host.records[k].name, names[k]);
        Fill(host.records[k].header.entryId, "stale");
    }
    Fill(host.records[1].birthday, "19750602");
    // Outlook refuses the second record's birthday.
    outlook.FailEveryCall(0x3a42, simpim::Fault::Exception(u"Refused."), "ContactItem");

    EXPECT_EQ(lib.SetObjectStoreForOL(&host.list, TARN_STORE_CONTACTS), TARN_OK);
    outlook.ClearFaults();

    const simpim::OutlookFolder& contacts = outlook.Folder(simpim::kFolderContacts);
    ASSERT_EQ(contacts.Count(), 2u);
    EXPECT_EQ(Shown(contacts.At(0), "LastName"), "One");
    EXPECT_EQ(Shown(contacts.At(1), "LastName"), "Three");
    EXPECT_EQ(host.records[0].header.entryId, EntryIdOf(contacts.At(0)));
    EXPECT_STREQ(host.records[1].header.entryId, "stale");
    EXPECT_EQ(host.records[2].header.entryId, EntryIdOf(contacts.At(1)));
    EXPECT_EQ(host.list.current, &host.nodes[2]);
    EXPECT_EQ(host.list.index, 2);

    HostList<ContactRecord> none(0);
    EXPECT_EQ(lib.SetObjectStoreForOL(&none.list, TARN_STORE_CONTACTS), TARN_OK);
    EXPECT_EQ(contacts.Count(), 0u);
}

TEST_F(ContactStoreTest, NewContactsLandInTheContactsFolder) {
    // A read of a note's identifier is refused and leaves Notes as the
    // current folder; the new contact still goes where Outlook keeps them.
    const simpim::OutlookItem& note = outlook.AddItem(simpim::kFolderNotes, simpim::NoteClass());
    ContactRecord record = Zeroed<ContactRecord>();
    ASSERT_EQ(lib.GetSingleObjectForOL(&record, EntryIdOf(note).c_str(), TARN_STORE_CONTACTS),
              TARN_NOT_IN_STORE);

    Fill(record.name, "Added;;;;");
    char id[TARN_ENTRY_ID_SIZE] = {};
    ASSERT_EQ(lib.AddForOL(id, &record, TARN_STORE_CONTACTS), TARN_OK);
    const simpim::OutlookItem* item = outlook.FindItem(std::u16string(id, id + std::strlen(id)));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->Folder(), &outlook.Folder(simpim::kFolderContacts));
    EXPECT_EQ(item->Class().code, simpim::kClassContact);
    EXPECT_EQ(Shown(*item, "LastName"), "Added");
}

}  // namespace
}  // namespace tarnex_test
