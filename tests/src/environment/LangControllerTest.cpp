#include "tests/src/environment/LangTestSupport.h"

#include "platform/classes/ClassRegistry.h"
#include "platform/classes/TypInfo.h"
#include "src/environment/LangCommon.h"
#include "src/environment/LangNvController.h"
#include "src/shell/ModuleClasses.h"

#include <vector>

namespace hemr_test {
namespace {

using hemr::LanguageControllerError;
using hemr::TLanguageController;
using hemr::TNvLangController;

struct EventLog : rt::TObject {
    std::vector<std::string> events;
    void Opening(rt::TObject*) { events.push_back("BeforeOpen"); }
    void Opened(rt::TObject*) { events.push_back("AfterOpen"); }
    void Closing(rt::TObject*) { events.push_back("BeforeClose"); }
    void Closed(rt::TObject*) { events.push_back("AfterClose"); }
};

TEST(LanguageController, OpensFromTextAndClosesWhenTheSourceChanges) {
    TLanguageController c(nullptr);
    EventLog log;
    c.BeforeOpen = rt::TNotifyEvent::Of<&EventLog::Opening>(&log);
    c.AfterOpen = rt::TNotifyEvent::Of<&EventLog::Opened>(&log);
    c.BeforeClose = rt::TNotifyEvent::Of<&EventLog::Closing>(&log);
    c.AfterClose = rt::TNotifyEvent::Of<&EventLog::Closed>(&log);
    c.SetFileName("/nowhere/x.Lng");
    c.XMLText()->SetText("<frm/>");
    EXPECT_EQ(c.FileName(), "") << "text in XMLText makes the file name empty";
    c.SetActive(true);
    EXPECT_TRUE(c.Active());
    c.SetActive(true);
    c.XMLText()->Add("<!-- more -->");
    EXPECT_FALSE(c.Active()) << "changing the text closes";
    EXPECT_EQ(log.events, (std::vector<std::string>{"BeforeOpen", "AfterOpen", "BeforeClose", "AfterClose"}))
        << "opening an open controller does nothing";
}

TEST(LanguageController, FailuresRaiseAndLeaveItInactive) {
    TLanguageController c(nullptr);
    EXPECT_THROW(c.Reader(), LanguageControllerError) << "no reader while inactive";
    try {
        c.SetActive(true);
        FAIL() << "no source must raise";
    } catch (const LanguageControllerError& e) {
        EXPECT_STREQ(e.what(), "Cannot Find File !");
    }
    c.XMLText()->SetText("<frm><a></frm>");
    EXPECT_THROW(c.SetActive(true), LanguageControllerError) << "a parse error";
    EXPECT_FALSE(c.Active());
    c.SetFileName("/nowhere/x.Lng");
    EXPECT_EQ(c.XMLText()->Count(), 0) << "a new file name clears the text";
    EXPECT_THROW(c.SetActive(true), LanguageControllerError) << "a missing file";
    try {
        c.Reader();
    } catch (const LanguageControllerError& e) {
        EXPECT_STREQ(e.what(), "No active LanguageController!");
    }
}

TEST(LanguageController, ActiveFromAFormResourceWaitsForLoaded) {
    TLanguageController c(nullptr);
    c.XMLText()->SetText("<frm/>");
    c.Loading();
    rt::SetEnumProp(&c, "Active", "True");
    EXPECT_FALSE(c.Active()) << "only remembered while loading";
    c.Loaded();
    EXPECT_TRUE(c.Active()) << "opened when loading completes";
}

TEST(NvLangController, PublishesItsPropertiesInOrderAndRegisters) {
    std::vector<std::string> names;
    for (const rt::TPropInfo* info : rt::GetPropInfos(TNvLangController::StaticClass())) names.push_back(info->Name);
    const std::vector<std::string> tail(names.end() - 10, names.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"Active", "AfterClose", "AfterOpen", "BeforeClose", "BeforeOpen",
                                              "AfterLoadComponent", "BeforeLoadComponent", "ExcludeControls",
                                              "LangPackageName", "DesignType"}));
    hemr::RegisterModuleClasses();
    EXPECT_EQ(rt::FindClass("TNvLangController"), TNvLangController::StaticClass());
}

// A base form and a derived form, each with its own pack, applied ancestor first.
class NvLangControllerPacks : public LangHome {
protected:
    void SetUp() override {
        LangHome::SetUp();
        form = std::make_unique<TDataModule>(nullptr);
        form->SetName("frmHemr07");
        label = Make<TLangLabel>(form.get(), "lbl01");
        label->Caption = "公司";
        label->Hint = "选择公司";
        lang = Make<TNvLangController>(form.get(), "LangController");
    }

    // What the base form does for each class name of its chain.
    void ApplyPacks(const std::vector<std::string>& classNames) {
        for (const std::string& name : classNames) {
            lang->SetLangPackageName(name);
            if (!rt::FileExists(lang->FileName())) continue;
            lang->SetActive(true);
            lang->Reader().ReadComponent(form.get());
        }
    }

    std::unique_ptr<TDataModule> form;
    TLangLabel* label = nullptr;
    TNvLangController* lang = nullptr;
};

TEST_F(NvLangControllerPacks, LaterPacksOverrideTheirAncestors) {
    UseCodePages("437", "936");
    WritePack("ENG", "TNVForm", "<TNVForm Caption=\"Base\"><lbl01 Caption=\"Co.\" Hint=\"Pick\"/></TNVForm>");
    WritePack("ENG", "TfrmHemr07", "<TfrmHemr07><lbl01 Caption=\"Company\"/></TfrmHemr07>");
    ApplyPacks({"TNVForm", "TfrmBaseGene", "TfrmHemr07"});
    EXPECT_EQ(lang->FileName(), Client() + "MultiLanguage/ENG/TfrmHemr07.Lng");
    EXPECT_EQ(label->Caption, "Company") << "the derived form's pack wins";
    EXPECT_EQ(label->Hint, "Pick") << "what only the ancestor's pack sets stays";
    EXPECT_EQ(form->Caption, "Base");
}

TEST_F(NvLangControllerPacks, MissingPacksLeaveTheBuiltInTexts) {
    UseCodePages("950", "936");
    WritePack("ENG", "TfrmHemr07", "<TfrmHemr07><lbl01 Caption=\"Company\"/></TfrmHemr07>");
    ApplyPacks({"TNVForm", "TfrmHemr07"});
    EXPECT_EQ(label->Caption, "公司") << "a pack of another language is not read";
    EXPECT_FALSE(lang->Active());
    EXPECT_EQ(hemr::GetLangMessage(lang->DesignType(), "TfrmHemr07", "sFont", "字型"), "字型");
}

TEST_F(NvLangControllerPacks, ChangingThePackageClosesTheController) {
    WritePack("CHS", "TNVForm", "<TNVForm/>");
    lang->SetLangPackageName("TNVForm");
    lang->SetActive(true);
    ASSERT_TRUE(lang->Active());
    lang->SetLangPackageName("TNVForm");
    EXPECT_TRUE(lang->Active()) << "the same name changes nothing";
    lang->SetLangPackageName("TfrmHemr07");
    EXPECT_FALSE(lang->Active());
    EXPECT_EQ(lang->FileName(), Client() + "MultiLanguage/CHS/TfrmHemr07.Lng");
}

}  // namespace
}  // namespace hemr_test
