// vObject text for records, both ways, as a host builds and parses it:
// vCard 2.1 for contacts, vCalendar 1.0 with a VEVENT or VTODO for calendar
// items, vNote 1.1 for notes and vMessage 1.1 for messages. Text is UTF-8;
// records hold code page 1252.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "record_layout.h"

namespace tarnex_host {

// One object, each property from its record field: the property name, ";"
// and the parameter area when it is not empty, ":" and the value. Lines end
// in CR LF.
std::string VObjectText(const Record& record);

// A text that is not vObject text, or an object another store holds; what()
// names the line.
class VObjectError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Every object of the text, as records of the store's layout.
std::vector<Record> ParseVObjects(std::string_view text, RecordKind kind);

}  // namespace tarnex_host
