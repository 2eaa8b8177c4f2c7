#pragma once
// Plays the client shell in-process: loads the built Hemr07C.so by path and
// gets controllers from its export, as hemr07-host does.

#include <dlfcn.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "include/DLLController.h"
#include "platform/automation/ComObj.h"
#include "platform/classes/TObject.h"
#include "tests/platform/os/TempFolder.h"
#include "platform/os/DynLib.h"
#include "platform/os/Paths.h"

namespace outside_test {

// The folder of the built programs and libraries.
inline std::string BinFolder() {
    if (const char* bin = std::getenv("HEMR_BINARY_DIR"); bin != nullptr && *bin != '\0') return bin;
    return rt::ExtractFileDir(rt::GetModuleFileName(0));
}

inline std::string PluginPath() { return BinFolder() + "/Hemr07C.so"; }

class TEventLog : public rt::TObject {
    RT_CLASS(TEventLog, rt::TObject)
public:
    void Record(int32_t Code, hemr::IDLLController*) {
        codes.push_back(Code);
        if (onEvent) onEvent(Code);
    }
    hemr::TControllerEvent Handler() { return hemr::TControllerEvent::Of<&TEventLog::Record>(this); }
    std::vector<int32_t> codes;
    std::function<void(int32_t)> onEvent;
};

// An install folder as the shell prepares it: the registry file naming the
// folders and the application server's objects, and a client configuration
// whose server is the local one.
class TInstallHome {
public:
    TInstallHome() {
        const std::string client = temp_.Path() + "/";
        const std::string server = temp_.Path() + "/server/";
        std::string reg = "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\NVR\\Kestrel]\r\n\"ClientPath\"=\"" + client +
                          "\"\r\n\"ServerPath\"=\"" + server + "\"\r\n";
        for (const char* progId : {"OstrelWorkCenter.Manager", "ZizuvaRoderirO.dmReportCounter"}) {
            reg += std::string("\r\n[HKEY_CLASSES_ROOT\\") + progId + "\\InprocServer32]\r\n@=\"" + BinFolder() +
                   "/HemrAppServer.so\"\r\n\"Factory\"=\"HemrAppServerFactory\"\r\n";
        }
        registry_ = std::make_unique<rt::test::ScopedEnv>("NVR_REGISTRY", temp_.Write("nvr.reg", reg).c_str());
        std::filesystem::create_directories(server);
        NameServer("127.0.0.1", 211);
    }

    // The application server the client configuration names.
    void NameServer(const std::string& computer, int port) const {
        temp_.Write("KestrelC.ini", "[CodePage]\r\nUICodePage=936\r\nDBCodePage=936\r\n[Server Information]\r\n"
                                    "ComputerName=" + computer + "\r\nServerPort=" + std::to_string(port) + "\r\n");
    }

private:
    rt::test::TempFolder temp_;
    std::unique_ptr<rt::test::ScopedEnv> registry_;
    rt::test::ScopedEnv acp_{"NVR_ACP", "936"};
};

// `Path` names the plug-in loaded: edition 9 by default.
template <std::string (*Path)() = PluginPath>
class PluginTestOf : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        library_ = ::dlopen(Path().c_str(), RTLD_NOW | RTLD_LOCAL);
        if (library_ != nullptr)
            getController_ = reinterpret_cast<hemr::TGetControllerFn>(::dlsym(library_, hemr::GetControllerSymbol));
    }
    void SetUp() override {
        ASSERT_NE(library_, nullptr) << "the plug-in loads: " << ::dlerror();
        ASSERT_NE(getController_, nullptr) << "the plug-in exports GetController";
    }

    std::unique_ptr<hemr::IDLLController> NewController() {
        std::unique_ptr<hemr::IDLLController> c(getController_());
        c->Session = rt::CreateOleObject("OstrelWorkCenter.Manager");
        c->OnEvent = log.Handler();
        return c;
    }

    static rt::Variant DefaultParams() { return rt::Variant::ArrayOf({"796", "KWTest60", "KWTest60", 0, ""}); }

    TInstallHome home;
    TEventLog log;
    static inline void* library_ = nullptr;
    static inline hemr::TGetControllerFn getController_ = nullptr;
};

using PluginTest = PluginTestOf<>;

}  // namespace outside_test
