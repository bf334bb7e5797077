#include "outlook/contact_writer.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "automation/invoke.h"
#include "codec/components.h"
#include "codec/date_text.h"
#include "outlook/contact_members.h"
#include "outlook/parameter_text.h"
#include "records/record_fields.h"

namespace tarnex::outlook {

namespace {

using automation::DispatchRef;
using automation::Dispid;
using automation::PutText;
using records::Text;

// Reads the components of a structured field in turn; past its end every
// component is empty.
class Components {
public:
    explicit Components(std::string_view text) : text_(text) {}
    std::string Next() {
        std::string component;
        cursor_ = codec::NextComponent(text_, cursor_, component);
        return component;
    }

private:
    std::string_view text_;
    std::size_t cursor_ = 0;
};

void WriteAddress(const DispatchRef& item, std::string_view value, const contact::AddressParts& parts) {
    Components components(value);
    const Dispid order[] = {parts.postOfficeBox, parts.extended,   parts.street, parts.city,
                            parts.state,         parts.postalCode, parts.country};
    for (Dispid part : order) {
        std::string component = components.Next();
        if (part != contact::kNone) PutText(item, part, component);
    }
}

void WriteAddresses(const DispatchRef& item, const ContactRecord& record) {
    for (const AddressSlot& slot : record.addresses) {
        const ParameterText parameters(Text(slot.parameters));
        const std::string_view value = Text(slot.value);
        if (parameters.Has("HOME")) WriteAddress(item, value, contact::kHomeAddressParts);
        if (parameters.Has("WORK")) WriteAddress(item, value, contact::kBusinessAddressParts);
        if (parameters.Has("POSTAL")) WriteAddress(item, value, contact::kMailingAddressParts);
    }
}

// The numbers a phone slot sets, by its parameter words. The tests are
// independent, so one slot may set several numbers.
void WritePhone(const DispatchRef& item, const PhoneSlot& slot) {
    const ParameterText p(Text(slot.parameters));
    const std::string_view number = Text(slot.value);
    const bool home = p.Has("HOME");
    const bool work = p.Has("WORK");
    if (home) {
        PutText(item,
                p.Has("VOICE") || !p.Has("FAX") ? contact::kHomeTelephoneNumber : contact::kHomeFaxNumber,
                number);
    }
    if (work) {
        PutText(
            item,
            p.Has("VOICE") || !p.Has("FAX") ? contact::kBusinessTelephoneNumber : contact::kBusinessFaxNumber,
            number);
    } else if (!home && p.Has("FAX")) {
        // A fax number with no place given is taken as the business fax.
        PutText(item, contact::kBusinessFaxNumber, number);
    }
    if (p.Has("CELL")) PutText(item, contact::kMobileTelephoneNumber, number);
    if (p.Has("PAGER")) PutText(item, contact::kPagerNumber, number);
    if (p.Has("CAR")) PutText(item, contact::kCarTelephoneNumber, number);
    if (p.Has("ISDN")) PutText(item, contact::kIsdnNumber, number);
}

// Email1 is the preferred Internet address (the last slot marked PREF wins,
// and the ones it replaced are dropped); Email2 and Email3 are the other
// Internet addresses in slot order. All three are always set.
void WriteEmails(const DispatchRef& item, const ContactRecord& record) {
    std::optional<std::string_view> preferred;
    std::vector<std::string_view> others;
    for (const EmailSlot& slot : record.emails) {
        const ParameterText parameters(Text(slot.parameters));
        if (!parameters.Has("INTERNET")) continue;
        if (parameters.Has("PREF")) {
            preferred = Text(slot.value);
        } else {
            others.push_back(Text(slot.value));
        }
    }
    std::vector<std::string_view> ordered;
    if (preferred) ordered.push_back(*preferred);
    ordered.insert(ordered.end(), others.begin(), others.end());
    ordered.resize(3);  // short lists leave empty addresses

    const Dispid properties[] = {contact::kEmail1Address, contact::kEmail2Address, contact::kEmail3Address};
    for (std::size_t k = 0; k < 3; ++k) PutText(item, properties[k], ordered[k]);
}

}  // namespace

void WriteContactFields(const DispatchRef& item, const ContactRecord& record) {
    Components name(Text(record.name));
    for (Dispid part :
         {contact::kLastName, contact::kFirstName, contact::kMiddleName, contact::kTitle, contact::kSuffix}) {
        PutText(item, part, name.Next());
    }

    PutText(item, contact::kFileAs, Text(record.fileAs));

    const std::string_view birthday = Text(record.birthday);
    if (!birthday.empty()) automation::PutDate(item, contact::kBirthday, codec::ParsePimDate(birthday, 1));

    WriteAddresses(item, record);

    PutText(item, contact::kJobTitle, Text(record.jobTitle));

    Components organization(Text(record.organization));
    PutText(item, contact::kCompanyName, organization.Next());
    PutText(item, contact::kDepartment, organization.Next());

    for (const PhoneSlot& slot : record.phones) WritePhone(item, slot);

    if (const auto page = Text(record.personalHomePage); !page.empty()) {
        PutText(item, contact::kPersonalHomePage, page);
    }
    if (const auto page = Text(record.businessHomePage); !page.empty()) {
        PutText(item, contact::kBusinessHomePage, page);
    }

    WriteEmails(item, record);
}

}  // namespace tarnex::outlook
