// What one simulated Outlook holds behind its automation objects: the
// profile's message stores, the first of them the default store, and the
// object model guard.
#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "simpim/object_model_guard.h"
#include "simpim/outlook_store.h"

namespace simpim {

class OutlookSession {
public:
    explicit OutlookSession(StoreKind defaultKind) {
        stores_.push_back(std::make_unique<OutlookStore>(defaultKind));
    }

    OutlookStore& DefaultStore() const noexcept { return *stores_.front(); }
    const std::vector<std::unique_ptr<OutlookStore>>& Stores() const noexcept { return stores_; }
    OutlookStore& AddArchiveStore() { return *stores_.emplace_back(OutlookStore::NewArchive()); }
    // The store with the given StoreID (in either case), or null.
    OutlookStore* FindStore(std::u16string_view storeId) const;

    ObjectModelGuard& Guard() noexcept { return guard_; }

private:
    std::vector<std::unique_ptr<OutlookStore>> stores_;
    ObjectModelGuard guard_;
};

}  // namespace simpim
