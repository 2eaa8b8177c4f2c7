// Converting whole forms: texts by the interface mode, fonts, owner-drawn
// styles and the class-specific work, on the toolkit's own controls and, for
// controls the toolkit lacks, on components reached by name.

#include "src/environment/CodeConverter.h"
#include "src/environment/FormConverter.h"
#include "tests/src/environment/CodeConverterTestSupport.h"

#include "platform/classes/TypInfo.h"
#include "platform/comctrls/TListView.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TForm.h"
#include "platform/forms/TScreen.h"
#include "platform/grids/TStringGrid.h"
#include "platform/lists/TComboBox.h"
#include "platform/lists/TListBox.h"
#include "platform/menus/TPopupMenu.h"
#include "src/controls/SelectPanel.h"
#include "src/controls/TarnListView.h"
#include "src/shell/ModuleClasses.h"

#include <gtest/gtest.h>

#include <set>

namespace hemr_test::converter {
namespace {

using hemr::TCodeConverter;

class ConvertFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        hemr::RegisterModuleClasses();
        rt::Application().DialogDriver().Reset();
    }
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
        combo_ = Make<rt::TComboBox>(form_, "cbo01");
        combo_->Items()->SetText("部门\n员工\n语言");
        combo_->SetItemIndex(2);
        listBox_ = Make<rt::TListBox>(form_, "lst01");
        listBox_->Items()->Add("报表");
        view_ = Make<rt::TListView>(form_, "lv01");
        view_->Columns()->Add()->SetCaption("部门");
        view_->Columns()->Add()->SetCaption("员工");
        rt::TListItem* row = view_->Items()->Add();
        row->SetCaption("统计");
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
    rt::TComboBox* combo_ = nullptr;
    rt::TListBox* listBox_ = nullptr;
    rt::TListView* view_ = nullptr;
    rt::TPopupMenu* menu_ = nullptr;
};

TEST_F(ConvertFormTest, ModeZeroHasNoTranslatorAndChangesNothing) {
    BuildForm();
    TCodeConverter* converter = NewConverter(0);
    EXPECT_EQ(converter->Translator(), nullptr) << "mode 0 needs no conversion library";
    converter->ConvertForm(form_, true);
    EXPECT_EQ(label_->Caption, "部门");
    EXPECT_EQ(view_->Items()->Item(0)->Caption(), "统计");
    EXPECT_EQ(label_->FontPtr()->Name(), rt::TFont::kDefaultName) << "fonts stay in mode 0";
    EXPECT_EQ(combo_->Style(), rt::csDropDown);
    EXPECT_EQ(combo_->ItemIndex(), 2);
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
    EXPECT_EQ(listBox_->Style(), rt::lbOwnerDrawFixed);
    EXPECT_EQ(rt::Screen().HintFont()->Charset(), rt::CHINESEBIG5_CHARSET);
    EXPECT_FALSE(menu_->OwnerDraw()) << "menus are owner-drawn only for a Simplified interface";
}

TEST_F(ConvertFormTest, ModeTwoComboBoxKeepsItsSelectedIndexAndBecomesOwnerDrawn) {
    BuildForm();
    auto* simple = Make<rt::TComboBox>(form_, "cbo02");
    simple->SetStyle(rt::csSimple);
    auto* unselected = Make<rt::TComboBox>(form_, "cbo03");
    unselected->Items()->SetText("部门\n员工");
    NewConverter(2)->ConvertForm(form_, true);
    EXPECT_EQ(combo_->Items()->Strings(0), "部門");
    EXPECT_EQ(combo_->Items()->Strings(2), "語言");
    EXPECT_EQ(combo_->ItemIndex(), 2) << "converting the items must not lose the selection";
    EXPECT_EQ(combo_->Style(), rt::csOwnerDrawFixed);
    EXPECT_EQ(unselected->ItemIndex(), 0) << "a combo box without a selection gets its first item";
    EXPECT_EQ(simple->Style(), rt::csSimple);
    EXPECT_EQ(simple->ItemIndex(), -1) << "an empty combo box has no item to select";
}

TEST_F(ConvertFormTest, ListViewConvertsColumnsItemsAndSubItemsByColumn) {
    BuildForm();
    auto* empty = Make<rt::TListView>(form_, "lv02");
    empty->Columns()->Add()->SetCaption("语言");
    auto* sorted = Make<rt::TListView>(form_, "lv03");
    sorted->Columns()->Add()->SetCaption("员工");
    sorted->SetSortType(rt::stText);
    // Their order changes as the captions turn Traditional: each still converts once.
    for (const char* caption : {"发", "后", "于"}) sorted->Items()->Add()->SetCaption(caption);
    NewConverter(2)->ConvertForm(form_, true);

    EXPECT_EQ(view_->Column(0)->Caption(), "部門");
    EXPECT_EQ(view_->Column(1)->Caption(), "員工");
    const rt::TListItem* row = view_->Items()->Item(0);
    EXPECT_EQ(row->Caption(), "統計");
    EXPECT_EQ(row->SubItems()->Strings(0), "設計");
    EXPECT_EQ(row->SubItems()->Strings(1), "语言") << "only as many sub-items as columns after the first";
    EXPECT_EQ(empty->Column(0)->Caption(), "語言") << "a list view without items still gets its column captions";
    std::multiset<std::string> captions;
    for (int i = 0; i < sorted->Items()->Count(); ++i) captions.insert(sorted->Items()->Item(i)->Caption());
    EXPECT_EQ(captions, (std::multiset<std::string>{"發", "後", "於"}));
}

