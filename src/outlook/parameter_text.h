// Tests on a field's parameter text, which the host may write in any case.
#pragma once

#include <string>
#include <string_view>

namespace tarnex::outlook {

class ParameterText {
public:
    explicit ParameterText(std::string_view text);
    // A plain substring search in the upper-cased text.
    bool Has(std::string_view word) const noexcept { return upper_.find(word) != std::string::npos; }

private:
    std::string upper_;
};

}  // namespace tarnex::outlook
