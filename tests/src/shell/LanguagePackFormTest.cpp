// A real form translated from packs in the install folder: the shipped
// English pack, and packs that are broken or hostile, which leave the form
// its built-in texts for whatever they cannot give.

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>

#include "platform/classes/ClassRegistry.h"
#include "platform/classes/TypInfo.h"
#include "platform/streaming/FormResources.h"
#include "src/shell/RunningWinC.h"
#include "tests/src/shell/ShellTestSupport.h"
#include "tests/support/BadInput.h"

namespace hemr_test {
namespace {

constexpr const char* kBuiltIn = "报表开启中，请稍候...";

class LanguagePackForm : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        UseCodePages("437", "936");
    }

    // The running window as it shows: its resources read, then the packs of its class chain.
    void Show() {
        form.reset(static_cast<hemr::TfrmRunningWinC*>(rt::FindClass("TfrmRunningWinC")->CreateInstance(nullptr)));
        rt::ReadFormResources(form.get());
        form->ApplyLanguagePacks(form.get(), true);
    }

    std::string Text(const std::string& component, const char* property = "Caption") const {
        rt::TComponent* c = component.empty() ? form.get() : form->FindComponent(component);
        return c == nullptr ? "" : rt::GetPropText(c, property);
    }

    std::unique_ptr<hemr::TfrmRunningWinC> form;
};

TEST_F(LanguagePackForm, TheShippedEnglishPackTranslatesTheForm) {
    std::stringstream pack;
    pack << std::ifstream(std::string(HEMR_TEST_SOURCE_DIR) + "/languages/ENG/TfrmRunningWinC.Lng").rdbuf();
    ASSERT_FALSE(pack.str().empty());
    WritePack("ENG", "TfrmRunningWinC", pack.str());
    Show();
    EXPECT_EQ(Text(""), "Opening the report, please wait...");
    EXPECT_EQ(Text("lblRunning"), "Opening the report, please wait...");
}

TEST_F(LanguagePackForm, BrokenOrHostilePacksLeaveTheBuiltInTexts) {
    WritePack("ENG", "TfrmRunningWinC", "<TfrmRunningWinC Caption=\"Opening\"><lblRunning Caption=\"Wait\"></TfrmRunningWinC>");
    Show();
    EXPECT_EQ(Text("lblRunning"), kBuiltIn) << "a pack that does not parse gives nothing";
    test_support::BadInput("configuration files", "language pack with a syntax error",
                           "the form keeps its built-in texts");

    WritePack("ENG", "TfrmRunningWinC",
              "<TfrmRunningWinC><lblNoSuch Caption=\"x\"/><lblRunning Caption=\"Wait\" NoSuchProperty=\"1\"/>"
              "<aniRunning CommonAVI=\"aviNoSuch\"/></TfrmRunningWinC>");
    Show();
    EXPECT_EQ(Text("lblRunning"), "Wait") << "what the pack can give still applies";
    EXPECT_EQ(Text(""), kBuiltIn);
    test_support::BadInput("configuration files", "language pack naming unknown components and properties",
                           "those entries are skipped, the rest applies");

    const std::string secret = temp_.Write("secret.txt", "secret");
    WritePack("ENG", "TfrmRunningWinC",
              "<?xml version=\"1.0\"?>\n<!DOCTYPE TfrmRunningWinC [<!ENTITY w \"Wait\"><!ENTITY s SYSTEM \"file://" +
                  secret + "\">]>\n<TfrmRunningWinC Caption=\"&s;\"><lblRunning Caption=\"&w;&w;\"/></TfrmRunningWinC>");
    Show();
    EXPECT_EQ(Text("lblRunning"), kBuiltIn) << "a pack declaring entities is refused whole";
    EXPECT_EQ(Text(""), kBuiltIn) << "nothing is read from outside";
    test_support::BadInput("configuration files", "language pack with a DOCTYPE defining entities",
                           "refused whole; nothing expanded or read; built-in texts");
}

}  // namespace
}  // namespace hemr_test
