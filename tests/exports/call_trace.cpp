#include "exports/call_trace.h"

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <string_view>

#include "simpim/item_classes.h"

namespace tarnex_test {

namespace {

// Outlook's navigation members and the item methods, by DISPID.
constexpr std::string_view kMembers =
    "110 GetNamespace 10A CreateItem 2105 Logon 2103 Folders 210B GetDefaultFolder 2109 GetItemFromID 3100 "
    "Items "
    "3001 Name 3108 StoreID F01E EntryID 50 Count 51 Item 54 Remove 56 GetFirst 57 GetNext F00A Class F001 "
    "Parent "
    "1A MessageClass F048 Save F04A Delete F034 Move";
// Eudora's members, by the roles the library gives them.
constexpr std::string_view kEudoraMembers =
    "EuApplication 6 InMailbox EuApplication E RootFolder EuApplication 1C MailboxByNumber EuApplication 1D "
    "QueueMessage EuFolder 6 Folders EuFolder 8 MailboxNumber EuFolder A Messages EuFolder B Name EuFolders "
    "0 Item "
    "EuFolders 1 Count EuMessages 0 Item EuMessages 1 Count EuMessages 2 ItemByID EuMessage 2 Body EuMessage "
    "5 Date "
    "EuMessage 6 From EuMessage 7 Header EuMessage 8 ID EuMessage D Status EuMessage E Subject EuMessage F "
    "To "
    "EuMessage 10 Move";

// The name of a member in one of the lists above, or empty.
std::string Find(std::string_view list, const std::string* object, simpim::Dispid dispid) {
    std::istringstream in{std::string(list)};
    for (std::string owner, name; (object == nullptr || in >> owner);) {
        simpim::Dispid number = 0;
        if (!(in >> std::hex >> number >> name)) break;
        if (number == dispid && (object == nullptr || owner == *object)) return name;
    }
    return "";
}

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
    if (std::string name = Find(kEudoraMembers, &call.object, call.dispid); !name.empty()) return name;
    if (const simpim::ItemClass* itemClass = ItemClassNamed(call.object)) {
        if (const simpim::PropertyDef* def = itemClass->table->Find(call.dispid))
            return std::string(def->name);
    }
    if (std::string name = Find(kMembers, nullptr, call.dispid); !name.empty()) return name;
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
