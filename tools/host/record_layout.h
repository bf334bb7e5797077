// The host's picture of the records: which store holds which record layout,
// and for each layout its text fields in the order a host writes them, with
// their parameter areas and vObject property names. The vObject writer and
// reader, the JSON view and the annotated byte view all work from these
// tables.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarnex_host {

enum class RecordKind : std::uint8_t { Contact, Calendar, Note, Message };

struct Field {
    std::string name;                       // the record field, e.g. "phones[3]"
    std::size_t offset;                     // from the start of the record
    std::size_t size;                       // counting the terminating zero
    std::optional<std::size_t> parameters;  // offset of the 128-byte parameter area
    std::string_view property;              // the vObject property; empty: not one of its own
    bool structured = false;                // components joined by ";" (N, ADR, ORG)
    // The library turns "=0D=0A" in it into a line feed when it writes the
    // PIM (calendar and note bodies); other fields take line breaks as such.
    bool softBreaks = false;
};

struct RecordLayout {
    RecordKind kind;
    std::string_view name;  // "contact", "calendar item", ...
    std::size_t size;
    std::vector<Field> fields;
    // Where the entry identifier stands: the header's, or the calendar block's.
    std::size_t entryIdOffset;
};

const RecordLayout& LayoutOf(RecordKind kind);

struct StoreInfo {
    std::int32_t selector;
    std::string_view name;  // as the command line names it
    RecordKind kind;
};
// The stores of the PIM the session opens, in selector order: Outlook's
// six, or Eudora's in and out mailboxes.
std::span<const StoreInfo> OutlookStores();
std::span<const StoreInfo> EudoraStores();
const StoreInfo* FindStore(std::span<const StoreInfo> stores, std::string_view name);

// A record the host owns, zero-filled at its layout's size.
class Record {
public:
    explicit Record(const RecordLayout& layout) : layout_(&layout), bytes_(layout.size) {}
    const RecordLayout& Layout() const noexcept { return *layout_; }
    unsigned char* Data() noexcept { return bytes_.data(); }
    const unsigned char* Data() const noexcept { return bytes_.data(); }
    std::size_t Size() const noexcept { return bytes_.size(); }

    std::uint32_t Type() const noexcept;
    // The text at offset up to its zero, within size bytes.
    std::string Text(std::size_t offset, std::size_t size) const;
    std::string Value(const Field& field) const { return Text(field.offset, field.size); }
    std::string Parameters(const Field& field) const;
    std::string EntryId() const { return Text(Layout().entryIdOffset, 256); }
    // Copies text into the field, cut to fit with its zero.
    void SetText(std::size_t offset, std::size_t size, std::string_view text);
    void SetByte(std::size_t offset, unsigned char value) { bytes_.at(offset) = value; }
    unsigned char Byte(std::size_t offset) const { return bytes_.at(offset); }

private:
    const RecordLayout* layout_;
    std::vector<unsigned char> bytes_;
};

const Field* FindField(const RecordLayout& layout, std::string_view name);

}  // namespace tarnex_host
