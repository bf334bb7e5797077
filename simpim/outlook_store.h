// The data of the simulated Outlook: one Personal Folders message store with
// its folder tree and items. The automation objects read and change it; the
// server's C++ interface lets tests build and inspect it directly.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "simpim/item_classes.h"
#include "simpim/item_data.h"

namespace simpim {

class OutlookFolder;
class OutlookStore;

// An item of the store, or a new one not yet saved.
class OutlookItem {
public:
    OutlookItem(const ItemClass& itemClass, double now);

    const ItemClass& Class() const noexcept { return data_.Class(); }
    // Empty until the item is first saved.
    const std::u16string& EntryId() const noexcept { return entryId_; }
    bool Saved() const noexcept { return !entryId_.empty(); }
    // The folder holding the item; null before its first save and once it is
    // deleted for good.
    OutlookFolder* Folder() const noexcept { return folder_; }
    bool Erased() const noexcept { return erased_; }
    double CreationTime() const noexcept { return creationTime_; }
    double LastModificationTime() const noexcept { return lastModificationTime_; }

    // The saved property values.
    const ItemData& Data() const noexcept { return data_; }

    // Direct access for tests, by DISPID or property name. Get answers the
    // item-state properties too (Class, EntryID, times); Set bypasses the
    // read-only rule (so ReceivedTime or CreationTime can be given) and does
    // not change LastModificationTime. Both throw std::invalid_argument for
    // a property the class does not have.
    Variant Get(Dispid dispid) const;
    Variant Get(std::string_view name) const;
    void Set(Dispid dispid, const Variant& value);
    void Set(std::string_view name, const Variant& value);

private:
    friend class OutlookStore;
    void Set(const PropertyDef& def, const Variant& value);
    ItemData data_;
    std::u16string entryId_;
    OutlookFolder* folder_ = nullptr;
    bool erased_ = false;
    double creationTime_;
    double lastModificationTime_;
};

class OutlookFolder {
public:
    const std::u16string& Name() const noexcept { return name_; }
    const std::u16string& EntryId() const noexcept { return entryId_; }
    // The OlDefaultFolders number of a default folder, 0 for any other.
    std::int32_t DefaultType() const noexcept { return defaultType_; }
    OutlookFolder* Parent() const noexcept { return parent_; }
    OutlookStore& Store() const noexcept { return *store_; }

    std::size_t Count() const noexcept { return items_.size(); }
    // The item at a position from 0, in the folder's order (the order the
    // items arrived in).
    OutlookItem& At(std::size_t index) const { return *items_.at(index); }
    const std::vector<std::shared_ptr<OutlookItem>>& Items() const noexcept { return items_; }
    const std::vector<std::unique_ptr<OutlookFolder>>& Subfolders() const noexcept { return subfolders_; }
    OutlookFolder* Subfolder(std::u16string_view name) const noexcept;

private:
    friend class OutlookStore;
    OutlookStore* store_ = nullptr;
    OutlookFolder* parent_ = nullptr;
    std::u16string name_;
    std::u16string entryId_;
    std::int32_t defaultType_ = 0;
    std::vector<std::shared_ptr<OutlookItem>> items_;
    std::vector<std::unique_ptr<OutlookFolder>> subfolders_;
};

class OutlookStore {
public:
    // A store named "Personal Folders" holding Outlook 2000's default folders.
    OutlookStore();
    OutlookStore(const OutlookStore&) = delete;
    OutlookStore& operator=(const OutlookStore&) = delete;

    const std::u16string& StoreId() const noexcept { return storeId_; }
    void SetStoreId(std::u16string storeId) { storeId_ = std::move(storeId); }

    OutlookFolder& Root() noexcept { return *root_; }
    // A default folder by its OlDefaultFolders number, or null.
    OutlookFolder* DefaultFolder(std::int32_t type) const noexcept;
    OutlookFolder& AddFolder(OutlookFolder& parent, std::u16string name);
    void Rename(OutlookFolder& folder, std::u16string name) { folder.name_ = std::move(name); }

    // A new unsaved item, as Application.CreateItem gives it.
    std::shared_ptr<OutlookItem> NewItem(const ItemClass& itemClass);
    // A new item saved into folder at once.
    OutlookItem& AddItem(OutlookFolder& folder, const ItemClass& itemClass);

    // Stores data as the item's values; a new item goes to the default folder
    // of its class. LastModificationTime becomes now.
    void Save(const std::shared_ptr<OutlookItem>& item, const ItemData& data);
    // Puts the item at the end of folder (saving a new one there).
    void Move(const std::shared_ptr<OutlookItem>& item, OutlookFolder& folder);
    // Moves the item to Deleted Items, or deletes it for good when it is there.
    void Delete(const std::shared_ptr<OutlookItem>& item);
    // Deletes the item for good.
    void Erase(const std::shared_ptr<OutlookItem>& item);

    std::shared_ptr<OutlookItem> FindItem(std::u16string_view entryId) const;
    OutlookFolder* FindFolder(std::u16string_view entryId) const;

    // The store's clock as a DATE: the system's local time unless set.
    double Now() const;
    void SetNow(double date) { fixedNow_ = date; }

private:
    void Place(const std::shared_ptr<OutlookItem>& item, OutlookFolder& folder);
    void Unlink(OutlookItem& item);
    OutlookFolder* FindFolderIn(OutlookFolder& folder, std::u16string_view normalized) const;

    std::u16string recordKey_;
    std::u16string storeId_;
    std::unique_ptr<OutlookFolder> root_;
    std::uint32_t nextFolderNode_ = 0x401;
    std::uint32_t nextItemNode_ = 0x10001;
    std::map<std::u16string, std::shared_ptr<OutlookItem>> itemsById_;
    double fixedNow_ = 0.0;
};

}  // namespace simpim
