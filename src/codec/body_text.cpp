#include "codec/body_text.h"

namespace tarnex::codec {

namespace {
constexpr std::string_view kEncodedLineBreak = "=0D=0A";
constexpr std::string_view kBodyEnd = "END:VBODY";
}  // namespace

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

std::string MessageBodyText(std::string_view body) {
    std::string text;
    text.reserve(body.size() + 16);
    for (std::size_t at = 0; at < body.size();) {
        if (body.compare(at, kBodyEnd.size(), kBodyEnd) == 0) {
            text += '/';
            text += kBodyEnd;
            at += kBodyEnd.size();
        } else if (body[at] == '\r' && at + 1 < body.size() && body[at + 1] == '\n') {
            text += '\n';
            at += 2;
        } else {
            text += body[at++];
        }
    }
    return text;
}

}  // namespace tarnex::codec
