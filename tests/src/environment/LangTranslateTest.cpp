#include "tests/src/environment/LangTestSupport.h"

#include "platform/classes/IdentText.h"
#include "platform/comctrls/TListView.h"
#include "platform/graphics/Colors.h"
#include "src/environment/LangCommon.h"
#include "src/environment/LanguageController.h"
#include "src/environment/LangPropertyPath.h"

namespace hemr_test {
namespace {

using hemr::TLanguageController;

// A form with a label, a combo box, a memo and a list view, translated from
// XML text held by a controller.
class LangTranslateTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<TDataModule>(nullptr);
        form->SetName("frmTest");
        label = Make<TLangLabel>(form.get(), "lbl01");
        combo = Make<TCustomComboBox>(form.get(), "cbo01");
        memo = Make<TLangMemo>(form.get(), "mem01");
        list = Make<TCustomListView>(form.get(), "lv01");
        controller = Make<TLanguageController>(form.get(), "LangController");
        combo->Items()->Add("甲");
        combo->Items()->Add("乙");
        combo->ItemIndex = 1;
        static_cast<TLangColumn*>(list->Columns()->Add())->Caption = "名称";
    }

    void Translate(const std::string& xml) {
        controller->XMLText()->SetText(xml);
        controller->SetActive(true);
        controller->Reader().ReadComponent(form.get());
    }

    std::unique_ptr<TDataModule> form;
    TLangLabel* label = nullptr;
    TCustomComboBox* combo = nullptr;
    TLangMemo* memo = nullptr;
    TCustomListView* list = nullptr;
    TLanguageController* controller = nullptr;
};

TEST_F(LangTranslateTest, CaptionsHintsFontsAndAnyPublishedProperty) {
    Translate("<frmTest Caption=\"Age report\"><Page><lbl01 Caption=\"Company\" Hint=\"Pick one\" Width=\"80\""
              " Visible=\" False \" Alignment=\"taCenter\" Color=\"clRed\" Font.Name=\"Tahoma\" Font.Charset=\"134\""
              " Font.Style=\" [fsBold, fsItalic] \"/></Page></frmTest>");
    EXPECT_EQ(form->Caption, "Age report") << "the document element applies to the form";
    EXPECT_EQ(label->Caption, "Company");
    EXPECT_EQ(label->Hint, "Pick one");
    EXPECT_EQ(label->Width, 80);
    EXPECT_FALSE(label->Visible) << "enumerations are trimmed first";
    EXPECT_EQ(label->Alignment, taCenter);
    EXPECT_EQ(label->Color, rt::clRed) << "colour names become numbers";
    EXPECT_EQ(label->FontPtr()->Name(), "Tahoma") << "dotted paths follow sub-objects";
    EXPECT_EQ(label->FontPtr()->Charset(), 134);
    EXPECT_TRUE(label->FontPtr()->Style().Contains(rt::fsItalic)) << "sets are trimmed first";
}

TEST_F(LangTranslateTest, BadAssignmentsAreSkippedAndTheRestApplied) {
    label->Caption = "公司";
    Translate("<frmTest><lbl01 Width=\"wide\" Alignment=\"taNowhere\" NoSuchProp=\"1\" Font.NoSuch=\"x\""
              " Font_2.Name=\"y\" Caption=\"Company\" Hint.Deep=\"z\"/></frmTest>");
    EXPECT_EQ(label->Width, 10) << "a value that does not convert leaves the width";
    EXPECT_EQ(label->Alignment, taLeftJustify);
    EXPECT_EQ(label->FontPtr()->Name(), rt::TFont().Name()) << "an index on a non-list segment abandons the path";
    EXPECT_EQ(label->Caption, "Company") << "later attributes still apply";
}

TEST_F(LangTranslateTest, ListLinesAreAppendedAndTheSelectionKept) {
    Translate("<frmTest><cbo01 Items_5=\"Sixth\" Items_0=\"First\"/><mem01 Lines_0=\"Line\" Lines=\"whole\"/>"
              "</frmTest>");
    ASSERT_EQ(combo->Items()->Count(), 6) << "three empty lines are appended before the sixth";
    EXPECT_EQ(combo->Items()->Strings(0), "First");
    EXPECT_EQ(combo->Items()->Strings(1), "乙");
    EXPECT_EQ(combo->Items()->Strings(4), "");
    EXPECT_EQ(combo->Items()->Strings(5), "Sixth");
    EXPECT_EQ(combo->ItemIndex, 1) << "the combo box keeps its selected item";
    ASSERT_EQ(memo->Lines()->Count(), 1) << "a list without an index is not assigned";
    EXPECT_EQ(memo->Lines()->Strings(0), "Line");
}

