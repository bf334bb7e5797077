// The errors the simulated Outlook raises as dispatch exceptions, with the
// descriptions Outlook 2000 gives them.
#pragma once

#include <string>

#include "simpim/call_args.h"

namespace simpim {

inline constexpr char16_t kCouldNotOpenItem[] = u"Could not open the item. Try again.";
inline constexpr char16_t kArrayIndexOutOfBounds[] = u"Array index out of bounds.";
inline constexpr char16_t kItemMovedOrDeleted[] = u"The item has been moved or deleted.";
inline constexpr char16_t kInvalidParameters[] =
    u"Could not complete the operation. One or more parameter values are not valid.";
inline constexpr char16_t kObjectNotFound[] = u"The operation failed. An object could not be found.";
inline constexpr char16_t kTooManyItemsOpen[] =
    u"Your server administrator has limited the number of items you can open simultaneously. Try closing "
    u"messages you have opened or removing attachments and images from unsent messages you are composing.";

// MAPI status codes Outlook reports in the exception's scode.
constexpr HResult kMapiNotFound = static_cast<HResult>(0x8004010F);
constexpr HResult kMapiObjectDeleted = static_cast<HResult>(0x8004010A);
constexpr HResult kInvalidArgScode = static_cast<HResult>(0x80070057);

inline HResult RaiseOutlook(ExceptionInfo& exception, const char16_t* description, HResult scode) {
    return Raise(exception, u"Microsoft Outlook", description, scode);
}

// Reads a collection index: a position from 1 to count, or Outlook's
// out-of-bounds exception.
inline HResult ToPosition(const Variant& index, std::int32_t count, std::int32_t& position,
                          ExceptionInfo& exception) {
    if (const HResult hr = ToInt(index, position); hr != tarnex::automation::kOk) return hr;
    if (position < 1 || position > count)
        return RaiseOutlook(exception, kArrayIndexOutOfBounds, tarnex::automation::kDispBadIndex);
    return tarnex::automation::kOk;
}

}  // namespace simpim
