#include "vobject.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>

#include "tarnex/tarnex.h"
#include "text.h"

namespace tarnex_host {

namespace {

constexpr std::string_view kQuotedPrintable = "ENCODING=QUOTED-PRINTABLE";
// What the library writes for a line break of a PIM value: "=0D=0A", then a
// quoted-printable soft break.
constexpr std::string_view kSoftBreak = "=0D=0A=\n";

bool Contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

std::string Upper(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

std::string ReplaceAll(std::string text, std::string_view from, std::string_view to) {
    for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
        text.replace(at, from.size(), to);
    return text;
}

std::string WithParameter(const std::string& parameters, std::string_view more) {
    return parameters.empty() ? std::string(more) : parameters + ";" + std::string(more);
}

// ---- writing

// One property line. The value stands as the record holds it, with two
// things a host must add for the text to stay vObject text: a line break the
// record holds as such becomes the library's soft break, and a value holding
// soft breaks is marked quoted-printable (the library marks bodies only).
// Values beyond ASCII are written as UTF-8 and say so.
void AppendProperty(std::string& out, std::string_view name, std::string parameters, std::string value) {
    std::string encoded;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const bool softBreak = value[i] == '\n' && i > 0 && value[i - 1] == '=';
        if (value[i] == '\r' && i + 1 < value.size() && value[i + 1] == '\n') continue;
        if ((value[i] == '\n' && !softBreak) || value[i] == '\r')
            encoded += kSoftBreak;
        else
            encoded += value[i];
    }
    if (Contains(encoded, kSoftBreak) && !Contains(Upper(parameters), "QUOTED-PRINTABLE"))
        parameters = WithParameter(parameters, kQuotedPrintable);
    const bool wide = std::any_of(encoded.begin(), encoded.end(), [](char c) { return (c & 0x80) != 0; });
    if (wide || std::any_of(parameters.begin(), parameters.end(), [](char c) { return (c & 0x80) != 0; }))
        parameters = WithParameter(parameters, "CHARSET=UTF-8");
    out += name;
    if (!parameters.empty()) out += ";" + Utf8FromCodePage(parameters);
    out += ":" + Utf8FromCodePage(encoded) + "\r\n";
}

void AppendLine(std::string& out, std::string_view line) {
    out += line;
    out += "\r\n";
}

void AppendFields(std::string& out, const Record& record) {
    for (const Field& field : record.Layout().fields) {
        if (field.property.empty()) continue;
        std::string value = record.Value(field);
        if (!value.empty()) AppendProperty(out, field.property, record.Parameters(field), std::move(value));
    }
}

std::string VersionOr(const Record& record, std::string_view otherwise) {
    std::string version = record.Text(offsetof(PimRecordHeader, version), sizeof(PimRecordHeader::version));
    return version.empty() ? std::string(otherwise) : version;
}

// Entries of a list of names: "a; b" or "|a|b".
std::vector<std::string> Entries(std::string_view text, char separator) {
    std::vector<std::string> entries;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(separator, start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view entry = text.substr(start, end - start);
        while (!entry.empty() && entry.front() == ' ') entry.remove_prefix(1);
        while (!entry.empty() && entry.back() == ' ') entry.remove_suffix(1);
        if (!entry.empty()) entries.emplace_back(entry);
        start = end + 1;
    }
    return entries;
}

void AppendPersonCard(std::string& out, const std::string& name) {
    AppendLine(out, "BEGIN:VCARD");
    AppendLine(out, "VERSION:2.1");
    AppendProperty(out, "N", {}, name);
    AppendLine(out, "END:VCARD");
}

std::string MessageField(const Record& record, std::string_view name) {
    return record.Value(*FindField(record.Layout(), name));
}

// The originator's card, the recipients' cards in the envelope, and the
// header lines and text in the body, all from the record's raw texts.
void AppendMessage(std::string& out, const Record& record) {
    AppendLine(out, "BEGIN:VMSG");
    AppendLine(out, "VERSION:" + VersionOr(record, "1.1"));
    AppendProperty(out, "X-IRMC-LUID", {}, record.EntryId());
    for (const auto& [property, field] :
         {std::pair{"X-IRMC-STATUS", "status"}, std::pair{"X-IRMC-TYPE", "messageType"},
          std::pair{"X-IRMC-BOX", "box"}}) {
        if (std::string value = MessageField(record, field); !value.empty())
            AppendProperty(out, property, {}, value);
    }
    const std::string from = MessageField(record, "from");
    for (const std::string& name : from.empty() ? Entries(MessageField(record, "originatorList1"), '|')
                                                : std::vector<std::string>{from})
        AppendPersonCard(out, name);
    AppendLine(out, "BEGIN:VENV");
    const std::string to = MessageField(record, "to");
    for (const std::string& name :
         to.empty() ? Entries(MessageField(record, "recipientList1"), '|') : Entries(to, ';'))
        AppendPersonCard(out, name);
    AppendLine(out, "BEGIN:VENV");
    AppendLine(out, "BEGIN:VBODY");
    for (const auto& [header, field] :
         {std::pair{"Date", "date"}, std::pair{"From", "from"}, std::pair{"To", "to"}, std::pair{"Cc", "cc"},
          std::pair{"Reply-To", "replyTo"}, std::pair{"Subject", "subject"}}) {
        if (std::string value = MessageField(record, field); !value.empty())
            AppendLine(out, std::string(header) + ": " + Utf8FromCodePage(value));
    }
    AppendLine(out, "");
    // The library has turned the text's own "END:VBODY" lines into
    // "/END:VBODY", so the body cannot end early.
    const std::string body = MessageField(record, "body");
    if (!body.empty()) {
        std::size_t start = 0;
        while (start <= body.size()) {
            std::size_t end = body.find('\n', start);
            if (end == std::string::npos) end = body.size();
            std::string line = body.substr(start, end - start);
            if (!line.empty() && line.back() == '\r') line.pop_back();
            AppendLine(out, Utf8FromCodePage(line));
            start = end + 1;
        }
    }
    AppendLine(out, "END:VBODY");
    AppendLine(out, "END:VENV");
    AppendLine(out, "END:VENV");
    AppendLine(out, "END:VMSG");
}

// ---- parsing

struct Property {
    std::string name;  // upper case
    std::vector<std::string> parameters;
    std::string value;  // as the text holds it, soft breaks and all
    int line = 0;
};

struct Component {
    std::string name;  // upper case
    std::vector<Property> properties;
    std::vector<Component> children;
    std::vector<std::string> bodyLines;  // a VBODY's lines
    int line = 0;
};

[[noreturn]] void Fail(int line, const std::string& what) {
    throw VObjectError("line " + std::to_string(line) + ": " + what);
}

std::vector<std::string> Lines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string line(text.substr(start, end - start));
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

bool IsQuotedPrintable(const Property& p) {
    return std::any_of(p.parameters.begin(), p.parameters.end(), [](const std::string& parameter) {
        return Contains(Upper(parameter), "QUOTED-PRINTABLE");
    });
}

Property ParseProperty(const std::string& line, int number) {
    const std::size_t colon = line.find(':');
    if (colon == std::string::npos || colon == 0) Fail(number, "not a property line: " + line);
    Property p;
    p.line = number;
    p.value = line.substr(colon + 1);
    std::vector<std::string> parts = Entries(line.substr(0, colon), ';');
    if (parts.empty()) Fail(number, "a property without a name");
    p.name = Upper(parts.front());
    p.parameters.assign(parts.begin() + 1, parts.end());
    return p;
}

std::vector<Component> ParseComponents(std::string_view text) {
    const std::vector<std::string> lines = Lines(text);
    std::vector<Component> top;
    std::vector<Component> open;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        const std::string& line = lines[i];
        const bool inBody = !open.empty() && open.back().name == "VBODY";
        if (inBody && Upper(line) != "END:VBODY") {
            open.back().bodyLines.push_back(line);
            continue;
        }
        if (line.empty()) continue;
        if ((line[0] == ' ' || line[0] == '\t') && !open.empty() && !open.back().properties.empty()) {
            open.back().properties.back().value += line.substr(1);
            continue;
        }
        Property p = ParseProperty(line, number);
        // A quoted-printable value goes on over the lines its soft breaks end.
        if (IsQuotedPrintable(p)) {
            while (!p.value.empty() && p.value.back() == '=' && i + 1 < lines.size())
                p.value += "\n" + lines[++i];
        }
        if (p.name == "BEGIN") {
            open.push_back(Component{Upper(p.value), {}, {}, {}, number});
        } else if (p.name == "END") {
            if (open.empty() || open.back().name != Upper(p.value))
                Fail(number, "END:" + p.value + " ends nothing open");
            Component done = std::move(open.back());
            open.pop_back();
            (open.empty() ? top : open.back().children).push_back(std::move(done));
        } else {
            if (open.empty()) Fail(number, "a property outside any object: " + line);
            open.back().properties.push_back(std::move(p));
        }
    }
    if (!open.empty()) Fail(open.back().line, "BEGIN:" + open.back().name + " is never ended");
    return top;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// The property's value as plain text in the record's code page, line breaks
// as CR LF.
std::string DecodedValue(const Property& p) {
    std::string value = p.value;
    if (IsQuotedPrintable(p)) {
        std::string decoded;
        for (std::size_t i = 0; i < value.size(); ++i) {
            if (value[i] == '=' && i + 1 < value.size() && value[i + 1] == '\n') {
                ++i;  // soft break
            } else if (value[i] == '=' && i + 2 < value.size() && HexDigit(value[i + 1]) >= 0 &&
                       HexDigit(value[i + 2]) >= 0) {
                decoded += static_cast<char>(HexDigit(value[i + 1]) * 16 + HexDigit(value[i + 2]));
                i += 2;
            } else {
                decoded += value[i];
            }
        }
        value = std::move(decoded);
    }
    // Text the file gives in UTF-8 (or plain ASCII) is turned into the code
    // page; a value that names a single-byte charset is in it already.
    bool singleByte = false;
    for (const std::string& parameter : p.parameters) {
        const std::string upper = Upper(parameter);
        if (upper.starts_with("CHARSET=") && upper != "CHARSET=UTF-8") singleByte = true;
    }
    return singleByte ? value : CodePageFromUtf8(value);
}

// The parameters a host keeps in the parameter area: all but how the text
// was encoded.
std::string KeptParameters(const Property& p) {
    std::string kept;
    for (const std::string& parameter : p.parameters) {
        const std::string upper = Upper(parameter);
        if (upper.starts_with("ENCODING=") || upper.starts_with("CHARSET=") || upper == "QUOTED-PRINTABLE")
            continue;
        kept = WithParameter(kept, upper);
    }
    return kept;
}

// The record form of a value for the field: the library hands structured
// values to the PIM component by component, escapes and all, other texts
// unchanged, and turns "=0D=0A" in a body into a line break.
std::string RecordValue(const Field& field, std::string value) {
    if (field.structured) return value;
    std::string plain;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size() && (value[i + 1] == ';' || value[i + 1] == '\\')) ++i;
        plain += value[i];
    }
    if (field.softBreaks) return ReplaceAll(ReplaceAll(std::move(plain), "\r\n", "=0D=0A"), "\n", "=0D=0A");
    return plain;
}

