#include "codec/components.h"

namespace tarnex::codec {
namespace {

// The text up to its first zero byte.
std::string_view UpToZero(std::string_view text) noexcept { return text.substr(0, text.find('\0')); }

bool IsEscapePair(std::string_view text, std::size_t i) noexcept {
    return text[i] == '\\' && i + 1 < text.size() && (text[i + 1] == ';' || text[i + 1] == '\\');
}

}  // namespace

std::size_t NextComponent(std::string_view text, std::size_t cursor, std::string& out) {
    out.clear();
    text = UpToZero(text);
    if (cursor >= text.size()) {
        return cursor;
    }
    std::size_t i = cursor;
    while (i < text.size() && text[i] != ';') {
        i += IsEscapePair(text, i) ? 2 : 1;
    }
    out.assign(text.data() + cursor, i - cursor);
    return i < text.size() ? i + 1 : i;
}

std::size_t ScanComponent(char* dest, std::int32_t destSize, std::string_view source,
                          std::string_view delimiters) {
    source = UpToZero(source);
    delimiters = UpToZero(delimiters);
    // Positions count from 1: one per ordinary character, one per escape pair.
    const std::int64_t size = dest == nullptr ? 0 : destSize;
    std::int64_t written = 0;
    std::int64_t position = 1;
    std::size_t i = 0;
    while (i < source.size()) {
        if (IsEscapePair(source, i)) {
            if (position <= size - 2 && written < size - 1) {
                dest[written++] = source[i + 1];
            }
            i += 2;
        } else if (delimiters.find(source[i]) != std::string_view::npos) {
            break;
        } else {
            if (position <= size - 1 && written < size - 1) {
                dest[written++] = source[i];
            }
            ++i;
        }
        ++position;
    }
    if (size > 0) {
        dest[written] = '\0';
    }
    return i;
}

}  // namespace tarnex::codec
