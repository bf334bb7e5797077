// The simulated Outlook's call log as lines a test can compare whole:
//   NameSpace.GetDefaultFolder(10)       a method and its arguments
//   Items[Contacts].Count                a property get
//   ContactItem.FirstName = "Jane"       a property put
//   ~MAPIFolder[Notes]                   an object's last reference released
// Objects bound to a folder carry its name in brackets; members are named
// from Outlook's navigation members and the item classes' property tables.
// Texts registered with Alias (entry and store identifiers) appear as names.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "simpim/server_hooks.h"

namespace tarnex_test {

class CallTrace {
public:
    void Alias(std::string text, std::string name) {
        aliases_.emplace_back(std::move(text), std::move(name));
    }

    std::string Line(const simpim::CallRecord& call) const;
    std::vector<std::string> Lines(const std::vector<simpim::CallRecord>& log) const;

private:
    std::vector<std::pair<std::string, std::string>> aliases_;
};

// Compares two traces whole; on a difference, says where the first one is
// and shows the lines around it.
::testing::AssertionResult SameCalls(const std::vector<std::string>& expected,
                                     const std::vector<std::string>& actual);

}  // namespace tarnex_test
