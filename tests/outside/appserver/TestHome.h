#pragma once
// A fresh server folder per test, removed afterwards.

#include <string>

namespace outside_test {

class TestHome {
public:
    TestHome();
    ~TestHome();
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

// The folder holding the test program (and the built server executable).
std::string BinaryDir();

}  // namespace outside_test
