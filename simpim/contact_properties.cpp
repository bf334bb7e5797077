// The ContactItem properties. The home, business and other addresses are
// each kept as parts (street, city, state, postal code, country, post office
// box); the whole-address properties are built from the parts on reading and
// spread over them on writing. The mailing address is the one of the three
// that SelectedMailingAddress names: its MailingAddress* properties read and
// write that address's parts. With none selected they are properties of
// their own. As the contact form does, the first of the three addresses to
// get a value becomes the mailing address when none is selected.
#include <array>

#include "simpim/address_text.h"
#include "simpim/item_classes.h"

namespace simpim {

namespace {

struct AddressGroup {
    // street, city, state, postal code, country, post office box
    std::array<Dispid, 6> parts;
};

constexpr Dispid kSelectedMailingAddress = 0x8022;

// Indexed by OlMailingAddress: 0 none (the mailing address's own
// properties), 1 home, 2 business, 3 other.
constexpr std::array<AddressGroup, 4> kGroups{{
    {{0x3a29, 0x3a27, 0x3a28, 0x3a2a, 0x3a26, 0x3a2b}},
    {{0x3a5d, 0x3a59, 0x3a5c, 0x3a5b, 0x3a5a, 0x3a5e}},
    {{0x8045, 0x8046, 0x8047, 0x8048, 0x8049, 0x804a}},
    {{0x3a63, 0x3a5f, 0x3a62, 0x3a61, 0x3a60, 0x3a64}},
}};

int Selected(const ItemData& d) {
    int selected = d.Int(kSelectedMailingAddress);
    return selected >= 1 && selected <= 3 ? selected : 0;
}

// The group a property of group G stands for: the mailing address (G 0)
// stands for the selected one.
int Target(const ItemData& d, int group) { return group == 0 ? Selected(d) : group; }

AddressParts PartsOf(const ItemData& d, int group) {
    const auto& p = kGroups[static_cast<std::size_t>(group)].parts;
    return AddressParts{d.RawText(p[0]), d.RawText(p[1]), d.RawText(p[2]),
                        d.RawText(p[3]), d.RawText(p[4]), d.RawText(p[5])};
}

void AutoSelect(ItemData& d, int group) {
    if (group != 0 && Selected(d) == 0 && !ComposeAddress(PartsOf(d, group)).empty())
        d.Store(kSelectedMailingAddress, Variant(static_cast<std::int32_t>(group)));
}

std::u16string TextOf(const Variant& v) {
    const auto* s = v.IfBstr();
    return s ? *s : std::u16string();
}

template <int G>
Variant GetAddress(const ItemData& d) {
    return Variant(ComposeAddress(PartsOf(d, Target(d, G))));
}

template <int G>
void PutAddress(ItemData& d, const Variant& value, double /*now*/) {
    AddressParts parts = ParseAddress(TextOf(value));
    const auto& p = kGroups[static_cast<std::size_t>(Target(d, G))].parts;
    d.SetText(p[0], parts.street);
    d.SetText(p[1], parts.city);
    d.SetText(p[2], parts.state);
    d.SetText(p[3], parts.postalCode);
    d.SetText(p[4], parts.country);
    d.SetText(p[5], parts.postOfficeBox);
    AutoSelect(d, G);
}

template <int G, int P>
Variant GetPart(const ItemData& d) {
    return Variant(d.RawText(kGroups[static_cast<std::size_t>(Target(d, G))].parts[P]));
}

template <int G, int P>
void PutPart(ItemData& d, const Variant& value, double /*now*/) {
    d.SetText(kGroups[static_cast<std::size_t>(Target(d, G))].parts[P], TextOf(value));
    AutoSelect(d, G);
}

#define SIMPIM_ADDRESS_ROWS(G, WHOLE, WHOLE_NAME, PREFIX)                                                  \
    Computed(WHOLE, WHOLE_NAME, VarType::Bstr, &GetAddress<G>, &PutAddress<G>),                            \
        Computed(kGroups[G].parts[0], PREFIX "Street", VarType::Bstr, &GetPart<G, 0>, &PutPart<G, 0>),     \
        Computed(kGroups[G].parts[1], PREFIX "City", VarType::Bstr, &GetPart<G, 1>, &PutPart<G, 1>),       \
        Computed(kGroups[G].parts[2], PREFIX "State", VarType::Bstr, &GetPart<G, 2>, &PutPart<G, 2>),      \
        Computed(kGroups[G].parts[3], PREFIX "PostalCode", VarType::Bstr, &GetPart<G, 3>, &PutPart<G, 3>), \
        Computed(kGroups[G].parts[4], PREFIX "Country", VarType::Bstr, &GetPart<G, 4>, &PutPart<G, 4>),    \
        Computed(kGroups[G].parts[5], PREFIX "PostOfficeBox", VarType::Bstr, &GetPart<G, 5>, &PutPart<G, 5>)

}  // namespace

const PropertyTable& ContactProperties() {
    static const PropertyTable table{{
                                         Text(0x3a11, "LastName"),
                                         Text(0x3a06, "FirstName"),
                                         Text(0x3a44, "MiddleName"),
                                         Text(0x3a45, "Title"),
                                         Text(0x3a05, "Suffix"),
                                         Text(0x8005, "FileAs"),
                                         DateProperty(0x3a42, "Birthday"),
                                         Text(0x3a17, "JobTitle"),
                                         Text(0x3a16, "CompanyName"),
                                         Text(0x3a18, "Department"),
                                         Text(0x3a19, "OfficeLocation"),
                                         Text(0x3a50, "PersonalHomePage"),
                                         Text(0x3a51, "BusinessHomePage"),
                                         Text(0x8083, "Email1Address"),
                                         Text(0x8093, "Email2Address"),
                                         Text(0x80a3, "Email3Address"),
                                         Text(0x3a09, "HomeTelephoneNumber"),
                                         Text(0x3a08, "BusinessTelephoneNumber"),
                                         Text(0x3a25, "HomeFaxNumber"),
                                         Text(0x3a24, "BusinessFaxNumber"),
                                         Text(0x3a1c, "MobileTelephoneNumber"),
                                         Text(0x3a21, "PagerNumber"),
                                         Text(0x3a1e, "CarTelephoneNumber"),
                                         Text(0x3a2d, "ISDNNumber"),
                                         Number(kSelectedMailingAddress, "SelectedMailingAddress", 0),
                                         SIMPIM_ADDRESS_ROWS(1, 0x801a, "HomeAddress", "HomeAddress"),
                                         SIMPIM_ADDRESS_ROWS(2, 0x801b, "BusinessAddress", "BusinessAddress"),
                                         SIMPIM_ADDRESS_ROWS(3, 0x801c, "OtherAddress", "OtherAddress"),
                                         SIMPIM_ADDRESS_ROWS(0, 0x3a15, "MailingAddress", "MailingAddress"),
                                     },
                                     &CommonItemProperties()};
    return table;
}

#undef SIMPIM_ADDRESS_ROWS

}  // namespace simpim
