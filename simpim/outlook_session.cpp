#include "simpim/outlook_session.h"

#include "simpim/entry_ids.h"

namespace simpim {

OutlookStore* OutlookSession::FindStore(std::u16string_view storeId) const {
    const std::u16string wanted = NormalizedHex(storeId);
    for (const auto& store : stores_)
        if (NormalizedHex(store->StoreId()) == wanted) return store.get();
    return nullptr;
}

}  // namespace simpim
