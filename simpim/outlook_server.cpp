#include "simpim/outlook_server.h"

#include <stdexcept>

#include "simpim/outlook_objects.h"

namespace simpim {

OutlookServer::OutlookServer() = default;

void* OutlookServer::Factory(void* context) {
    auto* server = static_cast<OutlookServer*>(context);
    if (!server) return nullptr;
    DispatchObject* application = server->CreateApplication().Detach();
    return application;
}

DispatchRef OutlookServer::CreateApplication() {
    return NewObject<OutlookApplication>(OutlookContext{Hooks(), store_});
}

OutlookFolder& OutlookServer::Folder(std::int32_t defaultFolder) {
    OutlookFolder* folder = store_->DefaultFolder(defaultFolder);
    if (!folder) throw std::invalid_argument("no such default folder");
    return *folder;
}

OutlookFolder& OutlookServer::AddFolder(OutlookFolder& parent, std::u16string name) {
    return store_->AddFolder(parent, std::move(name));
}

OutlookItem& OutlookServer::AddItem(OutlookFolder& folder, const ItemClass& itemClass) {
    return store_->AddItem(folder, itemClass);
}

OutlookItem& OutlookServer::AddItem(std::int32_t defaultFolder, const ItemClass& itemClass) {
    return AddItem(Folder(defaultFolder), itemClass);
}

OutlookItem& OutlookServer::AddItem(const ItemClass& itemClass) {
    return AddItem(itemClass.saveFolder, itemClass);
}

OutlookItem* OutlookServer::FindItem(std::u16string_view entryId) const {
    return store_->FindItem(entryId).get();
}

std::size_t OutlookServer::Count(std::int32_t defaultFolder) { return Folder(defaultFolder).Count(); }

}  // namespace simpim
