#include "simpim/json/pim_json.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <optional>
#include <vector>

#include "simpim/ole_days.h"

namespace simpim {

namespace {

using Json = nlohmann::ordered_json;
using tarnex::automation::Date;

[[noreturn]] void Fail(const std::string& place, const std::string& what) {
    throw PimJsonError(place + ": " + what);
}

// ---- text: the document is UTF-8, the servers keep UTF-16

std::u16string Utf16(const std::string& text, const std::string& place) {
    std::u16string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int extra = lead < 0x80 ? 0 : lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
        if (extra < 0 || i + static_cast<std::size_t>(extra) >= text.size())
            Fail(place, "the text is not UTF-8");
        char32_t c = extra == 0 ? lead : lead & (0x3F >> extra);
        for (std::size_t k = 1; k <= static_cast<std::size_t>(extra); ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) Fail(place, "the text is not UTF-8");
            c = (c << 6) | (next & 0x3F);
        }
        i += static_cast<std::size_t>(extra) + 1;
        if (c >= 0x10000) {
            c -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (c >> 10));
            out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
    }
    return out;
}

std::string Utf8(std::u16string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000)
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        else if (c >= 0xD800 && c < 0xE000)
            c = 0xFFFD;
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

// A text value: a string, or an array of lines joined with CR LF, the line
// end Outlook keeps in its texts.
std::u16string TextOf(const Json& value, const std::string& place) {
    if (value.is_string()) return Utf16(value.get<std::string>(), place);
    if (!value.is_array()) Fail(place, "expected a text or an array of lines");
    std::u16string text;
    for (std::size_t k = 0; k < value.size(); ++k) {
        if (!value[k].is_string()) Fail(place + "/" + std::to_string(k), "expected a line of text");
        if (k > 0) text += u"\r\n";
        text += Utf16(value[k].get<std::string>(), place + "/" + std::to_string(k));
    }
    return text;
}

// Multi-line texts are saved as arrays of lines, so that a saved state reads
// as easily as a written one; texts with a lone CR or LF stay strings.
Json TextJson(const std::u16string& text) {
    if (text.find(u"\r\n") == std::u16string::npos) return Utf8(text);
    Json lines = Json::array();
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(u"\r\n", start)) != std::u16string::npos; start = end + 2)
        lines.push_back(Utf8(text.substr(start, end - start)));
    lines.push_back(Utf8(text.substr(start)));
    return lines;
}

// ---- dates: local wall-clock text, "2001-01-19" or "2001-01-19T09:00:00"

long DaysFromCivil(long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long>(doe) - 719468 + 25569;  // to 1899-12-30
}

void CivilFromDays(long days, long& y, unsigned& m, unsigned& d) {
    const long z = days - 25569 + 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y = static_cast<long>(yoe) + era * 400 + (m <= 2);
}

double DateOf(const Json& value, const std::string& place) {
    if (value.is_null()) return kNoDate;
    const char* kForm = "expected a date text like 2001-01-19 or 2001-01-19T09:00:00, or null for none";
    if (!value.is_string()) Fail(place, kForm);
    const std::string text = value.get<std::string>();
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0, used = 0;
    const bool dateOnly =
        text.size() == 10 && std::sscanf(text.c_str(), "%4d-%2d-%2d%n", &y, &mo, &d, &used) == 3;
    const bool withTime = text.size() == 19 && std::sscanf(text.c_str(), "%4d-%2d-%2dT%2d:%2d:%2d%n", &y, &mo,
                                                           &d, &h, &mi, &s, &used) == 6;
    if ((!dateOnly && !withTime) || used != static_cast<int>(text.size()) || mo < 1 || mo > 12 || d < 1 ||
        d > 31 || h > 23 || mi > 59 || s > 59)
        Fail(place, kForm);
    long cy = 0;
    unsigned cm = 0, cd = 0;
    const long days = DaysFromCivil(y, static_cast<unsigned>(mo), static_cast<unsigned>(d));
    CivilFromDays(days, cy, cm, cd);
    if (cd != static_cast<unsigned>(d)) Fail(place, "no such day: " + text);
    return static_cast<double>(days) + (h * 3600 + mi * 60 + s) / 86400.0;
}

