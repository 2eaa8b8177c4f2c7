// Condition schemes of the HEMR07 form against the application server's own
// objects: saving through the scheme dialog with a date rule, opening,
// renaming and deleting from the scheme list, as a user does them.

#include <gtest/gtest.h>

#include <memory>

#include "platform/classes/TStringList.h"
#include "platform/comctrls/TToolButton.h"
#include "platform/controls/VirtualKeys.h"
#include "platform/lists/TComboBox.h"
#include "platform/menus/TMenuItem.h"
#include "platform/spin/TSpinEdit.h"
#include "platform/stdctrls/TButton.h"
#include "platform/stdctrls/TCustomEdit.h"
#include "platform/stdctrls/TCustomPanel.h"
#include "platform/stdctrls/TGroupBox.h"
#include "platform/sysutils/StrUtils.h"
#include "src/controls/BitCheckBox.h"
#include "src/framework/GeneConditionCF.h"
#include "tests/src/shell/Hemr07Fixture.h"
#include "tests/src/shell/SchemeServerFixture.h"
#include "tests/support/BadInput.h"

namespace {

using hemr_test::Captions;
using hemr_test::ClickListItem;

constexpr char kC3 = '\3';

class Hemr07SchemeTest : public hemr_test::Hemr07Test {
protected:
    void SetUp() override {
        Hemr07Test::SetUp();
        server = std::make_unique<hemr_test::TSchemeServer>(Server() + "appserver");
    }
    void TearDown() override {
        Hemr07Test::TearDown();
        server.reset();
    }

    // The HEMR07 form on the server's own session, shown.
    hemr::TfrmHemr07* SchemeForm() {
        auto* form = NewForm<hemr::TfrmHemr07>();
        form->SetSessionObject(server->Session());
        EXPECT_TRUE(form->InitForm(hemr_test::FullParams())) << DialogTexts();
        form->Show();
        return form;
    }

    // Acts on the scheme dialog as the user, once it opens.
    void OnSchemeDialog(std::function<void(hemr::TfrmGeneCondition&)> act) {
        rt::Application().SetModalDriver([act](rt::TCustomForm& f) {
            auto* dialog = dynamic_cast<hemr::TfrmGeneCondition*>(&f);
            ASSERT_NE(dialog, nullptr) << f.Name();
            act(*dialog);
        });
    }

    static void TypeName(hemr::TfrmGeneCondition& d, const std::string& name) {
        d.edConName->SetFocus();
        rt::Input().TypeText(name);
    }

    // Focuses a spin and types over its text.
    static void TypeSpin(rt::TSpinEdit* spin, const std::string& text) {
        spin->SetFocus();
        spin->SelectAll();
        rt::Input().TypeText(text);
    }

    static void PickDown(rt::TComboBox* list, int times) {
        list->SetFocus();
        for (int i = 0; i < times; ++i) Press(rt::VK_DOWN);
    }

    // The stored values line of `item` in the first stored scheme.
    std::string StoredLine(const std::string& item, int scheme = 0) const {
        const rt::Variant rows = server->Schemes();
        std::string properties = rt::VarToStr(rows[scheme][4]);
        std::string values = rt::VarToStr(rows[scheme][5]);
        for (;;) {
            const size_t semi = properties.find(';');
            const size_t end = values.find("\r\n");
            if (semi == std::string::npos || end == std::string::npos) return "<missing " + item + ">";
            if (properties.substr(0, semi) == item) return values.substr(0, end);
            properties.erase(0, semi + 1);
            values.erase(0, end + 2);
        }
    }

    void ClickToolButton(rt::TControl* button) { rt::Input().Click(button); }
    rt::TControl* Tool(hemr::TfrmHemr07* form, const char* name) {
        return static_cast<rt::TControl*>(form->FindComponent(name));
    }

    // Message texts come padded with blanks for the dialog's width.
    static std::string DialogText(size_t i) {
        return i < DialogCount() ? rt::Trim(Dialogs().Dialogs()[i].Text) : std::string("<no dialog>");
    }

