#include "simpim/server_hooks.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>

namespace simpim {

Fault Fault::Exception(std::u16string description) {
    return Fault{Kind::DispatchException, tarnex::automation::kDispException, std::move(description)};
}
Fault Fault::Status(HResult status) { return Fault{Kind::OleStatus, status, {}}; }
Fault Fault::OutOfMemory() { return Fault{Kind::OutOfMemory, tarnex::automation::kOutOfMemory, {}}; }
Fault Fault::Unexpected() { return Fault{Kind::CppFailure, tarnex::automation::kUnexpected, {}}; }

std::string LogText(std::u16string_view text) {
    std::string narrow;
    for (char16_t c : text) {
        if (c < 0x80) {
            narrow += static_cast<char>(c);
        } else if (c < 0x800) {
            narrow += static_cast<char>(0xC0 | (c >> 6));
            narrow += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            narrow += static_cast<char>(0xE0 | (c >> 12));
            narrow += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            narrow += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return narrow;
}

namespace {

std::string Render(const Variant& value) {
    char number[40];
    if (const auto* i = value.IfI4()) return std::to_string(*i);
    if (const auto* text = value.IfBstr()) return '"' + LogText(*text) + '"';
    if (const auto* flag = value.IfBool()) return *flag ? "true" : "false";
    if (const auto* date = value.IfDate()) {
        std::snprintf(number, sizeof number, "date:%g", date->days);
        return number;
    }
    if (const auto* real = value.IfR8()) {
        std::snprintf(number, sizeof number, "%g", *real);
        return number;
    }
    if (const auto* error = value.IfError()) {
        if (error->code == tarnex::automation::kDispParamNotFound) return "missing";
        std::snprintf(number, sizeof number, "error:0x%08X", static_cast<unsigned>(error->code));
        return number;
    }
    if (const auto* object = value.IfDispatch()) return *object ? "<object>" : "<nothing>";
    return "empty";
}

}  // namespace

std::string RenderArguments(std::span<const Variant> args) {
    std::string text;
    for (const Variant& arg : args) {
        if (!text.empty()) text += ", ";
        text += Render(arg);
    }
    return text;
}

void HookState::OnReleased(std::string_view object, std::string_view instance) {
    CallRecord record{std::string(object), 0, InvokeKind::Get, {}, std::string(instance)};
    record.released = true;
    log_.push_back(std::move(record));
}

std::optional<Fault> HookState::OnCall(std::string_view object, std::string_view instance, Dispid dispid,
                                       InvokeKind kind, std::span<const Variant> args) {
    log_.push_back(
        CallRecord{std::string(object), dispid, kind, RenderArguments(args), std::string(instance)});
    ++calls_;
    auto due = std::find_if(counted_.begin(), counted_.end(),
                            [this](const CountedFault& f) { return f.atCall == calls_; });
    if (due != counted_.end()) {
        Fault fault = std::move(due->fault);
        counted_.erase(due);
        return fault;
    }
    for (const auto& f : byDispid_) {
        if (f.dispid == dispid && (f.object.empty() || f.object == object)) return f.fault;
    }
    return std::nullopt;
}

std::optional<Variant> HookState::TakeItemOverride() { return std::exchange(itemOverride_, std::nullopt); }

void SimulatedServer::FailCall(int nth, Fault fault) {
    if (nth < 1) return;
    hooks_->counted_.push_back({hooks_->calls_ + nth, std::move(fault)});
}

void SimulatedServer::FailEveryCall(Dispid dispid, Fault fault, std::string object) {
    hooks_->byDispid_.push_back({dispid, std::move(object), std::move(fault)});
}

void SimulatedServer::ClearFaults() {
    hooks_->counted_.clear();
    hooks_->byDispid_.clear();
}

void SimulatedServer::HandBackFromNextItemCall(Variant value) { hooks_->itemOverride_ = std::move(value); }

std::int64_t SimulatedServer::CallsTo(std::string_view object, Dispid dispid) const {
    return std::count_if(hooks_->log_.begin(), hooks_->log_.end(), [&](const CallRecord& r) {
        return !r.released && r.object == object && r.dispid == dispid;
    });
}

}  // namespace simpim
