// A postal address as Outlook shows it in one text, built from its parts in
// the layout of Outlook's English (United States) locale:
//
//   Street (one or more lines)
//   Post office box
//   City, State  PostalCode
//   Country
//
// Empty parts leave out their line or their separator. Putting a whole
// address text spreads it back over the parts the same way.
#pragma once

#include <string>
#include <string_view>

namespace simpim {

struct AddressParts {
    std::u16string street;
    std::u16string city;
    std::u16string state;
    std::u16string postalCode;
    std::u16string country;
    std::u16string postOfficeBox;
    friend bool operator==(const AddressParts&, const AddressParts&) = default;
};

std::u16string ComposeAddress(const AddressParts& parts);
AddressParts ParseAddress(std::u16string_view text);

}  // namespace simpim
