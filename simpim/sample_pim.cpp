#include "simpim/sample_pim.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace simpim {

using tarnex::automation::Date;

namespace {

using Values = std::initializer_list<std::pair<std::string_view, Variant>>;

OutlookItem& Add(OutlookServer& outlook, std::int32_t folder, const ItemClass& itemClass, double created,
                 Values values) {
    OutlookItem& item = outlook.AddItem(folder, itemClass);
    for (const auto& [name, value] : values) item.Set(name, value);
    item.Set("CreationTime", Variant(Date{created}));
    item.Set("LastModificationTime", Variant(Date{created + 1.25}));
    return item;
}

// A newsletter of some 20 KB: numbered paragraphs with CR LF line ends, as
// Outlook keeps a plain-text body.
std::u16string Newsletter() {
    std::u16string text = u"Northwind Traders - news for our customers, January 2001\r\n\r\n";
    for (int k = 1; text.size() < 20 * 1024; ++k) {
        const std::string n = std::to_string(k);
        text += u"Item " + std::u16string(n.begin(), n.end()) +
                u": our spring catalogue brings new spices, teas and preserves from small farms; "
                u"order before the end of the month for delivery in February.\r\n";
    }
    return text + u"\r\nTo stop receiving this newsletter, reply with \"unsubscribe\".";
}

}  // namespace

