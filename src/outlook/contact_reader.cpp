#include "outlook/contact_reader.h"

#include <array>
#include <string>

#include "automation/invoke.h"
#include "codec/date_text.h"
#include "outlook/contact_members.h"
#include "records/record_header.h"
#include "session/outlook_members.h"
#include "session/outlook_navigation.h"

namespace tarnex::outlook {

namespace {

using automation::DispatchRef;
using records::AppendProperty;
using records::AppendText;
using records::AppendValue;
using records::CopyText;

struct PhoneSource {
    automation::Dispid number;
    std::string_view parameters;
};
// The eight telephone numbers a contact has, in the record's slot order.
constexpr std::array<PhoneSource, 8> kPhones{{
    {contact::kHomeTelephoneNumber, "HOME;VOICE"},
    {contact::kBusinessTelephoneNumber, "WORK;VOICE"},
    {contact::kHomeFaxNumber, "HOME;FAX"},
    {contact::kBusinessFaxNumber, "WORK;FAX"},
    {contact::kMobileTelephoneNumber, "CELL"},
    {contact::kPagerNumber, "PAGER"},
    {contact::kCarTelephoneNumber, "CAR"},
    {contact::kIsdnNumber, "ISDN"},
}};

struct EmailSource {
    automation::Dispid address;
    std::string_view parameters;
};
constexpr std::array<EmailSource, 3> kEmails{{
    {contact::kEmail1Address, "INTERNET;PREF"},
    {contact::kEmail2Address, "INTERNET"},
    {contact::kEmail3Address, "INTERNET"},
}};

// An ADR value from an address's parts; the extended part is empty where the
// address has none.
void AppendAddress(AddressSlot& slot, const DispatchRef& item, const contact::AddressParts& parts) {
    const automation::Dispid order[] = {parts.postOfficeBox, parts.extended, parts.street,
                                        parts.city,          parts.state,    parts.postalCode};
    for (automation::Dispid part : order) {
        if (part == contact::kNone) {
            AppendValue(slot.value, {}, true);
        } else {
            AppendProperty(slot.value, item, part, true);
        }
    }
    AppendProperty(slot.value, item, parts.country, false);
}

bool HasText(const DispatchRef& item, automation::Dispid property) {
    return automation::HasText(automation::Get(item, property));
}

// True when the mailing address is set and is, text for text, the given
// composite address. Both are read anew: nothing is cached between reads.
bool MailingAddressIs(const DispatchRef& item, automation::Dispid composite) {
    const automation::Variant mailing = automation::Get(item, contact::kMailingAddress);
    if (!automation::HasText(mailing)) return false;
    return automation::SameText(mailing, automation::Get(item, composite));
}

void FillAddresses(ContactRecord& record, const DispatchRef& item) {
    AddressSlot& home = record.addresses[0];
    AddressSlot& business = record.addresses[1];
    AddressSlot& other = record.addresses[2];
    if (HasText(item, contact::kHomeAddress)) {
        AppendAddress(home, item, contact::kHomeAddressParts);
        CopyText(home.parameters, "HOME");
    }
    if (HasText(item, contact::kBusinessAddress)) {
        AppendAddress(business, item, contact::kBusinessAddressParts);
        CopyText(business.parameters, "WORK");
    }
    if (MailingAddressIs(item, contact::kHomeAddress)) AppendText(home.parameters, ";POSTAL");
    if (MailingAddressIs(item, contact::kBusinessAddress)) AppendText(business.parameters, ";POSTAL");
    // The other address is carried only when it is where mail goes.
    if (MailingAddressIs(item, contact::kOtherAddress)) {
        AppendAddress(other, item, contact::kOtherAddressParts);
        CopyText(other.parameters, "POSTAL");
    }
}

// Type from the item's class, then the identifier and the version.
template <typename WriteEntryId>
void FillHeader(ContactRecord& record, const DispatchRef& item, WriteEntryId&& writeEntryId) {
    records::WriteRecordType(record.header, session::ClassOf(item));
    writeEntryId(record.header.entryId);
    CopyText(record.header.version, records::kContactVersion);
}

ContactRecord& AsContact(char* record) noexcept { return *reinterpret_cast<ContactRecord*>(record); }

}  // namespace

void FillContactFields(ContactRecord& record, const DispatchRef& item) {
    AppendProperty(record.name, item, contact::kLastName, true);
    AppendProperty(record.name, item, contact::kFirstName, true);
    AppendProperty(record.name, item, contact::kMiddleName, true);
    AppendProperty(record.name, item, contact::kTitle, true);
    AppendProperty(record.name, item, contact::kSuffix, false);

    AppendProperty(record.fileAs, item, contact::kFileAs, false);

    const double birthday = automation::GetDate(item, contact::kBirthday);
    if (birthday != codec::NoDate) {
        AppendValue(record.birthday, codec::FormatPimDate(birthday, 1, false), false);
    }

    FillAddresses(record, item);

    AppendProperty(record.jobTitle, item, contact::kJobTitle, false);

    // The company stands alone, without a separator, when there is no
    // department. Each value is checked for text as it arrives, so that one
    // that is none fails before the next call.
    const automation::Variant company = automation::Get(item, contact::kCompanyName);
    automation::HasText(company);
    const automation::Variant department = automation::Get(item, contact::kDepartment);
    const bool hasDepartment = automation::HasText(department);
    records::AppendTextOf(record.organization, company, hasDepartment);
    records::AppendTextOf(record.organization, department, false);

    for (std::size_t k = 0; k < kPhones.size(); ++k) {
        AppendProperty(record.phones[k].value, item, kPhones[k].number, false);
        AppendText(record.phones[k].parameters, kPhones[k].parameters);
    }

    AppendProperty(record.personalHomePage, item, contact::kPersonalHomePage, false);
    AppendProperty(record.businessHomePage, item, contact::kBusinessHomePage, false);

    for (std::size_t k = 0; k < kEmails.size(); ++k) {
        AppendProperty(record.emails[k].value, item, kEmails[k].address, false);
        AppendText(record.emails[k].parameters, kEmails[k].parameters);
    }
}

void ReadContactEntry(session::PimSession& session, char* record, std::int32_t position) {
    session.contactItem = session::ItemAt(session.contacts, position + 1);
    ContactRecord& contactRecord = AsContact(record);
    FillHeader(contactRecord, session.contactItem, [&](auto& field) {
        records::CopyProperty(field, session.contactItem, session::outlook::kEntryId);
    });
    FillContactFields(contactRecord, session.contactItem);
}

void ReadContactItem(session::PimSession& session, char* record, std::string_view entryId) {
    session.contactItem = session::LookUpItem(session, entryId);
    session.currentFolder = automation::GetDispatch(session.contactItem, session::outlook::kParent);
    const DispatchRef contacts =
        session::GetDefaultFolder(session.nameSpace, records::DefaultFolder::Contacts);
    // One read after the other: the operands of != have no order of their own.
    const std::string folderId = session::EntryIdOf(session.currentFolder);
    if (folderId != session::EntryIdOf(contacts)) return;

    ContactRecord& contactRecord = AsContact(record);
    FillHeader(contactRecord, session.contactItem, [&](auto& field) { CopyText(field, entryId); });
    FillContactFields(contactRecord, session.contactItem);
}

}  // namespace tarnex::outlook