void SetField(Record& record, const Field& field, const Property& p) {
    record.SetText(field.offset, field.size, RecordValue(field, DecodedValue(p)));
    if (field.parameters) record.SetText(*field.parameters, TARN_PARAMETERS_SIZE, KeptParameters(p));
}

// The first field for the property that is still empty: the next address,
// telephone or e-mail slot. A business home page goes to its own field.
const Field* FreeField(const Record& record, const Property& p) {
    const bool work = Contains(Upper(KeptParameters(p)), "WORK");
    for (const Field& field : record.Layout().fields) {
        if (field.property != p.name || !record.Value(field).empty()) continue;
        if (p.name == "URL" && work && field.name == "personalHomePage") continue;
        return &field;
    }
    return nullptr;
}

void FillFields(Record& record, const Component& c) {
    for (const Property& p : c.properties) {
        if (p.name == "VERSION" || p.name.starts_with("X-")) continue;
        if (const Field* field = FreeField(record, p)) SetField(record, *field, p);
    }
}

Record ContactFrom(const Component& c) {
    Record record(LayoutOf(RecordKind::Contact));
    FillFields(record, c);
    return record;
}

void CalendarFrom(const Component& c, std::vector<Record>& records) {
    for (const Component& item : c.children) {
        if (item.name != "VEVENT" && item.name != "VTODO") continue;
        Record record(LayoutOf(RecordKind::Calendar));
        record.SetByte(offsetof(CalendarRecord, kind),
                       item.name == "VEVENT" ? TARN_CALENDAR_APPOINTMENT : TARN_CALENDAR_TASK);
        FillFields(record, item);
        records.push_back(std::move(record));
    }
}

