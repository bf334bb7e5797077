// TARN_GetCountForEU, TARN_GetSingleObjectForEU, TARN_AddForEU: mail in
// Eudora's in mailbox (store 32) and out mailbox (store 64).
#include <cstring>

#include "automation/invoke.h"
#include "eudora/eudora_members.h"
#include "eudora/message_queue.h"
#include "eudora/message_reader.h"
#include "exports/export_frame.h"
#include "exports/host_text.h"
#include "records/host_memory.h"
#include "records/store_selector.h"

using tarnex::exports::Result;
using tarnex::records::StoreSelector;
namespace eudora = tarnex::eudora;
namespace records = tarnex::records;
namespace session = tarnex::session;

namespace {

bool Is(std::int32_t store, StoreSelector selector) noexcept {
    return store == static_cast<std::int32_t>(selector);
}

// The message collection a Eudora store counts, or null for a store Eudora
// does not have.
const session::DispatchRef* MessagesOfStore(const session::PimSession& pim, std::int32_t store) noexcept {
    if (Is(store, StoreSelector::Inbox)) return &pim.eudoraInMessages;
    if (Is(store, StoreSelector::Outbox)) return &pim.eudoraOutMessages;
    return nullptr;
}

}  // namespace

TARN_API TarnResult TARN_CALL TARN_GetCountForEU(int32_t* count, int32_t store) {
    return tarnex::exports::SessionExport([&](session::PimSession& pim) {
        int32_t* out = records::HostPointer(count, "count");
        if (const session::DispatchRef* messages = MessagesOfStore(pim, store))
            *out = tarnex::automation::GetInt(*messages, eudora::kCollectionCount);
        return Result::Ok;
    });
}

// The identifier names the mailbox; the store only decides whether to read.
TARN_API TarnResult TARN_CALL TARN_GetSingleObjectForEU(void* record, const char* identifier, int32_t store) {
    return tarnex::exports::SessionExport([&](session::PimSession& pim) {
        auto* out = static_cast<MessageRecord*>(records::HostPointer(record, "record"));
        const std::string_view id = tarnex::exports::IdentifierIn(identifier);
        if (MessagesOfStore(pim, store) == nullptr) return Result::Ok;

        std::memset(out, 0, sizeof(MessageRecord));
        eudora::ReadEudoraMessage(pim, *out, id);
        return Result::Ok;
    });
}

// The first argument is the identifier buffer of TARN_AddForOL; Eudora
// returns no identifier, so it is never read or written. Sent mail (store
// 128) has no mailbox of its own the library reads: it goes to the in
// mailbox, as store 32 does.
TARN_API TarnResult TARN_CALL TARN_AddForEU(void* /*unused*/, const void* record, int32_t store) {
    return tarnex::exports::SessionExport([&](session::PimSession& pim) {
        const auto* in = static_cast<const MessageRecord*>(records::HostPointer(record, "record"));
        const bool toInMailbox = Is(store, StoreSelector::Inbox) || Is(store, StoreSelector::SentItems);
        if (!toInMailbox && !Is(store, StoreSelector::Outbox)) return Result::Ok;

        const bool found = eudora::QueueEudoraMessage(pim, *in);
        if (!toInMailbox) return Result::Ok;
        if (!found) return Result::Failed;
        eudora::MoveCurrentMessageToInMailbox(pim);
        return Result::Ok;
    });
}
