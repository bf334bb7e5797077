#include "simpim/outlook_store.h"

#include <algorithm>
#include <ctime>
#include <stdexcept>

#include "simpim/entry_ids.h"

namespace simpim {

using tarnex::automation::Date;

namespace {

constexpr std::u16string_view kRecordKey = u"5D2C8E41B07A3F4C9E61D0A7243B9C15";
constexpr std::string_view kPstPath =
    "C:\\Documents and Settings\\User\\Local Settings\\Application Data\\Microsoft\\Outlook\\outlook.pst";

// Days from 1899-12-30 to the given civil date (proleptic Gregorian).
long DaysSince1899(long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long>(doe) - 719468 + 25569;  // 25569: 1899-12-30 to 1970-01-01
}

double LocalNow() {
    std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    double days = static_cast<double>(DaysSince1899(
        local.tm_year + 1900, static_cast<unsigned>(local.tm_mon + 1), static_cast<unsigned>(local.tm_mday)));
    return days + (local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec) / 86400.0;
}

const PropertyDef& DefOrThrow(const PropertyDef* def) {
    if (!def) throw std::invalid_argument("the item class has no such property");
    return *def;
}

}  // namespace

// ---- OutlookItem

OutlookItem::OutlookItem(const ItemClass& itemClass, double now)
    : data_(itemClass), creationTime_(kNoDate), lastModificationTime_(kNoDate) {
    if (itemClass.initialize) itemClass.initialize(data_, now);
}

Variant OutlookItem::Get(Dispid dispid) const {
    const PropertyDef& def = DefOrThrow(data_.Table().Find(dispid));
    if (def.source != Source::Item) return data_.Value(def);
    switch (def.dispid) {
        case kDispidClass:
            return Variant(Class().code);
        case kDispidEntryId:
            return Variant(entryId_);
        case kDispidCreationTime:
            return Variant(Date{creationTime_});
        case kDispidLastModificationTime:
            return Variant(Date{lastModificationTime_});
        default:
            return Variant();
    }
}

Variant OutlookItem::Get(std::string_view name) const {
    return Get(DefOrThrow(data_.Table().Find(name)).dispid);
}

void OutlookItem::Set(Dispid dispid, const Variant& value) {
    Set(DefOrThrow(data_.Table().Find(dispid)), value);
}

void OutlookItem::Set(std::string_view name, const Variant& value) {
    Set(DefOrThrow(data_.Table().Find(name)), value);
}

void OutlookItem::Set(const PropertyDef& def, const Variant& value) {
    if (def.source == Source::Item) {
        const Date* date = value.IfDate();
        if (def.dispid == kDispidCreationTime && date) creationTime_ = date->days;
        if (def.dispid == kDispidLastModificationTime && date) lastModificationTime_ = date->days;
        return;
    }
    if (def.source == Source::Computed && !def.put) {
        throw std::invalid_argument("the property is derived from others and cannot be set");
    }
    data_.Assign(def, value);
}

// ---- OutlookFolder

OutlookFolder* OutlookFolder::Subfolder(std::u16string_view name) const noexcept {
    for (const auto& f : subfolders_)
        if (f->name_ == name) return f.get();
    return nullptr;
}

// ---- OutlookStore

OutlookStore::OutlookStore() : recordKey_(kRecordKey), storeId_(PstStoreId(kRecordKey, kPstPath)) {
    root_ = std::make_unique<OutlookFolder>();
    root_->store_ = this;
    root_->name_ = u"Personal Folders";
    root_->entryId_ = PstEntryId(recordKey_, NodeType::Folder, 0x12);
    struct Default {
        std::int32_t type;
        std::u16string_view name;
    };
    // In the order Outlook 2000 lists them under Personal Folders.
    for (const Default& d : {Default{kFolderDeletedItems, u"Deleted Items"}, Default{kFolderInbox, u"Inbox"},
                             Default{kFolderOutbox, u"Outbox"}, Default{kFolderSentMail, u"Sent Items"},
                             Default{kFolderCalendar, u"Calendar"}, Default{kFolderContacts, u"Contacts"},
                             Default{kFolderJournal, u"Journal"}, Default{kFolderNotes, u"Notes"},
                             Default{kFolderTasks, u"Tasks"}, Default{kFolderDrafts, u"Drafts"}}) {
        AddFolder(*root_, std::u16string(d.name)).defaultType_ = d.type;
    }
}

OutlookFolder* OutlookStore::DefaultFolder(std::int32_t type) const noexcept {
    if (type == 0) return nullptr;
    for (const auto& f : root_->subfolders_)
        if (f->defaultType_ == type) return f.get();
    return nullptr;
}

OutlookFolder& OutlookStore::AddFolder(OutlookFolder& parent, std::u16string name) {
    auto folder = std::make_unique<OutlookFolder>();
    folder->store_ = this;
    folder->parent_ = &parent;
    folder->name_ = std::move(name);
    folder->entryId_ = PstEntryId(recordKey_, NodeType::Folder, nextFolderNode_++);
    parent.subfolders_.push_back(std::move(folder));
    return *parent.subfolders_.back();
}

std::shared_ptr<OutlookItem> OutlookStore::NewItem(const ItemClass& itemClass) {
    return std::make_shared<OutlookItem>(itemClass, Now());
}

OutlookItem& OutlookStore::AddItem(OutlookFolder& folder, const ItemClass& itemClass) {
    auto item = NewItem(itemClass);
    item->creationTime_ = item->lastModificationTime_ = Now();
    Place(item, folder);
    return *item;
}

void OutlookStore::Save(const std::shared_ptr<OutlookItem>& item, const ItemData& data) {
    item->data_ = data;
    item->lastModificationTime_ = Now();
    if (!item->Saved()) {
        item->creationTime_ = item->lastModificationTime_;
        OutlookFolder* folder = DefaultFolder(item->Class().saveFolder);
        Place(item, folder ? *folder : *root_);
    }
}

void OutlookStore::Move(const std::shared_ptr<OutlookItem>& item, OutlookFolder& folder) {
    if (!item->Saved()) item->creationTime_ = item->lastModificationTime_ = Now();
    Unlink(*item);
    Place(item, folder);
}

void OutlookStore::Delete(const std::shared_ptr<OutlookItem>& item) {
    OutlookFolder* deleted = DefaultFolder(kFolderDeletedItems);
    if (item->folder_ == deleted || !item->Saved())
        Erase(item);
    else
        Move(item, *deleted);
}

void OutlookStore::Erase(const std::shared_ptr<OutlookItem>& item) {
    Unlink(*item);
    if (item->Saved()) itemsById_.erase(NormalizedHex(item->entryId_));
    item->erased_ = true;
}

std::shared_ptr<OutlookItem> OutlookStore::FindItem(std::u16string_view entryId) const {
    auto it = itemsById_.find(NormalizedHex(entryId));
    return it != itemsById_.end() ? it->second : nullptr;
}

OutlookFolder* OutlookStore::FindFolder(std::u16string_view entryId) const {
    return FindFolderIn(*root_, NormalizedHex(entryId));
}

OutlookFolder* OutlookStore::FindFolderIn(OutlookFolder& folder, std::u16string_view normalized) const {
    if (folder.entryId_ == normalized) return &folder;
    for (const auto& f : folder.subfolders_)
        if (OutlookFolder* found = FindFolderIn(*f, normalized)) return found;
    return nullptr;
}

double OutlookStore::Now() const { return fixedNow_ != 0.0 ? fixedNow_ : LocalNow(); }

void OutlookStore::Place(const std::shared_ptr<OutlookItem>& item, OutlookFolder& folder) {
    if (!item->Saved()) {
        item->entryId_ = PstEntryId(recordKey_, NodeType::Message, nextItemNode_++);
        itemsById_[item->entryId_] = item;
    }
    item->folder_ = &folder;
    folder.items_.push_back(item);
}

void OutlookStore::Unlink(OutlookItem& item) {
    if (!item.folder_) return;
    auto& items = item.folder_->items_;
    items.erase(std::remove_if(items.begin(), items.end(), [&](const auto& p) { return p.get() == &item; }),
                items.end());
    item.folder_ = nullptr;
}

}  // namespace simpim
