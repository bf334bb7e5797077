// The reference host: opens a session on the bundled sample PIM (the
// simulated Outlook 2000 and Eudora servers) through the library's exports,
// the way a Bluetooth object-exchange service would, and reports what each
// store holds.
// GCC 12 reports a null dereference inside CLI11's inlined string splitting
// that cannot happen.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wnull-dereference"
#endif
#include <CLI/CLI.hpp>
#include <cstdio>
#include <iostream>

#include "simpim/eudora_server.h"
#include "simpim/outlook_server.h"
#include "simpim/sample_pim.h"
#include "store_report.h"
#include "tarnex/tarnex.h"
#include "tarnex/tarnex_inproc.h"

int main(int argc, char** argv) {
    CLI::App app{"tarnex reference host over the sample PIM"};
    bool json = false;
    app.add_flag("--json", json, "print the report as one JSON document");
    CLI11_PARSE(app, argc, argv);

    simpim::OutlookServer outlook;
    simpim::FillSampleOutlook(outlook);
    tarnex_RegisterServer("Outlook.Application.9", &simpim::OutlookServer::Factory, &outlook);

    std::printf("Outlook present: %s\n", IsPimPresentTARN(TARN_PIM_OUTLOOK) ? "yes" : "no");
    const int32_t opened = InitializeTARN(TARN_PIM_OUTLOOK);
    if (opened != TARN_INITIALIZED) {
        std::fprintf(stderr, "InitializeTARN(0) returned %d\n", opened);
        return 1;
    }
    const nlohmann::ordered_json report = tarnex_host::ReportOutlookStores();
    UninitializeTARN();
    tarnex_RegisterServer("Outlook.Application.9", nullptr, nullptr);

    if (json) {
        std::cout << report.dump(2) << '\n';
    } else {
        for (const auto& [name, store] : report.items()) {
            if (!store.is_object()) {
                std::cout << name << ": " << store.get<std::string>() << '\n';
                continue;
            }
            std::cout << name << ": " << store["count"] << " object(s)\n";
            for (const auto& id : store["ids"])
                std::cout << "  " << (id.is_string() ? id.get<std::string>() : id.dump()) << '\n';
            if (store.contains("records")) {
                for (const auto& record : store["records"]) std::cout << "    " << record.dump() << '\n';
            }
        }
    }
    std::printf("references left in Outlook after UninitializeTARN: %lld\n",
                static_cast<long long>(outlook.LiveReferences()));
    return outlook.LiveReferences() == 0 ? 0 : 1;
}
