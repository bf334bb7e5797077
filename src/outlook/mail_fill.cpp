#include "outlook/mail_fill.h"

#include "automation/invoke.h"
#include "codec/body_text.h"
#include "codec/date_text.h"
#include "outlook/mail_members.h"
#include "records/record_fields.h"

namespace tarnex::outlook {

void FillMessageFields(MessageRecord& record, const automation::DispatchRef& mailItem) {
    using automation::GetText;
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
    CopyText(record.from, GetText(mailItem, mail::kSentOnBehalfOfName));
    CopyText(record.to, GetText(mailItem, mail::kTo));
    CopyText(record.cc, GetText(mailItem, mail::kCc));
    CopyText(record.replyTo, GetText(mailItem, mail::kReplyRecipientNames));
    CopyText(record.subject, GetText(mailItem, mail::kSubject));
    CopyText(record.body, codec::MessageBodyText(GetText(mailItem, mail::kBody)));
}

}  // namespace tarnex::outlook
