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
Fault Fault::NotAnObject() { return Fault{Kind::NotAnObject, tarnex::automation::kOk, {}}; }

void HookState::OnReleased(std::string_view object, std::string_view instance) {
    CallRecord record{std::string(object), 0, InvokeKind::Get, {}, std::string(instance)};
    record.released = true;
    log_.push_back(std::move(record));
}

std::optional<Fault> HookState::OnCall(std::string_view object, std::string_view instance, Dispid dispid,
                                       InvokeKind kind, std::string args) {
    log_.push_back(CallRecord{std::string(object), dispid, kind, std::move(args), std::string(instance)});
    ++calls_;
    if (observer_) observer_(calls_);
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

void HookState::OnResult(std::int64_t call, bool object) {
    if (object) objectResults_.push_back(call);
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
