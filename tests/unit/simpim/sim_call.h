// Calling simulated automation objects straight through DispatchObject::Invoke,
// keeping the status, the result and the exception for the test to look at.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "automation/dispatch_ref.h"
#include "automation/hresult.h"
#include "automation/variant.h"

namespace simpim::testing {

namespace ta = tarnex::automation;
using ta::DispatchRef;
using ta::Dispid;
using ta::HResult;
using ta::InvokeKind;
using ta::Variant;

struct Reply {
    HResult hr = ta::kFail;
    Variant value;
    ta::ExceptionInfo exception;

    bool Ok() const { return hr == ta::kOk; }
    DispatchRef Object() const {
        const DispatchRef* ref = value.IfDispatch();
        return ref ? *ref : DispatchRef();
    }
    std::u16string Text() const;
    int Int() const {
        const std::int32_t* i = value.IfI4();
        return i ? *i : -999999;
    }
    // The value as a boolean; empty when another type came back.
    std::optional<bool> Bool() const {
        const bool* b = value.IfBool();
        return b ? std::optional<bool>(*b) : std::nullopt;
    }
    double Date() const {
        const ta::Date* d = value.IfDate();
        return d ? d->days : -1.0;
    }
};

inline Reply CallMember(const DispatchRef& object, Dispid dispid, InvokeKind kind,
                        std::vector<Variant> args = {}) {
    Reply reply;
    reply.hr = object.Get()->Invoke(dispid, kind, args, reply.value, reply.exception);
    return reply;
}
inline Reply Get(const DispatchRef& object, Dispid dispid, std::vector<Variant> args = {}) {
    return CallMember(object, dispid, InvokeKind::Get, std::move(args));
}
inline Reply Method(const DispatchRef& object, Dispid dispid, std::vector<Variant> args = {}) {
    return CallMember(object, dispid, InvokeKind::Method, std::move(args));
}
inline Reply Put(const DispatchRef& object, Dispid dispid, Variant value) {
    return CallMember(object, dispid, InvokeKind::Put, {std::move(value)});
}

// The text a variant holds, or a marker that it holds none.
inline std::u16string TextOf(const Variant& value) {
    const std::u16string* s = value.IfBstr();
    return s ? *s : u"<not text>";
}
inline std::u16string Reply::Text() const { return TextOf(value); }

// The object a successful get or method returned.
inline DispatchRef ObjectOf(const Reply& reply) {
    EXPECT_EQ(reply.hr, ta::kOk);
    DispatchRef object = reply.Object();
    EXPECT_TRUE(object);
    return object;
}

}  // namespace simpim::testing
