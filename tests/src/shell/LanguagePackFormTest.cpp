// A real form translated from packs in the install folder: the shipped
// English pack, and packs that are broken or hostile, which leave the form
// its built-in texts for whatever they cannot give.

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>

#include <filesystem>

#include "platform/buttons/TSpeedButton.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/graphics/TTextMetrics.h"
#include "platform/stdctrls/TButtonControl.h"
#include "platform/stdctrls/TCustomCheckBox.h"
#include "platform/stdctrls/TCustomLabel.h"
#include "platform/stdctrls/TRadioButton.h"
#include "platform/classes/TypInfo.h"
#include "platform/streaming/FormResources.h"
#include "src/controls/BitCheckBox.h"
#include "src/controls/NvRadioButton.h"
#include "src/shell/ModuleForms.h"
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

// The room a caption needs beside its text: the box of a check or radio
// button, the border of a push button; -1 for controls that size themselves
// or have no caption of their own.
int CaptionMargin(rt::TComponent* c) {
    if (dynamic_cast<rt::TCustomCheckBox*>(c) != nullptr || dynamic_cast<rt::TRadioButton*>(c) != nullptr ||
        dynamic_cast<hemr::TBitCheckBox*>(c) != nullptr || dynamic_cast<hemr::TNvRadioButton*>(c) != nullptr)
        return 17;
    if (dynamic_cast<rt::TButtonControl*>(c) != nullptr || dynamic_cast<rt::TSpeedButton*>(c) != nullptr) return 8;
    if (dynamic_cast<rt::TCustomLabel*>(c) != nullptr && rt::GetPropText(c, "AutoSize") == "False") return 0;
    return -1;
}

std::string WithoutHotkey(std::string caption) {
    for (size_t at; (at = caption.find('&')) != std::string::npos;) caption.erase(at, 1);
    return caption;
}

TEST_F(LanguagePackForm, TranslatedCaptionsFitTheirControls) {
    for (const char* language : {"CHT", "ENG"}) {
        UseCodePages(language == std::string("CHT") ? "950" : "437", "936");
        const std::filesystem::path shipped = std::filesystem::path(HEMR_TEST_SOURCE_DIR) / "languages" / language;
        for (const auto& pack : std::filesystem::directory_iterator(shipped)) {
            std::stringstream text;
            text << std::ifstream(pack.path()).rdbuf();
            WritePack(language, pack.path().stem().string(), text.str());
        }
        for (const std::string& name : hemr::ModuleFormClasses()) {
            std::unique_ptr<hemr::TNVForm> shown(static_cast<hemr::TNVForm*>(rt::FindClass(name)->CreateInstance(nullptr)));
            rt::ReadFormResources(shown.get());
            shown->ApplyLanguagePacks(shown.get(), true);
            for (int i = 0; i < shown->ComponentCount(); ++i) {
                auto* control = dynamic_cast<rt::TControl*>(shown->Components(i));
                const int margin = CaptionMargin(control);
                if (margin < 0) continue;
                const std::string caption = WithoutHotkey(rt::GetPropText(control, "Caption"));
                const int needed = rt::GetTextMetrics().TextWidth(*control->Font(), caption) + margin;
                EXPECT_LE(needed, control->Width())
                    << language << " " << name << "." << control->Name() << " \"" << caption << "\"";
            }
        }
    }
}

}  // namespace
}  // namespace hemr_test
