// ContactItem properties: types, defaults, composite addresses and the
// mailing address.
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
        {{u"1 Main St", u"Springfield", u"IL", u"62701", u"USA", u""}, u"1 Main St\r\nSpringfield, IL  62701\r\nUSA",
         true},
        {{u"1 Main St", u"Springfield", u"", u"62701", u"", u""}, u"1 Main St\r\nSpringfield  62701", true},
        {{u"", u"", u"IL", u"", u"", u""}, u"IL", false},
        {{u"Line 1\r\nLine 2", u"Paris", u"", u"75001", u"France", u"PO Box 7"},
         u"Line 1\r\nLine 2\r\nPO Box 7\r\nParis  75001\r\nFrance", true},
        {{}, u"", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ComposeAddress(c.parts), c.text);
        if (c.parsesBack) {
            EXPECT_TRUE(ParseAddress(c.text) == c.parts) << "parsing back " << c.text.size();
        }
    }
}

TEST_F(OutlookTest, ContactPropertiesHaveTheirTypesAndDefaults) {
    DispatchRef contact = ObjectOf(Method(application, 0x10A, {Variant(2)}));
    EXPECT_EQ(Get(contact, 0x3a42).Date(), 949998.0);  // Birthday: no date
    EXPECT_EQ(Get(contact, 0x3a11).Text(), u"");  // LastName
    EXPECT_EQ(Get(contact, kMailingAddress).Text(), u"");
    // Puts coerce as VariantChangeType does.
    ASSERT_TRUE(Put(contact, 0x3a09, Variant(5551234)).Ok());
    EXPECT_EQ(Get(contact, 0x3a09).Text(), u"5551234");
    ASSERT_TRUE(Put(contact, 0x3a42, Variant(ta::Date{27547.0})).Ok());
    EXPECT_EQ(Get(contact, 0x3a42).Date(), 27547.0);
    EXPECT_EQ(Put(contact, 0x3a42, Variant(u"not a date")).hr, ta::kDispTypeMismatch);
    EXPECT_EQ(Put(contact, 0x3a11, Variant(ns)).hr, ta::kDispTypeMismatch);
}

TEST_F(OutlookTest, WholeAddressesFollowTheirParts) {
    DispatchRef contact = ObjectOf(Method(application, 0x10A, {Variant(2)}));
    const struct {
        Dispid whole, street, city, state, postalCode, country;
    } groups[] = {
        {kHomeAddress, 0x3a5d, 0x3a59, 0x3a5c, 0x3a5b, 0x3a5a},
        {kBusinessAddress, 0x8045, 0x8046, 0x8047, 0x8048, 0x8049},
        {kOtherAddress, 0x3a63, 0x3a5f, 0x3a62, 0x3a61, 0x3a60},
    };
    for (const auto& g : groups) {
        SCOPED_TRACE(g.whole);
        Put(contact, g.street, Variant(u"1 Main St"));
        Put(contact, g.city, Variant(u"Springfield"));
        Put(contact, g.state, Variant(u"IL"));
        Put(contact, g.postalCode, Variant(u"62701"));
        Put(contact, g.country, Variant(u"USA"));
        EXPECT_EQ(Get(contact, g.whole).Text(), u"1 Main St\r\nSpringfield, IL  62701\r\nUSA");

        ASSERT_TRUE(Put(contact, g.whole, Variant(u"9 Elm Rd\r\nShelbyville, KY  40065")).Ok());
        EXPECT_EQ(Get(contact, g.street).Text(), u"9 Elm Rd");
        EXPECT_EQ(Get(contact, g.city).Text(), u"Shelbyville");
        EXPECT_EQ(Get(contact, g.postalCode).Text(), u"40065");
        EXPECT_EQ(Get(contact, g.country).Text(), u"");
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
    Put(contact, 0x3a26, Variant(u"USA"));                  // MailingAddressCountry
    EXPECT_EQ(Get(contact, kHomeAddress).Text(), u"Evanston\r\nUSA");
    EXPECT_EQ(Get(contact, 0x8049).Text(), u"");  // the business address is untouched

    ASSERT_TRUE(Put(contact, kSelectedMailingAddress, Variant(3)).Ok());
    Put(contact, 0x3a28, Variant(u"WI"));  // MailingAddressState
    EXPECT_EQ(Get(contact, kOtherAddress).Text(), u"WI");
    EXPECT_EQ(Get(contact, kMailingAddress).Text(), u"WI");
}

TEST_F(OutlookTest, MailingAddressWithoutSelectionHoldsItsOwnValues) {
    OutlookItem& stored = server.AddItem(ContactClass());
    DispatchRef contact = Open(stored.EntryId());
    Put(contact, 0x3a29, Variant(u"P.O. Street"));
    EXPECT_EQ(Get(contact, kMailingAddress).Text(), u"P.O. Street");
    EXPECT_EQ(Get(contact, kHomeAddress).Text(), u"");
    EXPECT_EQ(Get(contact, kSelectedMailingAddress).Int(), 0);
}

TEST_F(OutlookTest, ContactPropertiesAreReachableByName) {
    OutlookItem& stored = server.AddItem(ContactClass());
    stored.Set("HomeAddressStreet", Variant(u"1 Main St"));
    stored.Set("homeaddresscity", Variant(u"Springfield"));
    EXPECT_EQ(TextOf(stored.Get("HomeAddress")), u"1 Main St\r\nSpringfield");
    EXPECT_EQ(TextOf(stored.Get(kMailingAddress)), u"1 Main St\r\nSpringfield");
    EXPECT_THROW(stored.Set("NoSuchProperty", Variant(1)), std::invalid_argument);
    EXPECT_THROW(stored.Get(0x820D), std::invalid_argument);  // an appointment's Start
}

}  // namespace
}  // namespace simpim::testing