Record NoteFrom(const Component& c) {
    Record record(LayoutOf(RecordKind::Note));
    FillFields(record, c);
    return record;
}

void SetMessageField(Record& record, std::string_view name, std::string_view value) {
    const Field& field = *FindField(record.Layout(), name);
    record.SetText(field.offset, field.size, value);
}

// The name a person's card gives: N, else FN, else the e-mail address.
std::string PersonOf(const Component& card) {
    for (const char* name : {"N", "FN", "EMAIL"}) {
        for (const Property& p : card.properties)
            if (p.name == name && !p.value.empty()) return DecodedValue(p);
    }
    return {};
}

void AppendEntries(Record& record, std::string_view list, const Component& holder) {
    std::string entries;
    for (const Component& card : holder.children)
        if (card.name == "VCARD") entries += "|" + PersonOf(card);
    SetMessageField(record, list, entries);
}

const Component* ChildNamed(const Component& c, std::string_view name) {
    for (const Component& child : c.children)
        if (child.name == name) return &child;
    return nullptr;
}

Record MessageFrom(const Component& c) {
    Record record(LayoutOf(RecordKind::Message));
    for (const Property& p : c.properties) {
        if (p.name == "X-IRMC-STATUS") SetMessageField(record, "status", DecodedValue(p));
        if (p.name == "X-IRMC-TYPE") SetMessageField(record, "messageType", DecodedValue(p));
        if (p.name == "X-IRMC-BOX") SetMessageField(record, "box", DecodedValue(p));
    }
    AppendEntries(record, "originatorList1", c);
    const Component* envelope = ChildNamed(c, "VENV");
    if (envelope) AppendEntries(record, "recipientList1", *envelope);
    // The body sits in the innermost envelope.
    const Component* body = nullptr;
    for (const Component* e = envelope; e && !body; e = ChildNamed(*e, "VENV"))
        body = ChildNamed(*e, "VBODY");
    if (!body) return record;
    std::size_t k = 0;
    for (; k < body->bodyLines.size() && !body->bodyLines[k].empty(); ++k) {
        const std::string& line = body->bodyLines[k];
        const std::size_t colon = line.find(':');
        if (colon == std::string::npos) break;
        const std::string header = Upper(line.substr(0, colon));
        std::string value = line.substr(colon + 1);
        if (!value.empty() && value.front() == ' ') value.erase(0, 1);
        for (const auto& [name, field] :
             {std::pair{"DATE", "date"}, std::pair{"FROM", "from"}, std::pair{"TO", "to"},
              std::pair{"CC", "cc"}, std::pair{"REPLY-TO", "replyTo"}, std::pair{"SUBJECT", "subject"}}) {
            if (header == name) SetMessageField(record, field, CodePageFromUtf8(value));
        }
    }
    if (k < body->bodyLines.size() && body->bodyLines[k].empty()) ++k;
    std::string text;
    for (std::size_t line = k; line < body->bodyLines.size(); ++line) {
        if (line > k) text += "\n";
        text += body->bodyLines[line];
    }
    // Undo the library's guard of "END:VBODY" lines, so that the PIM gets
    // the text the sender wrote.
    SetMessageField(record, "body", CodePageFromUtf8(ReplaceAll(text, "/END:VBODY", "END:VBODY")));
    return record;
}

}  // namespace

