// Record byte tables: a record's expected contents as (offset, text) pairs,
// each text followed by its zero, and zero in every other byte. One pass over
// the whole record names the first differing offset and the field it lies
// in, so a wrong offset, a cut, a stray separator or a byte written outside
// any field all fail the same way.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <span>
#include <string>
#include <vector>

namespace tarnex_test {

struct FieldSpan {
    std::size_t offset;
    std::size_t size;
    const char* name;
};

struct ExpectedText {
    std::size_t offset;
    std::string text;  // written with its zero
};

// fields names the layout's fields, in offset order, for the report.
::testing::AssertionResult RecordBytesAre(std::span<const char> record,
                                          const std::vector<ExpectedText>& expected,
                                          std::span<const FieldSpan> fields);

template <class Record>
std::span<const char> BytesOf(const Record& record) {
    return {reinterpret_cast<const char*>(&record), sizeof record};
}

}  // namespace tarnex_test
