#include "outlook/mail_fill.h"

#include "automation/invoke.h"
#include "codec/date_text.h"
#include "outlook/mail_members.h"
#include "records/record_fields.h"

namespace tarnex::outlook {

void FillMessageFields(MessageRecord& record, const automation::DispatchRef& mailItem) {
    using records::CopyProperty;
    using records::CopyText;

    records::AppendValue(record.status, automation::GetBool(mailItem, mail::kUnRead) ? "UNREAD" : "READ",
                         false);
    records::AppendValue(record.messageType, "MSG", false);
    // ReceivedTime is asked once for the empty-date test and once more for
    // the value that is formatted: two round trips for the date.
    if (automation::GetDate(mailItem, mail::kReceivedTime) != codec::NoDate) {
        CopyText(record.date,
                 codec::FormatPimDate(automation::GetDate(mailItem, mail::kReceivedTime), 2, false));
    }
    CopyProperty(record.from, mailItem, mail::kSentOnBehalfOfName);
    CopyProperty(record.to, mailItem, mail::kTo);
    CopyProperty(record.cc, mailItem, mail::kCc);
    CopyProperty(record.replyTo, mailItem, mail::kReplyRecipientNames);
    CopyProperty(record.subject, mailItem, mail::kSubject);
    records::CopyMessageBody(record.body, mailItem, mail::kBody);
}

}  // namespace tarnex::outlook
