// Writing PIM values into the fixed-size text fields of a record.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "automation/code_page.h"

namespace tarnex::codec {

// Escapes value ("\" to "\\", then ";" to "\;", then each CR LF pair to the
// soft line break "=0D=0A=" LF) and appends it to the zero-terminated text
// in field, then ";" when appendSeparator is set. fieldSize counts the
// field's terminating zero; the field never ends up with more than
// fieldSize - 1 text bytes.
//
// The escaped value is cut on its bytes, so the cut may fall inside an
// escape pair or a soft line break, but never between the two bytes of a
// double-byte character of the active code page. The separator is kept
// back room for, so a cut value still gets it.
//
// The field's length is found without looking past fieldSize. A field that
// is already full takes nothing more, not even the separator. A field with
// no zero inside fieldSize (the host left it unterminated) is given one at
// its last byte and takes nothing more. fieldSize <= 0 writes nothing.
// The value ends at its first zero byte, as a C string would.
void AppendFieldValue(char* field, std::string_view value, std::int32_t fieldSize, bool appendSeparator);

// AppendFieldValue for a value that arrives in pieces (text converted on its
// way from the PIM): each piece is escaped straight into the field, and the
// writer says when the field can take no more. The field is not touched
// before the first piece or Finish; Finish ends it (separator, zero), after
// which the writer takes nothing.
class FieldValueWriter final : public automation::AnsiSink {
public:
    FieldValueWriter(char* field, std::int32_t fieldSize, bool appendSeparator) noexcept
        : field_(field), fieldSize_(fieldSize), appendSeparator_(appendSeparator) {}

    bool Take(std::string_view bytes) noexcept override;
    void Finish() noexcept;

private:
    enum class State : std::uint8_t { NotBegun, Writing, Done };

    bool Begin() noexcept;
    bool Escape(std::string_view bytes) noexcept;

    char* field_;
    std::int32_t fieldSize_;
    bool appendSeparator_;
    State state_ = State::NotBegun;
    bool overflowed_ = false;
    bool pendingReturn_ = false;  // a piece ended in CR: its LF may follow
    bool ended_ = false;          // the value's zero byte was seen
    char* start_ = nullptr;       // where the value starts
    char* next_ = nullptr;        // where its next byte goes
    char* end_ = nullptr;         // the end of its room (the separator and zero are behind)
};

}  // namespace tarnex::codec
