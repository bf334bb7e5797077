#include "outlook/parameter_text.h"

namespace tarnex::outlook {

ParameterText::ParameterText(std::string_view text) : upper_(text) {
    // ASCII only: parameter words are ASCII, and a DBCS trail byte must not
    // be changed.
    for (char& c : upper_) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
}

}  // namespace tarnex::outlook
