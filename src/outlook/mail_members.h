// DISPIDs of the Outlook 2000 MailItem properties the mail converters read
// and write. Other items in a mail folder (meeting requests, reports) are
// asked through the same DISPIDs; a member they lack fails the call.
#pragma once

#include "automation/dispatch_object.h"

namespace tarnex::outlook::mail {

using automation::Dispid;

constexpr Dispid kUnRead = 0xF01C;
constexpr Dispid kReceivedTime = 0xE06;
constexpr Dispid kSentOnBehalfOfName = 0x42;
constexpr Dispid kTo = 0xE04;
constexpr Dispid kCc = 0xE03;
// On an item; the same number is Count on a collection.
constexpr Dispid kReplyRecipientNames = 0x50;
constexpr Dispid kSubject = 0x37;
constexpr Dispid kBody = 0x9100;

}  // namespace tarnex::outlook::mail
