#include "exports/host.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <sstream>
#include <stdexcept>
#include <utility>

#include "simpim/arguments_text.h"

namespace tarnex_test {

namespace {

// Where each field of a layout starts, by offset; the contact's slots by
// their number ("phone2", "phone2Parameters").
const std::map<std::size_t, std::string>& Layout(std::size_t recordSize) {
    static const auto build = [](std::string_view fields, bool slots = false) {
        std::map<std::size_t, std::string> layout = {{0, "type"}, {4, "entryId"}, {260, "version"}};
        std::istringstream in{std::string(fields)};
        for (std::pair<std::size_t, std::string> field; in >> field.first >> field.second;)
            layout.insert(field);
        const struct {
            const char* name;
            std::size_t at, size, parameters, count;
        } contactSlots[] = {
            {"address", 893, 383, 255, 6}, {"phone", 4087, 178, 50, 12}, {"email", 7503, 158, 30, 12}};
        for (const auto& slot : contactSlots) {
            for (std::size_t k = 0; slots && k < slot.count; ++k) {
                layout[slot.at + k * slot.size] = slot.name + std::to_string(k);
                layout[slot.at + k * slot.size + slot.parameters] =
                    slot.name + std::to_string(k) + "Parameters";
            }
        }
        return layout;
    };
    static const std::map<std::size_t, std::string> contact = build(
        "270 name 370 nameParameters 498 fileAs 626 fileAsParameters 754 birthday 765 birthdayParameters "
        "3191 organization 3703 organizationParameters 3831 jobTitle 3959 jobTitleParameters 6223 "
        "personalHomePage 6735 personalHomePageParameters 6863 businessHomePage 7375 "
        "businessHomePageParameters 9399 tail",
        true);
    static const std::map<std::size_t, std::string> calendar = build(
        "270 kind 271 fields.entryId 527 categories 805 dateCompleted 825 dateCompletedParameters 953 body "
        "21433 bodyParameters 21561 dueDate 21581 dueDateParameters 21709 end 21729 endParameters 21857 "
        "importance 21862 importanceParameters 21990 start 22010 startParameters 22138 status 22158 "
        "statusParameters 22286 subject 22798 subjectParameters 22926 spare 22946 spareParameters 23074 "
        "location 23224 locationParameters");
    static const std::map<std::size_t, std::string> note = build(
        "270 creationTime 290 lastModificationTime 310 categories 475 body 5595 bodyParameters 5723 subject "
        "5979 subjectParameters 6107 tail");
    static const std::map<std::size_t, std::string> message = build(
        "270 status 277 messageType 282 box 332 originatorList1 844 originatorList2 1356 recipientList1 2380 "
        "recipientList2 3464 date 3564 from 4076 to 5100 cc 6124 replyTo 6224 subject 6480 spare 6658 body "
        "27138 padding");
    switch (recordSize) {
        case sizeof(ContactRecord):
            return contact;
        case sizeof(CalendarRecord):
            return calendar;
        case sizeof(NoteRecord):
            return note;
        default:
            return message;
    }
}

std::string FieldAt(std::size_t offset, std::size_t recordSize) {
    const auto& layout = Layout(recordSize);
    const auto field = std::prev(layout.upper_bound(offset));
    return field->second + " + " + std::to_string(offset - field->first);
}

// "subject", "subject+256" or "270".
std::size_t OffsetOf(const std::string& field, std::size_t recordSize) {
    const std::size_t plus = field.find('+');
    const std::string name = field.substr(0, plus);
    const std::size_t extra = plus == std::string::npos ? 0 : std::stoul(field.substr(plus + 1));
    if (!name.empty() && std::isdigit(static_cast<unsigned char>(name[0]))) return std::stoul(name) + extra;
    for (const auto& [at, known] : Layout(recordSize)) {
        if (known == name) return at + extra;
    }
    throw std::invalid_argument("no field " + name + " in a record of " + std::to_string(recordSize));
}

bool IsNameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '+'; }

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

Pairs PairsOf(std::string_view text) {
    Pairs pairs;
    std::size_t start = 0;
    for (std::size_t at = 0; at <= text.size(); ++at) {
        if (at < text.size()) {
            if (text[at] != '|') continue;
            std::size_t name = at + 1;
            while (name < text.size() && IsNameChar(text[name])) ++name;
            if (at + 1 < text.size() && (name == at + 1 || name == text.size() || text[name] != '='))
                continue;
        }
        const std::string_view pair = text.substr(start, at - start);
        start = at + 1;
        if (pair.empty()) continue;
        const std::size_t equals = pair.find('=');
        if (equals == std::string_view::npos) throw std::invalid_argument("no = in " + std::string(pair));
        pairs.emplace_back(pair.substr(0, equals), pair.substr(equals + 1));
    }
    return pairs;
}

Values ValuesOf(std::string_view text) {
    Values values;
    for (auto& [name, value] : PairsOf(text)) values[name] = std::move(value);
    return values;
}

std::size_t RecordSize(int32_t store) {
    return store == TARN_STORE_CONTACTS   ? sizeof(ContactRecord)
           : store == TARN_STORE_CALENDAR ? sizeof(CalendarRecord)
           : store == TARN_STORE_NOTES    ? sizeof(NoteRecord)
                                          : sizeof(MessageRecord);
}

std::string ImageOf(std::size_t size, const RecordBytes& fields) {
    std::map<std::size_t, std::string> texts;  // a later text at an offset replaces an earlier one
    for (const auto& [field, text] : fields.pairs) texts[OffsetOf(field, size)] = text;
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

std::string MessageHeader(const std::string& entryId, bool unread, std::string_view box, int type) {
    return "type=" + std::string(1, static_cast<char>(type)) + "|entryId=" + entryId +
           "|version=1.1|status=" + (unread ? "UNREAD" : "READ") + "|messageType=MSG|box=" + std::string(box);
}

std::string Narrow(const std::u16string& text) { return std::string(text.begin(), text.end()); }

simpim::OutlookItem& Set(simpim::OutlookItem& item, std::string_view properties) {
    for (const auto& [name, text] : PairsOf(properties)) {
        const simpim::PropertyDef* row = item.Data().Table().Find(name);
        if (row == nullptr) throw std::invalid_argument("no property " + name);
        switch (row->type) {
            case simpim::VarType::Date:
                item.Set(name, Variant(Date{std::stod(text)}));
                break;
            case simpim::VarType::I4:
                item.Set(name, Variant(static_cast<std::int32_t>(std::stol(text))));
                break;
            case simpim::VarType::Bool:
                item.Set(name, Variant(text == "true"));
                break;
            default:
                item.Set(name, Variant(std::u16string(text.begin(), text.end())));
        }
    }
    return item;
}

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
    const auto id = [&](std::int32_t folder, const ItemClass& itemClass, std::string_view properties) {
        return EntryIdOf(Set(outlook.AddItem(folder, itemClass), properties));
    };
    return {id(kFolderContacts, ContactClass(),
               "FirstName=Jane|LastName=Doe|CompanyName=Acme|Email1Address=jane@example.com|"
               "HomeTelephoneNumber=555 0100|Birthday=25569"),
            id(kFolderContacts, ContactClass(), "LastName=Roe"),
            id(kFolderCalendar, AppointmentClass(),
               "Subject=Review|Start=36950.375|End=36950.4375|Location=Room 1"),
            id(kFolderTasks, TaskClass(), "Subject=Report|DueDate=36955"),
            id(kFolderNotes, NoteClass(), "Body=first\r\nsecond"),
            id(kFolderInbox, MailClass(), "Subject=Hello|Body=Hi there|SenderName=Ann|ReceivedTime=36949.25"),
            id(kFolderOutbox, MailClass(), "Subject=Queued"),
            id(kFolderSentMail, MailClass(), "Subject=Sent|To=Bob")};
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
