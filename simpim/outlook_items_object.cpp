// Outlook's Items collection: the live contents of one folder.
#include <algorithm>

#include "simpim/arguments_text.h"
#include "simpim/call_args.h"
#include "simpim/outlook_collection_members.h"
#include "simpim/outlook_errors.h"
#include "simpim/outlook_objects.h"

namespace simpim {

namespace ta = tarnex::automation;
using namespace collection;

namespace {

constexpr std::int32_t kOlItems = 16;

}  // namespace

OutlookItemsObject::OutlookItemsObject(OutlookContext context, OutlookFolder& folder)
    : SimObject(context.hooks, "Items", LogText(folder.Name())),
      context_(std::move(context)),
      folder_(&folder) {}

HResult OutlookItemsObject::ItemAt(std::int32_t position, Variant& result, ExceptionInfo& exception) const {
    std::shared_ptr<OutlookItem> item;
    if (position >= 1 && position <= static_cast<std::int32_t>(folder_->Count()))
        item = folder_->Items()[static_cast<std::size_t>(position - 1)];
    return OpenItem(context_, std::move(item), result, exception);
}

HResult OutlookItemsObject::Call(Dispid dispid, InvokeKind kind, std::span<const Variant> args,
                                 Variant& result, ExceptionInfo& exception) {
    HResult hr = ta::kOk;
    const auto count = static_cast<std::int32_t>(folder_->Count());
    switch (dispid) {
        case kCount:
            if ((hr = CheckProperty(kind, args, false)) != ta::kOk) return hr;
            result = Variant(count);
            return ta::kOk;
        case kItem: {
            // Index: a position from 1, or text matched against the items'
            // default property, the subject.
            if ((hr = CheckCall(kind, args, InvokeKind::Method, 1, 1)) != ta::kOk) return hr;
            if (auto replacement = Hooks()->TakeItemOverride()) {
                result = std::move(*replacement);
                return ta::kOk;
            }
            if (const std::u16string* subject = args[0].IfBstr()) {
                for (const auto& item : folder_->Items()) {
                    if (item->Data().Text(kDispidSubject) == *subject)
                        return OpenItem(context_, item, result, exception);
                }
                return RaiseOutlook(exception, kObjectNotFound, kMapiNotFound);
            }
            std::int32_t position = 0;
            if ((hr = ToPosition(args[0], count, position, exception)) != ta::kOk) return hr;
            return ItemAt(position, result, exception);
        }
        case kRemove: {
            // Removing an item deletes it as the item's own Delete does.
            if ((hr = CheckCall(kind, args, InvokeKind::Method, 1, 1)) != ta::kOk) return hr;
            std::int32_t position = 0;
            if ((hr = ToPosition(args[0], count, position, exception)) != ta::kOk) return hr;
            folder_->Store().Delete(folder_->Items()[static_cast<std::size_t>(position - 1)]);
            return ta::kOk;
        }
        case kGetFirst:
        case kGetNext:
        case kGetLast:
        case kGetPrevious:
            if ((hr = CheckCall(kind, args, InvokeKind::Method)) != ta::kOk) return hr;
            cursor_ = MoveCursor(dispid, cursor_, count);
            return ItemAt(cursor_, result, exception);
        case kDispidClass:
            if ((hr = CheckProperty(kind, args, false)) != ta::kOk) return hr;
            result = Variant(kOlItems);
            return ta::kOk;
        case kDispidParent:
            if ((hr = CheckProperty(kind, args, false)) != ta::kOk) return hr;
            result = FolderVariant(context_, folder_);
            return ta::kOk;
        default:
            return ta::kDispMemberNotFound;
    }
}

}  // namespace simpim
