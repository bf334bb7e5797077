// Status codes of OLE Automation, by value, so that backend-neutral code can
// name them without the Windows headers.
#pragma once

#include <cstdint>

namespace tarnex::automation {

using HResult = std::int32_t;

constexpr HResult kOk = 0;
constexpr HResult kFalse = 1;
constexpr HResult kNotImplemented = static_cast<HResult>(0x80004001);  // E_NOTIMPL
constexpr HResult kNoInterface = static_cast<HResult>(0x80004002);     // E_NOINTERFACE
constexpr HResult kPointer = static_cast<HResult>(0x80004003);         // E_POINTER
constexpr HResult kFail = static_cast<HResult>(0x80004005);            // E_FAIL
constexpr HResult kUnexpected = static_cast<HResult>(0x8000FFFF);      // E_UNEXPECTED
constexpr HResult kOutOfMemory = static_cast<HResult>(0x8007000E);     // E_OUTOFMEMORY
constexpr HResult kInvalidArg = static_cast<HResult>(0x80070057);      // E_INVALIDARG
constexpr HResult kDispUnknownInterface = static_cast<HResult>(0x80020001);
constexpr HResult kDispMemberNotFound = static_cast<HResult>(0x80020003);
constexpr HResult kDispParamNotFound = static_cast<HResult>(0x80020004);
constexpr HResult kDispTypeMismatch = static_cast<HResult>(0x80020005);
constexpr HResult kDispUnknownName = static_cast<HResult>(0x80020006);
constexpr HResult kDispNoNamedArgs = static_cast<HResult>(0x80020007);
constexpr HResult kDispBadVarType = static_cast<HResult>(0x80020008);
constexpr HResult kDispException = static_cast<HResult>(0x80020009);
constexpr HResult kDispOverflow = static_cast<HResult>(0x8002000A);
constexpr HResult kDispBadIndex = static_cast<HResult>(0x8002000B);
constexpr HResult kDispBadParamCount = static_cast<HResult>(0x8002000E);
constexpr HResult kDispParamNotOptional = static_cast<HResult>(0x8002000F);
constexpr HResult kRegClassNotRegistered = static_cast<HResult>(0x80040154);  // REGDB_E_CLASSNOTREG
constexpr HResult kCoNotInitialized = static_cast<HResult>(0x800401F0);       // CO_E_NOTINITIALIZED
constexpr HResult kCoClassStringInvalid = static_cast<HResult>(0x800401F3);   // CO_E_CLASSSTRING

constexpr bool Failed(HResult hr) noexcept { return hr < 0; }

}  // namespace tarnex::automation
