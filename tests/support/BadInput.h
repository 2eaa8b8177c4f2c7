#pragma once
// Tags a bad input a test tried, with the outcome it checked, as a property of
// the running test. scripts/bad-input-table reads the properties from the
// tests' XML reports and writes docs/bad-inputs.md from them.

#include <gtest/gtest.h>

#include <string>

namespace test_support {

// `surface`: "scenario runner", "form inputs", "RPC protocol",
// "configuration files", "files and links" or "concurrency".
inline void BadInput(const std::string& surface, const std::string& input, const std::string& outcome) {
    static int counter = 0;  // property names must differ within a test
    ::testing::Test::RecordProperty("bad_input_" + std::to_string(++counter), surface + "\t" + input + "\t" + outcome);
}

}  // namespace test_support
