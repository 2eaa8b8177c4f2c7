#pragma once
// A fresh server folder per test, removed afterwards; NVR_SERVER_HOME points
// at it while it lives, so that code opening the default store finds it.

#include <string>

namespace hemr07test {

class ReportHome {
public:
    ReportHome();
    ~ReportHome();
    ReportHome(const ReportHome&) = delete;
    ReportHome& operator=(const ReportHome&) = delete;
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

std::string ReadText(const std::string& fileName);
std::string BinaryDir();

}  // namespace hemr07test