void FillSampleOutlook(OutlookServer& outlook) {
    // Dates: 36892 is 1 January 2001.
    Add(outlook, kFolderContacts, ContactClass(), 36892.4,
        {{"FirstName", Variant(u"Anna")},
         {"LastName", Variant(u"Berg")},
         {"FileAs", Variant(u"Berg, Anna")},
         {"Birthday", Variant(Date{27547.0})},
         {"HomeAddressStreet", Variant(u"12 Linden Way")},
         {"HomeAddressCity", Variant(u"Springfield")},
         {"HomeAddressState", Variant(u"IL")},
         {"HomeAddressPostalCode", Variant(u"62704")},
         {"HomeAddressCountry", Variant(u"USA")},
         {"HomeTelephoneNumber", Variant(u"(217) 555-0142")},
         {"MobileTelephoneNumber", Variant(u"(217) 555-0199")},
         {"Email1Address", Variant(u"anna.berg@example.com")}});
    Add(outlook, kFolderContacts, ContactClass(), 36893.6,
        {{"FirstName", Variant(u"Carlos")},
         {"MiddleName", Variant(u"J.")},
         {"LastName", Variant(u"Dominguez")},
         {"Title", Variant(u"Dr.")},
         {"FileAs", Variant(u"Dominguez, Carlos")},
         {"CompanyName", Variant(u"Northwind Traders")},
         {"Department", Variant(u"Research")},
         {"JobTitle", Variant(u"Chemist")},
         {"OfficeLocation", Variant(u"Building 4")},
         {"BusinessAddressStreet", Variant(u"400 Harbor Blvd")},
         {"BusinessAddressCity", Variant(u"Seattle")},
         {"BusinessAddressState", Variant(u"WA")},
         {"BusinessAddressPostalCode", Variant(u"98101")},
         {"HomeAddressStreet", Variant(u"7 Pine St")},
         {"HomeAddressCity", Variant(u"Redmond")},
         {"BusinessTelephoneNumber", Variant(u"(206) 555-0100")},
         {"BusinessFaxNumber", Variant(u"(206) 555-0101")},
         {"BusinessHomePage", Variant(u"http://www.northwind.example/")},
         {"Email1Address", Variant(u"carlos@northwind.example")},
         {"Email2Address", Variant(u"cjd@example.org")}});
    OutlookItem& other = Add(outlook, kFolderContacts, ContactClass(), 36894.2,
                             {{"FirstName", Variant(u"Mei")},
                              {"LastName", Variant(u"Tanaka")},
                              {"FileAs", Variant(u"Tanaka, Mei")},
                              {"OtherAddressPostOfficeBox", Variant(u"PO Box 881")},
                              {"OtherAddressCity", Variant(u"Portland")},
                              {"OtherAddressState", Variant(u"OR")},
                              {"OtherAddressPostalCode", Variant(u"97208")},
                              {"PagerNumber", Variant(u"555-0177")}});
    other.Set("SelectedMailingAddress", Variant(3));

    // The calendar keeps Central European time, as the Eudora mail's +0100
    // dates do: CET (UTC+1), and CEST (UTC+2) from 02:00 on the last Sunday
    // of March, 25 March in 2001, when clocks go on to 03:00.
    Add(outlook, kFolderCalendar, AppointmentClass(), 36900.3,
        {{"Subject", Variant(u"Project review")},
         {"Location", Variant(u"Room 2; east wing")},
         {"Start", Variant(Date{36910.375})},  // Fri 19 Jan 2001 09:00 to 10:30
         {"End", Variant(Date{36910.4375})},
         {"Body", Variant(u"Agenda:\r\n1. Status\r\n2. Next steps")},
         {"Categories", Variant(u"Business")},
         {"Importance", Variant(2)}});
    Add(outlook, kFolderCalendar, AppointmentClass(), 36901.5,
        {{"Subject", Variant(u"Dentist")},
         {"Start", Variant(Date{36915.6875})},  // Wed 24 Jan 2001 16:30 to 17:30
         {"End", Variant(Date{36915.7291666667})}});
    Add(outlook, kFolderCalendar, AppointmentClass(), 36902.4,
        {{"Subject", Variant(u"Trade fair")},
         {"Location", Variant(u"Exhibition centre, hall 3")},
         {"Start", Variant(Date{36931.0})},  // all of Fri 9 Feb 2001
         {"End", Variant(Date{36932.0})},
         {"AllDayEvent", Variant(true)},
         {"BusyStatus", Variant(3)}});
    // Weekly on Mondays from 8 Jan 2001; Items shows the series as its master
    // item, which holds the first occurrence.
    OutlookItem& weekly = Add(outlook, kFolderCalendar, AppointmentClass(), 36897.6,
                              {{"Subject", Variant(u"Team meeting")},
                               {"Location", Variant(u"Room 2")},
                               {"Start", Variant(Date{36899.4166666667})},  // 10:00 to 11:00
                               {"End", Variant(Date{36899.4583333333})},
                               {"Body", Variant(u"Every Monday.\r\nBring the status list.")}});
    weekly.Set("IsRecurring", Variant(true));
    weekly.Set("RecurrenceState", Variant(1));  // olApptMaster
    // Overnight across the change to summer time: 8 h 45 min on the clock,
    // 7 h 45 min in fact.
    Add(outlook, kFolderCalendar, AppointmentClass(), 36950.7,
        {{"Subject", Variant(u"Night train to Vienna")},
         {"Location", Variant(u"Munich Hbf, sleeper car 4")},
         {"Start", Variant(Date{36974.9375})},      // Sat 24 Mar 2001 22:30
         {"End", Variant(Date{36975.3020833333})},  // Sun 25 Mar 2001 07:15
         {"Body", Variant(u"Clocks go forward at 02:00 on the way.")}});

    Add(outlook, kFolderTasks, TaskClass(), 36902.0,
        {{"Subject", Variant(u"File expense report")},
         {"StartDate", Variant(Date{36903.0})},
         {"DueDate", Variant(Date{36908.0})},
         {"Status", Variant(1)},  // olTaskInProgress
         {"PercentComplete", Variant(25)}});
    Add(outlook, kFolderTasks, TaskClass(), 36902.1,
        {{"Subject", Variant(u"Renew passport")},
         {"DueDate", Variant(Date{36920.0})},
         {"DateCompleted", Variant(Date{36905.0})},  // completes it
         {"Importance", Variant(0)}});
    Add(outlook, kFolderTasks, TaskClass(), 36903.4,
        {{"Subject", Variant(u"Call the insurance about the car")}, {"Importance", Variant(2)}});
    Add(outlook, kFolderTasks, TaskClass(), 36910.6,
        {{"Subject", Variant(u"Prepare the trade fair booth")},
         {"DueDate", Variant(Date{36930.0})},
         {"Body", Variant(u"Posters\r\nBrochures\r\nDemo laptop")},
         {"Categories", Variant(u"Business")},
         {"Importance", Variant(2)}});

    Add(outlook, kFolderNotes, NoteClass(), 36904.2,
        {{"Body", Variant(u"Door code 4711\r\nAsk for the new key")}});
    Add(outlook, kFolderNotes, NoteClass(), 36904.9, {{"Body", Variant(u"Buy milk")}});
    Add(outlook, kFolderNotes, NoteClass(), 36911.3,
        {{"Body", Variant(u"Wi-Fi at the office\r\nNetwork: Northwind-Guest\r\nKey: on the whiteboard")},
         {"Categories", Variant(u"Business")},
         {"Color", Variant(1)}});  // olGreen

    // Received mail carries its sender and received time; the sent copy its
    // sending time as both; unsent mail in the Outbox has neither.
    Add(outlook, kFolderInbox, MailClass(), 36906.3,
        {{"Subject", Variant(u"Lunch on Friday?")},
         {"SenderName", Variant(u"Anna Berg")},
         {"SentOnBehalfOfName", Variant(u"Anna Berg")},
         {"To", Variant(u"User")},
         {"Body", Variant(u"Shall we meet at noon?\r\nAnna")},
         {"SentOn", Variant(Date{36906.29})},
         {"ReceivedTime", Variant(Date{36906.3})}});
    Add(outlook, kFolderInbox, MeetingRequestClass(), 36907.4,
        {{"Subject", Variant(u"Quarterly planning")},
         {"SenderName", Variant(u"Carlos Dominguez")},
         {"ReceivedTime", Variant(Date{36907.4})},
         {"UnRead", Variant(true)}});
    Add(outlook, kFolderInbox, MailClass(), 36908.5,
        {{"Subject", Variant(u"Order 1027 shipped")},
         {"SenderName", Variant(u"Northwind Traders")},
         {"SentOnBehalfOfName", Variant(u"Northwind Traders")},
         {"To", Variant(u"User")},
         {"CC", Variant(u"Carlos Dominguez")},
         {"Body", Variant(u"Your order is on its way.")},
         {"SentOn", Variant(Date{36908.49})},
         {"ReceivedTime", Variant(Date{36908.5})},
         {"UnRead", Variant(true)}});
    // A phone's message export pasted into a mail: its "END:VBODY" lines
    // must not end the body object the host builds around it.
    Add(outlook, kFolderInbox, MailClass(), 36909.6,
        {{"Subject", Variant(u"Fwd: messages from my old phone")},
         {"SenderName", Variant(u"Mei Tanaka")},
         {"SentOnBehalfOfName", Variant(u"Mei Tanaka")},
         {"To", Variant(u"User")},
         {"Body", Variant(u"Can you read these?\r\n\r\nBEGIN:VMSG\r\nVERSION:1.1\r\nBEGIN:VENV\r\n"
                          u"BEGIN:VBODY\r\nSubject: Train\r\nI am on the 8:15.\r\nEND:VBODY\r\n"
                          u"END:VENV\r\nEND:VMSG\r\n\r\nMei")},
         {"SentOn", Variant(Date{36909.59})},
         {"ReceivedTime", Variant(Date{36909.6})},
         {"UnRead", Variant(true)}});
    Add(outlook, kFolderInbox, MailClass(), 36910.2,
        {{"Subject", Variant(u"Northwind news, January")},
         {"SenderName", Variant(u"Northwind Traders")},
         {"SentOnBehalfOfName", Variant(u"Northwind Traders")},
         {"To", Variant(u"User")},
         {"Body", Variant(Newsletter())},
         {"SentOn", Variant(Date{36910.19})},
         {"ReceivedTime", Variant(Date{36910.2})}});
    Add(outlook, kFolderOutbox, MailClass(), 36909.1,
        {{"Subject", Variant(u"Re: Lunch on Friday?")},
         {"To", Variant(u"Anna Berg")},
         {"Body", Variant(u"Noon is fine.")}});
    Add(outlook, kFolderOutbox, MailClass(), 36910.4,
        {{"Subject", Variant(u"Trade fair passes")},
         {"To", Variant(u"Carlos Dominguez; Mei Tanaka")},
         {"CC", Variant(u"Anna Berg")},
         {"Body", Variant(u"Two passes for hall 3 are on my desk.\r\nPick them up on Thursday.")}});
    Add(outlook, kFolderSentMail, MailClass(), 36905.7,
        {{"Subject", Variant(u"Expense report")},
         {"SenderName", Variant(u"User")},
         {"SentOnBehalfOfName", Variant(u"User")},
         {"To", Variant(u"Accounts")},
         {"Body", Variant(u"Attached as discussed.")},
         {"SentOn", Variant(Date{36905.7})},
         {"ReceivedTime", Variant(Date{36905.7})}});
    Add(outlook, kFolderSentMail, MailClass(), 36908.6,
        {{"Subject", Variant(u"Re: Order 1027 shipped")},
         {"SenderName", Variant(u"User")},
         {"SentOnBehalfOfName", Variant(u"User")},
         {"To", Variant(u"Northwind Traders")},
         {"Body", Variant(u"Thank you.\r\n\r\n> Your order is on its way.")},
         {"SentOn", Variant(Date{36908.6})},
         {"ReceivedTime", Variant(Date{36908.6})}});
}

