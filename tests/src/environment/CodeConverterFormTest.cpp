// Converting whole forms: texts by the interface mode, fonts, owner-drawn
// styles and the class-specific work, on components reached by name.

#include "src/environment/CodeConverter.h"
#include "src/environment/FormConverter.h"
#include "tests/src/environment/CodeConverterTestSupport.h"

#include "platform/classes/TypInfo.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TForm.h"
#include "platform/forms/TScreen.h"
#include "platform/lists/TComboBox.h"
#include "platform/menus/TPopupMenu.h"

#include <gtest/gtest.h>

namespace hemr_test::converter {
namespace {

using hemr::TCodeConverter;

class ConvertFormTest : public ::testing::Test {
protected:
    void SetUp() override { rt::Application().DialogDriver().Reset(); }
    void TearDown() override {
        if (form_ != nullptr) form_->Free();
        rt::Application().DialogDriver().Reset();
    }

    // A form with one of every kind of component, in Simplified Chinese.
    void BuildForm() {
        form_ = new rt::TForm(&rt::Application());
        form_->AfterConstruction();
        form_->SetCaption("员工报表");
        form_->SetHint("设计");
        label_ = Make<TCcLabel>(form_, "lbl01");
        label_->Caption = "部门";
        label_->Hint = "统计日期";
        combo_ = Make<TCustomComboBox>(form_, "cbo01");
        combo_->Items()->SetText("部门\n员工\n语言");
        combo_->ItemIndex = 2;
        listBox_ = Make<TCustomListBox>(form_, "lst01");
        listBox_->Items()->Add("报表");
        view_ = Make<TCustomListView>(form_, "lv01");
        AddItem(view_->Columns(), "部门");
        AddItem(view_->Columns(), "员工");
        TCcTextItem* row = AddItem(view_->Items(), "统计");
        row->SubItems()->Add("设计");
        row->SubItems()->Add("语言");
        menu_ = Make<rt::TPopupMenu>(form_, "pmMain");
    }

    TCodeConverter* NewConverter(uint8_t uiMode, const std::string& systemCodePage = "936") {
        TCodeConverter::TSettings settings;
        settings.SystemCodePage = systemCodePage;
        settings.UICodePage = uiMode == 2 ? "950" : "936";
        settings.UIConvertMode = uiMode;
        return new TCodeConverter(form_, settings);
    }

