// The properties of one Outlook item class, by DISPID: name, type, whether
// the type library declares a put, the value a new item starts with, and
// where the value comes from. Each item class has one table; tables are
// built from compact row lists, a class's own rows on top of shared ones.
#pragma once

#include <initializer_list>
#include <string_view>
#include <vector>

#include "automation/variant.h"
#include "simpim/server_hooks.h"

namespace simpim {

using tarnex::automation::VarType;

class ItemData;

// Outlook's "no date" (1 January 4501), the value of every empty date.
constexpr double kNoDate = 949998.0;

enum class Source : std::uint8_t {
    Stored,    // kept in the item's property store
    Computed,  // derived from other properties (get) and spread over them (put)
    Item,      // answered by the item object itself: Class, EntryID, Parent, times
};

using ComputedGet = Variant (*)(const ItemData&);
// now is the store's clock as a DATE, for puts with a dated side effect (a
// task marked complete is completed today).
using ComputedPut = void (*)(ItemData&, const Variant&, double now);

struct PropertyDef {
    Dispid dispid = 0;
    std::string_view name;
    VarType type = VarType::Bstr;
    bool writable = true;
    Variant initial;
    Source source = Source::Stored;
    ComputedGet get = nullptr;
    ComputedPut put = nullptr;
    // An enumeration's values, from 0 to maxValue; -1 for no limit. Outlook
    // refuses a put of any other number.
    std::int32_t maxValue = -1;

    bool Accepts(const Variant& value) const noexcept;
};

// Row helpers for the compact lists.
PropertyDef Text(Dispid dispid, std::string_view name);
PropertyDef ReadOnlyText(Dispid dispid, std::string_view name);
PropertyDef DateProperty(Dispid dispid, std::string_view name, double initial = kNoDate);
PropertyDef ReadOnlyDate(Dispid dispid, std::string_view name, double initial = kNoDate);
PropertyDef Number(Dispid dispid, std::string_view name, std::int32_t initial = 0);
PropertyDef ReadOnlyNumber(Dispid dispid, std::string_view name, std::int32_t initial = 0);
// A number that takes the values 0 to maxValue of an Outlook enumeration.
PropertyDef Choice(Dispid dispid, std::string_view name, std::int32_t initial, std::int32_t maxValue);
PropertyDef Flag(Dispid dispid, std::string_view name, bool initial = false);
PropertyDef ReadOnlyFlag(Dispid dispid, std::string_view name, bool initial = false);
PropertyDef Computed(Dispid dispid, std::string_view name, VarType type, ComputedGet get, ComputedPut put);
// A computed enumeration, 0 to maxValue.
PropertyDef ComputedChoice(Dispid dispid, std::string_view name, ComputedGet get, ComputedPut put,
                           std::int32_t maxValue);
PropertyDef ItemState(Dispid dispid, std::string_view name, VarType type);

class PropertyTable {
public:
    // base's rows first, then rows; a row replaces a base row of the same DISPID.
    PropertyTable(std::initializer_list<PropertyDef> rows, const PropertyTable* base = nullptr);

    const PropertyDef* Find(Dispid dispid) const noexcept;
    const PropertyDef* Find(std::string_view name) const noexcept;  // case-insensitive, as the type library
    const std::vector<PropertyDef>& Rows() const noexcept { return rows_; }

private:
    std::vector<PropertyDef> rows_;
};

}  // namespace simpim
