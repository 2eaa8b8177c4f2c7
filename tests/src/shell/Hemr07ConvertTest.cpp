// The HEMR07 form under a Traditional Chinese interface: converted once when
// shown, on its real controls.

#include <gtest/gtest.h>

#include "platform/comctrls/TListView.h"
#include "platform/comctrls/TTabSheet.h"
#include "platform/lists/TComboBox.h"
#include "platform/stdctrls/TButton.h"
#include "platform/stdctrls/TCustomLabel.h"
#include "tests/src/shell/Hemr07Fixture.h"

namespace {

class Hemr07ConvertTest : public hemr_test::Hemr07Test {
protected:
    void SetUp() override {
        Hemr07Test::SetUp();
        WriteFile(Client() + "KestrelC.ini",
                  "[CodePage]\r\nUICodePage=950\r\nDBCodePage=936\r\n[Server Information]\r\nComputerName=127.0.0.1"
                  "\r\nServerPort=211\r\n");
    }
};

TEST_F(Hemr07ConvertTest, ShowingTheFormConvertsCaptionsItemsListsAndPanelsOnce) {
    hemr::TfrmHemr07* form = Hemr07Form();
    ASSERT_EQ(form->GetUIConvertMode(), 2);
    form->cboDateType->SetItemIndex(3);
    form->Show();

    EXPECT_EQ(form->tsOption1->Caption(), "基本選項");
    EXPECT_EQ(static_cast<rt::TLabel*>(form->FindComponent("lblCondition"))->Caption(), " 條件方案");
    EXPECT_EQ(form->btnOk->Caption(), "後臺處理");
    EXPECT_EQ(form->cboDateType->Items()->Strings(0), "公曆 YYYYMMDD");
    EXPECT_EQ(form->cboDateType->ItemIndex(), 3) << "the chosen date type survives its items' conversion";
    EXPECT_EQ(form->lstCondition->Column(0)->Caption(), "方案名稱");
    EXPECT_EQ(form->sp01->HintWord(), "區間選擇");
    EXPECT_EQ(form->sp01->ChildHints()->Strings(1), "[F2]公司信息查詢");
    EXPECT_EQ(form->sp01->Font()->Charset(), rt::CHINESEBIG5_CHARSET);

    form->Hide();
    form->sp01->SetHintWord("区间");
    form->Show();
    EXPECT_EQ(form->sp01->HintWord(), "区间") << "a form is converted once, on its first show";
}

}  // namespace
