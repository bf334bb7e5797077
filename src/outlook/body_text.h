// The body of a calendar item or note: the one field whose line breaks the
// library marks on reading (and, through codec::DecodeLineBreaks, turns back
// on writing).
#pragma once

#include "automation/invoke.h"
#include "codec/body_text.h"
#include "records/record_fields.h"
#include "tarnex/tarnex.h"

namespace tarnex::outlook {

// Reads the body property and appends it encoded to its field. The marker is looked for in the
// stored body, so a cut that split the last soft break, or "=0D=0A" typed
// into the text itself, decides it as well: either way the host must decode.
template <std::size_t N>
void FillBody(char (&body)[N], char (&parameters)[TARN_PARAMETERS_SIZE], const automation::DispatchRef& item,
              automation::Dispid property) {
    records::AppendProperty(body, item, property, false);
    if (codec::HasEncodedLineBreak(records::Text(body)))
        records::AppendText(parameters, codec::kQuotedPrintable);
}

}  // namespace tarnex::outlook
