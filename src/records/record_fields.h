// Field access for the record layouts of tarnex.h. Each helper takes the field
// as an array, so its size comes from the layout and can never be misstated.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string_view>

#include "automation/invoke.h"
#include "codec/body_text.h"
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
void AppendValue(char (&field)[N], std::string_view value, bool appendSeparator) {
    codec::AppendFieldValue(field, value, static_cast<std::int32_t>(N), appendSeparator);
}

// AppendValue of a text property of item: one property get, its text
// converted, escaped and cut straight into the field.
template <std::size_t N>
void AppendProperty(char (&field)[N], const automation::DispatchRef& item, automation::Dispid property,
                    bool appendSeparator) {
    codec::FieldValueWriter writer(field, static_cast<std::int32_t>(N), appendSeparator);
    automation::GetTextInto(item, property, writer);
    writer.Finish();
}

// AppendValue of a value already read.
template <std::size_t N>
void AppendTextOf(char (&field)[N], const automation::Variant& value, bool appendSeparator) {
    codec::FieldValueWriter writer(field, static_cast<std::int32_t>(N), appendSeparator);
    automation::TextInto(value, writer);
    writer.Finish();
}

// Copies text whole over the field, cut to fit with its zero.
template <std::size_t N>
void CopyText(char (&field)[N], std::string_view text) noexcept {
    CopyToField(field, N, text);
}

// CopyText for text that arrives in pieces: each piece copied on behind the
// last, the whole cut to fit with its zero. The field is not touched before
// the first piece or Finish.
class FieldCopyWriter final : public automation::AnsiSink {
public:
    FieldCopyWriter(char* field, std::size_t size) noexcept : field_(field), size_(size) {}

    bool Take(std::string_view bytes) noexcept override {
        if (size_ == 0) return false;
        const std::size_t fits = std::min(bytes.size(), size_ - 1 - used_);
        std::memcpy(field_ + used_, bytes.data(), fits);
        used_ += fits;
        return used_ < size_ - 1;
    }
    void Finish() noexcept {
        if (size_ != 0) field_[used_] = '\0';
    }

private:
    char* field_;
    std::size_t size_;
    std::size_t used_ = 0;
};

// CopyText of a text property of item, converted straight into the field.
template <std::size_t N>
void CopyProperty(char (&field)[N], const automation::DispatchRef& item, automation::Dispid property) {
    FieldCopyWriter writer(field, N);
    automation::GetTextInto(item, property, writer);
    writer.Finish();
}

// Appends plain text (a parameter text) behind what the field holds, cut to
// fit with its zero.
template <std::size_t N>
void AppendText(char (&field)[N], std::string_view text) noexcept {
    const std::string_view held = Text(field);
    if (held.size() >= N) return;  // no zero inside: nothing can be added
    CopyToField(field + held.size(), N - held.size(), text);
}

// A mail body property copied into the field the way MessageBodyText gives
// it, converted and rewritten on the way.
template <std::size_t N>
void CopyMessageBody(char (&field)[N], const automation::DispatchRef& item, automation::Dispid property) {
    codec::MessageBodyWriter writer(field, N);
    automation::GetTextInto(item, property, writer);
    writer.Finish();
}

}  // namespace tarnex::records
