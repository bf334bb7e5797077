// tarnex-host, the reference host: opens a session on the simulated Outlook
// 2000 or Eudora, loaded from a JSON file (the bundled sample PIM unless one
// is named), and moves objects through the library's exports the way a
// Bluetooth object-exchange service does, showing them as vObject text, as
// JSON or as annotated record bytes.
//
//   tarnex-host                  the counts, then every store as vObject text
//   tarnex-host stores
//   tarnex-host dump contacts
//   tarnex-host --state my_pim.json add calendar meeting.vcs dump calendar save my_pim.json
//
// Several commands may follow each other in one run, on one session.
// GCC 12 reports a null dereference inside CLI11's inlined string splitting
// that cannot happen.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wnull-dereference"
#endif
#include <CLI/CLI.hpp>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <functional>
#include <iostream>
#include <sstream>

#include "library_calls.h"
#include "record_views.h"
#include "simpim/json/pim_json.h"
#include "tarnex/tarnex.h"
#include "tarnex/tarnex_inproc.h"
#include "vobject.h"

namespace {

using namespace tarnex_host;

constexpr char kOutlookProgId[] = "Outlook.Application.9";
constexpr char kEudoraProgId[] = "Eudora.EuApplication.1";

// A file the user named that cannot be used.
class InputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw InputError(path + ": cannot be read");
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

enum class View { VObject, Json, Bytes };

struct ViewOptions {
    bool json = false;
    bool bytes = false;
    View Chosen() const { return json ? View::Json : bytes ? View::Bytes : View::VObject; }
};

void AddViewFlags(CLI::App& command, ViewOptions& view) {
    auto* json = command.add_flag("--json", view.json, "the records' fields as JSON");
    command.add_flag("--bytes", view.bytes, "the records' bytes, field by field")->excludes(json);
}

void Print(const std::vector<Record>& records, View view) {
    if (view == View::Json) {
        nlohmann::ordered_json all = nlohmann::ordered_json::array();
        for (const Record& record : records) all.push_back(RecordJson(record));
        std::cout << all.dump(2) << '\n';
        return;
    }
    for (const Record& record : records)
        std::cout << (view == View::Bytes ? AnnotatedBytes(record) : VObjectText(record));
}

const StoreInfo& StoreNamed(const std::string& name) {
    const StoreInfo* store = FindStore(Stores(), name);
    if (!store) {
        std::string names;
        for (const StoreInfo& s : Stores()) names += (names.empty() ? "" : ", ") + std::string(s.name);
        throw InputError("no store " + name + " in this PIM (" + names + ")");
    }
    return *store;
}

// The commands Eudora's three exports cannot serve.
void OutlookOnly(const char* command) {
    if (UsingEudora()) throw InputError(std::string(command) + " is not offered for Eudora");
}

std::vector<Record> RecordsOfFiles(const StoreInfo& store, const std::vector<std::string>& files) {
    std::vector<Record> records;
    for (const std::string& file : files) {
        try {
            for (Record& record : ParseVObjects(ReadFile(file), store.kind))
                records.push_back(std::move(record));
        } catch (const VObjectError& e) {
            throw InputError(file + ": " + e.what());
        }
    }
    return records;
}

std::string TimeText(std::int32_t seconds) {
    if (seconds == -1) return "-1 (outside 1970 to 2038)";
    const std::time_t t = seconds;
    std::tm utc{}, local{};
    gmtime_r(&t, &utc);
    localtime_r(&t, &local);
    char text[96];
    std::strftime(text, sizeof text, " (%Y-%m-%d %H:%M:%S UTC, ", &utc);
    std::string out = std::to_string(seconds) + text;
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S %Z local)", &local);
    return out + text;
}

void PrintStores() {
    if (!UsingEudora()) {
        char unique[TARN_UNIQUE_STRING_SIZE] = {};
        Check("TARN_GetUniqueStringForOL", TARN_GetUniqueStringForOL(unique));
        std::cout << "unique string: " << unique << '\n';
    }
    for (const StoreInfo& store : Stores())
        std::cout << std::string(store.name) << std::string(11 - store.name.size(), ' ') << Count(store)
                  << '\n';
}

