// The automation objects of the simulated Outlook 2000, by DISPID:
// Application, NameSpace, MAPIFolder, Folders, Items and the items. Each
// object holds only what it needs of the stores, so the references the caller
// holds are the only references there are. An item has at most one object
// open on it: every lookup reaching the item hands that one out again.
#pragma once

#include <memory>

#include "simpim/outlook_session.h"
#include "simpim/sim_object.h"

namespace simpim {

// What every object of one simulated Outlook shares.
struct OutlookContext {
    std::shared_ptr<HookState> hooks;
    std::shared_ptr<OutlookSession> session;
};

class OutlookApplication final : public SimObject {
public:
    explicit OutlookApplication(OutlookContext context);

protected:
    HResult Call(Dispid dispid, InvokeKind kind, std::span<const Variant> args, Variant& result,
                 ExceptionInfo& exception) override;

private:
    OutlookContext context_;
};

class OutlookNamespace final : public SimObject {
public:
    explicit OutlookNamespace(OutlookContext context);

protected:
    HResult Call(Dispid dispid, InvokeKind kind, std::span<const Variant> args, Variant& result,
                 ExceptionInfo& exception) override;

private:
    OutlookContext context_;
};

class OutlookFolderObject final : public SimObject {
public:
    OutlookFolderObject(OutlookContext context, OutlookFolder& folder);
    OutlookFolder& Folder() const noexcept { return *folder_; }

protected:
    HResult Call(Dispid dispid, InvokeKind kind, std::span<const Variant> args, Variant& result,
                 ExceptionInfo& exception) override;

private:
    OutlookContext context_;
    OutlookFolder* folder_;
};

// The folders under a folder, or (parent null) the namespace's top-level
// folders, the root of each store.
class OutlookFoldersObject final : public SimObject {
public:
    OutlookFoldersObject(OutlookContext context, OutlookFolder* parent);

protected:
    HResult Call(Dispid dispid, InvokeKind kind, std::span<const Variant> args, Variant& result,
                 ExceptionInfo& exception) override;

private:
    std::vector<OutlookFolder*> List() const;
    Variant FolderAt(std::int32_t position) const;  // from 1; Nothing outside
    OutlookContext context_;
    OutlookFolder* parent_;
    std::int32_t cursor_ = 0;
};

class OutlookItemsObject final : public SimObject {
public:
    OutlookItemsObject(OutlookContext context, OutlookFolder& folder);

protected:
    HResult Call(Dispid dispid, InvokeKind kind, std::span<const Variant> args, Variant& result,
                 ExceptionInfo& exception) override;

private:
    // From 1; Nothing outside.
    HResult ItemAt(std::int32_t position, Variant& result, ExceptionInfo& exception) const;
    OutlookContext context_;
    OutlookFolder* folder_;
    std::int32_t cursor_ = 0;
};

// An open item: a copy of the item's saved values that the caller changes
// and Save stores, as Outlook's item objects behave. While it lives it is the
// item's one object; it counts against its store's limit of open items.
class OutlookItemObject final : public SimObject {
public:
    OutlookItemObject(OutlookContext context, std::shared_ptr<OutlookItem> item);
    const std::shared_ptr<OutlookItem>& Item() const noexcept { return item_; }

protected:
    ~OutlookItemObject() override;
    HResult Call(Dispid dispid, InvokeKind kind, std::span<const Variant> args, Variant& result,
                 ExceptionInfo& exception) override;

private:
    HResult CallMethod(Dispid dispid, std::span<const Variant> args, Variant& result,
                       ExceptionInfo& exception);
    HResult GetItemState(Dispid dispid, Variant& result);
    bool Gone() const noexcept { return generation_ != item_->Generation() || item_->Erased(); }

    OutlookContext context_;
    std::shared_ptr<OutlookItem> item_;
    OutlookStore* countedIn_;
    std::uint32_t generation_;
    ItemData working_;
};

// A new dispatch reference to an object for folder, or Nothing for null.
Variant FolderVariant(const OutlookContext& context, OutlookFolder* folder);
// A reference to the item's object (Nothing for null): the one open on it,
// or a new one unless its store allows no more open items.
HResult OpenItem(const OutlookContext& context, std::shared_ptr<OutlookItem> item, Variant& result,
                 ExceptionInfo& exception);

}  // namespace simpim