TEST_F(LangTranslateTest, ListViewColumnsByIndex) {
    Translate("<frmTest><lv01 Columns_0.Caption=\"Name\" Columns_0.Width=\"120\" Columns_1.Caption=\"Age\"/>"
              "</frmTest>");
    EXPECT_EQ(list->Column(0)->Caption, "Name");
    EXPECT_EQ(list->Column(0)->Width, 120);
    EXPECT_EQ(list->Columns()->Count(), 1) << "no column is added";
    EXPECT_EQ(list->Caption, "") << "an index out of range changes nothing, not the view itself";
}

TEST_F(LangTranslateTest, RealListViewItemsAndColumnsByIndex) {
    auto* view = Make<rt::TListView>(form.get(), "lv02");
    view->Columns()->Add()->SetCaption("公司");
    view->Items()->Add()->SetCaption("甲");
    view->Items()->Add()->SetCaption("乙");
    Translate("<frmTest><lv02 Columns_0.Caption=\"Company\" Items_1.Caption=\"Second\" Items_2.Caption=\"Third\"/>"
              "</frmTest>");
    EXPECT_EQ(view->Column(0)->Caption(), "Company");
    EXPECT_EQ(view->Items()->Item(0)->Caption(), "甲") << "only the named item changes";
    EXPECT_EQ(view->Items()->Item(1)->Caption(), "Second") << "the toolkit's item list is reached by index";
    EXPECT_EQ(view->Items()->Count(), 2) << "an item out of range is not added";
}

TEST_F(LangTranslateTest, ExcludedComponentKeepsItsTextsButItsChildrenAreTranslated) {
    auto* inner = Make<TLangLabel>(label, "lbl02");
    rt::TStringList names;
    names.Add("  LBL01 ");
    controller->SetExcludeControls(&names);
    Translate("<frmTest><lbl01 Caption=\"Company\"/><lbl02 Caption=\"Inner\"/></frmTest>");
    EXPECT_EQ(label->Caption, "") << "names compare trimmed and ignoring case";
    EXPECT_EQ(inner->Caption, "Inner");
    controller->SetExcludeControls(nullptr);
    EXPECT_EQ(controller->Reader().ExcludeControls().Count(), 0) << "the open reader's list is replaced too";
}

TEST_F(LangTranslateTest, LoadEventsSeeEachComponentAndItsElement) {
    struct Recorder : rt::TObject {
        std::vector<std::string> seen;
        void Before(rt::TComponent* c, pugi::xml_node n) { seen.push_back(c->Name() + ":" + n.name()); }
    } recorder;
    controller->BeforeLoadComponent = hemr::TLoadComponentEvent::Of<&Recorder::Before>(&recorder);
    Translate("<frmTest><lbl01 Caption=\"x\"/><lv01/></frmTest>");
    EXPECT_EQ(recorder.seen, (std::vector<std::string>{"frmTest:frmTest", "frmTest:frmTest", "lbl01:lbl01", "lv01:lv01"}))
        << "the form by the document element and by its name, then its components in order";
}


bool CursorIdent(std::string_view ident, int64_t& value) {
    if (!rt::SameName(ident, "crHourGlass")) return false;
    value = -11;
    return true;
}

TEST_F(LangTranslateTest, RegisteredIdentifiersAndTrailingDots) {
    hemr::RegisterLangIdentMap(&CursorIdent);
    EXPECT_TRUE(hemr::ApplyLangAttribute(label, "Width", "crHourGlass")) << "a registered name is a number";
    EXPECT_EQ(label->Width, -11);
    EXPECT_FALSE(hemr::ApplyLangAttribute(label, "Width", "crNoSuch"));
    EXPECT_EQ(label->Width, -11) << "an unknown name leaves the value";
    EXPECT_TRUE(hemr::ApplyLangAttribute(label, "Caption. ", "Tail")) << "nothing but blanks after the dot";
    EXPECT_EQ(label->Caption, "Tail");
    EXPECT_FALSE(hemr::ApplyLangAttribute(list, "Columns_0", "x")) << "a collection is no string list";
    EXPECT_EQ(list->Column(0)->Caption, "名称");
}

}  // namespace
}  // namespace hemr_test
