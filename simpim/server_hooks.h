// What tests can do to a simulated server from the outside: make calls fail,
// see which calls were made, count the references the outside world holds,
// and make one item call hand back something that is not an object. The state
// is shared by the server and every object it hands out, so that objects the
// library still holds keep working after the server object is gone.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "automation/dispatch_object.h"
#include "automation/variant.h"

namespace simpim {

using tarnex::automation::Dispid;
using tarnex::automation::ExceptionInfo;
using tarnex::automation::HResult;
using tarnex::automation::InvokeKind;
using tarnex::automation::Variant;

// How an injected failure shows itself to the caller of Invoke.
struct Fault {
    enum class Kind : std::uint8_t {
        DispatchException,  // DISP_E_EXCEPTION with a description
        OleStatus,          // Invoke returns the given status
        OutOfMemory,        // Invoke throws std::bad_alloc
        CppFailure,         // Invoke throws std::runtime_error
        NotAnObject,        // the call runs; an object result is replaced by an empty value
    };
    Kind kind = Kind::DispatchException;
    HResult status = 0;
    std::u16string description;

    static Fault Exception(std::u16string description = u"The operation failed.");
    static Fault Status(HResult status);
    static Fault OutOfMemory();
    static Fault Unexpected();
    static Fault NotAnObject();
};

// One Invoke as the server saw it, or the end of an object: the moment its
// last reference was released.
struct CallRecord {
    std::string object;  // "Application", "Items", "ContactItem", "EuMessage", ...
    Dispid dispid = 0;
    InvokeKind kind = InvokeKind::Get;
    // The arguments in natural order, a put's value last, as text that
    // holds no reference (see arguments_text.h).
    std::string args;
    // Which one of its kind the object is: the folder of a MAPIFolder, Items
    // or Folders object; empty for the others.
    std::string instance;
    bool released = false;  // the object's last reference went; dispid, kind and args unused
    friend bool operator==(const CallRecord&, const CallRecord&) = default;
};

class HookState {
public:
    // Records a call and tells whether it is to fail, and how.
    std::optional<Fault> OnCall(std::string_view object, std::string_view instance, Dispid dispid,
                                InvokeKind kind, std::string args);
    // Records that an object's last reference went.
    void OnReleased(std::string_view object, std::string_view instance);
    // Records that a call finished; object: it handed back an object.
    void OnResult(std::int64_t call, bool object);
    // The number of the call being made (1: the first since the server began).
    std::int64_t CallNumber() const noexcept { return calls_; }
    // The replacement result armed for the next item call, if any (consumed).
    std::optional<Variant> TakeItemOverride();

    void ReferenceAdded() noexcept { ++references_; }
    void ReferenceDropped() noexcept { --references_; }
    void ObjectCreated() noexcept { ++objects_; }
    void ObjectDestroyed() noexcept { --objects_; }

private:
    friend class SimulatedServer;
    struct DispidFault {
        Dispid dispid;
        std::string object;  // empty: any object
        Fault fault;
    };
    struct CountedFault {
        std::int64_t atCall;
        Fault fault;
    };
    std::vector<CallRecord> log_;
    std::int64_t calls_ = 0;
    std::vector<std::int64_t> objectResults_;
    std::function<void(std::int64_t)> observer_;
    std::vector<CountedFault> counted_;
    std::vector<DispidFault> byDispid_;
    std::optional<Variant> itemOverride_;
    std::int64_t references_ = 0;
    std::int64_t objects_ = 0;
};

class SimulatedServer {
public:
    // The nth Invoke from now (1: the next one) on any object of this server
    // fails with fault. Several may be armed at once.
    void FailCall(int nth, Fault fault);
    // Every call to dispid fails, on objects of the given kind or on any.
    void FailEveryCall(Dispid dispid, Fault fault, std::string object = {});
    void ClearFaults();

    // The next item call (a collection's item by position or identifier)
    // returns value as it is instead of the item.
    void HandBackFromNextItemCall(Variant value);

    // Runs observer(call number) at every Invoke, before the call is made or
    // failed; null stops it.
    void ObserveCalls(std::function<void(std::int64_t)> observer) { hooks_->observer_ = std::move(observer); }

    // Every Invoke and every object's end, in order.
    const std::vector<CallRecord>& CallLog() const { return hooks_->log_; }
    void ClearCallLog() {
        hooks_->log_.clear();
        hooks_->objectResults_.clear();
    }
    std::int64_t CallCount() const { return hooks_->calls_; }
    // The numbers (as CallCount counts) of the calls since the log was last
    // cleared that handed back an object.
    const std::vector<std::int64_t>& CallsReturningObjects() const { return hooks_->objectResults_; }
    // How many calls were made to the given member (any kind; ends not counted).
    std::int64_t CallsTo(std::string_view object, Dispid dispid) const;

    // The references the outside world holds on this server's objects.
    std::int64_t LiveReferences() const { return hooks_->references_; }
    // The objects of this server not yet destroyed.
    std::int64_t LiveObjects() const { return hooks_->objects_; }

protected:
    SimulatedServer() = default;
    ~SimulatedServer() = default;
    const std::shared_ptr<HookState>& Hooks() const { return hooks_; }

private:
    std::shared_ptr<HookState> hooks_ = std::make_shared<HookState>();
};

}  // namespace simpim
