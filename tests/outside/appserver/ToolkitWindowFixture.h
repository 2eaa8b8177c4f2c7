#pragma once
// The session's F2 window service with the toolkit's windows installed: a
// test calls the service as the forms do and plays the user inside the
// modal window through the toolkit's modal driver and input injector.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "outside/appserver/F2WindowDriver.h"
#include "outside/appserver/ServerStore.h"
#include "outside/appserver/SessionManager.h"
#include "outside/appserver/ToolkitF2WindowDriver.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TCustomForm.h"
#include "platform/forms/TScreen.h"
#include "tests/outside/appserver/TestHome.h"

namespace outside_test {

class ToolkitWindowTest : public ::testing::Test {
protected:
    using User = std::function<void(rt::TCustomForm& window)>;

    void SetUp() override {
        rt::Application().Reset();
        rt::Application().DialogDriver().Reset();
        appserver::SetF2WindowDriver(nullptr);
        appserver::InstallToolkitF2WindowDriver();
        formsBefore_ = rt::Screen().FormCount();
    }
    void TearDown() override {
        rt::Application().SetModalDriver(nullptr);
        appserver::SetF2WindowDriver(nullptr);
        EXPECT_EQ(rt::Screen().FormCount(), formsBefore_) << "every window is freed when it closes";
        rt::Application().Reset();
    }

    // What the user does in the next modal window; records the window's name.
    void WhenShown(User user) {
        rt::Application().SetModalDriver([this, user](rt::TCustomForm& window) {
            shownWindow = window.Name();
            shownCaption = window.Caption();
            user(window);
        });
    }

    // The forms' 19-element lookup array.
    static rt::Variant Lookup(const char* table, rt::Variant key, bool multi, const char* search = "") {
        return rt::Variant::ArrayOf({table, "01", key, multi, search, "01", "DEMO", 1234, 1, false, 3, "", "", "",
                                     "rights", true, true, rt::Variant(), "DS"});
    }

    TestHome home_;
    rt::Variant session_{
        rt::DispatchPtr(std::make_shared<appserver::SessionManager>(appserver::ServerStore::Open(home_.Path())))};
    rt::Variant f2_ = session_.Get("Com_F2Window");
    std::string shownWindow, shownCaption;

private:
    int formsBefore_ = 0;
};

}  // namespace outside_test
