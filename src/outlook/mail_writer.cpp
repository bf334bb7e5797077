#include "outlook/mail_writer.h"

#include <optional>
#include <string>
#include <string_view>

#include "automation/invoke.h"
#include "outlook/mail_members.h"
#include "records/record_fields.h"

namespace tarnex::outlook {

namespace {

using records::Text;

// A host entry list ("|A|B") as Outlook's address text: the leading
// character dropped, whatever it is, and each further "|" a separator.
std::string JoinedEntries(std::string_view list, std::string_view separator) {
    std::string joined;
    for (const char c : list.substr(1)) {
        if (c == '|') {
            joined += separator;
        } else {
            joined += c;
        }
    }
    return joined;
}

// The field's text when it has any; else list 1 joined with "; "; else list
// 2 joined with ";"; else nothing.
template <std::size_t N, std::size_t L1, std::size_t L2>
std::optional<std::string> AddressText(const char (&field)[N], const char (&list1)[L1],
                                       const char (&list2)[L2]) {
    if (!Text(field).empty()) return std::string(Text(field));
    if (!Text(list1).empty()) return JoinedEntries(Text(list1), "; ");
    if (!Text(list2).empty()) return JoinedEntries(Text(list2), ";");
    return std::nullopt;
}

}  // namespace

void WriteMessageFields(const automation::DispatchRef& mailItem, const MessageRecord& record) {
    // Only the exact word marks the item unread; anything else, "unread"
    // included, marks it read.
    automation::Put(mailItem, mail::kUnRead, Text(record.status) == "UNREAD");
    if (const auto sender = AddressText(record.from, record.originatorList1, record.originatorList2)) {
        automation::PutText(mailItem, mail::kSentOnBehalfOfName, *sender);
    }
    if (const auto recipients = AddressText(record.to, record.recipientList1, record.recipientList2)) {
        automation::PutText(mailItem, mail::kTo, *recipients);
    }
    automation::PutText(mailItem, mail::kCc, Text(record.cc));
    automation::PutText(mailItem, mail::kSubject, Text(record.subject));
    automation::PutText(mailItem, mail::kBody, Text(record.body));
}

}  // namespace tarnex::outlook
