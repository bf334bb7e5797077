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
#include "simpim/outlook_store.h"
#include "simpim/server_hooks.h"

namespace simpim {

class OutlookServer : public SimulatedServer {
public:
    OutlookServer();

    // A tarnex_ServerFactory: context is the OutlookServer. Returns a new
    // Application object holding one reference.
    static void* Factory(void* context);
    // The same for C++ callers.
    tarnex::automation::DispatchRef CreateApplication();

    OutlookStore& Store() noexcept { return *store_; }
    const std::u16string& StoreId() const noexcept { return store_->StoreId(); }
    void SetStoreId(std::u16string storeId) { store_->SetStoreId(std::move(storeId)); }

    // A default folder by OlDefaultFolders number; throws std::invalid_argument
    // for one Outlook 2000 does not have.
    OutlookFolder& Folder(std::int32_t defaultFolder);
    OutlookFolder& AddFolder(OutlookFolder& parent, std::u16string name);

    // A new item saved into a folder; the class's default folder when none
    // is named.
    OutlookItem& AddItem(OutlookFolder& folder, const ItemClass& itemClass);
    OutlookItem& AddItem(std::int32_t defaultFolder, const ItemClass& itemClass);
    OutlookItem& AddItem(const ItemClass& itemClass);

    // The saved item with the given EntryID, or null.
    OutlookItem* FindItem(std::u16string_view entryId) const;
    std::size_t Count(std::int32_t defaultFolder);

private:
    std::shared_ptr<OutlookStore> store_ = std::make_shared<OutlookStore>();
};

}  // namespace simpim
