// Every export over a representative scenario per object kind, run once
// cleanly and then once for every k from 1 to the scenario's number of
// automation calls with the k-th call failing, for each kind of failure.
// Each run must give the failure's result code, leave the host's memory and
// the store exactly as they stood when the failing call was made (what was
// written before stays, nothing after is written), leave the session serving
// the next calls as a freshly opened one would, and hold no reference once
// the session is closed.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "exports/call_trace.h"
#include "exports/host.h"

namespace tarnex_test {
namespace {

using simpim::Fault;

// The host's memory for one scenario. It lives through the scenario's whole
// sweep, so the pointers a run stores in it are the same in every run and
// the block compares byte for byte.
struct Host {
    alignas(8) char records[2][TARN_MESSAGE_RECORD_SIZE];  // of any store's layout
    RecordListNode nodes[2];
    PimRecordList list;
    char id[TARN_ENTRY_ID_SIZE];
    char unique[TARN_UNIQUE_STRING_SIZE];
    int32_t number;

    std::string Bytes() const { return {reinterpret_cast<const char*>(this), sizeof *this}; }
    // The list over the first n records.
    PimRecordList* ListOf(int n) {
        nodes[0] = MakeNode(records[0], &nodes[1], 0xA5A5A5A5u);
        nodes[1] = MakeNode(records[1], nullptr, 0x5A5A5A5Au);
        list = MakeList(nodes, n, nullptr, -7, 0xC3C3C3C3u);
        return &list;
    }
    // Record k as a host fills it for writing to a store.
    char* Written(int k, int32_t store, const RecordBytes& fields) {
        const std::string image = ImageOf(RecordSize(store), fields);
        std::memcpy(records[k], image.data(), image.size());
        return records[k];
    }
};

// Records as a host fills them for writing.
std::string ContactToWrite(const char* last) {
    return "name=" + std::string(last) +
           ";Jane;Q;Dr.;Jr.|fileAs=Doe, Jane|birthday=19700102|address0=;;1 Main St;Town;ST;12345;Land|"
           "address0Parameters=HOME|organization=Acme;Sales|jobTitle=Chief|phone0=555 0199|"
           "phone0Parameters=WORK;VOICE|email0=jane@example.com|email0Parameters=INTERNET;PREF|"
           "businessHomePage=http://example.com/";
}
const char* const kAppointmentToWrite =
    "kind=\1|subject=Planning|start=20010315T093000|end=20010315T103000|location=Room 2|"
    "body=Agenda=0D=0Anext|importance=2";
const char* const kTaskToWrite =
    "kind=\2|subject=Taxes|dueDate=20010420T000000|dateCompleted=20010419|status=COMPLETED|categories=Home|"
    "importance=0|body=Forms";
const char* const kNoteToWrite = "body=one=0D=0Atwo|categories=Ideas";
const char* const kMailToWrite =
    "status=READ|subject=Minutes|to=Bob|cc=Carl|body=Text\nmore|recipientList1=|Dan|Eve|originatorList1=|Ann";

// What a failure in the scenario's calls may legitimately turn into other
// than the failure's own code.
enum class Absorbs {
    Nothing,
    CountStep,  // the first countCalls calls count the store: the position is then out of it (-2)
    Adds,       // the records are added each in its own frame: from the first CreateItem on, 0
};

struct Scenario {
    std::string name;
    std::function<int32_t(const Library&, Host&, const WorldIds&)> act;
    Absorbs absorbs = Absorbs::Nothing;
    int countCalls = 0;
    bool opens = false;  // the act is InitializeTARN itself
    int32_t cleanResult = TARN_OK;
    int32_t pim = TARN_PIM_OUTLOOK;
};

std::vector<Scenario> Scenarios() {
    using L = const Library&;
    using I = const WorldIds&;
    const int32_t C = TARN_STORE_CONTACTS, A = TARN_STORE_CALENDAR, N = TARN_STORE_NOTES,
                  In = TARN_STORE_INBOX, Out = TARN_STORE_OUTBOX, S = TARN_STORE_SENT;
    std::vector<Scenario> s = {
        {"open", [](L l, Host&, I) { return l.Initialize(TARN_PIM_OUTLOOK); }, Absorbs::Nothing, 0, true,
         TARN_INITIALIZED},
        {"logon", [](L l, Host&, I) { return l.LogonForOL(); }},
        {"count calendar", [=](L l, Host& h, I) { return l.GetCountForOL(&h.number, A); }},
        {"identifier of a task", [=](L l, Host& h, I) { return l.GetIDForOL(h.id, 1, A); },
         Absorbs::CountStep, 2},
        {"identifier of a contact", [=](L l, Host& h, I) { return l.GetIDForOL(h.id, 1, C); },
         Absorbs::CountStep, 1},
        {"identifier of a message", [=](L l, Host& h, I) { return l.GetIDForOL(h.id, 0, In); },
         Absorbs::CountStep, 1},
        {"unique string", [](L l, Host& h, I) { return l.GetUniqueStringForOL(h.unique); }},
        {"delete a contact", [](L l, Host&, I ids) { return l.DeleteForOL(ids.contact.c_str()); }},
        {"delete a message", [](L l, Host&, I ids) { return l.DeleteForOL(ids.sent.c_str()); }},
        {"creation time",
         [](L l, Host& h, I ids) { return l.GetCreationTimeForOL(&h.number, ids.task.c_str()); }},
        {"modification time",
         [](L l, Host& h, I ids) { return l.GetModificationTimeForOL(&h.number, ids.note.c_str()); }},
    };
    // Whole stores read and replaced; the records are added each in a frame
    // of its own.
    const std::pair<int32_t, std::vector<std::string>> stores[] = {
        {C, {ContactToWrite("Poe"), ContactToWrite("Moe")}},
        {A, {kAppointmentToWrite, kTaskToWrite}},
        {N, {kNoteToWrite}},
        {In, {kMailToWrite}},
        {Out, {kMailToWrite}},
        {S, {kMailToWrite}}};
    for (const auto& [store, records] : stores) {
        const int n = static_cast<int>(records.size());
        s.push_back({"read store " + std::to_string(store),
                     [=](L l, Host& h, I) { return l.GetObjectStoreForOL(h.ListOf(n), store); }});
        if (store == C || store == A || store == N || store == S) {
            s.push_back({"replace store " + std::to_string(store),
                         [=](L l, Host& h, I) {
                             for (int k = 0; k < n; ++k) h.Written(k, store, records[k]);
                             return l.SetObjectStoreForOL(h.ListOf(n), store);
                         },
                         Absorbs::Adds});
        }
    }
    // Single reads of each kind, and of an item the store does not hold.
    const std::pair<std::string WorldIds::*, int32_t> singles[] = {
        {&WorldIds::contact, C}, {&WorldIds::appointment, A}, {&WorldIds::task, A},
        {&WorldIds::note, N},    {&WorldIds::inbox, In},      {&WorldIds::note, C}};
    for (const auto& [id, store] : singles) {
        s.push_back({"single read of " + std::to_string(store),
                     [id, store](L l, Host& h, I ids) {
                         return l.GetSingleObjectForOL(h.records[0], (ids.*id).c_str(), store);
                     },
                     Absorbs::Nothing, 0, false,
                     store == C && id == &WorldIds::note ? TARN_NOT_IN_STORE : TARN_OK});
    }
    // Updates and adds of every kind.
    const std::tuple<std::string WorldIds::*, int32_t, std::string> writes[] = {
        {&WorldIds::contact, C, ContactToWrite("Doe")},
        {&WorldIds::appointment, A, kAppointmentToWrite},
        {&WorldIds::task, A, kTaskToWrite},
        {&WorldIds::note, N, kNoteToWrite},
        {&WorldIds::outbox, Out, kMailToWrite},
        {nullptr, In, kMailToWrite},
        {nullptr, S, kMailToWrite}};
    for (const auto& [target, store, record] : writes) {
        if (target) {
            s.push_back({"update of " + std::to_string(store), [=](L l, Host& h, I ids) {
                             return l.SetSingleObjectForOL((ids.*target).c_str(), h.Written(0, store, record),
                                                           store);
                         }});
        }
        s.push_back({"add to " + std::to_string(store),
                     [=](L l, Host& h, I) { return l.AddForOL(h.id, h.Written(0, store, record), store); }});
    }

    // Eudora: opening, counts, reads by the host's identifier (one whose
    // mailbox is gone walks the whole tree), and queueing into each store.
    auto eudora = [&s](std::string name, std::function<int32_t(const Library&, Host&)> act,
                       int32_t clean = TARN_OK, bool opens = false) {
        s.push_back({name, [act](L l, Host& h, I) { return act(l, h); }, Absorbs::Nothing, 0, opens, clean,
                     TARN_PIM_EUDORA});
    };
    eudora(
        "open Eudora", [](L l, Host&) { return l.Initialize(TARN_PIM_EUDORA); }, TARN_INITIALIZED, true);
    for (const int32_t store : {In, Out}) {
        eudora("count a mailbox", [store](L l, Host& h) { return l.GetCountForEU(&h.number, store); });
    }
    const std::pair<const char*, int32_t> reads[] = {{"In_2_2", In}, {"Work_2_1", In}, {"Gone_1_1", Out}};
    for (const auto& [id, store] : reads) {
        eudora("read a Eudora message",
               [id, store](L l, Host& h) { return l.GetSingleObjectForEU(h.records[0], id, store); });
    }
    for (const int32_t store : {In, Out, S}) {
        eudora("queue into " + std::to_string(store), [store](L l, Host& h) {
            return l.AddForEU(h.id, h.Written(0, store, "to=Dan|subject=Notes|body=Body text"), store);
        });
    }
    return s;
}

struct FailureKind {
    const char* name;
    Fault fault;
    int32_t code;         // what every export but InitializeTARN returns
    int32_t openingCode;  // what InitializeTARN returns
    bool objectsOnly;     // only calls that hand back an object can fail this way
};

// A collection's item that is not an object is the catch-all failure; any
// other call's result that is not an object fails its conversion to one, an
// OLE status failure (a type mismatch).
int32_t NotAnObjectCode(const simpim::CallRecord& call) {
    const bool itemCall =
        (call.object == "Items" && call.dispid == 0x51) ||
        ((call.object == "EuFolders" || call.object == "EuMessages") && call.dispid == 0x0) ||
        (call.object == "EuMessages" && call.dispid == 0x2);
    return itemCall ? TARN_FAILED : TARN_OLE_FAILURE;
}

// Fresh simulated servers with their fixed contents, registered while they
// live; the scenario's PIM is the one looked at.
class World {
public:
    explicit World(int32_t pim) : outlook_(pim == TARN_PIM_OUTLOOK) {
        ids_ = Populate(outlook);
        Populate(eudora);
        tarnex_RegisterServer(kOutlookProgId, &simpim::OutlookServer::Factory, &outlook);
        tarnex_RegisterServer(kEudoraProgId, &simpim::EudoraServer::Factory, &eudora);
    }
    ~World() {
        tarnex_RegisterServer(kOutlookProgId, nullptr, nullptr);
        tarnex_RegisterServer(kEudoraProgId, nullptr, nullptr);
    }
    simpim::SimulatedServer& Server() {
        return outlook_ ? static_cast<simpim::SimulatedServer&>(outlook) : eudora;
    }
    // The saved state of the server's store.
    std::string Store() { return outlook_ ? StoreFingerprint(outlook) : StoreFingerprint(eudora); }
    // What the session answers to a host reading everything: each store's
    // count and each saved object by its identifier.
    std::string Probe(const Library& lib, char* record) {
        std::string seen;
        const auto read = [&](int32_t result) {
            seen += std::to_string(result);
            seen.append(record, sizeof(MessageRecord));
            std::memset(record, 0, sizeof(MessageRecord));
        };
        for (const int32_t store : {TARN_STORE_CONTACTS, TARN_STORE_CALENDAR, TARN_STORE_NOTES,
                                    TARN_STORE_INBOX, TARN_STORE_OUTBOX, TARN_STORE_SENT}) {
            if (!outlook_ && store != TARN_STORE_INBOX && store != TARN_STORE_OUTBOX) continue;
            int32_t count = -1;
            seen += std::to_string(outlook_ ? lib.GetCountForOL(&count, store)
                                            : lib.GetCountForEU(&count, store)) +
                    ":" + std::to_string(count) + " ";
        }
        std::memset(record, 0, sizeof(MessageRecord));
        if (outlook_) {
            for (const auto& [id, store] : StoredItems(outlook))
                read(lib.GetSingleObjectForOL(record, id.c_str(), store));
        } else {
            for (const std::string& id : MessageIds(eudora))
                read(lib.GetSingleObjectForEU(record, id.c_str(), TARN_STORE_INBOX));
        }
        return seen;
    }
    const WorldIds& Ids() const { return ids_; }

private:
    bool outlook_;
    simpim::OutlookServer outlook;
    simpim::EudoraServer eudora;
    WorldIds ids_;
};

// The state a run leaves: the result, the host's bytes, the saved store.
struct State {
    int32_t result = 0;
    std::string host;
    std::string store;
};

class FaultSweepTest : public ::testing::Test {
protected:
    void SetUp() override {
        tarnex_SetMessageBoxHandler([](const char*, void*) {}, nullptr);
    }
    void TearDown() override { tarnex_SetMessageBoxHandler(nullptr, nullptr); }

