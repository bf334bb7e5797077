// Reading the components of structured field values back.
//
// The texts are bounded views of record fields: a scan ends at the view's
// end or at a zero byte inside it, whichever comes first, and never reads
// further.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tarnex::codec {

// Puts the ";"-ended component that starts at cursor into out, escape pairs
// ("\\", "\;") kept as they stand, and returns the cursor for the next call:
// just behind the ";", or the end of the text. At the end of the text it
// yields an empty component and returns the cursor unchanged, so a field
// with fewer components than expected gives empty ones for the rest.
std::size_t NextComponent(std::string_view text, std::size_t cursor, std::string& out);

// Copies source up to the first of delimiters into dest, reducing each escape
// pair to its second character; an escape pair never ends the scan. A
// component longer than dest is cut and the rest skipped. Returns the index
// in source where the scan stopped: the delimiter (not consumed) or the end.
// dest always ends with a zero within destSize bytes; destSize <= 0 writes
// nothing at all.
std::size_t ScanComponent(char* dest, std::int32_t destSize, std::string_view source,
                          std::string_view delimiters);

}  // namespace tarnex::codec
