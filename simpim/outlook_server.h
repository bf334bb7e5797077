// The simulated Outlook 2000 automation server, "Outlook.Application.9":
// the factory the in-process registry calls, the test hooks, and direct
// access to its message store.
//
//   simpim::OutlookServer outlook;
//   tarnex_RegisterServer("Outlook.Application.9", &simpim::OutlookServer::Factory, &outlook);
//   auto& contact = outlook.AddItem(simpim::kFolderContacts, simpim::ContactClass());
//   contact.Set("LastName", Variant(u"Doe"));
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "automation/dispatch_ref.h"
#include "simpim/item_classes.h"
#include "simpim/object_model_guard.h"
#include "simpim/outlook_store.h"
#include "simpim/server_hooks.h"

namespace simpim {

class OutlookSession;

class OutlookServer : public SimulatedServer {
public:
    // The default store is a Personal Folders file unless kind says otherwise.
    explicit OutlookServer(StoreKind kind = StoreKind::PersonalFolders);
    ~OutlookServer();

    // A tarnex_ServerFactory: context is the OutlookServer. Returns a new
    // Application object holding one reference.
    static void* Factory(void* context);
    // The same for C++ callers.
    tarnex::automation::DispatchRef CreateApplication();

    // The default store.
    OutlookStore& Store() const noexcept;
    const std::u16string& StoreId() const noexcept { return Store().StoreId(); }
    void SetStoreId(std::u16string storeId) { Store().SetStoreId(std::move(storeId)); }
    // Adds "Archive Folders", a second Personal Folders store listed after the
    // default one in NameSpace.Folders.
    OutlookStore& AddArchiveStore();

    // The object model guard; off unless a test sets its level.
    ObjectModelGuard& Guard() noexcept;

    // Item objects open now on the default store's items, and the most open
    // at once since the last reset (see OutlookStore).
    std::size_t OpenItems() const noexcept { return Store().OpenItems(); }
    std::size_t PeakOpenItems() const noexcept { return Store().PeakOpenItems(); }
    void ResetPeakOpenItems() noexcept { Store().ResetPeakOpenItems(); }
    void SetOpenItemLimit(std::size_t limit) noexcept { Store().SetOpenItemLimit(limit); }

    // A default folder by OlDefaultFolders number; throws std::invalid_argument
    // for one Outlook 2000 does not have.
    OutlookFolder& Folder(std::int32_t defaultFolder);
    OutlookFolder& AddFolder(OutlookFolder& parent, std::u16string name);

    // A new item saved into a folder; the class's default folder when none
    // is named.
    OutlookItem& AddItem(OutlookFolder& folder, const ItemClass& itemClass);
    OutlookItem& AddItem(std::int32_t defaultFolder, const ItemClass& itemClass);
    OutlookItem& AddItem(const ItemClass& itemClass);

    // The saved item of the default store with the given EntryID, or null.
    OutlookItem* FindItem(std::u16string_view entryId) const;
    std::size_t Count(std::int32_t defaultFolder);

private:
    std::shared_ptr<OutlookSession> session_;
};

}  // namespace simpim
