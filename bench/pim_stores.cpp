#include "pim_stores.h"

#include <stdexcept>
#include <string>

#include "simpim/item_classes.h"
#include "tarnex/tarnex.h"

namespace tarnex_bench {

namespace {

using simpim::Variant;
using tarnex::automation::Date;

constexpr double kJanuary2001 = 36892.0;  // 2001-01-01 as a DATE

// A contact as an address book usually holds one: a name, a home address that
// is also where mail goes, two numbers and an e-mail address; every third one
// works somewhere.
void AddContact(simpim::OutlookServer& outlook, std::size_t k) {
    simpim::OutlookItem& item = outlook.AddItem(simpim::kFolderContacts, simpim::ContactClass());
    const std::string n = std::to_string(k);
    item.Set("LastName", Variant(Text("Family" + n)));
    item.Set("FirstName", Variant(Text("Given" + n)));
    item.Set("FileAs", Variant(Text("Family" + n + ", Given" + n)));
    item.Set("Birthday", Variant(Date{25000.0 + static_cast<double>(k)}));
    item.Set("HomeAddressStreet", Variant(Text(n + " Linden Way")));
    item.Set("HomeAddressCity", Variant(u"Springfield"));
    item.Set("HomeAddressPostalCode", Variant(u"62704"));
    item.Set("HomeTelephoneNumber", Variant(Text("(217) 555-" + n)));
    item.Set("MobileTelephoneNumber", Variant(Text("(217) 556-" + n)));
    item.Set("Email1Address", Variant(Text("given" + n + "@example.com")));
    if (k % 3 == 0) {
        item.Set("CompanyName", Variant(u"Northwind Traders"));
        item.Set("JobTitle", Variant(u"Buyer"));
        item.Set("BusinessTelephoneNumber", Variant(Text("(206) 555-" + n)));
    }
}

// A meeting of an hour somewhere in the year, with an agenda of two lines.
void AddAppointment(simpim::OutlookServer& outlook, std::size_t k) {
    simpim::OutlookItem& item = outlook.AddItem(simpim::kFolderCalendar, simpim::AppointmentClass());
    const double start =
        kJanuary2001 + static_cast<double>(k % 365) + 9.0 / 24 + static_cast<double>(k % 8) / 24;
    item.Set("Subject", Variant(Text("Meeting " + std::to_string(k))));
    item.Set("Location", Variant(u"Room 4; east wing"));
    item.Set("Body", Variant(u"Agenda:\r\n1. Figures\r\n2. Plans"));
    item.Set("Start", Variant(Date{start}));
    item.Set("End", Variant(Date{start + 1.0 / 24}));
}

// A task with a due date; every fourth one done.
void AddTask(simpim::OutlookServer& outlook, std::size_t k) {
    simpim::OutlookItem& item = outlook.AddItem(simpim::kFolderTasks, simpim::TaskClass());
    const double due = kJanuary2001 + static_cast<double>(k % 365);
    item.Set("Subject", Variant(Text("Task " + std::to_string(k))));
    item.Set("Body", Variant(u"Ask Dana first."));
    item.Set("StartDate", Variant(Date{due - 7}));
    item.Set("DueDate", Variant(Date{due}));
    item.Set("Importance", Variant(static_cast<std::int32_t>(k % 3)));
    if (k % 4 == 0) item.Set("Complete", Variant(true));
}

// A note of three lines.
void AddNote(simpim::OutlookServer& outlook, std::size_t k) {
    simpim::OutlookItem& item = outlook.AddItem(simpim::kFolderNotes, simpim::NoteClass());
    item.Set("Body", Variant(Text("Note " + std::to_string(k) + "\r\nCall back after 3\r\nBring the keys")));
}

// A received message as a mailing list sends it: a 20 KB body of CR LF lines.
void AddMessage(simpim::OutlookServer& outlook, std::size_t k) {
    const std::string n = std::to_string(k);
    const std::string line = "Line of message " + n + ": the quick brown fox jumps over the lazy dog.\r\n";
    std::string body;
    while (body.size() + line.size() < kMessageBodyBytes) body += line;
    simpim::OutlookItem& item = outlook.AddItem(simpim::kFolderInbox, simpim::MailClass());
    item.Set("Subject", Variant(Text("Digest number " + n)));
    item.Set("SenderName", Variant(u"List Server"));
    item.Set("SentOnBehalfOfName", Variant(u"List Server"));
    item.Set("To", Variant(u"User; Team"));
    item.Set("CC", Variant(Text("member" + n + "@example.com")));
    item.Set("ReceivedTime", Variant(Date{36900.0 + static_cast<double>(k) / 24}));
    item.Set("UnRead", Variant(k % 2 == 0));
    item.Set("Body", Variant(Text(body)));
}

}  // namespace

void FillStore(simpim::OutlookServer& outlook, std::int32_t store, std::size_t count) {
    switch (store) {
        case TARN_STORE_CONTACTS:
            for (std::size_t k = 0; k < count; ++k) AddContact(outlook, k);
            return;
        case TARN_STORE_CALENDAR: {
            const std::size_t appointments = count - count * 2 / 5;
            for (std::size_t k = 0; k < appointments; ++k) AddAppointment(outlook, k);
            for (std::size_t k = 0; k < count - appointments; ++k) AddTask(outlook, k);
            return;
        }
        case TARN_STORE_NOTES:
            for (std::size_t k = 0; k < count; ++k) AddNote(outlook, k);
            return;
        case TARN_STORE_INBOX:
            for (std::size_t k = 0; k < count; ++k) AddMessage(outlook, k);
            return;
        default:
            throw std::invalid_argument("no such store in the benchmarks");
    }
}

void FillStores(simpim::OutlookServer& outlook) {
    FillStore(outlook, TARN_STORE_CONTACTS, kContacts);
    FillStore(outlook, TARN_STORE_CALENDAR, kAppointments + kTasks);
    FillStore(outlook, TARN_STORE_NOTES, kNotes);
    FillStore(outlook, TARN_STORE_INBOX, kMessages);
}

}  // namespace tarnex_bench
