// Fuzzes the host's Eudora message identifiers through TARN_GetSingleObjectForEU:
// the input, cut to the 256 bytes of an identifier buffer (unterminated when
// it fills them), names a message in a simulated Eudora whose tree holds
// mailboxes of clashing, long and odd names. The buffer and the record are
// exact-size heap memory. The read must answer with one of its codes and
// leave either an all-zero record or one whole message of the tree.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <set>
#include <string>

#include "simpim/eudora_server.h"
#include "tarnex/tarnex.h"
#include "tarnex/tarnex_inproc.h"

namespace {

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

struct World {
    World() {
        simpim::EudoraStore& tree = eudora.Store();
        auto add = [&](simpim::EudoraMailbox& box, const char16_t* subject) {
            tree.AddMessage(box, {.subject = subject, .body = subject});
            subjects.insert(std::string(subject, subject + std::char_traits<char16_t>::length(subject)));
        };
        add(eudora.Mailbox(simpim::kEudoraIn), u"in 1");
        add(eudora.Mailbox(simpim::kEudoraIn), u"in 2");
        add(eudora.Mailbox(simpim::kEudoraOut), u"out 1");
        simpim::EudoraMailbox& work = tree.AddFolder(tree.Root(), u"Work");
        add(tree.AddMailbox(work, u"Reports"), u"work reports 1");
        simpim::EudoraMailbox& reports = tree.AddMailbox(tree.AddFolder(work, u"Old"), u"Reports");
        add(reports, u"old reports 1");
        add(reports, u"old reports 2");
        add(tree.AddMailbox(tree.Root(), std::u16string(50, u'n')), u"fifty");
        add(tree.AddMailbox(tree.Root(), u"a_b"), u"underscore");
        add(tree.AddMailbox(tree.Root(), u"1"), u"digit");
        tree.AddMailbox(tree.Root(), u"Empty");
        tarnex_RegisterServer("Eudora.EuApplication.1", &simpim::EudoraServer::Factory, &eudora);
        Check(InitializeTARN(TARN_PIM_EUDORA) == TARN_INITIALIZED);
    }
    simpim::EudoraServer eudora;
    std::set<std::string> subjects;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static World& world = *new World();  // never destroyed: the session stays open to the end
    world.eudora.ClearCallLog();
    const std::size_t length = std::min<std::size_t>(size, TARN_ENTRY_ID_SIZE);
    auto id = std::make_unique<char[]>(length == TARN_ENTRY_ID_SIZE ? length : length + 1);
    std::memcpy(id.get(), data, length);
    if (length < TARN_ENTRY_ID_SIZE) id[length] = '\0';
    auto record = std::make_unique<MessageRecord>();
    constexpr int kFill = 0xA5;  // no text of the tree holds it
    std::memset(record.get(), kFill, sizeof(MessageRecord));

    const std::int32_t result = TARN_GetSingleObjectForEU(record.get(), id.get(), TARN_STORE_INBOX);
    Check(result == TARN_OK || result == TARN_DISPATCH_EXCEPTION || result == TARN_OLE_FAILURE ||
          result == TARN_FAILED);
    // Cleared whole: no fill byte is left outside the identifier field,
    // which holds the host's own bytes when a message was read.
    const char* bytes = reinterpret_cast<const char*>(record.get());
    Check(std::memchr(bytes, kFill, 4) == nullptr);
    Check(std::memchr(bytes + 260, kFill, sizeof(MessageRecord) - 260) == nullptr);
    if (result == TARN_OK && record->header.type != 0) {
        Check(record->header.type == TARN_RECORD_MESSAGE);
        const std::string given(id.get(), strnlen(id.get(), TARN_ENTRY_ID_SIZE - 1));
        Check(std::string(record->header.entryId) == given);
        Check(world.subjects.count(record->subject) == 1);
    }
    return 0;
}
