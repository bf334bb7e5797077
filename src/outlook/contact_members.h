// DISPIDs of the Outlook 2000 ContactItem properties the contact converters
// read and write.
#pragma once

#include "automation/dispatch_object.h"

namespace tarnex::outlook::contact {

using automation::Dispid;

constexpr Dispid kLastName = 0x3a11;
constexpr Dispid kFirstName = 0x3a06;
constexpr Dispid kMiddleName = 0x3a44;
constexpr Dispid kTitle = 0x3a45;
constexpr Dispid kSuffix = 0x3a05;
constexpr Dispid kFileAs = 0x8005;
constexpr Dispid kBirthday = 0x3a42;

constexpr Dispid kHomeAddress = 0x801a;
constexpr Dispid kBusinessAddress = 0x801b;
constexpr Dispid kOtherAddress = 0x801c;
constexpr Dispid kMailingAddress = 0x3a15;

// The parts of one postal address, in the order of an ADR value's
// components. An address without an extended part has kNone there.
constexpr Dispid kNone = 0;
struct AddressParts {
    Dispid postOfficeBox, extended, street, city, state, postalCode, country;
};
constexpr AddressParts kHomeAddressParts{0x3a5e, kNone, 0x3a5d, 0x3a59, 0x3a5c, 0x3a5b, 0x3a5a};
constexpr AddressParts kBusinessAddressParts{0x804a, 0x3a19, 0x8045, 0x8046, 0x8047, 0x8048, 0x8049};
constexpr AddressParts kOtherAddressParts{0x3a64, kNone, 0x3a63, 0x3a5f, 0x3a62, 0x3a61, 0x3a60};
constexpr AddressParts kMailingAddressParts{0x3a2b, kNone, 0x3a29, 0x3a27, 0x3a28, 0x3a2a, 0x3a26};

constexpr Dispid kJobTitle = 0x3a17;
constexpr Dispid kCompanyName = 0x3a16;
constexpr Dispid kDepartment = 0x3a18;

constexpr Dispid kHomeTelephoneNumber = 0x3a09;
constexpr Dispid kBusinessTelephoneNumber = 0x3a08;
constexpr Dispid kHomeFaxNumber = 0x3a25;
constexpr Dispid kBusinessFaxNumber = 0x3a24;
constexpr Dispid kMobileTelephoneNumber = 0x3a1c;
constexpr Dispid kPagerNumber = 0x3a21;
constexpr Dispid kCarTelephoneNumber = 0x3a1e;
constexpr Dispid kIsdnNumber = 0x3a2d;

constexpr Dispid kPersonalHomePage = 0x3a50;
constexpr Dispid kBusinessHomePage = 0x3a51;

constexpr Dispid kEmail1Address = 0x8083;
constexpr Dispid kEmail2Address = 0x8093;
constexpr Dispid kEmail3Address = 0x80a3;

}  // namespace tarnex::outlook::contact