    // A fresh session's answer over a store in this state, cached by state.
    const std::string& FreshProbe(World& world, int32_t pim, const std::string& store) {
        const std::string key = std::to_string(pim) + store;
        auto found = freshProbes.find(key);
        if (found != freshProbes.end()) return found->second;
        EXPECT_EQ(lib.Initialize(pim), TARN_INITIALIZED);
        std::string probe = world.Probe(lib, probeRecord.get());
        lib.Uninitialize();
        return freshProbes.emplace(key, std::move(probe)).first->second;
    }

    const Library& lib = Tarnex();
    std::unique_ptr<Host> host = std::make_unique<Host>();
    std::unique_ptr<char[]> probeRecord = std::make_unique<char[]>(sizeof(MessageRecord));
    std::map<std::string, std::string> freshProbes;
};

// A C++ failure inside a server's call: in process it is the library's own
// catch-all; through COM the server can only answer E_FAIL, an OLE status.
#ifdef _WIN32
constexpr int32_t kServerFailure = TARN_OLE_FAILURE;
#else
constexpr int32_t kServerFailure = TARN_FAILED;
#endif

TEST_F(FaultSweepTest, EveryCallOfEveryScenarioFailsInTurn) {
    // Memory running out is the catch-all code, and -4 while opening,
    // however it arrives: thrown in process, or as E_OUTOFMEMORY.
    const std::vector<FailureKind> kinds{
        {"dispatch exception", Fault::Exception(u"The operation failed."), TARN_DISPATCH_EXCEPTION,
         TARN_FAILED, false},
        {"OLE status", Fault::Status(static_cast<int32_t>(0x80004005)), TARN_OLE_FAILURE, TARN_FAILED, false},
        {"memory exhaustion", Fault::OutOfMemory(), TARN_FAILED, TARN_OUT_OF_MEMORY, false},
        {"E_OUTOFMEMORY status", Fault::Status(static_cast<int32_t>(0x8007000E)), TARN_FAILED,
         TARN_OUT_OF_MEMORY, false},
        {"C++ failure", Fault::Unexpected(), kServerFailure, TARN_FAILED, false},
        {"not an object", Fault::NotAnObject(), TARN_FAILED, TARN_FAILED, true},
    };
    int scenarios = 0, callSites = 0, runs = 0;
    for (const Scenario& scenario : Scenarios()) {
        SCOPED_TRACE(scenario.name);
        ++scenarios;
        int failures = 0;

        // One run over a fresh server; fault, when given, fails the k-th call.
        // The clean run records the state before each call in before.
        std::vector<State> before;
        auto run = [&](const FailureKind* kind, int k, std::vector<simpim::CallRecord>* log,
                       std::vector<std::int64_t>* objectCalls) {
            const auto world = std::make_unique<World>(scenario.pim);
            simpim::SimulatedServer& server = world->Server();
            std::memset(static_cast<void*>(host.get()), 0, sizeof(Host));
            if (!scenario.opens) {
                EXPECT_EQ(lib.Initialize(scenario.pim), TARN_INITIALIZED);
            }
            server.ClearCallLog();
            const std::int64_t base = server.CallCount();
            if (kind) {
                server.FailCall(k, kind->fault);
            } else {
                server.ObserveCalls([&](std::int64_t) {
                    before.push_back({0, host->Bytes(), world->Store()});
                });
            }
            State after;
            after.result = scenario.act(lib, *host, world->Ids());
            server.ObserveCalls(nullptr);
            after.host = host->Bytes();
            after.store = world->Store();
            if (log) *log = server.CallLog();
            if (objectCalls) {
                for (const std::int64_t call : server.CallsReturningObjects())
                    objectCalls->push_back(call - base);
            }
            server.ClearFaults();

            // The session goes on serving as a fresh one would.
            if (scenario.opens && after.result != TARN_INITIALIZED) {
                int32_t count = 0;
                EXPECT_EQ(lib.GetCountForOL(&count, TARN_STORE_CONTACTS), TARN_NOT_OPEN);
                EXPECT_EQ(lib.GetCountForEU(&count, TARN_STORE_INBOX), TARN_NOT_OPEN);
                EXPECT_EQ(lib.Initialize(scenario.pim), TARN_INITIALIZED);
            }
            const std::string probe = world->Probe(lib, probeRecord.get());
            lib.Uninitialize();
            EXPECT_EQ(server.LiveReferences(), 0) << (kind ? kind->name : "clean run") << " at call " << k;
            const bool sameAsFresh = probe == FreshProbe(*world, scenario.pim, after.store);
            EXPECT_TRUE(sameAsFresh) << "after " << (kind ? kind->name : "clean run") << " at call " << k
                                     << " the session answers otherwise than a fresh one";
            failures += !sameAsFresh;
            return after;
        };

        std::vector<simpim::CallRecord> log;
        std::vector<std::int64_t> objectCalls;
        const State clean = run(nullptr, 0, &log, &objectCalls);
        ASSERT_EQ(clean.result, scenario.cleanResult);
        const int calls = static_cast<int>(before.size());
        ASSERT_GT(calls, 0);
        callSites += calls;

        // Calls are numbered from 1; the log holds the releases too.
        std::vector<const simpim::CallRecord*> callAt{nullptr};
        for (const auto& record : log) {
            if (!record.released) callAt.push_back(&record);
        }
        int firstCreate = calls + 1;
        for (int k = 1; k <= calls; ++k) {
            if (callAt[k]->dispid == 0x10A && callAt[k]->object == "Application") {
                firstCreate = k;
                break;
            }
        }
        CallTrace trace;

        for (const FailureKind& kind : kinds) {
            for (int k = 1; k <= calls && failures < 5; ++k) {
                if (kind.objectsOnly &&
                    std::find(objectCalls.begin(), objectCalls.end(), k) == objectCalls.end())
                    continue;
                ++runs;
                const std::string where =
                    std::string(kind.name) + " at call " + std::to_string(k) + ", " + trace.Line(*callAt[k]);
                const State got = run(&kind, k, nullptr, nullptr);

                int32_t expected = scenario.opens     ? kind.openingCode
                                   : kind.objectsOnly ? NotAnObjectCode(*callAt[k])
                                                      : kind.code;
                if (scenario.absorbs == Absorbs::CountStep && k <= scenario.countCalls)
                    expected = TARN_BAD_POSITION;
                const bool absorbedAdd = scenario.absorbs == Absorbs::Adds && k >= firstCreate;
                if (absorbedAdd) expected = TARN_OK;
                EXPECT_EQ(got.result, expected) << where;
                failures += got.result != expected;
                if (absorbedAdd) continue;

                // The host's memory as it stood when the call was made; the
                // store too, or just after the call when it ran and only its
                // result was wrong.
                const State& then = before[static_cast<std::size_t>(k - 1)];
                const std::string& store =
                    !kind.objectsOnly ? then.store
                                      : (k < calls ? before[static_cast<std::size_t>(k)].store : clean.store);
                const bool hostKept = got.host == then.host;
                const bool storeKept = got.store == store;
                EXPECT_TRUE(hostKept) << where << ": the host's memory differs from when the call was made";
                EXPECT_TRUE(storeKept) << where << ": the store differs from when the call was made";
                failures += !hostKept + !storeKept;
            }
        }
    }
    std::printf("fault sweep: %d scenarios, %d call sites, %d runs\n", scenarios, callSites, runs);
    std::fflush(stdout);
}

}  // namespace
}  // namespace tarnex_test