// What one run does: the commands in the order given, on one session. Each
// command's arguments are parsed into the fields below, then taken into its
// step.
struct Run {
    std::string pim = "outlook";
    std::string stateFile;
    std::vector<std::function<void()>> steps;
    std::string store, id, file;
    std::vector<std::string> files;
    ViewOptions view;
    simpim::OutlookServer* outlook = nullptr;
    simpim::EudoraServer* eudora = nullptr;
};

void AddCommands(CLI::App& app, Run& run) {
    auto* stores = app.add_subcommand("stores", "the count of each store");
    stores->immediate_callback()->callback([&run] { run.steps.push_back(PrintStores); });

    auto* dump = app.add_subcommand("dump", "every object of a store");
    dump->add_option("STORE", run.store, "contacts, calendar, notes, inbox, outbox or sent")->required();
    AddViewFlags(*dump, run.view);
    dump->immediate_callback()->callback([&run] {
        run.steps.push_back(
            [store = run.store, view = run.view.Chosen()] { Print(ReadStore(StoreNamed(store)), view); });
        run.view = {};
    });

    auto* get = app.add_subcommand("get", "one object by its entry identifier");
    get->add_option("ID", run.id, "the entry identifier")->required();
    AddViewFlags(*get, run.view);
    get->immediate_callback()->callback([&run] {
        run.steps.push_back([id = run.id, view = run.view.Chosen()] {
            Found found = ReadById(id);
            if (!found.store) throw HostError("no store holds the object " + id);
            Print(found.record, view);
        });
        run.view = {};
    });

    auto* add = app.add_subcommand("add", "adds the objects of a vObject file to a store");
    add->add_option("STORE", run.store, "contacts, calendar, notes, inbox, outbox or sent")->required();
    add->add_option("FILE", run.file, "vCard, vCalendar, vNote or vMessage text")->required();
    add->immediate_callback()->callback([&run] {
        run.steps.push_back([store = run.store, file = run.file] {
            const StoreInfo& info = StoreNamed(store);
            for (const std::string& id : AddAll(info, RecordsOfFiles(info, {file})))
                std::cout << "added " << id << '\n';
        });
    });

    auto* replace = app.add_subcommand("replace", "replaces a whole store by the objects of vObject files");
    replace->add_option("STORE", run.store, "contacts, calendar, notes, inbox, outbox or sent")->required();
    replace->add_option("FILE", run.files, "vCard, vCalendar, vNote or vMessage texts")->required();
    replace->immediate_callback()->callback([&run] {
        run.steps.push_back([store = run.store, files = run.files] {
            OutlookOnly("replace");
            const StoreInfo& info = StoreNamed(store);
            std::vector<Record> records = RecordsOfFiles(info, files);
            ReplaceStore(info, records);
            for (const Record& record : records)
                std::cout << "added " << record.Text(offsetof(PimRecordHeader, entryId), TARN_ENTRY_ID_SIZE)
                          << '\n';
        });
        run.files.clear();
    });

    auto* remove = app.add_subcommand("delete", "deletes an object by its entry identifier");
    remove->add_option("ID", run.id, "the entry identifier")->required();
    remove->immediate_callback()->callback([&run] {
        run.steps.push_back([id = run.id] {
            OutlookOnly("delete");
            Check("TARN_DeleteForOL", TARN_DeleteForOL(id.c_str()));
            std::cout << "deleted " << id << '\n';
        });
    });

    auto* times = app.add_subcommand("times", "an object's creation and modification times");
    times->add_option("ID", run.id, "the entry identifier")->required();
    times->immediate_callback()->callback([&run] {
        run.steps.push_back([id = run.id] {
            OutlookOnly("times");
            std::int32_t created = 0, modified = 0;
            Check("TARN_GetCreationTimeForOL", TARN_GetCreationTimeForOL(&created, id.c_str()));
            Check("TARN_GetModificationTimeForOL", TARN_GetModificationTimeForOL(&modified, id.c_str()));
            std::cout << "created  " << TimeText(created) << "\nmodified " << TimeText(modified) << '\n';
        });
    });

    auto* save =
        app.add_subcommand("save", "writes the simulated PIM's state as JSON (- for standard output)");
    save->add_option("FILE", run.file, "the JSON file")->required();
    save->immediate_callback()->callback([&run] {
        run.steps.push_back([&run, file = run.file] {
            nlohmann::ordered_json state = nlohmann::ordered_json::object();
            if (run.outlook) state["outlook"] = simpim::SaveOutlook(*run.outlook);
            if (run.eudora) state["eudora"] = simpim::SaveEudora(*run.eudora);
            const std::string text = state.dump(2) + "\n";
            if (file == "-") {
                std::cout << text;
                return;
            }
            std::ofstream out(file, std::ios::binary);
            if (!(out << text)) throw InputError(file + ": cannot be written");
        });
    });
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"tarnex-host: the reference host over the simulated Outlook 2000 and Eudora"};
    Run run;
    app.add_option("--pim", run.pim, "the PIM the session opens")
        ->check(CLI::IsMember({"outlook", "eudora"}));
    app.add_option("--state,--sample", run.stateFile,
                   "the simulated PIM as JSON (docs/simulated-pim-json.md); the bundled sample by default");
    app.require_subcommand(0, 0);
    AddCommands(app, run);
    CLI11_PARSE(app, argc, argv);
    // Without a command: the counts, then every store as vObject text.
    if (run.steps.empty()) {
        run.steps.push_back(PrintStores);
        run.steps.push_back([] {
            for (const StoreInfo& store : Stores()) Print(ReadStore(store), View::VObject);
        });
    }

    simpim::OutlookServer outlook;
    simpim::EudoraServer eudora;
    try {
        const auto document = simpim::ParsePimJson(
            run.stateFile.empty() ? std::string(simpim::BundledSampleJson()) : ReadFile(run.stateFile));
        if (document.contains("outlook")) {
            simpim::LoadOutlook(document, outlook);
            run.outlook = &outlook;
            tarnex_RegisterServer(kOutlookProgId, &simpim::OutlookServer::Factory, &outlook);
        }
        if (document.contains("eudora")) {
            simpim::LoadEudora(document, eudora);
            run.eudora = &eudora;
            tarnex_RegisterServer(kEudoraProgId, &simpim::EudoraServer::Factory, &eudora);
        }
    } catch (const std::exception& e) {
        std::cerr << "tarnex-host: " << (run.stateFile.empty() ? "the bundled sample" : run.stateFile) << ": "
                  << e.what() << '\n';
        return 2;
    }

    int status = 0;
    const std::int32_t kind = run.pim == "eudora" ? TARN_PIM_EUDORA : TARN_PIM_OUTLOOK;
    UseEudora(kind == TARN_PIM_EUDORA);
    try {
        Check("InitializeTARN(" + std::to_string(kind) + ")", InitializeTARN(kind), TARN_INITIALIZED);
        try {
            for (const auto& step : run.steps) step();
        } catch (...) {
            UninitializeTARN();
            throw;
        }
        UninitializeTARN();
    } catch (const InputError& e) {
        std::cerr << "tarnex-host: " << e.what() << '\n';
        status = 2;
    } catch (const HostError& e) {
        std::cerr << "tarnex-host: " << e.what() << '\n';
        status = 1;
    }
    tarnex_RegisterServer(kOutlookProgId, nullptr, nullptr);
    tarnex_RegisterServer(kEudoraProgId, nullptr, nullptr);
    // The library must let go of every object when the session closes.
    const std::int64_t left = outlook.LiveReferences() + eudora.LiveReferences();
    if (left != 0) {
        std::cerr << "tarnex-host: " << left
                  << " reference(s) to the PIM's objects left after UninitializeTARN\n";
        return 1;
    }
    return status;
}