    rt::TForm* form_ = nullptr;
    TCcLabel* label_ = nullptr;
    TCustomComboBox* combo_ = nullptr;
    TCustomListBox* listBox_ = nullptr;
    TCustomListView* view_ = nullptr;
    rt::TPopupMenu* menu_ = nullptr;
};

TEST_F(ConvertFormTest, ModeZeroHasNoTranslatorAndChangesNothing) {
    BuildForm();
    TCodeConverter* converter = NewConverter(0);
    EXPECT_EQ(converter->Translator(), nullptr) << "mode 0 needs no conversion library";
    converter->ConvertForm(form_, true);
    EXPECT_EQ(label_->Caption, "部门");
    EXPECT_EQ(label_->FontPtr()->Name(), rt::TFont::kDefaultName) << "fonts stay in mode 0";
    EXPECT_EQ(combo_->Style(), csDropDown);
    EXPECT_EQ(combo_->ItemIndex, 2);
    EXPECT_FALSE(menu_->OwnerDraw());
}

TEST_F(ConvertFormTest, ModeTwoConvertsTextsToTraditionalAndFontsToBig5) {
    BuildForm();
    TCodeConverter* converter = NewConverter(2);
    ASSERT_NE(converter->Translator(), nullptr);
    converter->ConvertForm(form_, true);

    EXPECT_EQ(form_->Caption(), "员工报表") << "the caption converts only on a Traditional system";
    EXPECT_EQ(form_->Hint(), "設計");
    EXPECT_EQ(label_->Caption, "部門");
    EXPECT_EQ(label_->Hint, "統計日期");
    EXPECT_EQ(label_->FontPtr()->Name(), "SimSun");
    EXPECT_EQ(label_->FontPtr()->Charset(), rt::CHINESEBIG5_CHARSET);
    EXPECT_EQ(label_->TitleFontPtr()->Charset(), rt::CHINESEBIG5_CHARSET);
    EXPECT_EQ(listBox_->Items()->Strings(0), "報表");
    EXPECT_EQ(listBox_->Style, lbOwnerDrawFixed);
    EXPECT_EQ(rt::Screen().HintFont()->Charset(), rt::CHINESEBIG5_CHARSET);
    EXPECT_FALSE(menu_->OwnerDraw()) << "menus are owner-drawn only for a Simplified interface";
}

TEST_F(ConvertFormTest, ModeTwoComboBoxKeepsItsSelectedIndexAndBecomesOwnerDrawn) {
    BuildForm();
    NewConverter(2)->ConvertForm(form_, true);
    EXPECT_EQ(combo_->Items()->Strings(0), "部門");
    EXPECT_EQ(combo_->Items()->Strings(2), "語言");
    EXPECT_EQ(combo_->ItemIndex, 2) << "converting the items must not lose the selection";
    EXPECT_EQ(combo_->Style(), csOwnerDrawFixed);
}

TEST_F(ConvertFormTest, ToolkitComboBoxIsRecognisedByItsOwnClassName) {
    BuildForm();
    auto* combo = Make<rt::TComboBox>(form_, "cbo03");
    combo->Items()->SetText("部门\n员工");
    combo->SetItemIndex(1);
    NewConverter(2)->ConvertForm(form_, true);
    EXPECT_EQ(combo->Items()->Strings(1), "員工");
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(combo->Style(), rt::csOwnerDrawFixed);
}

TEST_F(ConvertFormTest, ComboBoxWithoutSelectionGetsTheFirstItemAndSimpleStyleStays) {
    BuildForm();
    combo_->ItemIndex = -1;
    auto* simple = Make<TCustomComboBox>(form_, "cbo02");
    simple->SetStyle(csSimple);
    NewConverter(2)->ConvertForm(form_, true);
    EXPECT_EQ(combo_->ItemIndex, 0);
    EXPECT_EQ(simple->Style(), csSimple);
    EXPECT_EQ(simple->ItemIndex, -1) << "an empty combo box has no item to select";
}

TEST_F(ConvertFormTest, ListViewConvertsColumnsItemsAndSubItemsByColumn) {
    BuildForm();
    auto* empty = Make<TCustomListView>(form_, "lv02");
    AddItem(empty->Columns(), "语言");
    NewConverter(2)->ConvertForm(form_, true);
    EXPECT_EQ(view_->Column(0)->Caption, "部門");
    EXPECT_EQ(view_->Column(1)->Caption, "員工");
    EXPECT_EQ(view_->Item(0)->Caption, "統計");
    EXPECT_EQ(view_->Item(0)->SubItems()->Strings(0), "設計");
    EXPECT_EQ(view_->Item(0)->SubItems()->Strings(1), "语言") << "only as many sub-items as columns after the first";
    EXPECT_EQ(empty->Column(0)->Caption, "語言") << "a list view without items still gets its column captions";
}

TEST_F(ConvertFormTest, ModeFourChangesFontsStylesMenusAndTheCaptionButNoText) {
    BuildForm();
    NewConverter(4, "950")->ConvertForm(form_, true);
    EXPECT_EQ(form_->Caption(), "員工報表") << "a Traditional system shows the caption in Big5";
    EXPECT_EQ(label_->Caption, "部门");
    EXPECT_EQ(view_->Column(0)->Caption, "部门");
    EXPECT_EQ(combo_->Items()->Strings(0), "部门");
    EXPECT_EQ(label_->FontPtr()->Name(), "SimSun");
    EXPECT_EQ(label_->FontPtr()->Charset(), rt::GB2312_CHARSET);
    EXPECT_EQ(rt::Screen().MenuFont()->Charset(), rt::GB2312_CHARSET);
    EXPECT_EQ(combo_->Style(), csOwnerDrawFixed);
    EXPECT_EQ(combo_->ItemIndex, 2);
    EXPECT_EQ(listBox_->Style, lbOwnerDrawFixed);
    EXPECT_TRUE(menu_->OwnerDraw());
}

TEST_F(ConvertFormTest, SelectPanelTabSetStatusBarAndNavigatorTexts) {
    BuildForm();
    auto* panel = Make<TSelectPanel>(form_, "sp01");
    panel->ChildHints()->SetText("部门\n员工");
    panel->BeginWords()->SetText("起\n统计");
    panel->FinalWords()->SetText("止\n设计");
    panel->HintWord = "区间选择";
    AddItem(panel->Columns(), "部门");
    AddItem(panel->Items(), "员工");
    auto* bar = Make<TCcStatusBar>(form_, "sb01");
    AddItem(bar->Panels(), "语言");
    auto* navigator = Make<TDBNavigator>(form_, "nav01");
    navigator->Hints()->SetText("设计\n报表");
    NewConverter(2)->ConvertForm(form_, true);

    EXPECT_EQ(panel->ChildHints()->Strings(1), "員工");
    EXPECT_EQ(panel->BeginWords()->Strings(1), "統計");
    EXPECT_EQ(panel->FinalWords()->Strings(1), "設計");
    EXPECT_EQ(panel->HintWord, "區間選擇");
    EXPECT_EQ(panel->Column(0)->Caption, "部門");
    EXPECT_EQ(panel->Item(0)->Caption, "員工");
    EXPECT_EQ(static_cast<TCcTextItem*>(bar->Panels()->Items(0))->Text, "語言");
    EXPECT_EQ(navigator->Hints()->Strings(1), "報表");
}

TEST_F(ConvertFormTest, TabSetIsConvertedOnlyForASimplifiedInterfaceAndKeepsItsIndex) {
    BuildForm();
    auto* tabs = Make<TTabSet>(form_, "ts01");
    tabs->Tabs()->SetText("部門\n員工");
    tabs->TabIndex = 1;
    NewConverter(2)->ConvertForm(form_, true);
    EXPECT_EQ(tabs->Tabs()->Strings(0), "部門");
    EXPECT_EQ(tabs->TabIndex, 1);
}

TEST_F(ConvertFormTest, TreeViewsAndGridsOnlyWhenTheWholeFormIsConverted) {
    hemr::RegisterConvertWalker("TStringGrid", [](rt::TComponent* grid, const TCodeConverter& converter, int kind) {
        for (std::string& cell : static_cast<TStringGrid*>(grid)->Cells) cell = converter.ConvertText(kind, cell);
    });
    BuildForm();
    auto* tree = Make<TCustomTreeView>(form_, "tv01");
    AddItem(tree->Items(), "部门");
    auto* grid = Make<TStringGrid>(form_, "sg01");
    TCodeConverter* converter = NewConverter(2);
    converter->ConvertForm(form_, false);
    EXPECT_EQ(tree->Node(0)->Text, "部门");
    EXPECT_EQ(grid->Cells[0], "部门");

    converter->ConvertForm(form_, true);
    EXPECT_EQ(tree->Node(0)->Text, "部門");
    EXPECT_EQ(grid->Cells[0], "部門");
    EXPECT_EQ(grid->Cells[1], "員工");
    hemr::UnregisterConvertWalker("TStringGrid");
}

TEST_F(ConvertFormTest, MessageDialogPadsChineseTextAndTakesTheFormCaption) {
    BuildForm();
    form_->SetWindowState(rt::wsMinimized);
    TCodeConverter* converter = NewConverter(0);
    rt::Application().DialogDriver().QueueAnswer(rt::mrRetry);
    const int answer = converter->ShowMessageDialog("下载失败", rt::mtError, {rt::mbAbort, rt::mbRetry});
    EXPECT_EQ(answer, rt::mrRetry);
    const rt::TDialogRecord* dialog = rt::Application().DialogDriver().LastDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->Text, "下载失败      ") << "exactly six blanks for code page 936";
    EXPECT_EQ(dialog->Caption, "员工报表");
    EXPECT_EQ(dialog->Kind, rt::mtError);
    ASSERT_EQ(dialog->Buttons.size(), 2u);
    EXPECT_EQ(dialog->Buttons[0].Result, rt::mrAbort);
    EXPECT_EQ(dialog->DefaultButton, "Retry");
    EXPECT_EQ(form_->WindowState(), rt::wsNormal) << "a minimised owner is restored first";

