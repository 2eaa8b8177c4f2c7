#include <gtest/gtest.h>

#include "platform/buttons/TSpeedButton.h"
#include "platform/maskedit/TCustomMaskEdit.h"
#include "platform/menus/TMenuDriver.h"
#include "platform/stdctrls/TButton.h"
#include "platform/stdctrls/TRadioButton.h"
#include "src/controls/NvRadioButton.h"
#include "tests/platform/forms/UserClick.h"
#include "tests/src/shell/BaseOptFixture.h"

namespace {

using hemr_test::BaseOptTest;
using hemr_test::TfrmOptTest;

class BaseOptSubmitTest : public BaseOptTest {
protected:
    void TearDown() override {
        rt::MenuDriver().Reset();
        BaseOptTest::TearDown();
    }
    // The condition array the server was sent last.
    rt::Variant Submitted() const {
        const auto* call = jobs->Last("Request");
        return call != nullptr ? call->args[0] : rt::Variant();
    }
};

TEST_F(BaseOptSubmitTest, OkWithTheQueueSubmitsReportsTheJobAndCloses) {
    TfrmOptTest* form = OptForm();
    EXPECT_TRUE(rt::test::UserClick(form->btnOk));
    const rt::Variant sent = Submitted();
    ASSERT_TRUE(sent.IsArray()) << "Request was called: " << DialogTexts();
    const rt::Variant& env = sent[0];
    ASSERT_EQ(env.HighBound(), 12) << "twelve environment items";
    EXPECT_EQ(env[hemr::TfrmBaseOpt::kEnvStartMode].ToInt(), 0) << "queue is start mode 0";
    EXPECT_TRUE(env[hemr::TfrmBaseOpt::kEnvRunMoment].IsDate());
    EXPECT_EQ(rt::VarToStr(env[hemr::TfrmBaseOpt::kEnvNotify]), "") << "no notification asked for";
    const rt::Variant& caption = sent[1][1][0];
    EXPECT_TRUE(caption.IsByteString()) << "texts travel as bytes of the server's code page";
    EXPECT_EQ(caption.CodePage(), 936);
    EXPECT_EQ(rt::VarToStr(caption), "统计日期");

    ASSERT_NE(Dialogs().LastDialog(), nullptr);
    EXPECT_EQ(Dialogs().LastDialog()->Text, "作业 20240307-0001 已排入工作队列");
    EXPECT_EQ(Dialogs().LastDialog()->Kind, rt::mtInformation);
    EXPECT_FALSE(Alive(form)) << "a successful OK closes and frees the form";
    EXPECT_EQ(ClosedResultCode(), 1);
    EXPECT_EQ(rt::VarToStr(ClosedResultData()), "20240307-0001");
}

TEST_F(BaseOptSubmitTest, ProcessWithoutExitKeepsTheFormOpenAfterTheMessage) {
    TfrmOptTest* form = OptForm();
    rt::MenuDriver().QueueChoice("miOKNoExit");
    EXPECT_TRUE(rt::test::UserClick(form->btnSpd));
    ASSERT_EQ(rt::MenuDriver().Popups().size(), 1u);
    EXPECT_EQ(rt::MenuDriver().Popups()[0].Captions,
              (std::vector<std::string>{"处理后直接退出作业(&C)", "处理后并不退出作业(&B)"}));
    EXPECT_FALSE(form->CloseAfterOk());
    ASSERT_NE(jobs->Last("Request"), nullptr) << "the menu item clicks OK";
    EXPECT_EQ(Dialogs().LastDialog()->Text, "作业 20240307-0001 已排入工作队列");
    EXPECT_EQ(form->FormResultCode(), 1);
    ASSERT_TRUE(Alive(form)) << "the form stays open";

    rt::MenuDriver().QueueChoice("miOKExit");
    EXPECT_TRUE(rt::test::UserClick(form->btnSpd));
    EXPECT_EQ(CallCount(*jobs, "Request"), 2) << "the second job went out too";
    EXPECT_FALSE(Alive(form)) << "直接退出 closes again";
}

TEST_F(BaseOptSubmitTest, TheOkMenuButtonIsShownOnlyWhenAskedFor) {
    auto* shown = OptForm<hemr_test::TfrmOptEmpty>(true);
    EXPECT_TRUE(shown->btnSpd->Visible());
    auto* form = OptForm<hemr_test::TfrmOptEmpty>();
    form->SetShowOkMenu(false);
    form->Show();
    EXPECT_FALSE(form->btnSpd->Visible());
}

TEST_F(BaseOptSubmitTest, StartModeTwoReportsTheNegativeCode) {
    TfrmOptTest* form = OptForm();
    form->ApplyStartParams(rt::Variant::ArrayOf({rt::Variant(), rt::Variant::ArrayOf({2})}));
    ASSERT_FALSE(form->PlainStart());
    const size_t shown = Dialogs().Dialogs().size();
    form->SetCloseAfterOk(false);  // kept open to read its error codes
    EXPECT_TRUE(rt::test::UserClick(form->btnOk));
    EXPECT_NE(form->ErrorCodes().find("I;-000004;20240307-0001; "), std::string::npos) << form->ErrorCodes();
    EXPECT_EQ(Dialogs().Dialogs().size(), shown) << "a code that is not a plain number is not shown";
    EXPECT_EQ(form->FormResultCode(), 1);
    EXPECT_EQ(rt::VarToStr(form->FormResultData()), "20240307-0001");
}

TEST_F(BaseOptSubmitTest, AFailedRequestReportsTheServersReasonAndStaysOpen) {
    TfrmOptTest* form = OptForm();
    jobs->answer = "error";
    jobs->errorDescript = "队列已满";
    EXPECT_TRUE(rt::test::UserClick(form->btnOk));
    ASSERT_NE(Dialogs().LastDialog(), nullptr);
    EXPECT_EQ(Dialogs().LastDialog()->Text, "送出失败: 队列已满") << "\"error\" counts as ERROR without regard to case";
    EXPECT_EQ(Dialogs().LastDialog()->Kind, rt::mtError);
    EXPECT_EQ(form->FormResultCode(), 0) << "the result code is unchanged";
    EXPECT_TRUE(Alive(form));

    jobs->failing = {"Request"};
    jobs->errorDescript = "连接中断";
    EXPECT_TRUE(rt::test::UserClick(form->btnOk));
    EXPECT_EQ(Dialogs().LastDialog()->Text, "送出失败: 连接中断") << "an exception counts as ERROR";
    EXPECT_EQ(form->FormResultCode(), 0);
    EXPECT_TRUE(Alive(form));
}

TEST_F(BaseOptSubmitTest, NothingIsSubmittedWhenTheArrayCannotBeBuilt) {
    TfrmOptTest* form = OptForm();
    form->rdoExceptTime->SetChecked(true);
    form->edDate->SetText("2024/02/xx");
    rt::test::UserClick(form->btnOk);
    EXPECT_EQ(jobs->Last("Request"), nullptr);
    EXPECT_TRUE(Alive(form));
}

TEST_F(BaseOptSubmitTest, CancelClosesWithResultCodeTwo) {
    TfrmOptTest* form = OptForm();
    EXPECT_TRUE(rt::test::UserClick(form->btnCancel));
    EXPECT_EQ(jobs->Last("Request"), nullptr);
    EXPECT_FALSE(Alive(form));
    EXPECT_EQ(ClosedResultCode(), 2);
}

TEST_F(BaseOptSubmitTest, InitFormReadsTheSqlKindAndLoadsTheRights) {
    TfrmOptTest* form = OptForm();
    EXPECT_EQ(form->SqlType(), 4);
    const auto* call = jobs->Last("GetPower");
    ASSERT_NE(call, nullptr);
    const rt::Variant& key = call->args[0];
    ASSERT_EQ(key.ElementCount(), 4);
    EXPECT_EQ(rt::VarToStr(key[0]), "KWDB");
    EXPECT_EQ(rt::VarToStr(key[1]), "796");
    EXPECT_EQ(rt::VarToStr(key[2]), "HEMR07");
    EXPECT_EQ(rt::VarToStr(key[3]), "");
    EXPECT_TRUE(form->Session().RightsFlag1()) << "the rights answer reached the session information";
    EXPECT_EQ(form->NotifyXml(), "");
    EXPECT_TRUE(form->PeriodPagePending());
}

}  // namespace