Json DateJson(double date) {
    if (IsNoDate(date)) return nullptr;
    const auto seconds = static_cast<long long>(std::llround(date * 86400.0));
    const long days = static_cast<long>(seconds >= 0 ? seconds / 86400 : (seconds - 86399) / 86400);
    const long inDay = static_cast<long>(seconds - static_cast<long long>(days) * 86400);
    long y = 0;
    unsigned m = 0, d = 0;
    CivilFromDays(days, y, m, d);
    char text[64];
    if (inDay == 0)
        std::snprintf(text, sizeof text, "%04ld-%02u-%02u", y, m, d);
    else
        std::snprintf(text, sizeof text, "%04ld-%02u-%02uT%02ld:%02ld:%02ld", y, m, d, inDay / 3600,
                      inDay / 60 % 60, inDay % 60);
    return text;
}

// ---- Outlook

struct FolderName {
    std::int32_t type;
    const char* name;
    const ItemClass& (*itemClass)();  // what an item of the folder is unless it says
};
const std::array<FolderName, 10> kFolders{{
    {kFolderContacts, "Contacts", &ContactClass},
    {kFolderCalendar, "Calendar", &AppointmentClass},
    {kFolderTasks, "Tasks", &TaskClass},
    {kFolderNotes, "Notes", &NoteClass},
    {kFolderInbox, "Inbox", &MailClass},
    {kFolderOutbox, "Outbox", &MailClass},
    {kFolderSentMail, "Sent Items", &MailClass},
    {kFolderDrafts, "Drafts", &MailClass},
    {kFolderDeletedItems, "Deleted Items", &MailClass},
    {kFolderJournal, "Journal", &JournalClass},
}};

struct ClassName {
    const char* name;
    const ItemClass& (*itemClass)();
};
const std::array<ClassName, 9> kClasses{{
    {"contact", &ContactClass},
    {"appointment", &AppointmentClass},
    {"task", &TaskClass},
    {"note", &NoteClass},
    {"mail", &MailClass},
    {"meeting request", &MeetingRequestClass},
    {"report", &ReportClass},
    {"journal", &JournalClass},
    {"distribution list", &DistListClass},
}};

const char* NameOf(const ItemClass& itemClass) {
    for (const ClassName& c : kClasses)
        if (&c.itemClass() == &itemClass) return c.name;
    return "item";
}

Variant ValueOf(const PropertyDef& def, const Json& value, const std::string& place) {
    switch (def.type) {
        case VarType::Bstr:
            return Variant(TextOf(value, place));
        case VarType::Date:
            return Variant(Date{DateOf(value, place)});
        case VarType::I4:
            if (!value.is_number_integer() ||
                value.get<std::int64_t>() < std::numeric_limits<std::int32_t>::min() ||
                value.get<std::int64_t>() > std::numeric_limits<std::int32_t>::max())
                Fail(place, "expected a 32-bit whole number");
            return Variant(value.get<std::int32_t>());
        case VarType::Bool:
            if (!value.is_boolean()) Fail(place, "expected true or false");
            return Variant(value.get<bool>());
        default:
            Fail(place, "the property cannot be given a value");
    }
}

Json JsonOf(const Variant& value) {
    if (const auto* text = value.IfBstr()) return TextJson(*text);
    if (const auto* date = value.IfDate()) return DateJson(date->days);
    if (const auto* number = value.IfI4()) return *number;
    if (const auto* flag = value.IfBool()) return *flag;
    return nullptr;
}