void FillSampleEudora(EudoraServer& eudora) {
    eudora.AddMessage(kEudoraIn, {.to = u"user@example.com",
                                  .from = u"Anna Berg <anna.berg@example.com>",
                                  .subject = u"Lunch on Friday?",
                                  .replyTo = u"anna@example.net",
                                  .date = u"Mon, 15 Jan 2001 07:12:00 +0100",
                                  .body = u"Shall we meet at noon?\r\nAnna",
                                  .status = kEudoraRead});
    eudora.AddMessage(kEudoraIn, {.to = u"user@example.com",
                                  .from = u"orders@northwind.example",
                                  .subject = u"Order 1027 shipped",
                                  .cc = u"carlos@northwind.example",
                                  .date = u"Wed, 17 Jan 2001 12:00:00 +0100",
                                  .body = u"Your order is on its way.",
                                  .status = kEudoraUnread});
    eudora.AddMessage(kEudoraOut, {.to = u"anna.berg@example.com",
                                   .from = u"user@example.com",
                                   .subject = u"Re: Lunch on Friday?",
                                   .date = u"Mon, 15 Jan 2001 09:30:00 +0100",
                                   .body = u"Noon is fine.",
                                   .status = kEudoraQueued});
    // Filed mail: nested folders, and two pairs of mailboxes that share a
    // name, as users' trees often have ("Friends" kept by year, "Receipts"
    // in two places).
    EudoraStore& store = eudora.Store();
    EudoraMailbox& archive = store.AddFolder(store.Root(), u"Archive");
    EudoraMailbox& friends = store.AddMailbox(archive, u"Friends");
    store.AddMessage(friends, {.to = u"user@example.com",
                               .from = u"mei@example.org",
                               .subject = u"Photos",
                               .date = u"Sat, 06 Jan 2001 18:45:00 +0100",
                               .body = u"Here they are.",
                               .status = kEudoraRead});
    EudoraMailbox& year2000 = store.AddFolder(archive, u"2000");
    EudoraMailbox& oldFriends = store.AddMailbox(year2000, u"Friends");
    store.AddMessage(oldFriends, {.to = u"user@example.com",
                                  .from = u"Jos\u00e9 Mart\u00edn <jose@example.es>",
                                  .subject = u"Feliz a\u00f1o nuevo",
                                  .cc = u"mei@example.org",
                                  .date = u"Sun, 31 Dec 2000 23:50:00 +0100",
                                  .body = u"Un abrazo desde Sevilla.\r\nJos\u00e9",
                                  .status = kEudoraRead});
    EudoraMailbox& oldReceipts = store.AddMailbox(year2000, u"Receipts");
    store.AddMessage(oldReceipts, {.to = u"user@example.com",
                                   .from = u"billing@example.net",
                                   .subject = u"Your December invoice",
                                   .date = u"Fri, 01 Dec 2000 08:00:00 +0100",
                                   .body = u"Amount due: EUR 19.90",
                                   .status = kEudoraRead});
    EudoraMailbox& work = store.AddFolder(store.Root(), u"Work");
    EudoraMailbox& projects = store.AddMailbox(work, u"Projects");
    store.AddMessage(projects, {.to = u"user@example.com",
                                .from = u"Carlos Ruiz <carlos@northwind.example>",
                                .subject = u"Kick-off agenda",
                                .cc = u"team@northwind.example",
                                .replyTo = u"project@northwind.example",
                                .date = u"Tue, 09 Jan 2001 09:05:00 +0100",
                                .body = u"1. Scope\r\n2. Dates\r\n3. Budget",
                                .status = kEudoraUnread});
    EudoraMailbox& receipts = store.AddMailbox(work, u"Receipts");
    for (const char16_t* subject : {u"Travel expenses, January", u"Hotel, Hamburg"}) {
        store.AddMessage(receipts, {.to = u"user@example.com",
                                    .from = u"expenses@northwind.example",
                                    .subject = subject,
                                    .date = u"Mon, 22 Jan 2001 16:20:00 +0100",
                                    .body = u"Receipt attached to the expense report.",
                                    .status = kEudoraRead});
    }
}

}  // namespace simpim
