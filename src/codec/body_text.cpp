#include "codec/body_text.h"

namespace tarnex::codec {

namespace {
constexpr std::string_view kEncodedLineBreak = "=0D=0A";
}

bool HasEncodedLineBreak(std::string_view body) noexcept {
    return body.find(kEncodedLineBreak) != std::string_view::npos;
}

std::string DecodeLineBreaks(std::string_view body) {
    std::string out;
    out.reserve(body.size());
    std::size_t from = 0;
    for (std::size_t at; (at = body.find(kEncodedLineBreak, from)) != std::string_view::npos;
         from = at + kEncodedLineBreak.size()) {
        out.append(body.substr(from, at - from));
        out.push_back('\n');
    }
    out.append(body.substr(from));
    return out;
}

}  // namespace tarnex::codec