std::string VObjectText(const Record& record) {
    std::string out;
    switch (record.Layout().kind) {
        case RecordKind::Contact:
            AppendLine(out, "BEGIN:VCARD");
            AppendLine(out, "VERSION:" + VersionOr(record, "2.1"));
            AppendProperty(out, "X-IRMC-LUID", {}, record.EntryId());
            AppendFields(out, record);
            AppendLine(out, "END:VCARD");
            break;
        case RecordKind::Calendar: {
            const bool task = record.Byte(offsetof(CalendarRecord, kind)) == TARN_CALENDAR_TASK;
            AppendLine(out, "BEGIN:VCALENDAR");
            AppendLine(out, "VERSION:" + VersionOr(record, "1.0"));
            AppendLine(out, task ? "BEGIN:VTODO" : "BEGIN:VEVENT");
            AppendProperty(out, "X-IRMC-LUID", {}, record.EntryId());
            AppendFields(out, record);
            AppendLine(out, task ? "END:VTODO" : "END:VEVENT");
            AppendLine(out, "END:VCALENDAR");
            break;
        }
        case RecordKind::Note:
            AppendLine(out, "BEGIN:VNOTE");
            AppendLine(out, "VERSION:" + VersionOr(record, "1.1"));
            AppendProperty(out, "X-IRMC-LUID", {}, record.EntryId());
            AppendFields(out, record);
            AppendLine(out, "END:VNOTE");
            break;
        case RecordKind::Message:
            AppendMessage(out, record);
            break;
    }
    return out;
}

std::vector<Record> ParseVObjects(std::string_view text, RecordKind kind) {
    static constexpr std::array<std::string_view, 4> kObjects{"VCARD", "VCALENDAR", "VNOTE", "VMSG"};
    const std::string_view wanted = kObjects[static_cast<std::size_t>(kind)];
    std::vector<Record> records;
    for (const Component& c : ParseComponents(text)) {
        if (c.name != wanted)
            Fail(c.line, "a " + c.name + " object, where the store takes " + std::string(wanted));
        switch (kind) {
            case RecordKind::Contact:
                records.push_back(ContactFrom(c));
                break;
            case RecordKind::Calendar:
                CalendarFrom(c, records);
                break;
            case RecordKind::Note:
                records.push_back(NoteFrom(c));
                break;
            case RecordKind::Message:
                records.push_back(MessageFrom(c));
                break;
        }
    }
    return records;
}

}  // namespace tarnex_host
