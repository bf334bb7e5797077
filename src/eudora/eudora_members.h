// DISPIDs of the Eudora automation members the library binds to. Eudora is
// reached by DISPID alone; the names are the roles these members play here.
#pragma once

#include "automation/dispatch_object.h"

namespace tarnex::eudora {

using automation::Dispid;

// Application
constexpr Dispid kInMailbox = 0x6;
constexpr Dispid kRootFolder = 0xE;
constexpr Dispid kMailboxByNumber = 0x1C;  // (I4 number, I4 -1)
constexpr Dispid kQueueMessage = 0x1D;     // six BSTRs
// Folder or mailbox
constexpr Dispid kChildNodes = 0x6;
constexpr Dispid kMessages = 0xA;
constexpr Dispid kNodeName = 0xB;
constexpr Dispid kMailboxNumber = 0x8;
// Collections
constexpr Dispid kItemAtPosition = 0x0;
constexpr Dispid kCollectionCount = 0x1;
constexpr Dispid kMessageById = 0x2;
// Message
constexpr Dispid kBody = 0x2;
constexpr Dispid kDateText = 0x5;
constexpr Dispid kSender = 0x6;
constexpr Dispid kHeaderField = 0x7;  // I4: 2 CC line, 14 reply-to line
constexpr Dispid kMessageId = 0x8;
constexpr Dispid kReadStatus = 0xD;
constexpr Dispid kSubject = 0xE;
constexpr Dispid kTo = 0xF;
constexpr Dispid kMoveTo = 0x10;

// MailboxNumber of Eudora's standard mailboxes.
constexpr int kInMailboxNumber = 2;
constexpr int kOutMailboxNumber = 3;
constexpr int kThirdMailboxNumber = 4;

}  // namespace tarnex::eudora
