// The browser stand-in as the web report drives it.

#include <gtest/gtest.h>

#include <filesystem>

#include "outside/browser/BrowserApplication.h"
#include "platform/core/Exceptions.h"
#include "platform/os/Files.h"
#include "platform/os/ShellExecuteRecorder.h"

namespace {

rt::Variant NewBrowser() { return rt::Variant(rt::DispatchPtr(std::make_shared<browser::TBrowserApplication>())); }

TEST(BrowserApplication, TheWebReportWindowSettingsAndNavigationAreRecordedInOrder) {
    rt::TShellExecuteRecorder launcher;
    rt::Variant ie = NewBrowser();
    ie.Put("Visible", true);
    ie.Put("left", 0);
    ie.Put("top", 0);
    ie.Put("height", 720);
    ie.Put("width", 1024);
    ie.Put("menubar", 0);
    ie.Put("addressbar", 0);
    ie.Put("toolbar", 0);
    ie.Call("Navigate", {"http://127.0.0.1:8080/WebReport/Server/ReportView.aspx?UserID=DS&IsPageBreak='N'"});

    EXPECT_EQ(ie.Get("WIDTH").ToInt(), 1024) << "names are not case-sensitive";
    EXPECT_TRUE(ie.Get("Visible").ToBool());
    rt::Variant history = ie.Get("History");
    ASSERT_EQ(history.ElementCount(), 9);
    EXPECT_EQ(history[0].ToString(), "Visible=True");
    EXPECT_EQ(history[4].ToString(), "width=1024");
    EXPECT_EQ(history[8].ToString().rfind("Navigate=http://127.0.0.1:8080/", 0), 0u);
    auto calls = launcher.Calls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].Verb, "open");
    EXPECT_EQ(calls[0].File, "http://127.0.0.1:8080/WebReport/Server/ReportView.aspx?UserID=DS&IsPageBreak='N'")
        << "the address is passed on unescaped";
    EXPECT_EQ(ie.Get("LocationURL").ToString(), calls[0].File);
}

TEST(BrowserApplication, AFailedLaunchRaisesSoTheCallerCanOpenTheAddressItself) {
    rt::TShellExecuteRecorder launcher(rt::SE_ERR_NOASSOC);
    rt::Variant ie = NewBrowser();
    EXPECT_THROW(ie.Call("Navigate", {"http://example.invalid/"}), rt::EOleException);
    EXPECT_EQ(ie.Get("LocationURL").ToString(), "") << "nothing was opened";
    EXPECT_THROW(ie.Call("Navigate", {"  "}), rt::EOleException) << "an empty address";
    EXPECT_THROW(ie.Put("width", rt::Variant::ArrayOf({1})), rt::EOleException);
    EXPECT_EQ(ie.Get("width").ToInt(), 0) << "a refused write changes nothing";
}

TEST(BrowserApplication, RequestsGoToTheLogFileNamedByTheEnvironment) {
    rt::TShellExecuteRecorder launcher;
    std::string log = (std::filesystem::temp_directory_path() / "hemr-browser-test.log").string();
    std::filesystem::remove(log);
    setenv("HEMR_BROWSER_LOG", log.c_str(), 1);
    rt::Variant ie = NewBrowser();
    ie.Put("toolbar", 0);
    ie.Call("Navigate", {"http://a/"});
    unsetenv("HEMR_BROWSER_LOG");
    std::string text;
    ASSERT_TRUE(rt::ReadFileToString(log, text));
    EXPECT_NE(text.find("toolbar=0"), std::string::npos) << text;
    EXPECT_NE(text.find("Navigate=http://a/"), std::string::npos) << text;
    std::filesystem::remove(log);
}

}  // namespace
