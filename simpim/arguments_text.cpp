#include "simpim/arguments_text.h"

#include <cstdio>

#include "simpim/sim_object.h"

namespace simpim {

namespace ta = tarnex::automation;

namespace {

void AppendUtf8(std::string& out, char32_t c) {
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

}  // namespace

std::string LogText(std::u16string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] < 0xE000) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        } else if (c >= 0xD800 && c < 0xE000) {
            c = 0xFFFD;
        }
        AppendUtf8(out, c);
    }
    return out;
}

namespace {

std::string Number(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%g", value);
    return buffer;
}

std::string ErrorText(ta::HResult code) {
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "error:0x%08X", static_cast<unsigned>(code));
    return buffer;
}

std::string ValueText(const ta::Variant& value) {
    if (const auto* i = value.IfI4()) return std::to_string(*i);
    if (const auto* s = value.IfBstr()) return '"' + LogText(*s) + '"';
    if (const auto* b = value.IfBool()) return *b ? "true" : "false";
    if (const auto* d = value.IfDate()) return "date:" + Number(d->days);
    if (const auto* r = value.IfR8()) return Number(*r);
    if (const auto* e = value.IfError()) {
        if (e->code == ta::kDispParamNotFound) return "missing";
        return ErrorText(e->code);
    }
    if (const auto* ref = value.IfDispatch()) {
        if (!*ref) return "<nothing>";
        const auto* object = dynamic_cast<const SimObject*>(ref->Get());
        return object ? '<' + std::string(object->KindName()) + '>' : "<dispatch>";
    }
    return "empty";
}

}  // namespace

std::string ArgumentsText(std::span<const ta::Variant> args) {
    std::string text;
    for (const ta::Variant& arg : args) {
        if (!text.empty()) text += ", ";
        text += ValueText(arg);
    }
    return text;
}

}  // namespace simpim