    std::unique_ptr<hemr_test::TSchemeServer> server;
};

TEST_F(Hemr07SchemeTest, SavingWithAFirstOfLastMonthRuleStoresTheMovedDateAndOpeningRestoresItAndTheBrackets) {
    hemr::TfrmHemr07* form = SchemeForm();
    TypeInto(form->ed03, "20240618");
    TypeInto(form->ed05, "25");
    Press(rt::VK_TAB);
    ASSERT_EQ(form->edA[0]->GetText(), "25");

    std::vector<std::string> offered;
    OnSchemeDialog([&](hemr::TfrmGeneCondition& d) {
        for (int i = 0; i < d.cbodatecondition->Items()->Count(); ++i)
            offered.push_back(d.cbodatecondition->Items()->Strings(i));
        EXPECT_TRUE(d.gbDateFields->Enabled());
        EXPECT_FALSE(d.pnSp->Visible()) << "ed03 is a single date";
        TypeName(d, "月初统计");
        rt::Input().Click(d.edSetDate);
        TypeSpin(d.seSetDay1, "-1");
        PickDown(d.cboSetDay1, 1);
        PickDown(d.cboSetDay2, 1);
        EXPECT_FALSE(d.seSetDay2->Enabled()) << "a first-day rule takes no days";
        rt::Input().Click(d.btnOk);
    });
    rt::Input().Click(Tool(form, "btnInsert"));
    EXPECT_EQ(offered, std::vector<std::string>{"统计日期"}) << "only the program's own date field, by its caption";

    const rt::Variant rows = server->Schemes();
    ASSERT_EQ(rows.ElementCount(), 1) << DialogTexts();
    EXPECT_EQ(rt::VarToStr(rows[0][0]), "月初统计");
    EXPECT_EQ(rt::VarToStr(rows[0][3]), "20240307") << "created today";
    EXPECT_EQ(rt::VarToStr(rows[0][4]), form->PropertyList());
    EXPECT_EQ(StoredLine("ed03.text"), "20240501") << "2024/06/18, one month back, first day";
    EXPECT_EQ(StoredLine("ed05.text"), "25");
    EXPECT_EQ(StoredLine("edPrintDate.text"), "<missing edPrintDate.text>") << "the system page is not saved";
    EXPECT_EQ(Captions(*form->lstCondition), std::vector<std::string>{"月初统计"});
    EXPECT_EQ(form->lstCondition->Items()->Item(0)->SubItems()->Strings(0), "2024/03/07");

    TypeInto(form->ed03, "20241231");
    TypeInto(form->ed05, "40");
    Press(rt::VK_TAB);
    ASSERT_EQ(form->edA[0]->GetText(), "40");
    ClickListItem(*form->lstCondition, 0);
    rt::Input().Click(Tool(form, "btnOpen"));
    EXPECT_EQ(form->ed03->GetText(), "2024/05/01") << "the stored date in the user's layout";
    EXPECT_EQ(form->ed05->GetText(), "25");
    EXPECT_EQ(form->edA[0]->GetText(), "25") << "the row below follows its upper bound again";
    EXPECT_EQ(DialogCount(), 0u) << DialogTexts();
}

TEST_F(Hemr07SchemeTest, ADoubleClickOrThePopUpItemOpensTheSchemeWithoutEditingItsName) {
    hemr::TfrmHemr07* form = SchemeForm();
    ASSERT_EQ(server->Insert("甲", "ed05.text;", "33\r\n"), "");
    form->RefreshSchemeList();
    ClickListItem(*form->lstCondition, 0);
    hemr_test::DoubleClickListItem(*form->lstCondition, 0);
    EXPECT_EQ(form->ed05->GetText(), "33");
    EXPECT_FALSE(form->lstCondition->IsEditing()) << "the double click takes back the edit its first click opened";
    EXPECT_EQ(Captions(*form->lstCondition), std::vector<std::string>{"甲"});

    TypeInto(form->ed05, "44");
    static_cast<rt::TMenuItem*>(form->FindComponent("muOpen"))->Click();
    EXPECT_EQ(form->ed05->GetText(), "33") << "the pop-up item 开启(&O) opens it too";
}

TEST_F(Hemr07SchemeTest, ADateAPanelAndAComboWithoutTheNamedPropertyComeBackAndAnItemWithoutADotKeepsTheLinesAligned) {
    hemr::TfrmHemr07* form = SchemeForm();
    auto* combo = static_cast<rt::TComboBox*>(form->FindComponent("cboDateType"));
    TypeInto(form->ed03, "20240618");
    form->sp01->BeginEdit()->SetText("01");
    form->sp01->EndEdit()->SetText("02");
    combo->SetItemIndex(2);
    // No date rule: the date environment holds the field's entry without one.
    form->DateEnvironment().Clear();
    form->DateEnvironment().Add(std::string("1\3ed03\3N\3" "0\3" "0\3" "0\3" "0\3D"));
    const std::string list = "ed03.Text;nodot;sp01.Style;cboDateType.Nothing;";
    ASSERT_TRUE(form->SaveConditionValues(list, "三项", false));
    const rt::Variant rows = server->Schemes();
    ASSERT_EQ(rows.ElementCount(), 1);
    EXPECT_EQ(rt::VarToStr(rows[0][5]), std::string("20240618\r\n\r\nsp_UserChoice") + kC3 + "True" + kC3 + "01" +
                                            kC3 + "02\r\n2\r\n")
        << "the date as YYYYMMDD, an empty line for the item without a dot, the combo's item index";

    TypeInto(form->ed03, "20200101");
    form->sp01->BeginEdit()->SetText("03");
    combo->SetItemIndex(0);
    form->RefreshSchemeList();
    ClickListItem(*form->lstCondition, 0);
    rt::Input().Click(Tool(form, "btnOpen"));
    EXPECT_EQ(form->ed03->GetText(), "2024/06/18");
    EXPECT_EQ(form->sp01->BeginEdit()->GetText(), "01");
    EXPECT_EQ(form->sp01->EndEdit()->GetText(), "02");
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_EQ(DialogCount(), 0u) << "the item without a dot is skipped quietly: " << DialogTexts();
}

TEST_F(Hemr07SchemeTest, AValueThatDoesNotReadOrAControlTheFormLacksOpensPartlyWithMessage200235) {
    hemr::TfrmHemr07* form = SchemeForm();
    ASSERT_EQ(server->Insert("坏", "ed05.text;cboDateType.ItemIndex;ed03.text;", "33\r\nx\r\n20240101\r\n"), "");
    ASSERT_EQ(server->Insert("别的", "edOther.text;ed03.text;", "abc\r\n20240101\r\n"), "");
    form->RefreshSchemeList();
    ASSERT_EQ(Captions(*form->lstCondition), (std::vector<std::string>{"别的", "坏"}));

    ClickListItem(*form->lstCondition, 1);
    rt::Input().Click(Tool(form, "btnOpen"));
    EXPECT_EQ(form->ed05->GetText(), "33") << "restored before the failure";
    EXPECT_EQ(form->ed03->GetText(), "2024/03/07") << "not reached";
    ASSERT_EQ(DialogCount(), 1u) << DialogTexts();
    EXPECT_EQ(DialogText(0), "方案内容与目前的条件画面不符, 部分条件未能开启!");

    ClickListItem(*form->lstCondition, 0);
    rt::Input().Click(Tool(form, "btnOpen"));
    EXPECT_EQ(form->ed03->GetText(), "2024/01/01") << "what this form has still opens";
    EXPECT_EQ(DialogCount(), 2u) << "and the user learns that it opened only partly";
    test_support::BadInput("form inputs", "a stored scheme with an unreadable value or a control the form lacks",
                           "opens partly with message 200235");
}

TEST_F(Hemr07SchemeTest, RenamingChecksTheNameAndChangesOnlyWhatTheServerChanged) {
    hemr::TfrmHemr07* form = SchemeForm();
    ASSERT_EQ(server->Insert("方案A", "ed05.text;", "33\r\n"), "");
    ASSERT_EQ(server->Insert("方案B", "ed05.text;", "44\r\n"), "");
    form->RefreshSchemeList();
    rt::TListView& list = *form->lstCondition;
    auto rename = [&](int item, const std::string& text) {
        ClickListItem(list, item);
        if (!list.IsEditing()) ClickListItem(list, item);
        ASSERT_TRUE(list.IsEditing()) << "a click on the selected scheme edits its name";
        rt::Input().TypeText(text);
        Press(rt::VK_RETURN);
    };
    struct Refusal {
        std::string name, message;
    };
    for (const Refusal& r : {Refusal{" ", "方案名不可空白!"}, Refusal{"一二三四五六七八九十A", "方案名长度不可大于20!"},
                             Refusal{"方案B", "此方案名称已经存在！"}}) {
        SCOPED_TRACE(r.name);
        Dialogs().Reset();
        rename(0, r.name);
        ASSERT_EQ(DialogCount(), 1u);
        EXPECT_EQ(DialogText(0), r.message);
        EXPECT_EQ(Captions(list), (std::vector<std::string>{"方案A", "方案B"})) << "the caption stays";
    }
    Dialogs().Reset();
    rename(0, "一二三四五六七八九十");
    EXPECT_EQ(DialogCount(), 0u) << DialogTexts();
    EXPECT_EQ(rt::VarToStr(server->Schemes()[0][0]), "一二三四五六七八九十") << "twenty bytes are allowed";
    EXPECT_EQ(Captions(list)[0], "一二三四五六七八九十");

    // Behind the form's back the scheme goes: renaming it to its own name asks the server nothing.
    ASSERT_EQ(server->Delete("方案B"), "");
    rename(1, "方案B");
    EXPECT_EQ(DialogCount(), 0u) << "the same name calls no server operation: " << DialogTexts();
    rename(1, "方案C");
    ASSERT_EQ(DialogCount(), 2u) << "the refusal and the server's text";
    EXPECT_EQ(DialogText(0), "更改方案名失败!");
    EXPECT_EQ(DialogText(1), "方案不存在: 方案B.");
    EXPECT_EQ(Captions(list)[1], "方案B") << "the list stays as it was";
}

TEST_F(Hemr07SchemeTest, F2OnTheListEditsTheNameAndEscapeCancelsTheEditNotTheForm) {
    hemr::TfrmHemr07* form = SchemeForm();
    ASSERT_EQ(server->Insert("甲", "ed05.text;", "33\r\n"), "");
    form->RefreshSchemeList();
    rt::TListView& list = *form->lstCondition;
    ClickListItem(list, 0);
    Press(rt::VK_F2);
    ASSERT_TRUE(list.IsEditing()) << "F2 on the list is the list's own";
    rt::Input().TypeText("乙");
    Press(rt::VK_ESCAPE);
    EXPECT_FALSE(list.IsEditing());
    EXPECT_TRUE(Alive(form) && form->Visible()) << "Escape ended the edit only";
    EXPECT_EQ(Captions(list), std::vector<std::string>{"甲"});
    EXPECT_EQ(rt::VarToStr(server->Schemes()[0][0]), "甲");

    Press(rt::VK_F2);
    rt::Input().TypeText("乙");
    Press(rt::VK_RETURN);
    EXPECT_EQ(rt::VarToStr(server->Schemes()[0][0]), "乙");
    EXPECT_TRUE(Alive(form) && form->Visible()) << "Enter ended the edit only";
}

TEST_F(Hemr07SchemeTest, DeletingAsksFirstAndARefusalLeavesTheListAsItWas) {
    hemr::TfrmHemr07* form = SchemeForm();
    ASSERT_EQ(server->Insert("方案A", "ed05.text;", "33\r\n"), "");
    ASSERT_EQ(server->Insert("方案B", "ed05.text;", "44\r\n"), "");
    form->RefreshSchemeList();
    ClickListItem(*form->lstCondition, 0);
    Dialogs().QueueAnswer(rt::mrNo);
    rt::Input().Click(Tool(form, "btnDelete"));
    ASSERT_EQ(DialogCount(), 1u) << DialogTexts();
    EXPECT_EQ(DialogText(0), "确实要删除此方案吗？方案A");
    EXPECT_EQ(server->Schemes().ElementCount(), 2) << "No deletes nothing";

    Dialogs().QueueAnswer(rt::mrYes);
    rt::Input().Click(Tool(form, "btnDelete"));
    EXPECT_EQ(server->Schemes().ElementCount(), 1);
    EXPECT_EQ(Captions(*form->lstCondition), std::vector<std::string>{"方案B"});

    ASSERT_EQ(server->Delete("方案B"), "");
    ClickListItem(*form->lstCondition, 0);
    Dialogs().QueueAnswer(rt::mrYes);
    rt::Input().Click(Tool(form, "btnDelete"));
    EXPECT_EQ(DialogText(DialogCount() - 1), "方案不存在: 方案B.") << "the server's refusal is shown";
    EXPECT_EQ(Captions(*form->lstCondition), std::vector<std::string>{"方案B"}) << "and the list stays as it was";
}

TEST_F(Hemr07SchemeTest, ToolButton1CyclesTheViewStylesAndPressedFourTimesReturnsToLargeIcons) {
    hemr::TfrmHemr07* form = SchemeForm();
    const std::vector<rt::TViewStyle> expected = {rt::vsSmallIcon, rt::vsList, rt::vsReport, rt::vsIcon};
    const std::vector<const char*> items = {"ViewSmallIcon", "ViewList", "ViewReport", "ViewIcon"};
    ASSERT_EQ(form->lstCondition->ViewStyle(), rt::vsIcon);
    for (size_t i = 0; i < expected.size(); ++i) {
        rt::Input().Click(Tool(form, "ToolButton1"));
        EXPECT_EQ(form->lstCondition->ViewStyle(), expected[i]) << "press " << i + 1;
        EXPECT_TRUE(static_cast<rt::TMenuItem*>(form->FindComponent(items[i]))->Checked());
    }
    ASSERT_EQ(server->Insert("甲", "ed05.text;", "33\r\n"), "");
    rt::Input().Click(Tool(form, "ToolButton1"));
    form->RefreshSchemeList();
    EXPECT_EQ(form->lstCondition->ViewStyle(), rt::vsSmallIcon) << "refreshing keeps the chosen style";
}

}  // namespace
