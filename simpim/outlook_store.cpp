#include "simpim/outlook_store.h"

#include <algorithm>
#include <iterator>
#include <ctime>
#include <stdexcept>

#include "simpim/entry_ids.h"

namespace simpim {

using tarnex::automation::Date;

namespace {

constexpr std::u16string_view kRecordKey = u"5D2C8E41B07A3F4C9E61D0A7243B9C15";
constexpr std::string_view kPstPath =
    "C:\\Documents and Settings\\User\\Local Settings\\Application Data\\Microsoft\\Outlook\\outlook.pst";
constexpr std::u16string_view kArchiveRecordKey = u"A7F0396B12C44E8D85B1E2C07D4F6A93";
constexpr std::string_view kArchivePath =
    "C:\\Documents and Settings\\User\\Local Settings\\Application Data\\Microsoft\\Outlook\\archive.pst";
constexpr std::u16string_view kMailboxGuid = u"C4E81F2A9B3D4C60A1F27E5D0B8C3A46";
constexpr std::string_view kMailServer = "MAIL01";
constexpr std::string_view kMailboxDn = "/o=Example/ou=First Site/cn=Recipients/cn=user";
// How many items a mail server lets one client open at once unless its
// administrator changed it.
constexpr std::size_t kMailboxOpenItemLimit = 250;

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

// Until its first save an item has neither time: Outlook gives its no-date
// value, 1 January 4501, for both, not the moment the item was made.
OutlookItem::OutlookItem(OutlookStore& store, const ItemClass& itemClass, double now)
    : store_(&store), data_(itemClass), creationTime_(kNoDate), lastModificationTime_(kNoDate) {
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
    if (!def.Accepts(value)) throw std::invalid_argument("the value is outside the property's enumeration");
    data_.Assign(def, value, store_->Now());
}

void OutlookItem::Retire() noexcept {
    ++generation_;
    liveObject_ = nullptr;
}

// ---- OutlookFolder

OutlookFolder* OutlookFolder::Subfolder(std::u16string_view name) const noexcept {
    for (const auto& f : subfolders_)
        if (f->name_ == name) return f.get();
    return nullptr;
}

// ---- OutlookStore

OutlookStore::OutlookStore(StoreKind kind) : kind_(kind), root_(std::make_unique<OutlookFolder>()) {
    root_->store_ = this;
    if (kind == StoreKind::ServerMailbox) {
        recordKey_ = kMailboxGuid;
        storeId_ = MailboxStoreId(kMailServer, kMailboxDn);
        root_->name_ = u"Mailbox - User";
        openItemLimit_ = kMailboxOpenItemLimit;
    } else {
        recordKey_ = kRecordKey;
        storeId_ = PstStoreId(kRecordKey, kPstPath);
        root_->name_ = u"Personal Folders";
    }
    root_->entryId_ = NewFolderEntryId(*root_);
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

OutlookStore::OutlookStore(ArchiveTag)
    : kind_(StoreKind::PersonalFolders),
      recordKey_(kArchiveRecordKey),
      storeId_(PstStoreId(kArchiveRecordKey, kArchivePath)),
      root_(std::make_unique<OutlookFolder>()) {
    root_->store_ = this;
    root_->name_ = u"Archive Folders";
    root_->entryId_ = NewFolderEntryId(*root_);
    AddFolder(*root_, u"Contacts");
    AddFolder(*root_, u"Inbox");
}

std::unique_ptr<OutlookStore> OutlookStore::NewArchive() {
    return std::unique_ptr<OutlookStore>(new OutlookStore(ArchiveTag{}));
}

std::u16string OutlookStore::NewFolderEntryId(OutlookFolder& folder) {
    if (kind_ == StoreKind::PersonalFolders) {
        // The root is the file's fixed top folder node.
        return PstEntryId(recordKey_, NodeType::Folder, folder.parent_ ? nextFolderNode_++ : 0x12);
    }
    folder.counter_ = nextMailboxCounter_++;
    return MailboxFolderEntryId(recordKey_, folder.counter_);
}

std::u16string OutlookStore::NewItemEntryId(const OutlookFolder& folder) {
    if (kind_ == StoreKind::PersonalFolders)
        return PstEntryId(recordKey_, NodeType::Message, nextItemNode_++);
    return MailboxItemEntryId(recordKey_, folder.counter_, nextMailboxCounter_++);
}

void OutlookStore::ItemObjectOpened() noexcept {
    ++openItems_;
    peakOpenItems_ = std::max(peakOpenItems_, openItems_);
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
    folder->entryId_ = NewFolderEntryId(*folder);
    parent.subfolders_.push_back(std::move(folder));
    return *parent.subfolders_.back();
}

std::shared_ptr<OutlookItem> OutlookStore::NewItem(const ItemClass& itemClass) {
    return std::make_shared<OutlookItem>(*this, itemClass, Now());
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

void OutlookStore::Move(const std::shared_ptr<OutlookItem>& given, OutlookFolder& folder) {
    // given may be the folder's own entry, which Unlink drops.
    const std::shared_ptr<OutlookItem> item = given;
    if (!item->Saved()) item->creationTime_ = item->lastModificationTime_ = Now();
    Unlink(*item);
    OutlookStore& target = folder.Store();
    if (item->Saved() && (&target != this || kind_ != StoreKind::PersonalFolders)) {
        // A new message in the target folder: new EntryID, and the objects
        // open on the old one are left pointing at nothing.
        itemsById_.erase(NormalizedHex(item->entryId_));
        item->entryId_.clear();
        item->Retire();
    }
    item->store_ = &target;
    target.Place(item, folder);
}

void OutlookStore::Delete(const std::shared_ptr<OutlookItem>& given) {
    const std::shared_ptr<OutlookItem> item = given;  // as in Move
    OutlookFolder* deleted = DefaultFolder(kFolderDeletedItems);
    if (!deleted || item->folder_ == deleted || !item->Saved()) {
        Erase(item);
        return;
    }
    Move(item, *deleted);
    item->Retire();
}

void OutlookStore::Erase(const std::shared_ptr<OutlookItem>& given) {
    const std::shared_ptr<OutlookItem> item = given;  // as in Move
    Unlink(*item);
    if (item->Saved()) itemsById_.erase(NormalizedHex(item->entryId_));
    item->erased_ = true;
    item->Retire();
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
        item->entryId_ = NewItemEntryId(folder);
        itemsById_[item->entryId_] = item;
    }
    item->folder_ = &folder;
    folder.items_.push_back(item);
}

// An item is in its folder once. It is looked for from the end, where
// Items.Remove and Delete mostly take it when a folder is emptied from the
// last item, and the items behind it close up in their order.
void OutlookStore::Unlink(OutlookItem& item) {
    if (!item.folder_) return;
    auto& items = item.folder_->items_;
    const auto found =
        std::find_if(items.rbegin(), items.rend(), [&](const auto& p) { return p.get() == &item; });
    if (found != items.rend()) items.erase(std::next(found).base());
    item.folder_ = nullptr;
}

}  // namespace simpim
