// Reading every message of a 500-message Eudora mailbox, one read per
// message as a host must, in trees of 50, 200 and 800 mailboxes. Each read
// walks the tree anew to find the mailbox, so the calls per message grow
// with the tree: the report gives both.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "simpim/eudora_server.h"
#include "store_bench.h"
#include "tarnex/tarnex_inproc.h"

namespace tarnex_bench {
namespace {

constexpr int kMessages = 500;
constexpr int kMailboxesPerFolder = 10;

// Folders of ten mailboxes each, the read mailbox the last one the walk
// meets, so every read walks the whole tree.
void FillTree(simpim::EudoraServer& eudora, int mailboxes) {
    simpim::EudoraStore& tree = eudora.Store();
    for (int k = 0; k < 40; ++k)
        eudora.AddMessage(simpim::kEudoraIn, {.from = u"someone@example.com", .body = u"Hello"});
    simpim::EudoraMailbox* folder = nullptr;
    for (int k = 0; k < mailboxes - 1; ++k) {
        if (k % kMailboxesPerFolder == 0)
            folder = &tree.AddFolder(tree.Root(), Text("Folder " + std::to_string(k)));
        simpim::EudoraMailbox& mailbox = tree.AddMailbox(*folder, Text("Mailbox " + std::to_string(k)));
        tree.AddMessage(mailbox, {.subject = u"Filed", .body = u"Filed mail"});
    }
    simpim::EudoraMailbox& target = tree.AddMailbox(tree.AddFolder(tree.Root(), u"Archive"), u"Projects");
    const std::u16string body(2000, u'x');
    for (int k = 0; k < kMessages; ++k) {
        tree.AddMessage(target, {.to = u"user@example.com",
                                 .from = u"Carlos Ruiz <carlos@northwind.example>",
                                 .subject = Text("Status report " + std::to_string(k)),
                                 .cc = u"team@northwind.example",
                                 .date = u"Tue, 09 Jan 2001 09:05:00 +0100",
                                 .body = body,
                                 .status = simpim::kEudoraRead});
    }
}

void ReadEudoraMailbox(benchmark::State& state) {
    const int mailboxes = static_cast<int>(state.range(0));
    simpim::EudoraServer eudora;
    FillTree(eudora, mailboxes);
    tarnex_RegisterServer("Eudora.EuApplication.1", &simpim::EudoraServer::Factory, &eudora);
    if (InitializeTARN(TARN_PIM_EUDORA) != TARN_INITIALIZED) std::abort();

    std::vector<std::string> ids;
    for (int k = 1; k <= kMessages; ++k)
        ids.push_back("Projects_" + std::to_string(kMessages) + "_" + std::to_string(k));
    MessageRecord record;
    std::int64_t calls = 0;
    for (auto _ : state) {
        const std::int64_t before = eudora.CallCount();
        for (const std::string& id : ids) {
            if (TARN_GetSingleObjectForEU(&record, id.c_str(), TARN_STORE_INBOX) != TARN_OK ||
                record.header.type != 4)
                state.SkipWithError("read failed");
        }
        calls += eudora.CallCount() - before;
        state.PauseTiming();
        eudora.ClearCallLog();
        state.ResumeTiming();
    }
    Report(state, calls, kMessages);
    state.counters["mailboxes"] = mailboxes;

    UninitializeTARN();
    tarnex_RegisterServer("Eudora.EuApplication.1", nullptr, nullptr);
    // The Outlook benchmarks share the one session: hand it back when they
    // had it open.
    ReopenOutlookIfShared();
}
BENCHMARK(ReadEudoraMailbox)->Arg(50)->Arg(200)->Arg(800)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace tarnex_bench
