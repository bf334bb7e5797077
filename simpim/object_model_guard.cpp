#include "simpim/object_model_guard.h"

#include "simpim/outlook_errors.h"

namespace simpim {

namespace ta = tarnex::automation;

namespace {

constexpr HResult kMapiNotSupported = static_cast<HResult>(0x80040102);
constexpr HResult kAbort = static_cast<HResult>(0x80004004);
constexpr double kMinute = 1.0 / (24 * 60);

bool IsAddressMember(std::int32_t classCode, Dispid dispid) {
    switch (classCode) {
        case kClassContact:  // Email1Address, Email2Address, Email3Address
            return dispid == 0x8083 || dispid == 0x8093 || dispid == 0x80A3;
        case kClassMail:  // To, CC, SenderName, SentOnBehalfOfName, ReplyRecipientNames
            return dispid == 0xE04 || dispid == 0xE03 || dispid == 0xC1A || dispid == 0x42 || dispid == 0x50;
        default:
            return false;
    }
}

bool IsGuardedBody(std::int32_t classCode, Dispid dispid) {
    return dispid == kDispidBody &&
           (classCode == kClassMail || classCode == kClassNote || classCode == kClassAppointment);
}

}  // namespace

void ObjectModelGuard::SetAnswer(GuardAnswer answer, int minutes) noexcept {
    answer_ = answer;
    minutes_ = minutes;
}

void ObjectModelGuard::AnswerNextPrompts(std::initializer_list<GuardAnswer> answers) {
    nextAnswers_.insert(nextAnswers_.end(), answers.begin(), answers.end());
}

bool ObjectModelGuard::Guards(const ItemClass& itemClass, Dispid dispid) const noexcept {
    switch (level_) {
        case GuardLevel::Off:
            return false;
        case GuardLevel::Outlook2000Sp2:
            return IsAddressMember(itemClass.code, dispid);
        case GuardLevel::Outlook2003:
            return IsAddressMember(itemClass.code, dispid) || IsGuardedBody(itemClass.code, dispid);
    }
    return false;
}

HResult ObjectModelGuard::Check(const ItemClass& itemClass, Dispid dispid, double now,
                                ExceptionInfo& exception) {
    if (!Guards(itemClass, dispid)) return ta::kOk;
    if (allowedUntil_ && now <= *allowedUntil_) return ta::kOk;
    allowedUntil_.reset();
    ++prompts_;
    GuardAnswer answer = answer_;
    int minutes = minutes_;
    if (!nextAnswers_.empty()) {
        answer = nextAnswers_.front();
        minutes = 0;
        nextAnswers_.pop_front();
    }
    switch (answer) {
        case GuardAnswer::Allow:
            if (minutes > 0) allowedUntil_ = now + minutes * kMinute;
            return ta::kOk;
        case GuardAnswer::RefuseNotSupported:
            // Outlook blocks the call with MAPI_E_NOT_SUPPORTED and, as for its
            // other failures, reports it through the exception's scode. No
            // text comes with it.
            return RaiseOutlook(exception, u"", kMapiNotSupported);
        case GuardAnswer::RefuseAborted:
            return RaiseOutlook(exception, u"Operation aborted", kAbort);
    }
    return ta::kOk;
}

}  // namespace simpim
