#include "codec/field_value.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "automation/code_page.h"

namespace tarnex::codec {
namespace {

constexpr std::string_view kSoftLineBreak = "=0D=0A=\n";

bool IsSpecial(char c) noexcept { return c == '\\' || c == ';' || c == '\r'; }

// Escapes value into out. Stops once out holds more than limit bytes: only
// that much can be stored, and the byte past it tells the cut whether a
// lead byte at the limit has its trail byte.
void Escape(std::string_view value, std::size_t limit, std::string& out) {
  std::size_t i = 0;
  while (i < value.size() && out.size() <= limit) {
    const std::size_t start = i;
    while (i < value.size() && !IsSpecial(value[i])) {
      ++i;
    }
    out.append(value.data() + start, i - start);
    if (i == value.size()) {
      break;
    }
    const char c = value[i];
    if (c == '\\') {
      out.append("\\\\");
    } else if (c == ';') {
      out.append("\\;");
    } else if (i + 1 < value.size() && value[i + 1] == '\n') {
      out.append(kSoftLineBreak);
      ++i;
    } else {
      out.push_back(c);  // a lone carriage return passes unchanged
    }
    ++i;
  }
}

// The longest prefix of text within room bytes that does not end between
// the two bytes of a double-byte character. The walk starts at the
// beginning because a trail byte can have the value of a lead byte.
std::size_t CutWithinRoom(std::string_view text, std::size_t room) noexcept {
  if (text.size() <= room) {
    return text.size();
  }
  std::size_t i = 0;
  while (i < room) {
    if (automation::IsAnsiLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size()) {
      if (i + 2 > room) {
        break;  // the trail byte would not fit: drop the lead byte too
      }
      i += 2;
    } else {
      ++i;
    }
  }
  return i;
}

}  // namespace

void AppendFieldValue(char* field, std::string value, std::int32_t fieldSize,
                      bool appendSeparator) {
  if (field == nullptr || fieldSize <= 0) {
    return;
  }
  const auto size = static_cast<std::size_t>(fieldSize);
  const void* zero = std::memchr(field, '\0', size);
  if (zero == nullptr) {
    field[size - 1] = '\0';
    return;
  }
  const auto length = static_cast<std::size_t>(static_cast<const char*>(zero) - field);
  const std::size_t reserved = appendSeparator ? 2 : 1;  // separator and zero
  if (size - length < reserved) {
    return;  // full: not even the separator fits
  }
  const std::size_t room = size - length - reserved;

  const std::string_view text(value.c_str());  // up to the value's first zero
  std::string escaped;
  escaped.reserve(std::min(text.size() + text.size() / 8 + 16, room + 1));
  Escape(text, room, escaped);
  const std::size_t count = CutWithinRoom(escaped, room);

  char* end = field + length;
  std::memcpy(end, escaped.data(), count);
  end += count;
  if (appendSeparator) {
    *end++ = ';';
  }
  *end = '\0';
}

}  // namespace tarnex::codec
