// The host's calls into the library, each checked: a result other than
// success becomes a HostError that names the export, the result code and
// what the code means.
#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "record_layout.h"

namespace tarnex_host {

class HostError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "TARN_NOT_OPEN (-8): no session is open", or the number alone.
std::string ResultText(std::int32_t result);
// Throws HostError unless result is expected.
void Check(std::string_view call, std::int32_t result, std::int32_t expected = 0);

// Progress of a long operation on standard error, only when that is a
// terminal; the line is cleared when the operation ends.
class Progress {
public:
    explicit Progress(std::string what);
    ~Progress();
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;
    void Step(std::size_t done, std::size_t total);

private:
    std::string what_;
    bool shown_;
};

// The PIM the session is open on; Outlook unless this says otherwise.
void UseEudora(bool eudora);
bool UsingEudora();
std::span<const StoreInfo> Stores();

std::int32_t Count(const StoreInfo& store);
// The whole store, read into zero-filled records in one call.
std::vector<Record> ReadStore(const StoreInfo& store);
// The object with the identifier from the first store whose single read
// finds it, or nothing. For Eudora the identifier is the host's
// "mailbox_count_position".
struct Found {
    const StoreInfo* store;
    std::vector<Record> record;  // one record
};
Found ReadById(const std::string& entryId);
// Adds each record and returns the new identifiers (Eudora gives none).
std::vector<std::string> AddAll(const StoreInfo& store, const std::vector<Record>& records);
// Replaces the store by the records, which receive their new identifiers.
void ReplaceStore(const StoreInfo& store, std::vector<Record>& records);

}  // namespace tarnex_host
