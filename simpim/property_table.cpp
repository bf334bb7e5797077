#include "simpim/property_table.h"

#include <algorithm>
#include <cctype>

namespace simpim {

using tarnex::automation::Date;

PropertyDef Text(Dispid dispid, std::string_view name) {
    return PropertyDef{dispid, name, VarType::Bstr, true, Variant(std::u16string())};
}
PropertyDef ReadOnlyText(Dispid dispid, std::string_view name) {
    return PropertyDef{dispid, name, VarType::Bstr, false, Variant(std::u16string())};
}
PropertyDef DateProperty(Dispid dispid, std::string_view name, double initial) {
    return PropertyDef{dispid, name, VarType::Date, true, Variant(Date{initial})};
}
PropertyDef ReadOnlyDate(Dispid dispid, std::string_view name, double initial) {
    return PropertyDef{dispid, name, VarType::Date, false, Variant(Date{initial})};
}
PropertyDef Number(Dispid dispid, std::string_view name, std::int32_t initial) {
    return PropertyDef{dispid, name, VarType::I4, true, Variant(initial)};
}
PropertyDef ReadOnlyNumber(Dispid dispid, std::string_view name, std::int32_t initial) {
    return PropertyDef{dispid, name, VarType::I4, false, Variant(initial)};
}
PropertyDef Choice(Dispid dispid, std::string_view name, std::int32_t initial, std::int32_t maxValue) {
    PropertyDef def = Number(dispid, name, initial);
    def.maxValue = maxValue;
    return def;
}
PropertyDef Flag(Dispid dispid, std::string_view name, bool initial) {
    return PropertyDef{dispid, name, VarType::Bool, true, Variant(initial)};
}
PropertyDef ReadOnlyFlag(Dispid dispid, std::string_view name, bool initial) {
    return PropertyDef{dispid, name, VarType::Bool, false, Variant(initial)};
}
PropertyDef Computed(Dispid dispid, std::string_view name, VarType type, ComputedGet get, ComputedPut put) {
    return PropertyDef{dispid, name, type, put != nullptr, Variant(), Source::Computed, get, put};
}
PropertyDef ComputedChoice(Dispid dispid, std::string_view name, ComputedGet get, ComputedPut put,
                           std::int32_t maxValue) {
    PropertyDef def = Computed(dispid, name, VarType::I4, get, put);
    def.maxValue = maxValue;
    return def;
}
PropertyDef ItemState(Dispid dispid, std::string_view name, VarType type) {
    return PropertyDef{dispid, name, type, false, Variant(), Source::Item};
}

bool PropertyDef::Accepts(const Variant& value) const noexcept {
    const std::int32_t* number = value.IfI4();
    return maxValue < 0 || !number || (*number >= 0 && *number <= maxValue);
}

PropertyTable::PropertyTable(std::initializer_list<PropertyDef> rows, const PropertyTable* base) {
    if (base) rows_ = base->rows_;
    for (const auto& row : rows) {
        auto same = std::find_if(rows_.begin(), rows_.end(),
                                 [&](const PropertyDef& r) { return r.dispid == row.dispid; });
        if (same != rows_.end())
            *same = row;
        else
            rows_.push_back(row);
    }
}

const PropertyDef* PropertyTable::Find(Dispid dispid) const noexcept {
    for (const auto& row : rows_)
        if (row.dispid == dispid) return &row;
    return nullptr;
}

const PropertyDef* PropertyTable::Find(std::string_view name) const noexcept {
    auto equal = [](std::string_view a, std::string_view b) {
        return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
                   return std::tolower(static_cast<unsigned char>(x)) ==
                          std::tolower(static_cast<unsigned char>(y));
               });
    };
    for (const auto& row : rows_)
        if (equal(row.name, name)) return &row;
    return nullptr;
}

}  // namespace simpim
