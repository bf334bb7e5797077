#include "exports/call_trace.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

#include "simpim/item_classes.h"

namespace tarnex_test {

namespace {

struct Member {
    simpim::Dispid dispid;
    std::string_view name;
};

// Outlook's navigation members and the item methods.
constexpr Member kMembers[] = {{0x110, "GetNamespace"},
                               {0x10A, "CreateItem"},
                               {0x2105, "Logon"},
                               {0x2103, "Folders"},
                               {0x210B, "GetDefaultFolder"},
                               {0x2109, "GetItemFromID"},
                               {0x3100, "Items"},
                               {0x3001, "Name"},
                               {0x3108, "StoreID"},
                               {0xF01E, "EntryID"},
                               {0x50, "Count"},
                               {0x51, "Item"},
                               {0x54, "Remove"},
                               {0x56, "GetFirst"},
                               {0x57, "GetNext"},
                               {0xF00A, "Class"},
                               {0xF001, "Parent"},
                               {0x1A, "MessageClass"},
                               {0xF048, "Save"},
                               {0xF04A, "Delete"},
                               {0xF034, "Move"}};

struct EudoraMember {
    std::string_view object;
    simpim::Dispid dispid;
    std::string_view name;
};

// Eudora's members, by the roles the library gives them.
constexpr EudoraMember kEudoraMembers[] = {{"EuApplication", 0x6, "InMailbox"},
                                           {"EuApplication", 0xE, "RootFolder"},
                                           {"EuApplication", 0x1C, "MailboxByNumber"},
                                           {"EuApplication", 0x1D, "QueueMessage"},
                                           {"EuFolder", 0x6, "Folders"},
                                           {"EuFolder", 0x8, "MailboxNumber"},
                                           {"EuFolder", 0xA, "Messages"},
                                           {"EuFolder", 0xB, "Name"},
                                           {"EuFolders", 0x0, "Item"},
                                           {"EuFolders", 0x1, "Count"},
                                           {"EuMessages", 0x0, "Item"},
                                           {"EuMessages", 0x1, "Count"},
                                           {"EuMessages", 0x2, "ItemByID"},
                                           {"EuMessage", 0x2, "Body"},
                                           {"EuMessage", 0x5, "Date"},
                                           {"EuMessage", 0x6, "From"},
                                           {"EuMessage", 0x7, "Header"},
                                           {"EuMessage", 0x8, "ID"},
                                           {"EuMessage", 0xD, "Status"},
                                           {"EuMessage", 0xE, "Subject"},
                                           {"EuMessage", 0xF, "To"},
                                           {"EuMessage", 0x10, "Move"}};

const simpim::ItemClass* ItemClassNamed(std::string_view objectName) {
    using Getter = const simpim::ItemClass& (*)();
    for (Getter get : {&simpim::ContactClass, &simpim::AppointmentClass, &simpim::TaskClass,
                       &simpim::NoteClass, &simpim::MailClass, &simpim::MeetingRequestClass,
                       &simpim::ReportClass, &simpim::JournalClass, &simpim::DistListClass}) {
        if (get().objectName == objectName) return &get();
    }
    return nullptr;
}

std::string MemberName(const simpim::CallRecord& call) {
    for (const EudoraMember& member : kEudoraMembers) {
        if (member.object == call.object && member.dispid == call.dispid) return std::string(member.name);
    }
    if (const simpim::ItemClass* itemClass = ItemClassNamed(call.object)) {
        if (const simpim::PropertyDef* def = itemClass->table->Find(call.dispid))
            return std::string(def->name);
    }
    const auto* known = std::find_if(std::begin(kMembers), std::end(kMembers),
                                     [&](const Member& m) { return m.dispid == call.dispid; });
    if (known != std::end(kMembers)) return std::string(known->name);
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%X", static_cast<unsigned>(call.dispid));
    return hex;
}

}  // namespace

std::string CallTrace::Line(const simpim::CallRecord& call) const {
    std::string object = call.object;
    if (!call.instance.empty()) object += "[" + call.instance + "]";
    if (call.released) return "~" + object;

    std::string args = call.args;
    for (const auto& [text, name] : aliases_) {
        for (std::size_t at = 0; (at = args.find(text, at)) != std::string::npos; at += name.size()) {
            args.replace(at, text.size(), name);
        }
    }
    const std::string member = object + "." + MemberName(call);
    switch (call.kind) {
        case simpim::InvokeKind::Put:
            return member + " = " + args;
        case simpim::InvokeKind::Method:
            return member + "(" + args + ")";
        case simpim::InvokeKind::Get:
            break;
    }
    return args.empty() ? member : member + "(" + args + ")";
}

std::vector<std::string> CallTrace::Lines(const std::vector<simpim::CallRecord>& log) const {
    std::vector<std::string> lines;
    lines.reserve(log.size());
    for (const simpim::CallRecord& call : log) lines.push_back(Line(call));
    return lines;
}

::testing::AssertionResult SameCalls(const std::vector<std::string>& expected,
                                     const std::vector<std::string>& actual) {
    const std::size_t common = std::min(expected.size(), actual.size());
    std::size_t at = 0;
    while (at < common && expected[at] == actual[at]) ++at;
    if (at == expected.size() && at == actual.size()) return ::testing::AssertionSuccess();

    auto failure = ::testing::AssertionFailure();
    failure << "first difference at call " << at << " (expected " << expected.size() << " calls, saw "
            << actual.size() << ")\n";
    const std::size_t from = at < 3 ? 0 : at - 3;
    for (std::size_t k = from; k < std::max(expected.size(), actual.size()) && k < at + 4; ++k) {
        const std::string want = k < expected.size() ? expected[k] : "(none)";
        const std::string saw = k < actual.size() ? actual[k] : "(none)";
        failure << (want == saw ? "    " : "  ! ") << k << ": expected " << want;
        if (want != saw) failure << "\n         saw      " << saw;
        failure << "\n";
    }
    failure << "whole trace seen:\n";
    for (const std::string& line : actual) failure << "    \"" << line << "\",\n";
    return failure;
}

}  // namespace tarnex_test
