// The scheme dialog on options forms: the date conditions it offers, the
// rule editors' enabling rules and the entries they write, and OK's checks
// of the name against the application server's scheme store.

#include <gtest/gtest.h>

#include "platform/classes/TStringList.h"
#include "platform/controls/VirtualKeys.h"
#include "platform/forms/TInputInjector.h"
#include "platform/lists/TComboBox.h"
#include "platform/spin/TSpinEdit.h"
#include "platform/stdctrls/TButton.h"
#include "platform/stdctrls/TCustomEdit.h"
#include "platform/stdctrls/TCustomPanel.h"
#include "platform/stdctrls/TGroupBox.h"
#include "platform/sysutils/StrUtils.h"
#include "src/controls/BitCheckBox.h"
#include "src/framework/GeneConditionCF.h"
#include "tests/src/shell/BaseOptFixture.h"
#include "tests/src/shell/SchemeServerFixture.h"

namespace {

using hemr::TfrmGeneCondition;

// Two date conditions of its own: a panel, and an edit known by its caption
// row; a third date edit has only a label glued to it.
class TfrmOptDates : public hemr_test::TfrmOptTest {
    RT_CLASS(TfrmOptDates, hemr_test::TfrmOptTest)
public:
    explicit TfrmOptDates(rt::TComponent* owner) : hemr_test::TfrmOptTest(owner) {}
    void InitSettings() override {
        hemr_test::TfrmOptTest::InitSettings();
        SetDateFields("sp09,ed03,ed04");
    }
};

constexpr const char* kDatesResource = R"(inherited frmHemr07: TfrmOptDates
  inherited pgOption: TExtPageControl
    inherited tsOption1: TTabSheet
      object sp09: TSelectPanel
        Caption = '入职日期'
        TabOrder = 1
      end
      object lbl04: TLabel
        Caption = '离职日期'
        FocusControl = ed04
      end
      object ed04: TEdit
        TabOrder = 2
      end
    end
  end
end
)";

std::string Entry(std::initializer_list<const char*> fields) {
    std::string entry;
    for (const char* f : fields) entry += (entry.empty() ? "" : "\x03") + std::string(f);
    return entry;
}

class GeneConditionTest : public hemr_test::BaseOptTest {
protected:
    void SetUp() override {
        BaseOptTest::SetUp();
        rt::RegisterFormResource("TfrmOptDates", kDatesResource);
    }
    void TearDown() override {
        rt::UnregisterFormResource("TfrmOptDates");
        BaseOptTest::TearDown();
    }

    // Opens the dialog on `form`, runs `act` in it, and answers what the dialog returned.
    rt::Variant RunDialog(hemr::TfrmBaseOpt& form, std::function<void(TfrmGeneCondition&)> act) {
        rt::Application().SetModalDriver([act](rt::TCustomForm& f) {
            auto* dialog = dynamic_cast<TfrmGeneCondition*>(&f);
            ASSERT_NE(dialog, nullptr);
            act(*dialog);
        });
        return hemr::ShowSchemeDialog(form, form.DateFields(), 4);
    }

    static std::vector<std::string> Items(const rt::TComboBox& list) {
        std::vector<std::string> items;
        for (int i = 0; i < list.Items()->Count(); ++i) items.push_back(list.Items()->Strings(i));
        return items;
    }
    static void Press(uint16_t key) { rt::Input().PressKey(key); }
    static std::vector<std::string> Entries(hemr::TfrmBaseGene& form) {
        std::vector<std::string> entries;
        for (int i = 0; i < form.DateEnvironment().Count(); ++i) entries.push_back(form.DateEnvironment().Strings(i));
        return entries;
    }
};

TEST_F(GeneConditionTest, AProgramWithOnlyTheSystemDateFieldsGetsADisabledGroupAndNoConditions) {
    auto* form = OptForm<hemr_test::TfrmOptEmpty>(true);
    bool enabled = true;
    int items = -1;
    bool movedOn = false;
    RunDialog(*form, [&](TfrmGeneCondition& d) {
        enabled = d.gbDateFields->Enabled();
        items = d.cbodatecondition->Items()->Count();
        d.edConName->SetFocus();
        Press(rt::VK_RETURN);
        movedOn = d.ActiveControl() == d.btnOk;
    });
    EXPECT_TRUE(movedOn) << "Enter moves to the next control, past the disabled group";
    EXPECT_FALSE(enabled);
    EXPECT_EQ(items, 0);
    EXPECT_EQ(form->DateEnvironment().Count(), 0);
}

