#include "simpim/arguments_text.h"

#include <cstdio>

#include "simpim/sim_object.h"
#include "simpim/utf8.h"

namespace simpim {

namespace ta = tarnex::automation;

std::string LogText(std::u16string_view text) { return Utf8(text); }

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
