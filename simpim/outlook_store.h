// The data of the simulated Outlook: a message store with its folder tree and
// items, either a Personal Folders file or a mailbox on a mail server. The
// automation objects read and change it; the server's C++ interface lets
// tests build and inspect it directly.
#pragma once

#include <cstdint>
#include <limits>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "simpim/item_classes.h"
#include "simpim/item_data.h"

namespace simpim {

class OutlookFolder;
class OutlookItemObject;
class OutlookStore;

enum class StoreKind : std::uint8_t {
    PersonalFolders,  // a .pst file: items keep their EntryID when moved
    ServerMailbox,    // a server mailbox: a moved item gets a new EntryID
};

// An item of the store, or a new one not yet saved.
class OutlookItem {
public:
    OutlookItem(OutlookStore& store, const ItemClass& itemClass, double now);

    const ItemClass& Class() const noexcept { return data_.Class(); }
    // The store the item belongs to (a new item: the one it will be saved in).
    OutlookStore& Store() const noexcept { return *store_; }
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

    // The automation object open on the item, if any. Not a reference: the
    // object clears it when it goes, so lookups can hand the same one out.
    OutlookItemObject* LiveObject() const noexcept { return liveObject_; }
    void SetLiveObject(OutlookItemObject* object) noexcept { liveObject_ = object; }
    // Changes whenever the objects open on the item must stop working: it was
    // deleted, or moved where it got a new EntryID.
    std::uint32_t Generation() const noexcept { return generation_; }

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
    // Detaches the open objects, which fail from now on.
    void Retire() noexcept;
    OutlookStore* store_;
    ItemData data_;
    std::u16string entryId_;
    OutlookFolder* folder_ = nullptr;
    bool erased_ = false;
    OutlookItemObject* liveObject_ = nullptr;
    std::uint32_t generation_ = 0;
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
    std::uint64_t counter_ = 0;  // a mailbox folder's number, part of its items' EntryIDs
    std::vector<std::shared_ptr<OutlookItem>> items_;
    std::vector<std::unique_ptr<OutlookFolder>> subfolders_;
};

class OutlookStore {
public:
    // A store holding Outlook 2000's default folders: "Personal Folders", or
    // the user's server mailbox.
    explicit OutlookStore(StoreKind kind = StoreKind::PersonalFolders);
    // A second Personal Folders file, "Archive Folders", with no default
    // folders but a Contacts and an Inbox folder.
    static std::unique_ptr<OutlookStore> NewArchive();
    OutlookStore(const OutlookStore&) = delete;
    OutlookStore& operator=(const OutlookStore&) = delete;

    StoreKind Kind() const noexcept { return kind_; }
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
    // Puts the item at the end of folder (saving a new one there). Within a
    // Personal Folders store the item keeps its EntryID and open objects;
    // otherwise it gets a new EntryID and its open objects fail.
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

    // Item objects open on the store's items now, the most open at once since
    // the last reset, and how many the store lets be open at once (a server
    // mailbox: 250 unless set; Personal Folders: no limit).
    std::size_t OpenItems() const noexcept { return openItems_; }
    std::size_t PeakOpenItems() const noexcept { return peakOpenItems_; }
    void ResetPeakOpenItems() noexcept { peakOpenItems_ = openItems_; }
    std::size_t OpenItemLimit() const noexcept { return openItemLimit_; }
    void SetOpenItemLimit(std::size_t limit) noexcept { openItemLimit_ = limit; }
    void ItemObjectOpened() noexcept;
    void ItemObjectClosed() noexcept { --openItems_; }

private:
    struct ArchiveTag {};
    explicit OutlookStore(ArchiveTag);
    std::u16string NewFolderEntryId(OutlookFolder& folder);
    std::u16string NewItemEntryId(const OutlookFolder& folder);
    void Place(const std::shared_ptr<OutlookItem>& item, OutlookFolder& folder);
    void Unlink(OutlookItem& item);
    OutlookFolder* FindFolderIn(OutlookFolder& folder, std::u16string_view normalized) const;

    StoreKind kind_;
    std::u16string recordKey_;  // a .pst file's record key, or the mailbox's identifier
    std::u16string storeId_;
    std::unique_ptr<OutlookFolder> root_;
    std::uint32_t nextFolderNode_ = 0x401;
    std::uint32_t nextItemNode_ = 0x10001;
    std::uint64_t nextMailboxCounter_ = 0x1A2B01;
    std::map<std::u16string, std::shared_ptr<OutlookItem>> itemsById_;
    double fixedNow_ = 0.0;
    std::size_t openItems_ = 0;
    std::size_t peakOpenItems_ = 0;
    std::size_t openItemLimit_ = std::numeric_limits<std::size_t>::max();
};

}  // namespace simpim
