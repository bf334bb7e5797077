// Composite address texts and the contact's mailing address.
#include "outlook_fixture.h"
#include "simpim/address_text.h"

namespace simpim::testing {
namespace {

constexpr Dispid kHomeAddress = 0x801a;
constexpr Dispid kBusinessAddress = 0x801b;
constexpr Dispid kOtherAddress = 0x801c;
constexpr Dispid kMailingAddress = 0x3a15;
constexpr Dispid kSelectedMailingAddress = 0x8022;

TEST(AddressTextTest, ComposesLinesLeavingOutEmptyParts) {
    const struct {
        AddressParts parts;
        std::u16string text;
        bool parsesBack;  // a lone city or state reads back as a city
    } cases[] = {
        {{u"1 Main St", u"Springfield", u"IL", u"62701", u"USA", u""},
         u"1 Main St\r\nSpringfield, IL  62701\r\nUSA",
         true},
        {{u"1 Main St", u"Springfield", u"", u"62701", u"", u""}, u"1 Main St\r\nSpringfield  62701", true},
        {{u"", u"", u"IL", u"", u"", u""}, u"IL", false},
        {{u"Line 1\r\nLine 2", u"Paris", u"", u"75001", u"France", u"PO Box 7"},
         u"Line 1\r\nLine 2\r\nPO Box 7\r\nParis  75001\r\nFrance",
         true},
        {{}, u"", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ComposeAddress(c.parts), c.text);
        if (c.parsesBack) {
            EXPECT_TRUE(ParseAddress(c.text) == c.parts) << "parsing back " << c.text.size();
        }
    }
}

TEST_F(OutlookTest, MailingAddressIsTheSelectedAddress) {
    DispatchRef contact = ObjectOf(Method(application, 0x10A, {Variant(2)}));
    EXPECT_EQ(Get(contact, kSelectedMailingAddress).Int(), 0);

    // The first address given becomes the mailing address.
    Put(contact, 0x8046, Variant(u"Chicago"));  // BusinessAddressCity
    EXPECT_EQ(Get(contact, kSelectedMailingAddress).Int(), 2);
    Put(contact, 0x3a59, Variant(u"Evanston"));  // HomeAddressCity
    EXPECT_EQ(Get(contact, kMailingAddress).Text(), u"Chicago");

    // The MailingAddress parts write the selected address.
    ASSERT_TRUE(Put(contact, 0x3a29, Variant(u"233 S Wacker Dr")).Ok());  // MailingAddressStreet
    EXPECT_EQ(Get(contact, 0x8045).Text(), u"233 S Wacker Dr");
    EXPECT_EQ(Get(contact, kMailingAddress).Text(), Get(contact, kBusinessAddress).Text());

    ASSERT_TRUE(Put(contact, kSelectedMailingAddress, Variant(1)).Ok());
    EXPECT_EQ(Get(contact, kMailingAddress).Text(), u"Evanston");
    EXPECT_EQ(Get(contact, 0x3a27).Text(), u"Evanston");  // MailingAddressCity
    Put(contact, 0x3a26, Variant(u"USA"));                // MailingAddressCountry
    EXPECT_EQ(Get(contact, kHomeAddress).Text(), u"Evanston\r\nUSA");
    EXPECT_EQ(Get(contact, 0x8049).Text(), u"");  // the business address is untouched

    ASSERT_TRUE(Put(contact, kSelectedMailingAddress, Variant(3)).Ok());
    Put(contact, 0x3a28, Variant(u"WI"));  // MailingAddressState
    EXPECT_EQ(Get(contact, kOtherAddress).Text(), u"WI");
    EXPECT_EQ(Get(contact, kMailingAddress).Text(), u"WI");
}

// Catches a distribution list answering a contact's members (the library
// would take it for a contact) or lacking its own.
TEST_F(OutlookTest, DistributionListHasItsOwnMembersAndNoContactOnes) {
    DispatchRef list = ObjectOf(Method(application, 0x10A, {Variant(7)}));
    EXPECT_EQ(Get(list, 0xF00A).Int(), 69);
    EXPECT_EQ(Get(list, 0x1A).Text(), u"IPM.DistList");
    EXPECT_EQ(Get(list, 0x804B).Int(), 0);  // MemberCount
    EXPECT_EQ(Put(list, 0x804B, Variant(3)).hr, ta::kDispMemberNotFound);
    ASSERT_TRUE(Put(list, 0x8053, Variant(u"Team")).Ok());  // DLName
    for (Dispid contactMember : {Dispid{0x3a06}, Dispid{0x3a11}, Dispid{0x8083}, Dispid{0x3a15}})
        EXPECT_EQ(Get(list, contactMember).hr, ta::kDispMemberNotFound) << contactMember;
    ASSERT_TRUE(Method(list, 0xF048).Ok());
    EXPECT_EQ(server.Count(10), 1u);
}

}  // namespace
}  // namespace simpim::testing
