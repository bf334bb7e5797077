// Access to memory the host owns. The host is not trusted: a null pointer is
// refused before anything is touched, text is read only within its field, and
// nothing is written past a field's size.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string_view>

namespace tarnex::records {

// A null pointer or an unusable buffer from the host; the export frame turns
// it into the catch-all result, with nothing written.
class HostArgumentError : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

template <typename T>
T* HostPointer(T* pointer, const char* what) {
    if (pointer == nullptr) throw HostArgumentError(what);
    return pointer;
}

// The text of a field: up to its first zero, or all size bytes when the field
// holds none.
std::string_view FieldText(const char* field, std::size_t size) noexcept;

// Copies text into a field, cut to size - 1 bytes, and ends it with a zero.
// Bytes after the zero are left as they are.
void CopyToField(char* field, std::size_t size, std::string_view text) noexcept;

}  // namespace tarnex::records
