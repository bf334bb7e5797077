#include "records/host_memory.h"

#include <cstring>

namespace tarnex::records {

std::string_view FieldText(const char* field, std::size_t size) noexcept {
    // Most fields looked at are still empty.
    const void* zero = size != 0 && field[0] == '\0' ? field : std::memchr(field, 0, size);
    return {field, zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - field) : size};
}

void CopyToField(char* field, std::size_t size, std::string_view text) noexcept {
    if (size == 0) return;
    const std::size_t length = text.size() < size ? text.size() : size - 1;
    std::memcpy(field, text.data(), length);
    field[length] = '\0';
}

}  // namespace tarnex::records
