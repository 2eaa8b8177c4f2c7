#include <gtest/gtest.h>

#include "platform/maskedit/TCustomMaskEdit.h"
#include "platform/stdctrls/TEdit.h"
#include "platform/forms/TInputInjector.h"
#include "tests/src/shell/BaseOptFixture.h"
#include "tests/src/shell/SchemeServerFixture.h"

namespace {

using hemr_test::BaseOptTest;
using hemr_test::TfrmOptEmpty;
using hemr_test::TfrmOptTest;

// A first page with one control of every kind a scheme stores (and a memo,
// which it does not), and a page of its own behind the period page.
class TfrmOptMany : public hemr::TfrmBaseOpt {
    RT_CLASS(TfrmOptMany, hemr::TfrmBaseOpt)
public:
    explicit TfrmOptMany(rt::TComponent* owner) : hemr::TfrmBaseOpt(owner) {}
};

constexpr const char* kManyResource = R"(inherited frmHemr07: TfrmOptMany
  inherited pgOption: TExtPageControl
    inherited tsOption1: TTabSheet
      object me02: TMaskEdit
        TabOrder = 7
      end
      object ed03: TEdit
        TabOrder = 0
      end
      object meNote: TMemo
        TabOrder = 1
      end
      object cbo01: TComboBox
        TabOrder = 2
      end
      object chk01: TCheckBox
        TabOrder = 3
      end
      object rdo01: TRadioButton
        TabOrder = 4
      end
      object grp01: TRadioGroup
        TabOrder = 5
      end
      object sp01: TSelectPanel
        TabOrder = 6
      end
      object btn01: TButton
        TabOrder = 8
      end
    end
    object tsOption3: TTabSheet
      Caption = '其他'
      object ed20: TEdit
        TabOrder = 0
      end
    end
  end
end
)";

// Its one savable control sits on a page of its own, so that the form can be shown.
class TfrmOptLater : public hemr_test::TfrmOptRecording {
    RT_CLASS(TfrmOptLater, hemr_test::TfrmOptRecording)
public:
    explicit TfrmOptLater(rt::TComponent* owner) : hemr_test::TfrmOptRecording(owner) {}
};

constexpr const char* kLaterResource = R"(inherited frmHemr07: TfrmOptLater
  inherited pgOption: TExtPageControl
    object tsOption3: TTabSheet
      object ed20: TEdit
      end
    end
  end
end
)";

// An exit check that always fails.
class TFailingExit : public rt::TObject {
    RT_CLASS(TFailingExit, rt::TObject)
public:
    void Exit(rt::TObject*) {
        ++exits;
        form->SetHasError(true);
    }
    hemr::TfrmBaseOpt* form = nullptr;
    int exits = 0;
};

class BaseOptSchemeTest : public BaseOptTest {
protected:
    void SetUp() override {
        BaseOptTest::SetUp();
        rt::RegisterFormResource("TfrmOptMany", kManyResource);
        rt::RegisterFormResource("TfrmOptLater", kLaterResource);
    }
    void TearDown() override {
        rt::UnregisterFormResource("TfrmOptLater");
        rt::UnregisterFormResource("TfrmOptMany");
        BaseOptTest::TearDown();
    }
};

TEST_F(BaseOptSchemeTest, ThePropertyListNamesTheSavableControlsOfTheConditionPagesInTabOrder) {
    TfrmOptMany* form = OptForm<TfrmOptMany>();
    EXPECT_EQ(form->PropertyList(),
              "ed03.text;cbo01.itemindex;chk01.checked;rdo01.checked;grp01.itemindex;sp01.style;me02.text;ed20.text;")
        << "memos, buttons, the parts of the panel and the system page's controls are left out";
    EXPECT_TRUE(form->pnlCondition->Visible());
}

TEST_F(BaseOptSchemeTest, RebuildingTheListAppendsAndLoadingRightsAgainDoesNotRepeatIt) {
    TfrmOptTest* form = OptForm();
    ASSERT_EQ(form->PropertyList(), "ed03.text;");
    form->BuildControlPropertyList();
    EXPECT_EQ(form->PropertyList(), "ed03.text;ed03.text;") << "the operation appends, as derived forms extend it";
    form->LoadRights();
    EXPECT_EQ(form->PropertyList(), "ed03.text;");
}

TEST_F(BaseOptSchemeTest, AFormWithNothingToSaveHidesTheSchemePanel) {
    TfrmOptEmpty* form = OptForm<TfrmOptEmpty>(true);
    EXPECT_EQ(form->PropertyList(), "");
    EXPECT_FALSE(form->pnlCondition->Visible());
}

TEST_F(BaseOptSchemeTest, SavingAsksTheSchemeDialogUnlessTheFocusedFieldsCheckFailsAndStoresWhatTheDialogNamed) {
    hemr_test::TSchemeServer server(Server() + "appserver");
    TfrmOptLater* form = OptForm<TfrmOptLater>(true);
    auto* ed20 = static_cast<rt::TEdit*>(form->FindComponent("ed20"));
    form->pgOption->SetActivePage(static_cast<rt::TTabSheet*>(form->FindComponent("tsOption3")));
    ed20->SetFocus();
    ed20->SetText("第二页");
    TFailingExit check;
    check.form = form;
    ed20->OnExit = rt::TNotifyEvent::Of<&TFailingExit::Exit>(&check);
    auto* btnInsert = static_cast<rt::TControl*>(form->FindComponent("btnInsert"));
    rt::Input().Click(btnInsert);
    EXPECT_EQ(check.exits, 1) << "leaving the field ran its check";
    EXPECT_TRUE(form->dialogFields.empty()) << "a failed check stops the save";

    ed20->OnExit = {};
    form->SetHasError(false);
    rt::Input().Click(btnInsert);
    ASSERT_EQ(form->dialogFields.size(), 1u);
    EXPECT_EQ(form->dialogFields[0], "edDate,meStartDate,meEndDate,edPrintDate/4");
    EXPECT_EQ(server.Schemes().ElementCount(), 0) << "a cancelled dialog stores nothing";

    form->schemeAnswer = rt::Variant::ArrayOf({"方案一 ", "", false});
    rt::Input().Click(btnInsert);
    rt::Variant rows = server.Schemes("796", form->ProgramCode());
    ASSERT_EQ(rows.ElementCount(), 1);
    EXPECT_EQ(rt::VarToStr(rows[0][0]), "方案一") << "the store keeps the name trimmed";
    EXPECT_EQ(rt::VarToStr(rows[0][1]), "796");
    EXPECT_EQ(rt::VarToStr(rows[0][4]), "ed20.text;");
    EXPECT_EQ(rt::VarToStr(rows[0][5]), "第二页\r\n") << "one line per item, CR LF ended";
    EXPECT_EQ(hemr_test::Captions(*form->lstCondition), std::vector<std::string>{"方案一"}) << "the list is refreshed";

    ed20->SetText("改过");
    rt::Input().Click(btnInsert);
    EXPECT_EQ(rt::VarToStr(server.Schemes("796", form->ProgramCode())[0][5]), "第二页\r\n")
        << "an existing name without the replace flag is refused";
    form->schemeAnswer = rt::Variant::ArrayOf({"方案一", "", true});
    rt::Input().Click(btnInsert);
    EXPECT_EQ(rt::VarToStr(server.Schemes("796", form->ProgramCode())[0][5]), "改过\r\n") << "the flag replaces";
}

}  // namespace
