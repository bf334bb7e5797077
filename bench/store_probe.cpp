// One whole-store read (or replacement) over the simulated Outlook, for a
// profiler to look at: the store is filled and the session opened first, so
// that a profiler that collects only inside the export sees the library,
// the backend and the server at work and nothing else.
//
//   tarnex_store_probe contacts|calendar|notes|inbox [count] [read|replace]
//   tarnex_store_probe eudora [count] [read]
//
// The Eudora mode reads count messages of one mailbox over the simulated
// Eudora, one TARN_GetSingleObjectForEU each as a host must, in a small tree
// of folders and mailboxes. Prints the number of records the exports
// handled.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "pim_stores.h"
#include "simpim/eudora_server.h"
#include "tarnex/tarnex.h"
#include "tarnex/tarnex_inproc.h"

namespace {

struct StoreName {
    std::string_view name;
    std::int32_t store;
    std::size_t recordSize;
};
constexpr StoreName kStores[] = {
    {"contacts", TARN_STORE_CONTACTS, sizeof(ContactRecord)},
    {"calendar", TARN_STORE_CALENDAR, sizeof(CalendarRecord)},
    {"notes", TARN_STORE_NOTES, sizeof(NoteRecord)},
    {"inbox", TARN_STORE_INBOX, sizeof(MessageRecord)},
};

[[noreturn]] void Usage() {
    std::fputs(
        "usage: tarnex_store_probe contacts|calendar|notes|inbox [count] [read|replace]\n"
        "       tarnex_store_probe eudora [count] [read]\n",
        stderr);
    std::exit(2);
}

// Zero-filled host records of one size, chained into a list.
struct HostRecords {
    HostRecords(std::size_t count, std::size_t recordSize) : bytes(count * recordSize), nodes(count) {
        for (std::size_t k = 0; k < count; ++k) {
            nodes[k].record = bytes.data() + k * recordSize;
            nodes[k].next = k + 1 < count ? &nodes[k + 1] : nullptr;
        }
        list.first = nodes.data();
        list.count = static_cast<int32_t>(count);
    }
    std::vector<char> bytes;
    std::vector<RecordListNode> nodes;
    PimRecordList list{};
};

// Three folders of three mailboxes with a message each, then the mailbox
// read, "Projects", holding count messages with a 20 KB body of CR LF lines
// like the Inbox's.
int ReadEudora(std::size_t count) {
    static simpim::EudoraServer eudora;
    simpim::EudoraStore& tree = eudora.Store();
    for (int f = 0; f < 3; ++f) {
        simpim::EudoraMailbox& folder =
            tree.AddFolder(tree.Root(), tarnex_bench::Text("Folder " + std::to_string(f)));
        for (int m = 0; m < 3; ++m) {
            simpim::EudoraMailbox& mailbox =
                tree.AddMailbox(folder, tarnex_bench::Text("Mailbox " + std::to_string(3 * f + m)));
            tree.AddMessage(mailbox, {.subject = u"Filed", .body = u"Filed mail"});
        }
    }
    simpim::EudoraMailbox& target = tree.AddMailbox(tree.Root(), u"Projects");
    for (std::size_t k = 0; k < count; ++k) {
        const std::string n = std::to_string(k);
        const std::string line =
            "Line of message " + n + ": the quick brown fox jumps over the lazy dog.\r\n";
        std::string body;
        while (body.size() + line.size() < tarnex_bench::kMessageBodyBytes) body += line;
        tree.AddMessage(target, {.to = u"user@example.com",
                                 .from = u"List Server <list@example.com>",
                                 .subject = tarnex_bench::Text("Digest number " + n),
                                 .cc = tarnex_bench::Text("member" + n + "@example.com"),
                                 .date = u"Tue, 09 Jan 2001 09:05:00 +0100",
                                 .body = tarnex_bench::Text(body)});
    }
    tarnex_RegisterServer("Eudora.EuApplication.1", &simpim::EudoraServer::Factory, &eudora);
    if (InitializeTARN(TARN_PIM_EUDORA) != TARN_INITIALIZED) return 1;
    MessageRecord record;
    for (std::size_t k = 1; k <= count; ++k) {
        const std::string id = "Projects_" + std::to_string(count) + "_" + std::to_string(k);
        if (TARN_GetSingleObjectForEU(&record, id.c_str(), TARN_STORE_INBOX) != TARN_OK) return 1;
    }
    std::printf("%zu records\n", count);
    UninitializeTARN();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) Usage();
    if (std::string_view(argv[1]) == "eudora") {
        const std::size_t count = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 1000;
        if (count == 0 || (argc > 3 && std::string_view(argv[3]) != "read")) Usage();
        return ReadEudora(count);
    }
    const StoreName* store = nullptr;
    for (const StoreName& s : kStores) {
        if (s.name == argv[1]) store = &s;
    }
    if (store == nullptr) Usage();
    const std::size_t count = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 1000;
    const bool replace = argc > 3 && std::string_view(argv[3]) == "replace";
    if (count == 0 || (argc > 3 && !replace && std::string_view(argv[3]) != "read")) Usage();

    static simpim::OutlookServer outlook;
    tarnex_RegisterServer("Outlook.Application.9", &simpim::OutlookServer::Factory, &outlook);
    tarnex_bench::FillStore(outlook, store->store, count);
    if (InitializeTARN(TARN_PIM_OUTLOOK) != TARN_INITIALIZED) return 1;

    HostRecords host(count, store->recordSize);
    if (replace) {
        // The records to write back: the store as a read gives it.
        if (TARN_GetObjectStoreForOL(&host.list, store->store) != TARN_OK) return 1;
        outlook.ClearCallLog();
        if (TARN_SetObjectStoreForOL(&host.list, store->store) != TARN_OK) return 1;
    } else {
        if (TARN_GetObjectStoreForOL(&host.list, store->store) != TARN_OK) return 1;
    }
    std::printf("%zu records\n", count);
    UninitializeTARN();
    return 0;
}
