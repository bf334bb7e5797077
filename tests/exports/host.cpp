#include "exports/host.h"

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <stdexcept>
#include <utility>

#include "simpim/arguments_text.h"

namespace tarnex_test {

namespace {

// Where each field of a layout starts, for naming the first differing byte.
std::string_view Layout(std::size_t recordSize) {
    switch (recordSize) {
        case sizeof(ContactRecord):
            return "270 name 370 nameParameters 498 fileAs 626 fileAsParameters 754 birthday 765 "
                   "birthdayParameters 893 addresses 3191 organization 3703 organizationParameters 3831 "
                   "jobTitle "
                   "3959 jobTitleParameters 4087 phones 6223 personalHomePage 6735 "
                   "personalHomePageParameters 6863 "
                   "businessHomePage 7375 businessHomePageParameters 7503 emails 9399 tail";
        case sizeof(CalendarRecord):
            return "270 kind 271 entryId 527 categories 805 dateCompleted 825 dateCompletedParameters 953 "
                   "body "
                   "21433 bodyParameters 21561 dueDate 21581 dueDateParameters 21709 end 21729 endParameters "
                   "21857 importance 21862 importanceParameters 21990 start 22010 startParameters 22138 "
                   "status "
                   "22158 statusParameters 22286 subject 22798 subjectParameters 22926 spare 22946 "
                   "spareParameters 23074 location 23224 locationParameters";
        case sizeof(NoteRecord):
            return "270 creationTime 290 lastModificationTime 310 categories 475 body 5595 bodyParameters "
                   "5723 "
                   "subject 5979 subjectParameters 6107 tail";
        default:
            return "270 status 277 messageType 282 box 332 originatorList1 844 originatorList2 1356 "
                   "recipientList1 2380 recipientList2 3464 date 3564 from 4076 to 5100 cc 6124 replyTo 6224 "
                   "subject 6480 spare 6658 body 27138 padding";
    }
}

std::string FieldAt(std::size_t offset, std::size_t recordSize) {
    std::istringstream fields("0 type 4 entryId 260 version " + std::string(Layout(recordSize)));
    std::string name = "?", next;
    std::size_t start = 0;
    for (std::size_t at; fields >> at >> next && at <= offset; start = at) name = next;
    return name + " + " + std::to_string(offset - start);
}

// Up to 40 bytes from offset, printable as they are and the rest as \xNN.
std::string Show(std::span<const char> bytes, std::size_t offset) {
    std::string out;
    for (std::size_t k = offset; k < bytes.size() && k < offset + 40; ++k) {
        const auto c = static_cast<unsigned char>(bytes[k]);
        char hex[8];
        std::snprintf(hex, sizeof hex, "\\x%02X", c);
        out += c >= 0x20 && c < 0x7F && c != '\\' ? std::string(1, static_cast<char>(c)) : hex;
    }
    return out;
}

simpim::OutlookItem& Item(simpim::OutlookServer& outlook, std::int32_t folder,
                          const simpim::ItemClass& itemClass, const PropertyValues& values) {
    simpim::OutlookItem& item = outlook.AddItem(folder, itemClass);
    for (const auto& [name, value] : values) item.Set(name, value);
    return item;
}

std::string ValueText(const Variant& value) {
    if (const auto* text = value.IfBstr()) return Narrow(*text);
    if (const auto* date = value.IfDate()) return "date " + std::to_string(date->days);
    if (const auto* number = value.IfI4()) return std::to_string(*number);
    if (const auto* flag = value.IfBool()) return *flag ? "true" : "false";
    return simpim::ArgumentsText(std::span(&value, 1));
}

void Describe(std::string& out, const simpim::OutlookFolder& folder) {
    out += "folder " + simpim::LogText(folder.Name()) + " " + std::to_string(folder.Count()) + "\n";
    for (const auto& item : folder.Items()) {
        out += "  " + EntryIdOf(*item) + " " + std::string(item->Class().objectName) + " " +
               std::to_string(item->CreationTime()) + " " + std::to_string(item->LastModificationTime()) +
               "\n";
        for (const auto& [name, value] : Properties(*item)) out += "    " + name + "=" + value + "\n";
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

std::string ImageOf(std::size_t size, const RecordBytes& fields) {
    std::map<std::size_t, std::string> texts;  // a later text at an offset replaces an earlier one
    for (const ExpectedText& e : fields) texts[e.offset] = e.text;
    std::string image(size, '\0');
    for (const auto& [offset, text] : texts) {
        if (offset + text.size() >= size) throw std::out_of_range("text past the record");
        image.replace(offset, text.size(), text);
    }
    return image;
}

::testing::AssertionResult RecordBytesAre(std::span<const char> record, const RecordBytes& expected) {
    const std::string image = ImageOf(record.size(), expected);
    const auto [want, saw] = std::mismatch(image.begin(), image.end(), record.begin());
    if (want == image.end()) return ::testing::AssertionSuccess();
    const auto at = static_cast<std::size_t>(want - image.begin());
    return ::testing::AssertionFailure()
           << "first difference at offset " << at << " (" << FieldAt(at, record.size()) << ")\n  expected \""
           << Show(image, at) << "\"\n  saw      \"" << Show(record, at) << "\"";
}

RecordBytes MessageHeader(int type, const std::string& entryId, bool unread, std::string_view box) {
    return {{0, Byte(type)},
            {kEntryIdAt, entryId},
            {kVersionAt, "1.1"},
            {msg::kStatus, unread ? "UNREAD" : "READ"},
            {msg::kMessageType, "MSG"},
            {msg::kBox, std::string(box)}};
}

std::string Narrow(const std::u16string& text) { return std::string(text.begin(), text.end()); }

Values Properties(const simpim::OutlookItem& item) {
    Values values;
    for (const simpim::PropertyDef& row : item.Data().Table().Rows()) {
        const Variant value = item.Data().Raw(row.dispid);
        if (!value.IsEmpty()) values[std::string(row.name)] = ValueText(value);
    }
    return values;
}

WorldIds Populate(simpim::OutlookServer& outlook) {
    using namespace simpim;
    outlook.Store().SetNow(36950.5);
    const auto id = [&](std::int32_t folder, const ItemClass& itemClass, const PropertyValues& values) {
        return EntryIdOf(Item(outlook, folder, itemClass, values));
    };
    WorldIds ids;
    ids.contact = id(kFolderContacts, ContactClass(),
                     {{"FirstName", Variant(u"Jane")},
                      {"LastName", Variant(u"Doe")},
                      {"CompanyName", Variant(u"Acme")},
                      {"Email1Address", Variant(u"jane@example.com")},
                      {"HomeTelephoneNumber", Variant(u"555 0100")},
                      {"Birthday", Variant(Date{25569.0})}});
    ids.contact2 = id(kFolderContacts, ContactClass(), {{"LastName", Variant(u"Roe")}});
    ids.appointment = id(kFolderCalendar, AppointmentClass(),
                         {{"Subject", Variant(u"Review")},
                          {"Start", Variant(Date{36950.375})},
                          {"End", Variant(Date{36950.4375})},
                          {"Location", Variant(u"Room 1")}});
    ids.task =
        id(kFolderTasks, TaskClass(), {{"Subject", Variant(u"Report")}, {"DueDate", Variant(Date{36955.0})}});
    ids.note = id(kFolderNotes, NoteClass(), {{"Body", Variant(u"first\r\nsecond")}});
    ids.inbox = id(kFolderInbox, MailClass(),
                   {{"Subject", Variant(u"Hello")},
                    {"Body", Variant(u"Hi there")},
                    {"SenderName", Variant(u"Ann")},
                    {"ReceivedTime", Variant(Date{36949.25})}});
    ids.outbox = id(kFolderOutbox, MailClass(), {{"Subject", Variant(u"Queued")}});
    ids.sent = id(kFolderSentMail, MailClass(), {{"Subject", Variant(u"Sent")}, {"To", Variant(u"Bob")}});
    return ids;
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

std::string StoreFingerprint(simpim::OutlookServer& outlook) {
    std::string out;
    Describe(out, outlook.Store().Root());
    return out;
}

std::string StoreFingerprint(simpim::EudoraServer& eudora) {
    std::string out;
    Describe(out, eudora.Store().Root());
    return out;
}

std::vector<std::pair<std::string, int32_t>> StoredItems(simpim::OutlookServer& outlook) {
    const std::pair<std::int32_t, std::int32_t> folders[] = {
        {simpim::kFolderContacts, TARN_STORE_CONTACTS}, {simpim::kFolderCalendar, TARN_STORE_CALENDAR},
        {simpim::kFolderTasks, TARN_STORE_CALENDAR},    {simpim::kFolderNotes, TARN_STORE_NOTES},
        {simpim::kFolderInbox, TARN_STORE_INBOX},       {simpim::kFolderOutbox, TARN_STORE_OUTBOX},
        {simpim::kFolderSentMail, TARN_STORE_SENT}};
    std::vector<std::pair<std::string, int32_t>> items;
    for (const auto& [folder, store] : folders) {
        for (const auto& item : outlook.Folder(folder).Items()) items.emplace_back(EntryIdOf(*item), store);
    }
    return items;
}

std::vector<std::string> MessageIds(simpim::EudoraServer& eudora) {
    std::vector<std::string> ids;
    CollectIds(ids, eudora.Store().Root());
    return ids;
}

}  // namespace tarnex_test
