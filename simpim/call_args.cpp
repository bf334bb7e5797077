#include "simpim/call_args.h"

#include "automation/failures.h"

namespace simpim {

namespace ta = tarnex::automation;

HResult CheckCall(InvokeKind kind, std::span<const Variant> args, InvokeKind declared, std::size_t minArgs,
                  std::size_t maxArgs) {
    if (kind != declared) return ta::kDispMemberNotFound;
    std::size_t extra = kind == InvokeKind::Put ? 1 : 0;
    if (args.size() < minArgs + extra || args.size() > maxArgs + extra) return ta::kDispBadParamCount;
    return ta::kOk;
}

HResult CheckProperty(InvokeKind kind, std::span<const Variant> args, bool writable) {
    if (kind == InvokeKind::Method || (kind == InvokeKind::Put && !writable)) return ta::kDispMemberNotFound;
    return CheckCall(kind, args, kind);
}

bool IsMissing(const Variant& value) noexcept {
    const ta::ErrorCode* error = value.IfError();
    return error && error->code == ta::kDispParamNotFound;
}

const Variant& ArgOrMissing(std::span<const Variant> args, std::size_t index) noexcept {
    static const Variant missing = Variant::Missing();
    return index < args.size() ? args[index] : missing;
}

namespace {

thread_local const Variant* refusedArgument = nullptr;

template <class T, class F>
HResult Coerce(const Variant& value, T& out, F&& convert) {
    try {
        out = convert();
        return ta::kOk;
    } catch (const ta::OleStatusFailure& failure) {
        refusedArgument = &value;
        return failure.Status();
    }
}

}  // namespace

void ForgetRefusedArgument() noexcept { refusedArgument = nullptr; }

std::optional<std::size_t> RefusedArgumentIn(std::span<const Variant> args) noexcept {
    for (std::size_t i = 0; i < args.size(); ++i)
        if (&args[i] == refusedArgument) return i;
    return std::nullopt;
}

HResult ToInt(const Variant& value, std::int32_t& out) {
    if (const auto* i = value.IfI4()) {
        out = *i;
        return ta::kOk;
    }
    return Coerce(value, out, [&] { return value.ToI4(); });
}

HResult ToText(const Variant& value, std::u16string& out) {
    if (const auto* s = value.IfBstr()) {
        out = *s;
        return ta::kOk;
    }
    return Coerce(value, out, [&] { return value.ToBstr(); });
}

HResult ToBoolean(const Variant& value, bool& out) {
    if (const auto* b = value.IfBool()) {
        out = *b;
        return ta::kOk;
    }
    return Coerce(value, out, [&] { return value.ToBool(); });
}

HResult ToDateValue(const Variant& value, Date& out) {
    if (const auto* d = value.IfDate()) {
        out = *d;
        return ta::kOk;
    }
    return Coerce(value, out, [&] { return value.ToDate(); });
}

HResult CoerceTo(const Variant& value, VarType type, Variant& out) {
    HResult hr = ta::kOk;
    switch (type) {
        case VarType::I4: {
            std::int32_t v = 0;
            hr = ToInt(value, v);
            if (hr == ta::kOk) out = Variant(v);
            return hr;
        }
        case VarType::Bool: {
            bool v = false;
            hr = ToBoolean(value, v);
            if (hr == ta::kOk) out = Variant(v);
            return hr;
        }
        case VarType::Date: {
            Date v;
            hr = ToDateValue(value, v);
            if (hr == ta::kOk) out = Variant(v);
            return hr;
        }
        case VarType::Bstr: {
            std::u16string v;
            hr = ToText(value, v);
            if (hr == ta::kOk) out = Variant(std::move(v));
            return hr;
        }
        default:
            out = value;
            return ta::kOk;
    }
}

HResult Raise(ExceptionInfo& exception, std::u16string source, std::u16string description, HResult scode) {
    exception = ExceptionInfo{std::move(source), std::move(description), scode};
    return ta::kDispException;
}

}  // namespace simpim