    EXPECT_EQ(converter->ShowMessageDialog("", rt::mtError, {rt::mbOK}), 0);
    EXPECT_EQ(rt::Application().DialogDriver().Dialogs().size(), 1u) << "an empty message shows nothing";
}

TEST_F(ConvertFormTest, MessageDialogOnTraditionalCodePagesIsNotPadded) {
    BuildForm();
    TCodeConverter::TSettings settings;
    settings.SystemCodePage = "950";
    settings.UICodePage = "950";
    TCodeConverter converter(form_, settings);
    converter.ShowMessageDialog("失敗", rt::mtWarning, {rt::mbOK});
    EXPECT_EQ(rt::Application().DialogDriver().LastDialog()->Text, "失敗");
}

TEST(CodeConverterComponent, DesignTypeIsPublishedWithClientAsDefault) {
    TCodeConverter converter(nullptr, TCodeConverter::TSettings{});
    const rt::TPropInfo* info = rt::GetPropInfo(&converter, "DesignType");
    ASSERT_NE(info, nullptr);
    EXPECT_TRUE(rt::IsDefaultValue(&converter, *info)) << "dtClient is not written to form files";
    rt::SetEnumProp(&converter, "DesignType", "dtServer");
    EXPECT_EQ(converter.DesignType(), hemr::dtServer);
    EXPECT_EQ(converter.UICodePage(), "936") << "a streamed DesignType does not reload the configuration";
}

}  // namespace
}  // namespace hemr_test::converter
