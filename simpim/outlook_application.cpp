// Outlook's Application and NameSpace objects.
#include "simpim/call_args.h"
#include "simpim/entry_ids.h"
#include "simpim/outlook_errors.h"
#include "simpim/outlook_objects.h"

namespace simpim {

namespace ta = tarnex::automation;

namespace {

constexpr Dispid kGetNamespace = 0x110;
constexpr Dispid kCreateItem = 0x10A;
constexpr Dispid kApplicationName = 0x3001;

constexpr Dispid kNamespaceType = 0x2101;
constexpr Dispid kFolders = 0x2103;
constexpr Dispid kLogon = 0x2105;
constexpr Dispid kLogoff = 0x2106;
constexpr Dispid kGetItemFromId = 0x2109;
constexpr Dispid kGetDefaultFolder = 0x210B;

constexpr std::int32_t kOlApplication = 0;
constexpr std::int32_t kOlNamespace = 1;

bool EqualsIgnoringCase(std::u16string_view a, std::u16string_view b) {
    return NormalizedHex(a) == NormalizedHex(b);
}

}  // namespace

OutlookApplication::OutlookApplication(OutlookContext context)
    : SimObject(context.hooks, "Application"), context_(std::move(context)) {}

HResult OutlookApplication::Call(Dispid dispid, InvokeKind kind, std::span<const Variant> args,
                                 Variant& result, ExceptionInfo& exception) {
    HResult hr = ta::kOk;
    switch (dispid) {
        case kGetNamespace: {
            if ((hr = CheckCall(kind, args, InvokeKind::Method, 1, 1)) != ta::kOk) return hr;
            std::u16string type;
            if ((hr = ToText(args[0], type)) != ta::kOk) return hr;
            if (!EqualsIgnoringCase(type, u"MAPI"))
                return RaiseOutlook(exception, kInvalidParameters, kInvalidArgScode);
            result = NewObject<OutlookNamespace>(context_);
            return ta::kOk;
        }
        case kCreateItem: {
            if ((hr = CheckCall(kind, args, InvokeKind::Method, 1, 1)) != ta::kOk) return hr;
            std::int32_t type = 0;
            if ((hr = ToInt(args[0], type)) != ta::kOk) return hr;
            const ItemClass* itemClass = ClassForItemType(type);
            if (!itemClass) return RaiseOutlook(exception, kInvalidParameters, kInvalidArgScode);
            return OpenItem(context_, context_.session->DefaultStore().NewItem(*itemClass), result,
                            exception);
        }
        case kDispidClass:
            if ((hr = CheckProperty(kind, args, false)) != ta::kOk) return hr;
            result = Variant(kOlApplication);
            return ta::kOk;
        case kApplicationName:
            if ((hr = CheckProperty(kind, args, false)) != ta::kOk) return hr;
            result = Variant(u"Outlook");
            return ta::kOk;
        default:
            return ta::kDispMemberNotFound;
    }
}

OutlookNamespace::OutlookNamespace(OutlookContext context)
    : SimObject(context.hooks, "NameSpace"), context_(std::move(context)) {}

HResult OutlookNamespace::Call(Dispid dispid, InvokeKind kind, std::span<const Variant> args, Variant& result,
                               ExceptionInfo& exception) {
    HResult hr = ta::kOk;
    OutlookStore& store = context_.session->DefaultStore();
    switch (dispid) {
        case kLogon:
            // Profile, Password, ShowDialog, NewSession: all optional. The
            // session is already logged on, so it changes nothing.
            return CheckCall(kind, args, InvokeKind::Method, 0, 4);
        case kLogoff:
            return CheckCall(kind, args, InvokeKind::Method, 0, 0);
        case kFolders:
            if ((hr = CheckProperty(kind, args, false)) != ta::kOk) return hr;
            result = NewObject<OutlookFoldersObject>(context_, nullptr);
            return ta::kOk;
        case kGetDefaultFolder: {
            if ((hr = CheckCall(kind, args, InvokeKind::Method, 1, 1)) != ta::kOk) return hr;
            std::int32_t type = 0;
            if ((hr = ToInt(args[0], type)) != ta::kOk) return hr;
            OutlookFolder* folder = store.DefaultFolder(type);
            if (!folder) return RaiseOutlook(exception, kInvalidParameters, kInvalidArgScode);
            result = FolderVariant(context_, folder);
            return ta::kOk;
        }
        case kGetItemFromId: {
            if ((hr = CheckCall(kind, args, InvokeKind::Method, 1, 2)) != ta::kOk) return hr;
            std::u16string entryId, storeId;
            if ((hr = ToText(args[0], entryId)) != ta::kOk) return hr;
            const Variant& storeArg = ArgOrMissing(args, 1);
            if (!IsMissing(storeArg) && (hr = ToText(storeArg, storeId)) != ta::kOk) return hr;
            // Only the store the StoreID names is searched. An empty StoreID
            // is a zero-length store identifier, which Outlook takes as none
            // given: the default store.
            OutlookStore* searched = storeId.empty() ? &store : context_.session->FindStore(storeId);
            if (!searched) return RaiseOutlook(exception, kCouldNotOpenItem, kMapiNotFound);
            auto item = searched->FindItem(entryId);
            if (!item || entryId.empty()) return RaiseOutlook(exception, kCouldNotOpenItem, kMapiNotFound);
            return OpenItem(context_, std::move(item), result, exception);
        }
        case kNamespaceType:
            if ((hr = CheckProperty(kind, args, false)) != ta::kOk) return hr;
            result = Variant(u"MAPI");
            return ta::kOk;
        case kDispidClass:
            if ((hr = CheckProperty(kind, args, false)) != ta::kOk) return hr;
            result = Variant(kOlNamespace);
            return ta::kOk;
        case kDispidParent:
            if ((hr = CheckProperty(kind, args, false)) != ta::kOk) return hr;
            result = NewObject<OutlookApplication>(context_);
            return ta::kOk;
        default:
            return ta::kDispMemberNotFound;
    }
}

}  // namespace simpim
