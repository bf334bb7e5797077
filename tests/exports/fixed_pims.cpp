#include "exports/fixed_pims.h"

#include <array>
#include <span>

#include "simpim/arguments_text.h"

namespace tarnex_test {

namespace {

using simpim::Variant;
using tarnex::automation::Date;

std::string Narrow(const std::u16string& text) { return std::string(text.begin(), text.end()); }

simpim::OutlookItem& Item(simpim::OutlookServer& outlook, std::int32_t folder,
                          const simpim::ItemClass& itemClass,
                          std::initializer_list<std::pair<const char*, Variant>> values) {
    simpim::OutlookItem& item = outlook.AddItem(folder, itemClass);
    for (const auto& [name, value] : values) item.Set(name, value);
    return item;
}

void Describe(std::string& out, const simpim::OutlookFolder& folder) {
    out += "folder " + simpim::LogText(folder.Name()) + " " + std::to_string(folder.Count()) + "\n";
    for (const auto& item : folder.Items()) {
        out += "  " + simpim::LogText(item->EntryId()) + " " + std::string(item->Class().objectName) + " " +
               std::to_string(item->CreationTime()) + " " + std::to_string(item->LastModificationTime()) +
               "\n";
        for (const simpim::PropertyDef& row : item->Data().Table().Rows()) {
            const Variant value = item->Data().Raw(row.dispid);
            if (value.IsEmpty()) continue;
            out += "    " + std::string(row.name) + "=" + simpim::ArgumentsText(std::span(&value, 1)) + "\n";
        }
    }
    for (const auto& child : folder.Subfolders()) Describe(out, *child);
}

void Describe(std::string& out, const simpim::EudoraMailbox& node) {
    out += "mailbox " + simpim::LogText(node.Name()) + " " + std::to_string(node.Number()) + "\n";
    for (const auto& m : node.Messages()) {
        const simpim::EudoraMessageFields& f = m->fields;
        out += "  " + std::to_string(m->id) + " " + std::to_string(f.status);
        for (const std::u16string* text :
             {&f.to, &f.from, &f.subject, &f.cc, &f.bcc, &f.replyTo, &f.date, &f.body})
            out += " [" + simpim::LogText(*text) + "]";
        out += "\n";
    }
    for (const auto& child : node.Children()) Describe(out, *child);
}

void CollectIds(std::vector<std::string>& ids, const simpim::EudoraMailbox& node) {
    const std::string prefix = simpim::LogText(node.Name()) + "_" + std::to_string(node.Count()) + "_";
    for (std::size_t k = 1; k <= node.Count(); ++k) ids.push_back(prefix + std::to_string(k));
    for (const auto& child : node.Children()) CollectIds(ids, *child);
}

}  // namespace

WorldIds Populate(simpim::OutlookServer& outlook) {
    outlook.Store().SetNow(36950.5);
    using namespace simpim;
    WorldIds ids;
    ids.contact = Narrow(Item(outlook, kFolderContacts, ContactClass(),
                              {{"FirstName", Variant(u"Jane")},
                               {"LastName", Variant(u"Doe")},
                               {"CompanyName", Variant(u"Acme")},
                               {"Email1Address", Variant(u"jane@example.com")},
                               {"HomeTelephoneNumber", Variant(u"555 0100")},
                               {"Birthday", Variant(Date{25569.0})}})
                             .EntryId());
    ids.contact2 =
        Narrow(Item(outlook, kFolderContacts, ContactClass(), {{"LastName", Variant(u"Roe")}}).EntryId());
    ids.appointment = Narrow(Item(outlook, kFolderCalendar, AppointmentClass(),
                                  {{"Subject", Variant(u"Review")},
                                   {"Start", Variant(Date{36950.375})},
                                   {"End", Variant(Date{36950.4375})},
                                   {"Location", Variant(u"Room 1")}})
                                 .EntryId());
    ids.task = Narrow(Item(outlook, kFolderTasks, TaskClass(),
                           {{"Subject", Variant(u"Report")}, {"DueDate", Variant(Date{36955.0})}})
                          .EntryId());
    ids.note =
        Narrow(Item(outlook, kFolderNotes, NoteClass(), {{"Body", Variant(u"first\r\nsecond")}}).EntryId());
    ids.inbox = Narrow(Item(outlook, kFolderInbox, MailClass(),
                            {{"Subject", Variant(u"Hello")},
                             {"Body", Variant(u"Hi there")},
                             {"SenderName", Variant(u"Ann")},
                             {"ReceivedTime", Variant(Date{36949.25})}})
                           .EntryId());
    ids.outbox =
        Narrow(Item(outlook, kFolderOutbox, MailClass(), {{"Subject", Variant(u"Queued")}}).EntryId());
    ids.sent = Narrow(
        Item(outlook, kFolderSentMail, MailClass(), {{"Subject", Variant(u"Sent")}, {"To", Variant(u"Bob")}})
            .EntryId());
    return ids;
}

std::string StoreFingerprint(simpim::OutlookServer& outlook) {
    std::string out;
    Describe(out, outlook.Store().Root());
    return out;
}

std::vector<StoredItem> StoredItems(simpim::OutlookServer& outlook) {
    constexpr std::array<std::pair<std::int32_t, std::int32_t>, 7> kFolders{{
        {simpim::kFolderContacts, TARN_STORE_CONTACTS},
        {simpim::kFolderCalendar, TARN_STORE_CALENDAR},
        {simpim::kFolderTasks, TARN_STORE_CALENDAR},
        {simpim::kFolderNotes, TARN_STORE_NOTES},
        {simpim::kFolderInbox, TARN_STORE_INBOX},
        {simpim::kFolderOutbox, TARN_STORE_OUTBOX},
        {simpim::kFolderSentMail, TARN_STORE_SENT},
    }};
    std::vector<StoredItem> items;
    for (const auto& [folder, store] : kFolders) {
        for (const auto& item : outlook.Folder(folder).Items())
            items.push_back({Narrow(item->EntryId()), store});
    }
    return items;
}

void Populate(simpim::EudoraServer& eudora) {
    simpim::EudoraStore& tree = eudora.Store();
    tree.queueDate = u"Mon, 05 Mar 2001 10:00:00 +0100";
    eudora.AddMessage(simpim::kEudoraIn, {.from = u"Ann", .subject = u"Hello", .body = u"Hi there"});
    eudora.AddMessage(simpim::kEudoraIn, {.to = u"me", .subject = u"Again", .cc = u"Bob", .body = u"More"});
    eudora.AddMessage(simpim::kEudoraOut, {.to = u"Carl", .subject = u"Queued", .body = u"Later"});
    simpim::EudoraMailbox& work = tree.AddMailbox(tree.Root(), u"Work");
    tree.AddMessage(work, {.subject = u"Report", .body = u"Numbers"});
    tree.AddMessage(work, {.subject = u"Plan", .body = u"Steps"});
}

std::string StoreFingerprint(simpim::EudoraServer& eudora) {
    std::string out;
    Describe(out, eudora.Store().Root());
    return out;
}

std::vector<std::string> MessageIds(simpim::EudoraServer& eudora) {
    std::vector<std::string> ids;
    CollectIds(ids, eudora.Store().Root());
    return ids;
}

}  // namespace tarnex_test
