// Field access for the record layouts of tarnex.h. Each helper takes the field
// as an array, so its size comes from the layout and can never be misstated.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "codec/field_value.h"
#include "records/host_memory.h"

namespace tarnex::records {

// The field's text, never read past the field's end.
template <std::size_t N>
std::string_view Text(const char (&field)[N]) noexcept {
    return FieldText(field, N);
}

// Appends an encoded value (escapes, soft line breaks, cut to the field).
template <std::size_t N>
void AppendValue(char (&field)[N], std::string value, bool appendSeparator) {
    codec::AppendFieldValue(field, std::move(value), static_cast<std::int32_t>(N), appendSeparator);
}

// Copies text whole over the field, cut to fit with its zero.
template <std::size_t N>
void CopyText(char (&field)[N], std::string_view text) noexcept {
    CopyToField(field, N, text);
}

// Appends plain text (a parameter text) behind what the field holds, cut to
// fit with its zero.
template <std::size_t N>
void AppendText(char (&field)[N], std::string_view text) noexcept {
    const std::string_view held = Text(field);
    if (held.size() >= N) return;  // no zero inside: nothing can be added
    CopyToField(field + held.size(), N - held.size(), text);
}

}  // namespace tarnex::records
