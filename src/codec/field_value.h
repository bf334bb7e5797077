// Writing PIM values into the fixed-size text fields of a record.
#pragma once

#include <cstdint>
#include <string>

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
void AppendFieldValue(char* field, std::string value, std::int32_t fieldSize, bool appendSeparator);

}  // namespace tarnex::codec
