#include "simpim/item_data.h"

#include "simpim/item_classes.h"

namespace simpim {

ItemData::ItemData(const ItemClass& itemClass) : class_(&itemClass) {
    Store(kDispidMessageClass, Variant(std::u16string(itemClass.messageClass)));
}

const PropertyTable& ItemData::Table() const noexcept { return *class_->table; }

Variant ItemData::Value(Dispid dispid) const {
    if (const PropertyDef* def = Table().Find(dispid)) return Value(*def);
    auto it = values_.find(dispid);
    return it != values_.end() ? it->second : Variant();
}

Variant ItemData::Value(const PropertyDef& def) const {
    switch (def.source) {
        case Source::Computed:
            return def.get(*this);
        case Source::Item:
            return Variant();
        case Source::Stored:
            break;
    }
    auto it = values_.find(def.dispid);
    return it != values_.end() ? it->second : def.initial;
}

std::u16string ItemData::Text(Dispid dispid) const {
    Variant v = Value(dispid);
    const auto* s = v.IfBstr();
    return s ? *s : std::u16string();
}

std::int32_t ItemData::Int(Dispid dispid) const {
    Variant v = Value(dispid);
    const auto* i = v.IfI4();
    return i ? *i : 0;
}

Variant ItemData::Raw(Dispid dispid) const {
    auto it = values_.find(dispid);
    return it != values_.end() ? it->second : Variant();
}

std::u16string ItemData::RawText(Dispid dispid) const {
    auto it = values_.find(dispid);
    const std::u16string* s = it != values_.end() ? it->second.IfBstr() : nullptr;
    return s ? *s : std::u16string();
}

void ItemData::Assign(const PropertyDef& def, const Variant& value, double now) {
    switch (def.source) {
        case Source::Computed:
            if (def.put) def.put(*this, value, now);
            return;
        case Source::Item:
            return;
        case Source::Stored:
            values_[def.dispid] = value;
            return;
    }
}

}  // namespace simpim