TEST_F(ConvertFormTest, ModeFourChangesFontsStylesMenusAndTheCaptionButNoText) {
    BuildForm();
    NewConverter(4, "950")->ConvertForm(form_, true);
    EXPECT_EQ(form_->Caption(), "員工報表") << "a Traditional system shows the caption in Big5";
    EXPECT_EQ(label_->Caption, "部门");
    EXPECT_EQ(view_->Column(0)->Caption(), "部门");
    EXPECT_EQ(view_->Items()->Item(0)->SubItems()->Strings(0), "设计");
    EXPECT_EQ(combo_->Items()->Strings(0), "部门");
    EXPECT_EQ(label_->FontPtr()->Name(), "SimSun");
    EXPECT_EQ(label_->FontPtr()->Charset(), rt::GB2312_CHARSET);
    EXPECT_EQ(rt::Screen().MenuFont()->Charset(), rt::GB2312_CHARSET);
    EXPECT_EQ(combo_->Style(), rt::csOwnerDrawFixed);
    EXPECT_EQ(combo_->ItemIndex(), 2);
    EXPECT_EQ(listBox_->Style(), rt::lbOwnerDrawFixed);
    EXPECT_TRUE(menu_->OwnerDraw());
}

TEST_F(ConvertFormTest, SelectPanelTabSetStatusBarAndNavigatorTexts) {
    BuildForm();
    auto* panel = Make<hemr::TSelectPanel>(form_, "sp01");
    rt::TStringList words;
    words.SetText("部门\n员工");
    panel->SetChildHints(&words);
    words.SetText("起\n统计");
    panel->SetBeginWords(&words);
    words.SetText("止\n设计");
    panel->SetFinalWords(&words);
    panel->SetHintWord("区间选择");
    panel->Columns()->Add()->SetCaption("部门");
    panel->Columns()->Add()->SetCaption("员工");
    rt::TListItem* row = panel->Items()->Add();
    row->SetCaption("员工");
    row->SubItems()->Add("统计");
    auto* bar = Make<TCcStatusBar>(form_, "sb01");
    AddItem(bar->Panels(), "语言");
    auto* navigator = Make<TDBNavigator>(form_, "nav01");
    navigator->Hints()->SetText("设计\n报表");
    NewConverter(2)->ConvertForm(form_, true);

    EXPECT_EQ(panel->ChildHints()->Strings(1), "員工");
    EXPECT_EQ(panel->BeginWords()->Strings(1), "統計");
    EXPECT_EQ(panel->FinalWords()->Strings(1), "設計");
    EXPECT_EQ(panel->HintWord(), "區間選擇");
    EXPECT_EQ(panel->ItemList()->Column(0)->Caption(), "部門") << "the embedded list view";
    EXPECT_EQ(panel->ItemList()->Items()->Item(0)->Caption(), "員工");
    EXPECT_EQ(panel->ItemList()->Items()->Item(0)->SubItems()->Strings(0), "統計");
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
    BuildForm();
    auto* tree = Make<TCustomTreeView>(form_, "tv01");
    AddItem(tree->Items(), "部门");
    auto* grid = Make<rt::TStringGrid>(form_, "sg01");
    grid->SetColCount(2);
    grid->SetRowCount(2);
    grid->SetCells(0, 0, "部门");
    grid->SetCells(1, 1, "员工");
    TCodeConverter* converter = NewConverter(2);
    converter->ConvertForm(form_, false);
    EXPECT_EQ(tree->Node(0)->Text, "部门");
    EXPECT_EQ(grid->Cells(0, 0), "部门");

    converter->ConvertForm(form_, true);
    EXPECT_EQ(tree->Node(0)->Text, "部門");
    EXPECT_EQ(grid->Cells(0, 0), "部門") << "fixed cells hold the headings";
    EXPECT_EQ(grid->Cells(1, 1), "員工");
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
    EXPECT_EQ(dialog->FontName, "SimSun");
    EXPECT_EQ(dialog->FontCharset, rt::GB2312_CHARSET);
    EXPECT_EQ(form_->WindowState(), rt::wsNormal) << "a minimised owner is restored first";

    EXPECT_EQ(converter->ShowMessageDialog("", rt::mtError, {rt::mbOK}), 0);
    EXPECT_EQ(rt::Application().DialogDriver().Dialogs().size(), 1u) << "an empty message shows nothing";
}

TEST_F(ConvertFormTest, MessageDialogOnTraditionalCodePagesIsNotPaddedAndTakesTheBig5Font) {
    BuildForm();
    TCodeConverter::TSettings settings;
    settings.SystemCodePage = "950";
    settings.UICodePage = "950";
    settings.UIConvertMode = 2;
    TCodeConverter converter(form_, settings);
    converter.ShowMessageDialog("失敗", rt::mtWarning, {rt::mbOK});
    const rt::TDialogRecord* dialog = rt::Application().DialogDriver().LastDialog();
    EXPECT_EQ(dialog->Text, "失敗");
    EXPECT_EQ(dialog->FontCharset, rt::CHINESEBIG5_CHARSET);
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
