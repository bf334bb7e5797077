// The object model guard of Outlook 2000 SP2 and later: a program outside
// Outlook that reads a member exposing addresses (or, from Outlook 2003 on,
// an item's text) makes Outlook ask the user first. The user may refuse, or
// allow such reads for a few minutes. Writes are never guarded.
#pragma once

#include <cstdint>
#include <deque>
#include <initializer_list>
#include <optional>

#include "simpim/item_classes.h"

namespace simpim {

enum class GuardLevel : std::uint8_t {
    Off,             // Outlook 2000 before SP2: nothing is guarded
    Outlook2000Sp2,  // address members of contacts and mail
    Outlook2003,     // and the Body of mail, notes and appointments
};

enum class GuardAnswer : std::uint8_t {
    RefuseNotSupported,  // the refusal Microsoft documents: MAPI_E_NOT_SUPPORTED
    RefuseAborted,       // the refusal programs in the field see: E_ABORT, "Operation aborted"
    Allow,               // allow for the chosen number of minutes (0: this one read)
};

class ObjectModelGuard {
public:
    void SetLevel(GuardLevel level) noexcept { level_ = level; }
    GuardLevel Level() const noexcept { return level_; }
    // What the user answers from the next prompt on.
    void SetAnswer(GuardAnswer answer, int minutes = 0) noexcept;
    // What the user answers to the next prompts, one each, before the answer
    // set above applies again: a user who allows a few reads, each for that
    // read only, then refuses.
    void AnswerNextPrompts(std::initializer_list<GuardAnswer> answers);
    // How many times the user was asked.
    int Prompts() const noexcept { return prompts_; }

    // Whether a get of dispid on an item of the class needs the user's leave.
    bool Guards(const ItemClass& itemClass, Dispid dispid) const noexcept;
    // For a guarded get at the time now (a DATE): S_OK when the read may go
    // on, asking the user unless an earlier "allow" still runs; otherwise
    // the failure the program sees.
    HResult Check(const ItemClass& itemClass, Dispid dispid, double now, ExceptionInfo& exception);

private:
    GuardLevel level_ = GuardLevel::Off;
    GuardAnswer answer_ = GuardAnswer::RefuseNotSupported;
    std::deque<GuardAnswer> nextAnswers_;
    int minutes_ = 0;
    int prompts_ = 0;
    std::optional<double> allowedUntil_;
};

}  // namespace simpim
