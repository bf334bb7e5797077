#include "outlook/body_text.h"

namespace tarnex::outlook {

std::string BodyForOutlook(std::string_view field) {
    std::string text;
    text.reserve(field.size());
    for (std::size_t at = 0; at < field.size();) {
        if (field.substr(at, kEncodedLineBreak.size()) == kEncodedLineBreak) {
            text += '\n';
            at += kEncodedLineBreak.size();
        } else {
            text += field[at++];
        }
    }
    return text;
}

}  // namespace tarnex::outlook