// Whether a stored value reads the same as no stored value at all.
bool IsDefault(const PropertyDef& def, const Variant& raw) {
    const Variant absent = def.source == Source::Stored ? def.initial : Variant();
    if (const auto* text = raw.IfBstr())
        return text->empty() || (absent.IfBstr() && *absent.IfBstr() == *text);
    if (const auto* date = raw.IfDate())
        return IsNoDate(date->days) ||
               (absent.IfDate() && std::fabs(absent.IfDate()->days - date->days) < kDateDust);
    if (const auto* number = raw.IfI4()) return absent.IfI4() ? *absent.IfI4() == *number : *number == 0;
    if (const auto* flag = raw.IfBool()) return absent.IfBool() ? *absent.IfBool() == *flag : !*flag;
    return raw.IsEmpty();
}

// The order saved values are put back in, so that each put lands where the
// saved value came from: plain values first; the mailing address's own parts
// before the home, business and other parts (whose first put selects a
// mailing address when none is); the other derived values; the selected
// mailing address last.
int LoadRank(const PropertyDef& def) {
    if (def.name == "SelectedMailingAddress") return 4;
    if (def.source == Source::Stored) return 1;
    if (def.name.starts_with("MailingAddress")) return 2;
    return 3;
}

void LoadItem(OutlookServer& outlook, OutlookFolder& folder, const FolderName& folderName, const Json& item,
              const std::string& place) {
    if (!item.is_object()) Fail(place, "expected an item: an object of property values");
    const ItemClass* itemClass = &folderName.itemClass();
    if (auto it = item.find("class"); it != item.end()) {
        const ClassName* found = nullptr;
        for (const ClassName& c : kClasses)
            if (it->is_string() && it->get<std::string>() == c.name) found = &c;
        if (!found)
            Fail(place + "/class",
                 "expected contact, appointment, task, note, mail, meeting request, report, journal or "
                 "distribution list");
        itemClass = &found->itemClass();
    }
    OutlookItem& added = outlook.AddItem(folder, *itemClass);
    for (const auto& [name, value] : item.items()) {
        if (name == "class") continue;
        const std::string at = place + "/" + name;
        const PropertyDef* def = itemClass->table->Find(name);
        if (!def) Fail(at, std::string("a ") + NameOf(*itemClass) + " has no such property");
        if (def->dispid == kDispidClass || def->dispid == kDispidEntryId || def->dispid == kDispidParent)
            Fail(at, "kept by the store, not given");
        try {
            added.Set(def->dispid, ValueOf(*def, value, at));
        } catch (const std::invalid_argument& e) {
            Fail(at, e.what());
        }
    }
}

Json SaveItem(const OutlookItem& item, const FolderName& folderName) {
    Json saved = Json::object();
    if (&item.Class() != &folderName.itemClass()) saved["class"] = NameOf(item.Class());
    saved["CreationTime"] = DateJson(item.CreationTime());
    saved["LastModificationTime"] = DateJson(item.LastModificationTime());
    std::vector<const PropertyDef*> rows;
    for (const PropertyDef& def : item.Data().Table().Rows())
        if (def.source != Source::Item) rows.push_back(&def);
    std::stable_sort(rows.begin(), rows.end(),
                     [](const PropertyDef* a, const PropertyDef* b) { return LoadRank(*a) < LoadRank(*b); });
    for (const PropertyDef* def : rows) {
        const Variant raw = item.Data().Raw(def->dispid);
        if (raw.IsEmpty() || IsDefault(*def, raw)) continue;
        if (def->dispid == kDispidMessageClass && raw.IfBstr() && *raw.IfBstr() == item.Class().messageClass)
            continue;
        saved[std::string(def->name)] = JsonOf(raw);
    }
    return saved;
}

// ---- Eudora

struct StatusName {
    std::int32_t status;
    const char* name;
};
constexpr std::array<StatusName, 4> kStatuses{
    {{kEudoraUnread, "unread"}, {kEudoraRead, "read"}, {kEudoraQueued, "queued"}, {kEudoraSent, "sent"}}};

