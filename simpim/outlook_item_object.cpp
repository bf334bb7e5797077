// An Outlook item object (ContactItem, AppointmentItem, TaskItem, NoteItem,
// MailItem, MeetingItem, ReportItem, ...). Its properties come from the
// class's property table; changes stay on the object until Save. Once the
// object's item is deleted, or moved where it got a new EntryID, every member
// fails as in Outlook.
#include "simpim/call_args.h"
#include "simpim/outlook_errors.h"
#include "simpim/outlook_objects.h"

namespace simpim {

namespace ta = tarnex::automation;
using tarnex::automation::Date;

HResult OpenItem(const OutlookContext& context, std::shared_ptr<OutlookItem> item, Variant& result,
                 ExceptionInfo& exception) {
    if (!item) {
        result = Variant(DispatchRef());
        return ta::kOk;
    }
    if (OutlookItemObject* open = item->LiveObject()) {
        result = Variant(DispatchRef::Share(open));
        return ta::kOk;
    }
    const OutlookStore& store = item->Store();
    if (store.OpenItems() >= store.OpenItemLimit())
        return RaiseOutlook(exception, kTooManyItemsOpen, ta::kFail);
    result = Variant(NewObject<OutlookItemObject>(context, std::move(item)));
    return ta::kOk;
}

OutlookItemObject::OutlookItemObject(OutlookContext context, std::shared_ptr<OutlookItem> item)
    : SimObject(context.hooks, item->Class().objectName),
      context_(std::move(context)),
      item_(std::move(item)),
      countedIn_(&item_->Store()),
      generation_(item_->Generation()),
      working_(item_->Data()) {
    item_->SetLiveObject(this);
    countedIn_->ItemObjectOpened();
}

OutlookItemObject::~OutlookItemObject() {
    if (item_->LiveObject() == this) item_->SetLiveObject(nullptr);
    countedIn_->ItemObjectClosed();
}

HResult OutlookItemObject::Call(Dispid dispid, InvokeKind kind, std::span<const Variant> args,
                                Variant& result, ExceptionInfo& exception) {
    HResult hr = ta::kOk;
    if (dispid == kDispidSave || dispid == kDispidDelete || dispid == kDispidMove) {
        if ((hr = CheckCall(kind, args, InvokeKind::Method, dispid == kDispidMove ? 1 : 0,
                            dispid == kDispidMove ? 1 : 0)) != ta::kOk)
            return hr;
        if (Gone()) return RaiseOutlook(exception, kItemMovedOrDeleted, kMapiObjectDeleted);
        return CallMethod(dispid, args, result, exception);
    }

    const PropertyDef* def = working_.Table().Find(dispid);
    if (!def) return ta::kDispMemberNotFound;
    if ((hr = CheckProperty(kind, args, def->writable)) != ta::kOk) return hr;
    if (Gone()) return RaiseOutlook(exception, kItemMovedOrDeleted, kMapiObjectDeleted);

    if (kind == InvokeKind::Get) {
        if (def->source == Source::Item) return GetItemState(dispid, result);
        const double now = context_.session->DefaultStore().Now();
        if ((hr = context_.session->Guard().Check(item_->Class(), dispid, now, exception)) != ta::kOk)
            return hr;
        result = working_.Value(*def);
        return ta::kOk;
    }
    Variant value;
    if ((hr = CoerceTo(args.back(), def->type, value)) != ta::kOk) return hr;
    // A number outside an enumeration (Importance 3) is refused by Outlook
    // with its invalid-parameter exception; the item keeps its value.
    if (!def->Accepts(value)) return RaiseOutlook(exception, kInvalidParameters, kInvalidArgScode);
    working_.Assign(*def, value, item_->Store().Now());
    return ta::kOk;
}

HResult OutlookItemObject::CallMethod(Dispid dispid, std::span<const Variant> args, Variant& result,
                                      ExceptionInfo& exception) {
    OutlookStore& store = item_->Store();
    switch (dispid) {
        case kDispidSave:
            store.Save(item_, working_);
            return ta::kOk;
        case kDispidDelete:
            store.Delete(item_);
            return ta::kOk;
        case kDispidMove: {
            // The item moves with its pending changes. Within a PST store it
            // keeps its EntryID and the result is this very object; otherwise
            // the result is a new object for the moved item and this one fails
            // from now on.
            if (!args[0].IfDispatch()) return ta::kDispTypeMismatch;
            auto* target = As<OutlookFolderObject>(args[0]);
            if (!target) return RaiseOutlook(exception, kInvalidParameters, kInvalidArgScode);
            store.Save(item_, working_);
            store.Move(item_, target->Folder());
            return OpenItem(context_, item_, result, exception);
        }
        default:
            return ta::kDispMemberNotFound;
    }
}

HResult OutlookItemObject::GetItemState(Dispid dispid, Variant& result) {
    switch (dispid) {
        case kDispidClass:
            result = Variant(item_->Class().code);
            return ta::kOk;
        case kDispidEntryId:
            result = Variant(item_->EntryId());  // empty text until saved
            return ta::kOk;
        case kDispidCreationTime:
            result = Variant(Date{item_->CreationTime()});
            return ta::kOk;
        case kDispidLastModificationTime:
            result = Variant(Date{item_->LastModificationTime()});
            return ta::kOk;
        case kDispidParent: {
            // An unsaved item's parent is the folder Save will put it in.
            OutlookFolder* folder = item_->Folder();
            if (!folder) folder = item_->Store().DefaultFolder(item_->Class().saveFolder);
            result = FolderVariant(context_, folder);
            return ta::kOk;
        }
        default:
            return ta::kDispMemberNotFound;
    }
}

}  // namespace simpim
