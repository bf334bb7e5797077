// Entry identifiers as they cross the host interface: identifier buffers are
// TARN_ENTRY_ID_SIZE bytes, so no more than that is read from the host, and
// an identifier written back is cut to fit with its zero.
#pragma once

#include <string_view>

namespace tarnex::exports {

// The host's zero-terminated identifier, read within TARN_ENTRY_ID_SIZE
// bytes. Null is refused (HostArgumentError).
std::string_view IdentifierIn(const char* entryId);

// Writes an identifier and its zero into a TARN_ENTRY_ID_SIZE-byte buffer.
void CopyIdentifierOut(char* buffer, std::string_view entryId) noexcept;

}  // namespace tarnex::exports