struct MessageField {
    const char* name;
    std::u16string EudoraMessageFields::*field;
};
const std::array<MessageField, 8> kMessageFields{{
    {"to", &EudoraMessageFields::to},
    {"from", &EudoraMessageFields::from},
    {"subject", &EudoraMessageFields::subject},
    {"cc", &EudoraMessageFields::cc},
    {"bcc", &EudoraMessageFields::bcc},
    {"replyTo", &EudoraMessageFields::replyTo},
    {"date", &EudoraMessageFields::date},
    {"body", &EudoraMessageFields::body},
}};

EudoraMessageFields MessageOf(const Json& message, const std::string& place) {
    if (!message.is_object()) Fail(place, "expected a message: an object of header fields and body");
    EudoraMessageFields fields;
    for (const auto& [name, value] : message.items()) {
        const std::string at = place + "/" + name;
        if (name == "status") {
            const StatusName* found = nullptr;
            for (const StatusName& s : kStatuses)
                if (value.is_string() && value.get<std::string>() == s.name) found = &s;
            if (found)
                fields.status = found->status;
            else if (value.is_number_integer())
                fields.status = value.get<std::int32_t>();
            else
                Fail(at, "expected unread, read, queued, sent or a status number");
            continue;
        }
        auto field = std::find_if(kMessageFields.begin(), kMessageFields.end(),
                                  [&](const MessageField& f) { return name == f.name; });
        if (field == kMessageFields.end()) Fail(at, "a message has no such field");
        fields.*(field->field) = TextOf(value, at);
    }
    return fields;
}

Json MessageJson(const EudoraMessageFields& fields) {
    Json saved = Json::object();
    for (const MessageField& f : kMessageFields)
        if (!(fields.*(f.field)).empty()) saved[f.name] = TextJson(fields.*(f.field));
    saved["status"] = fields.status;
    for (const StatusName& s : kStatuses)
        if (s.status == fields.status) saved["status"] = s.name;
    return saved;
}

void LoadNodes(EudoraStore& store, EudoraMailbox& parent, const Json& nodes, const std::string& place) {
    if (!nodes.is_array()) Fail(place, "expected an array of mailboxes and folders");
    std::array<bool, 5> standardTaken{};
    for (std::size_t k = 0; k < nodes.size(); ++k) {
        const Json& node = nodes[k];
        const std::string at = place + "/" + std::to_string(k);
        if (!node.is_object() || !node.contains("name") || !node["name"].is_string())
            Fail(at, "expected a mailbox or folder with a name");
        for (const auto& [key, value] : node.items()) {
            if (key != "name" && key != "folder" && key != "messages" && key != "children")
                Fail(at + "/" + key, "a mailbox has name, folder, messages and children only");
        }
        const bool folder = node.value("folder", false);
        const std::u16string name = Utf16(node["name"].get<std::string>(), at + "/name");
        // In, Out and Trash stand under the root from the start.
        EudoraMailbox* mailbox = nullptr;
        if (&parent == &store.Root() && !folder) {
            for (std::int32_t number : {kEudoraIn, kEudoraOut, kEudoraTrash}) {
                EudoraMailbox* standard = store.MailboxByNumber(number);
                if (!standardTaken[static_cast<std::size_t>(number)] && standard->Name() == name) {
                    mailbox = standard;
                    standardTaken[static_cast<std::size_t>(number)] = true;
                }
            }
        }
        if (!mailbox) mailbox = folder ? &store.AddFolder(parent, name) : &store.AddMailbox(parent, name);
        if (folder && node.contains("messages")) Fail(at + "/messages", "a folder holds no messages");
        if (!folder && node.contains("children")) Fail(at + "/children", "a mailbox holds no mailboxes");
        if (auto messages = node.find("messages"); messages != node.end()) {
            if (!messages->is_array()) Fail(at + "/messages", "expected an array of messages");
            for (std::size_t m = 0; m < messages->size(); ++m)
                store.AddMessage(*mailbox, MessageOf((*messages)[m], at + "/messages/" + std::to_string(m)));
        }
        if (auto children = node.find("children"); children != node.end())
            LoadNodes(store, *mailbox, *children, at + "/children");
    }
}

