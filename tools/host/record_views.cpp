#include "record_views.h"

#include <cstdio>
#include <vector>

#include "tarnex/tarnex.h"
#include "text.h"

namespace tarnex_host {

namespace {

struct Span {
    std::string name;
    std::size_t offset;
    std::size_t size;
};

// Every named span of the record: the header, and each field with its
// parameter area.
std::vector<Span> Spans(const Record& record) {
    const RecordLayout& layout = record.Layout();
    std::vector<Span> spans{
        {"type", 0, 4},
        {"entryId", offsetof(PimRecordHeader, entryId), TARN_ENTRY_ID_SIZE},
        {"version", offsetof(PimRecordHeader, version), sizeof(PimRecordHeader::version)}};
    if (layout.kind == RecordKind::Calendar) {
        spans.push_back({"kind", offsetof(CalendarRecord, kind), 1});
        spans.push_back({"fields.entryId", layout.entryIdOffset, TARN_ENTRY_ID_SIZE});
    }
    for (const Field& field : layout.fields) {
        spans.push_back({field.name, field.offset, field.size});
        if (field.parameters)
            spans.push_back({field.name + ".parameters", *field.parameters, TARN_PARAMETERS_SIZE});
    }
    return spans;
}

// Text with what a terminal would not show spelled out.
std::string Shown(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else if (c == '"' || c == '\\')
            out += std::string("\\") + c;
        else if (static_cast<unsigned char>(c) < 0x20) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned char>(c));
            out += hex;
        } else {
            out += c;
        }
    }
    return Utf8FromCodePage(out);
}

}  // namespace

nlohmann::ordered_json RecordJson(const Record& record) {
    nlohmann::ordered_json json{{"type", record.Type()}};
    for (const Span& span : Spans(record)) {
        if (span.name == "type") continue;
        if (span.name == "kind") {
            json["kind"] = record.Byte(span.offset);
            continue;
        }
        const std::string text = record.Text(span.offset, span.size);
        if (!text.empty()) json[span.name] = Utf8FromCodePage(text);
    }
    return json;
}

std::string AnnotatedBytes(const Record& record) {
    std::string out;
    char line[160];
    std::snprintf(line, sizeof line, "%s record, %zu bytes, type %u\n",
                  std::string(record.Layout().name).c_str(), record.Size(), record.Type());
    out += line;
    std::vector<bool> accounted(record.Size(), false);
    for (const Span& span : Spans(record)) {
        const bool number = span.name == "type" || span.name == "kind";
        const std::string text = number ? std::string() : record.Text(span.offset, span.size);
        // A text accounts for its bytes and its zero; the rest must be zero.
        const std::size_t used = number ? span.size : text.size() + (text.size() < span.size ? 1 : 0);
        for (std::size_t k = 0; k < used; ++k) accounted[span.offset + k] = true;
        if (number) {
            std::snprintf(line, sizeof line, "  %5zu %5zu  %-26s %u\n", span.offset, span.size,
                          span.name.c_str(), span.name == "type" ? record.Type() : record.Byte(span.offset));
            out += line;
        } else if (!text.empty()) {
            std::snprintf(line, sizeof line, "  %5zu %5zu  %-26s ", span.offset, span.size,
                          span.name.c_str());
            out += line + ("\"" + Shown(text) + "\" (" + std::to_string(text.size()) + " bytes)\n");
        }
    }
    std::size_t stray = 0;
    for (std::size_t k = 0; k < record.Size(); ++k) {
        if (accounted[k] || record.Byte(k) == 0) continue;
        if (++stray <= 8) {
            std::snprintf(line, sizeof line, "  stray byte 0x%02X at offset %zu\n", record.Byte(k), k);
            out += line;
        }
    }
    out += stray == 0 ? "  every other byte is zero\n"
                      : "  " + std::to_string(stray) + " stray byte(s) in all\n";
    return out;
}

}  // namespace tarnex_host
