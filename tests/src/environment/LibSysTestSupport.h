#pragma once
// A home folder of the module for one test: a fresh folder named as
// "ClientPath" in a registry file of its own, and a fixed clock.

#include "tests/platform/os/TempFolder.h"

#include "platform/os/Files.h"
#include "platform/sysutils/Clock.h"
#include "platform/sysutils/FormatSettings.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace hemr_test {

class ModuleHome : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(temp_.Path().empty()) << "a temporary folder is needed";
        UseRegistry("\"ClientPath\"=\"" + temp_.Path() + "/client\"\r\n");
        rt::SetClockOverride(rt::EncodeDateTime(2005, 5, 17, 9, 8, 7, 65));
    }
    void TearDown() override {
        rt::SetClockOverride(std::nullopt);
        rt::ResetFormatSettings();
    }

    // The values of the Kestrel key, as lines of a registry export.
    void UseRegistry(const std::string& kestrelValues) {
        registryEnv_.reset();
        std::string file = temp_.Write("nvr.reg", "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\NVR\\Kestrel]\r\n" +
                                                      kestrelValues);
        registryEnv_ = std::make_unique<rt::test::ScopedEnv>("NVR_REGISTRY", file.c_str());
    }

    std::string Home() const { return temp_.Path() + "/client"; }
    std::string LogFile(const std::string& name) const { return Home() + "/Log/" + name; }

    static std::vector<std::string> Lines(const std::string& fileName) {
        std::string bytes;
        std::vector<std::string> lines;
        if (!rt::ReadFileToString(fileName, bytes)) return lines;
        std::istringstream in(bytes);
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }

    rt::test::TempFolder temp_;
    std::unique_ptr<rt::test::ScopedEnv> registryEnv_;
};

}  // namespace hemr_test
