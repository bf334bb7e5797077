#include "simpim/outlook_server.h"

#include <stdexcept>

#include "simpim/outlook_objects.h"
#include "simpim/outlook_session.h"

namespace simpim {

OutlookServer::OutlookServer(StoreKind kind) : session_(std::make_shared<OutlookSession>(kind)) {}

OutlookServer::~OutlookServer() = default;

OutlookStore& OutlookServer::Store() const noexcept { return session_->DefaultStore(); }

OutlookStore& OutlookServer::AddArchiveStore() { return session_->AddArchiveStore(); }

ObjectModelGuard& OutlookServer::Guard() noexcept { return session_->Guard(); }

void* OutlookServer::Factory(void* context) {
    auto* server = static_cast<OutlookServer*>(context);
    if (!server) return nullptr;
    DispatchObject* application = server->CreateApplication().Detach();
    return application;
}

DispatchRef OutlookServer::CreateApplication() {
    return NewObject<OutlookApplication>(OutlookContext{Hooks(), session_});
}

OutlookFolder& OutlookServer::Folder(std::int32_t defaultFolder) {
    OutlookFolder* folder = Store().DefaultFolder(defaultFolder);
    if (!folder) throw std::invalid_argument("no such default folder");
    return *folder;
}

OutlookFolder& OutlookServer::AddFolder(OutlookFolder& parent, std::u16string name) {
    return Store().AddFolder(parent, std::move(name));
}

OutlookItem& OutlookServer::AddItem(OutlookFolder& folder, const ItemClass& itemClass) {
    return Store().AddItem(folder, itemClass);
}

OutlookItem& OutlookServer::AddItem(std::int32_t defaultFolder, const ItemClass& itemClass) {
    return AddItem(Folder(defaultFolder), itemClass);
}

OutlookItem& OutlookServer::AddItem(const ItemClass& itemClass) {
    return AddItem(itemClass.saveFolder, itemClass);
}

OutlookItem* OutlookServer::FindItem(std::u16string_view entryId) const {
    return Store().FindItem(entryId).get();
}

std::size_t OutlookServer::Count(std::int32_t defaultFolder) { return Folder(defaultFolder).Count(); }

}  // namespace simpim
