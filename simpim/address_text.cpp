#include "simpim/address_text.h"

#include <algorithm>
#include <vector>

namespace simpim {

namespace {

constexpr std::u16string_view kLineBreak = u"\r\n";

std::vector<std::u16string> SplitLines(std::u16string_view text) {
    std::vector<std::u16string> lines;
    std::u16string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char16_t c = text[i];
        if (c == u'\r' || c == u'\n') {
            lines.push_back(std::move(line));
            line.clear();
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        } else {
            line += c;
        }
    }
    if (!line.empty() || lines.empty()) lines.push_back(std::move(line));
    while (!lines.empty() && lines.back().empty()) lines.pop_back();
    return lines;
}

std::u16string Trim(std::u16string_view s) {
    auto b = s.find_first_not_of(u' ');
    if (b == std::u16string_view::npos) return {};
    auto e = s.find_last_not_of(u' ');
    return std::u16string(s.substr(b, e - b + 1));
}

bool IsPostOfficeBoxLine(std::u16string_view line) {
    auto starts = [&](std::u16string_view prefix) {
        if (line.size() < prefix.size()) return false;
        for (std::size_t i = 0; i < prefix.size(); ++i) {
            char16_t c = line[i];
            if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
            if (c != prefix[i]) return false;
        }
        return true;
    };
    return starts(u"P.O. BOX") || starts(u"PO BOX");
}

bool HasDigit(std::u16string_view s) {
    return std::any_of(s.begin(), s.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; });
}

// "City, State  PostalCode" and its shorter forms. Without ", " one of city
// and state is missing; it is read as the city, the more common case.
void ParseCityLine(std::u16string_view line, AddressParts& parts) {
    std::u16string_view rest = line;
    std::u16string* name = &parts.city;
    if (auto comma = line.find(u", "); comma != std::u16string_view::npos) {
        parts.city = Trim(line.substr(0, comma));
        rest = line.substr(comma + 2);
        name = &parts.state;
    }
    if (auto gap = rest.find(u"  "); gap != std::u16string_view::npos) {
        *name = Trim(rest.substr(0, gap));
        parts.postalCode = Trim(rest.substr(gap + 2));
        return;
    }
    auto space = rest.rfind(u' ');
    std::u16string_view last = space == std::u16string_view::npos ? rest : rest.substr(space + 1);
    if (HasDigit(last)) {
        parts.postalCode = std::u16string(last);
        rest = space == std::u16string_view::npos ? std::u16string_view() : rest.substr(0, space);
    }
    *name = Trim(rest);
}

}  // namespace

std::u16string ComposeAddress(const AddressParts& parts) {
    std::u16string cityLine = parts.city;
    if (!parts.state.empty()) {
        if (!cityLine.empty()) cityLine += u", ";
        cityLine += parts.state;
    }
    if (!parts.postalCode.empty()) {
        if (!cityLine.empty()) cityLine += u"  ";
        cityLine += parts.postalCode;
    }
    std::u16string text;
    const std::u16string* lines[] = {&parts.street, &parts.postOfficeBox, &cityLine, &parts.country};
    for (const std::u16string* line : lines) {
        if (line->empty()) continue;
        if (!text.empty()) text += kLineBreak;
        text += *line;
    }
    return text;
}

AddressParts ParseAddress(std::u16string_view text) {
    AddressParts parts;
    std::vector<std::u16string> lines = SplitLines(text);
    if (lines.empty()) return parts;
    // The city line is the last line after the first that holds ", " or a
    // postal code; what follows it is the country.
    std::size_t cityLine = lines.size();
    for (std::size_t i = lines.size(); i-- > 1;) {
        if (lines[i].find(u", ") != std::u16string::npos ||
            (HasDigit(lines[i]) && !IsPostOfficeBoxLine(lines[i]))) {
            cityLine = i;
            break;
        }
    }
    std::size_t streetEnd = cityLine == lines.size() ? lines.size() : cityLine;
    for (std::size_t i = 0; i < streetEnd; ++i) {
        if (i > 0 && IsPostOfficeBoxLine(lines[i])) {
            parts.postOfficeBox = lines[i];
            continue;
        }
        if (!parts.street.empty()) parts.street += kLineBreak;
        parts.street += lines[i];
    }
    if (cityLine < lines.size()) {
        ParseCityLine(lines[cityLine], parts);
        for (std::size_t i = cityLine + 1; i < lines.size(); ++i) {
            if (!parts.country.empty()) parts.country += u" ";
            parts.country += lines[i];
        }
    }
    return parts;
}

}  // namespace simpim