Json NodesJson(const EudoraMailbox& parent) {
    Json nodes = Json::array();
    for (const auto& child : parent.Children()) {
        Json node{{"name", Utf8(child->Name())}};
        if (child->IsFolder()) {
            node["folder"] = true;
            node["children"] = NodesJson(*child);
        } else {
            Json messages = Json::array();
            for (const auto& message : child->Messages()) messages.push_back(MessageJson(message->fields));
            node["messages"] = std::move(messages);
        }
        nodes.push_back(std::move(node));
    }
    return nodes;
}

const Json& Member(const Json& document, const char* name) {
    auto it = document.find(name);
    if (it == document.end() || !it->is_object()) Fail(std::string("/") + name, "expected an object");
    return *it;
}

}  // namespace

nlohmann::ordered_json ParsePimJson(std::string_view text) {
    Json document;
    try {
        document = Json::parse(text.begin(), text.end());
    } catch (const Json::parse_error& e) {
        throw PimJsonError(e.what());
    }
    if (!document.is_object()) Fail("/", "expected an object with outlook and/or eudora");
    for (const auto& [key, value] : document.items()) {
        if (key != "outlook" && key != "eudora" && key != "comment")
            Fail("/" + key, "not a member of the format");
    }
    return document;
}

void LoadOutlook(const nlohmann::ordered_json& document, OutlookServer& outlook) {
    const Json& pim = Member(document, "outlook");
    for (const auto& [key, value] : pim.items()) {
        if (key == "folders") continue;
        if (key == "now")
            outlook.Store().SetNow(DateOf(value, "/outlook/now"));
        else
            Fail("/outlook/" + key, "an Outlook has now and folders only");
    }
    auto folders = pim.find("folders");
    if (folders == pim.end()) return;
    if (!folders->is_object()) Fail("/outlook/folders", "expected an object of folders by name");
    for (const auto& [name, items] : folders->items()) {
        const std::string place = "/outlook/folders/" + name;
        auto folderName = std::find_if(kFolders.begin(), kFolders.end(),
                                       [&](const FolderName& f) { return name == f.name; });
        if (folderName == kFolders.end())
            Fail(place,
                 "expected Contacts, Calendar, Tasks, Notes, Inbox, Outbox, Sent Items, Drafts, Deleted "
                 "Items or "
                 "Journal");
        if (!items.is_array()) Fail(place, "expected an array of items");
        OutlookFolder& folder = outlook.Folder(folderName->type);
        for (std::size_t k = 0; k < items.size(); ++k)
            LoadItem(outlook, folder, *folderName, items[k], place + "/" + std::to_string(k));
    }
}

void LoadEudora(const nlohmann::ordered_json& document, EudoraServer& eudora) {
    const Json& pim = Member(document, "eudora");
    EudoraStore& store = eudora.Store();
    for (const auto& [key, value] : pim.items()) {
        const std::string at = "/eudora/" + key;
        if (key == "returnAddress")
            store.returnAddress = TextOf(value, at);
        else if (key == "queueDate")
            store.queueDate = TextOf(value, at);
        else if (key == "mailboxes")
            LoadNodes(store, store.Root(), value, at);
        else
            Fail(at, "a Eudora has returnAddress, queueDate and mailboxes only");
    }
}

nlohmann::ordered_json SaveOutlook(OutlookServer& outlook) {
    Json folders = Json::object();
    for (const FolderName& f : kFolders) {
        Json items = Json::array();
        for (const auto& item : outlook.Folder(f.type).Items()) items.push_back(SaveItem(*item, f));
        if (!items.empty()) folders[f.name] = std::move(items);
    }
    return Json{{"folders", std::move(folders)}};
}

nlohmann::ordered_json SaveEudora(EudoraServer& eudora) {
    EudoraStore& store = eudora.Store();
    Json saved = Json::object();
    saved["returnAddress"] = Utf8(store.returnAddress);
    if (!store.queueDate.empty()) saved["queueDate"] = Utf8(store.queueDate);
    saved["mailboxes"] = NodesJson(store.Root());
    return saved;
}

}  // namespace simpim
