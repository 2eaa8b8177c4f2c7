#pragma once
// Plays the client shell in-process: loads the built Hemr07C.so by path and
// gets controllers from its export, as hemr07-host does.

#include <dlfcn.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "include/DLLController.h"
#include "platform/classes/TObject.h"
#include "platform/os/DynLib.h"
#include "platform/os/Paths.h"

namespace host_test {

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

class PluginTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        library_ = ::dlopen(PluginPath().c_str(), RTLD_NOW | RTLD_LOCAL);
        if (library_ != nullptr)
            getController_ = reinterpret_cast<hemr::TGetControllerFn>(::dlsym(library_, hemr::GetControllerSymbol));
    }
    void SetUp() override {
        ASSERT_NE(library_, nullptr) << "the plug-in loads: " << ::dlerror();
        ASSERT_NE(getController_, nullptr) << "the plug-in exports GetController";
    }

    std::unique_ptr<hemr::IDLLController> NewController() {
        std::unique_ptr<hemr::IDLLController> c(getController_());
        c->OnEvent = log.Handler();
        return c;
    }

    static rt::Variant DefaultParams() { return rt::Variant::ArrayOf({"796", "KWTest60", "KWTest60", 0, ""}); }

    TEventLog log;
    static inline void* library_ = nullptr;
    static inline hemr::TGetControllerFn getController_ = nullptr;
};

}  // namespace host_test