TEST_F(GeneConditionTest, EachDateConditionIsOfferedByItsCaptionWithAnEntryWithoutARule) {
    auto* form = OptForm<TfrmOptDates>(true);
    std::vector<std::string> items;
    bool panelShown = false;
    RunDialog(*form, [&](TfrmGeneCondition& d) {
        items = Items(*d.cbodatecondition);
        panelShown = d.pnSp->Visible() && !d.pnEdit->Visible();
    });
    EXPECT_EQ(items, (std::vector<std::string>{"入职日期", "统计日期", "离职日期"}))
        << "the panel's caption, the caption row of ed03, the label glued to ed04";
    EXPECT_TRUE(panelShown) << "the first condition is selected";
    EXPECT_EQ(Entries(*form),
              (std::vector<std::string>{Entry({"0", "sp09", "N", "0", "0", "0", "0", "N", "0", "0", "0", "0", "D"}),
                                        Entry({"1", "ed03", "N", "0", "0", "0", "0", "D"}),
                                        Entry({"1", "ed04", "N", "0", "0", "0", "0", "D"})}));
}

TEST_F(GeneConditionTest, UncheckingTheBeginDateDisablesItsEditorsButTheDaysSpinFollowsTheModeWhenSelectedAgain) {
    auto* form = OptForm<TfrmOptDates>(true);
    RunDialog(*form, [&](TfrmGeneCondition& d) {
        rt::Input().Click(d.spDate_B);
        EXPECT_TRUE(d.seSetDay_B1->Enabled() && d.cboSetDay_B1->Enabled() && d.cboSetDay_B2->Enabled() &&
                    d.seSetDay_B2->Enabled());
        d.seSetDay_B1->SetFocus();
        d.seSetDay_B1->SelectAll();
        rt::Input().TypeText("2");
        Press(rt::VK_TAB);
        EXPECT_EQ(form->DateEnvironment().Strings(0),
                  Entry({"0", "sp09", "Y", "2", "0", "0", "0", "N", "0", "0", "0", "0", "D"}))
            << "what the user types is written back";

        rt::Input().Click(d.spDate_B);
        EXPECT_FALSE(d.seSetDay_B1->Enabled());
        EXPECT_FALSE(d.cboSetDay_B1->Enabled());
        EXPECT_FALSE(d.cboSetDay_B2->Enabled());
        EXPECT_FALSE(d.seSetDay_B2->Enabled());
        EXPECT_EQ(form->DateEnvironment().Strings(0).substr(0, 8), Entry({"0", "sp09", "N"}));

        d.cbodatecondition->SetFocus();
        Press(rt::VK_DOWN);
        EXPECT_TRUE(d.pnEdit->Visible());
        Press(rt::VK_UP);
        EXPECT_FALSE(d.seSetDay_B1->Enabled()) << "the n spin stays off with its check box";
        EXPECT_TRUE(d.seSetDay_B2->Enabled()) << "the days spin follows the mode list, which says 加/减";
    });
}

TEST_F(GeneConditionTest, OkChecksTheNameAndANameWithTrailingBlanksIsFoundAndComesBackAsTyped) {
    hemr_test::TSchemeServer server(Server() + "appserver");
    auto* form = NewForm<TfrmOptDates>();
    form->SetSessionObject(server.Session());
    ASSERT_TRUE(form->InitForm(hemr_test::FullParams())) << DialogTexts();
    form->Show();
    ASSERT_EQ(server.Insert("月报", "ed03.text;", "20240101\r\n", form->ProgramCode()), "");

    auto typeName = [](TfrmGeneCondition& d, const std::string& name) {
        d.edConName->SetFocus();
        d.edConName->SelectAll();
        rt::Input().TypeText(name);
        rt::Input().Click(d.btnOk);
    };
    const rt::Variant cancelled = RunDialog(*form, [&](TfrmGeneCondition& d) {
        typeName(d, "  ");
        EXPECT_TRUE(d.Visible()) << "an empty name keeps the dialog open";
        typeName(d, "一二三四五六七八九十A");
        EXPECT_TRUE(d.Visible()) << "so does a name of 21 bytes";
    });
    ASSERT_EQ(Dialogs().Dialogs().size(), 2u);
    EXPECT_EQ(rt::Trim(Dialogs().Dialogs()[0].Text), "方案名不可空白!");
    EXPECT_EQ(rt::Trim(Dialogs().Dialogs()[1].Text), "方案名长度不可大于20!");
    EXPECT_EQ(rt::VarToStr(cancelled[0]), "") << "closed without OK: three empty texts";

    Dialogs().Reset();
    Dialogs().QueueAnswer(rt::mrCancel);
    Dialogs().QueueAnswer(rt::mrOk);
    const rt::Variant answer = RunDialog(*form, [&](TfrmGeneCondition& d) {
        typeName(d, "月报  ");
        EXPECT_TRUE(d.Visible()) << "Cancel on the question keeps the dialog";
        rt::Input().Click(d.btnOk);
    });
    ASSERT_EQ(Dialogs().Dialogs().size(), 2u);
    EXPECT_EQ(rt::Trim(Dialogs().Dialogs()[0].Text), "此方案名已存在！是否将原来的方案替换为此方案?")
        << "the name with blanks is found as the store keeps it";
    EXPECT_EQ(rt::VarToStr(answer[0]), "月报  ") << "returned as typed";
    EXPECT_EQ(rt::VarToStr(answer[1]), form->DateFields());
    EXPECT_TRUE(answer[2].ToBool()) << "the replace flag";
}

}  // namespace
