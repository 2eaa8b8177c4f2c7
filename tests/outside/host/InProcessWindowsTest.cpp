// The session the shell creates through its registry file comes from the
// in-process server library, which answers F2 lookups and date requests
// with the toolkit's windows on the shell's own modal driver.

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "outside/host/HostHome.h"
#include "platform/automation/ComObj.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TCustomForm.h"
#include "platform/forms/TInputInjector.h"
#include "platform/sysutils/Clock.h"
#include "platform/sysutils/DateTime.h"
#include "tests/outside/host/PluginFixture.h"
#include "tests/platform/os/TempFolder.h"

namespace {

TEST(InProcessWindows, TheEmbeddedSessionOpensTheLookupAndDateWindowsAsModalForms) {
    rt::test::TempFolder temp;
    rt::test::ScopedEnv registry("NVR_REGISTRY", nullptr), codePage("NVR_ACP", nullptr);
    host::HostHome(temp.Path() + "/home").Prepare(outside_test::BinFolder());
    rt::Application().Reset();
    rt::SetClockOverride(rt::EncodeDate(2024, 2, 29));

    std::vector<std::string> windows;
    rt::Application().SetModalDriver([&](rt::TCustomForm& window) {
        windows.push_back(window.Name());
        if (window.Name() == "frmF2Lookup") rt::Input().TypeText("D0");
        rt::Input().PressKey("Enter");
    });
    const rt::Variant session = rt::CreateOleObject("OstrelWorkCenter.Manager");
    const rt::Variant f2 = session.Get("Com_F2Window");
    const rt::Variant lookup =
        rt::Variant::ArrayOf({"CMSME", "01", rt::Variant(), false, "", "01", "DEMO", 0, 1, false, 3, "", "", "", "",
                              true, true, rt::Variant(), "DS"});
    const rt::Variant chosen = f2.Call("F2GetData", {lookup});
    const std::string day = f2.Call("ShowInputDay", {rt::Variant::ArrayOf({true, "", "DEMO"})}).ToString();
    rt::Application().SetModalDriver(nullptr);
    rt::SetClockOverride(std::nullopt);

    EXPECT_EQ(windows, (std::vector<std::string>{"frmF2Lookup", "frmInputDay"}))
        << "the library installed its windows when the shell created the session";
    ASSERT_TRUE(chosen.IsArray());
    EXPECT_EQ(chosen[0][0].ToString(), "D01") << "the first department matching the typed text";
    EXPECT_EQ(day, "20240229") << "a request without a start day opens at today";
}

}  // namespace
