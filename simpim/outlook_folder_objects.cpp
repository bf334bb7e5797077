// Outlook's MAPIFolder and Folders objects.
#include <algorithm>

#include "simpim/arguments_text.h"
#include "simpim/call_args.h"
#include "simpim/outlook_collection_members.h"
#include "simpim/entry_ids.h"
#include "simpim/outlook_errors.h"
#include "simpim/outlook_objects.h"

namespace simpim {

namespace ta = tarnex::automation;
using namespace collection;

namespace {

constexpr Dispid kFolderName = 0x3001;
constexpr Dispid kFolderItems = 0x3100;
constexpr Dispid kFolderStoreId = 0x3108;
constexpr Dispid kFolders = 0x2103;

constexpr std::int32_t kOlFolder = 2;
constexpr std::int32_t kOlFolders = 15;

}  // namespace

Variant FolderVariant(const OutlookContext& context, OutlookFolder* folder) {
    if (!folder) return Variant(DispatchRef());
    return Variant(NewObject<OutlookFolderObject>(context, *folder));
}

OutlookFolderObject::OutlookFolderObject(OutlookContext context, OutlookFolder& folder)
    : SimObject(context.hooks, "MAPIFolder", LogText(folder.Name())),
      context_(std::move(context)),
      folder_(&folder) {}

HResult OutlookFolderObject::Call(Dispid dispid, InvokeKind kind, std::span<const Variant> args,
                                  Variant& result, ExceptionInfo& exception) {
    HResult hr = ta::kOk;
    switch (dispid) {
        case kFolderName:
            // A default folder keeps its name; other folders can be renamed.
            if ((hr = CheckProperty(kind, args, true)) != ta::kOk) return hr;
            if (kind == InvokeKind::Put) {
                std::u16string name;
                if ((hr = ToText(args.back(), name)) != ta::kOk) return hr;
                if (folder_->DefaultType() != 0 || folder_->Parent() == nullptr || name.empty())
                    return RaiseOutlook(exception, kInvalidParameters, kInvalidArgScode);
                folder_->Store().Rename(*folder_, std::move(name));
                return ta::kOk;
            }
            result = Variant(folder_->Name());
            return ta::kOk;
        case kFolderItems:
            if ((hr = CheckProperty(kind, args, false)) != ta::kOk) return hr;
            result = NewObject<OutlookItemsObject>(context_, *folder_);
            return ta::kOk;
        case kFolderStoreId:
            if ((hr = CheckProperty(kind, args, false)) != ta::kOk) return hr;
            result = Variant(folder_->Store().StoreId());
            return ta::kOk;
        case kDispidEntryId:
            if ((hr = CheckProperty(kind, args, false)) != ta::kOk) return hr;
            result = Variant(folder_->EntryId());
            return ta::kOk;
        case kFolders:
            if ((hr = CheckProperty(kind, args, false)) != ta::kOk) return hr;
            result = NewObject<OutlookFoldersObject>(context_, folder_);
            return ta::kOk;
        case kDispidClass:
            if ((hr = CheckProperty(kind, args, false)) != ta::kOk) return hr;
            result = Variant(kOlFolder);
            return ta::kOk;
        case kDispidParent:
            if ((hr = CheckProperty(kind, args, false)) != ta::kOk) return hr;
            if (folder_->Parent())
                result = FolderVariant(context_, folder_->Parent());
            else
                result = NewObject<OutlookNamespace>(context_);
            return ta::kOk;
        default:
            return ta::kDispMemberNotFound;
    }
}

OutlookFoldersObject::OutlookFoldersObject(OutlookContext context, OutlookFolder* parent)
    : SimObject(context.hooks, "Folders", parent ? LogText(parent->Name()) : std::string()),
      context_(std::move(context)),
      parent_(parent) {}

std::vector<OutlookFolder*> OutlookFoldersObject::List() const {
    std::vector<OutlookFolder*> list;
    if (!parent_) {
        for (const auto& store : context_.session->Stores()) list.push_back(&store->Root());
        return list;
    }
    for (const auto& f : parent_->Subfolders()) list.push_back(f.get());
    return list;
}

Variant OutlookFoldersObject::FolderAt(std::int32_t position) const {
    auto list = List();
    if (position < 1 || position > static_cast<std::int32_t>(list.size())) return Variant(DispatchRef());
    return FolderVariant(context_, list[static_cast<std::size_t>(position - 1)]);
}

HResult OutlookFoldersObject::Call(Dispid dispid, InvokeKind kind, std::span<const Variant> args,
                                   Variant& result, ExceptionInfo& exception) {
    HResult hr = ta::kOk;
    const auto count = static_cast<std::int32_t>(List().size());
    switch (dispid) {
        case kCount:
            if ((hr = CheckProperty(kind, args, false)) != ta::kOk) return hr;
            result = Variant(count);
            return ta::kOk;
        case kItem: {
            // Index: a position from 1, or a folder's name.
            if ((hr = CheckCall(kind, args, InvokeKind::Method, 1, 1)) != ta::kOk) return hr;
            if (auto replacement = Hooks()->TakeItemOverride()) {
                result = std::move(*replacement);
                return ta::kOk;
            }
            if (const std::u16string* name = args[0].IfBstr()) {
                for (OutlookFolder* f : List()) {
                    if (NormalizedHex(f->Name()) == NormalizedHex(*name)) {
                        result = FolderVariant(context_, f);
                        return ta::kOk;
                    }
                }
                return RaiseOutlook(exception, kObjectNotFound, kMapiNotFound);
            }
            std::int32_t position = 0;
            if ((hr = ToPosition(args[0], count, position, exception)) != ta::kOk) return hr;
            result = FolderAt(position);
            return ta::kOk;
        }
        case kGetFirst:
        case kGetNext:
        case kGetLast:
        case kGetPrevious:
            if ((hr = CheckCall(kind, args, InvokeKind::Method)) != ta::kOk) return hr;
            cursor_ = MoveCursor(dispid, cursor_, count);
            result = FolderAt(cursor_);
            return ta::kOk;
        case kDispidClass:
            if ((hr = CheckProperty(kind, args, false)) != ta::kOk) return hr;
            result = Variant(kOlFolders);
            return ta::kOk;
        default:
            return ta::kDispMemberNotFound;
    }
}

}  // namespace simpim
