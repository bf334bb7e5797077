// The fields of a message record that come from an Outlook mail item.
#pragma once

#include <string>
#include <string_view>

#include "automation/code_page.h"
#include "automation/dispatch_ref.h"
#include "tarnex/tarnex.h"

namespace tarnex::outlook {

// Fills status to body, in that order, one property at a time: status and
// message type appended to what they hold, the other texts copied raw over
// their fields and cut to them. A failing property ends the fill with the
// fields before it written.
void FillMessageFields(MessageRecord& record, const automation::DispatchRef& mailItem);

// A mail body as the record carries it: each "END:VBODY" as "/END:VBODY",
// so that no line of it closes the host's body object, then each CR LF as
// LF. A lone CR stays.
std::string MessageBodyText(std::string_view body);

// MessageBodyText for a body that arrives in pieces, written straight into
// a field of size bytes and cut to fit with its zero, as CopyText cuts.
// Finish writes what the last piece left undecided and the zero.
class MessageBodyWriter final : public automation::AnsiSink {
public:
    MessageBodyWriter(char* field, std::size_t size) noexcept : field_(field), size_(size) {}

    bool Take(std::string_view bytes) noexcept override;
    void Finish() noexcept;
    std::size_t Size() const noexcept { return used_; }

private:
    void Emit(std::string_view bytes) noexcept;
    std::size_t Settle(std::string_view bytes) noexcept;

    char* field_;
    std::size_t size_;
    std::size_t used_ = 0;
    std::size_t held_ = 0;  // bytes of "END:VBODY" matched at the last piece's end
    bool pendingReturn_ = false;
};

}  // namespace tarnex::outlook
