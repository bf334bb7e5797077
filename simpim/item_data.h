// The property values of one Outlook item: what its store holds, or what an
// open item object holds until it is saved. Values not set read as the
// class table's initial value; computed properties are derived on reading.
#pragma once

#include <map>
#include <string>

#include "simpim/property_table.h"

namespace simpim {

struct ItemClass;

class ItemData {
public:
    explicit ItemData(const ItemClass& itemClass);

    const ItemClass& Class() const noexcept { return *class_; }
    const PropertyTable& Table() const noexcept;

    // The value of a Stored or Computed property (empty for an Item one or an
    // unknown DISPID).
    Variant Value(Dispid dispid) const;
    Variant Value(const PropertyDef& def) const;
    // A text property's value ("" when it holds no text).
    std::u16string Text(Dispid dispid) const;
    std::int32_t Int(Dispid dispid) const;
    // What the store holds under dispid, bypassing computed rows (empty
    // when nothing was stored); RawText gives "" for anything but text.
    Variant Raw(Dispid dispid) const;
    std::u16string RawText(Dispid dispid) const;

    // Sets a value already of the property's type: stored, or spread over the
    // stored properties a computed one is made of. Item-state rows are ignored.
    // now (a DATE) dates the side effects of a computed put.
    void Assign(const PropertyDef& def, const Variant& value, double now);
    // Stores a value under dispid as it is.
    void Store(Dispid dispid, Variant value) { values_[dispid] = std::move(value); }
    void SetText(Dispid dispid, std::u16string text) { Store(dispid, Variant(std::move(text))); }

private:
    const ItemClass* class_;
    std::map<Dispid, Variant> values_;
};

}  // namespace simpim
