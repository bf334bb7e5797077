// The body of a calendar item or note: the one field whose line breaks the
// library marks on reading and turns back on writing.
#pragma once

#include <string>
#include <string_view>

#include "records/record_fields.h"
#include "tarnex/tarnex.h"

namespace tarnex::outlook {

inline constexpr std::string_view kEncodedLineBreak = "=0D=0A";
inline constexpr std::string_view kQuotedPrintable = "ENCODING=QUOTED-PRINTABLE";

// Appends the encoded body to its field. When the field then holds "=0D=0A"
// anywhere (a soft break, or those characters in the text itself), the host
// must decode it, so the parameter area is told so.
template <std::size_t N>
void FillBody(char (&body)[N], char (&parameters)[TARN_PARAMETERS_SIZE], std::string text) {
    records::AppendValue(body, std::move(text), false);
    if (records::Text(body).find(kEncodedLineBreak) != std::string_view::npos) {
        records::AppendText(parameters, kQuotedPrintable);
    }
}

// The body text for Outlook: each "=0D=0A" becomes one line feed; nothing
// else is decoded.
std::string BodyForOutlook(std::string_view field);

}  // namespace tarnex::outlook
