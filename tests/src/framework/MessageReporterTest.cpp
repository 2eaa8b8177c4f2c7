#include <gtest/gtest.h>

#include "platform/forms/TApplication.h"
#include "tests/src/framework/FakeSession.h"
#include "tests/src/framework/SessionHost.h"

namespace {

using hemr_test::TFakeSession;
using hemr_test::TSessionHost;

class MessageReporterTest : public ::testing::Test {
protected:
    void SetUp() override {
        driver().Reset();
        fake->messages = {{"E;000005", "日期不正确! %s"}, {"E;000030", "准备条件资料时发生错误! %s"},
                          {"W;000003", "%s共 %d 项, 第 %d 项尚未设置!"}, {"D;000001", "是否保存?"},
                          {"E;1", "例外"}};
        host.session.SetSessionObject(hemr_test::AsVariant(fake));
    }
    static rt::TDialogDriver& driver() { return rt::Application().DialogDriver(); }
    std::shared_ptr<TFakeSession> fake = std::make_shared<TFakeSession>();
    TSessionHost host;
};

TEST_F(MessageReporterTest, TheSameCodeTwiceGathersTheCodeTwiceAndTheTextOnce) {
    host.reporter.ReportMessage("E;000005");
    host.reporter.ReportMessage("E;000005");
    EXPECT_EQ(host.reporter.ErrorCodes(), "E;000005; E;000005; ");
    EXPECT_EQ(host.reporter.ErrorTexts(), "日期不正确! ; ");
    ASSERT_EQ(driver().Dialogs().size(), 2u) << "the dialog is shown both times";
    EXPECT_EQ(driver().Dialogs()[0].Kind, rt::mtError);
    EXPECT_EQ(driver().Dialogs()[0].Caption, "员工年龄分布表[9.0]");
}

TEST_F(MessageReporterTest, ArgumentsFillTheTextAndTypesPickTheDialogKind) {
    host.reporter.ReportMessage("E;000030;xyz");
    ASSERT_NE(driver().LastDialog(), nullptr);
    EXPECT_EQ(driver().LastDialog()->Text, "准备条件资料时发生错误! xyz");
    EXPECT_EQ(driver().LastDialog()->Kind, rt::mtError);
    host.reporter.ReportMessage("I;000004;J0001");
    EXPECT_EQ(driver().LastDialog()->Kind, rt::mtInformation);
    host.reporter.ReportMessage("Q;000001");
    EXPECT_EQ(driver().LastDialog()->Kind, rt::mtConfirmation);
    host.reporter.ReportMessage("R;200235");
    EXPECT_EQ(driver().LastDialog()->Kind, rt::mtCustom);
    ASSERT_EQ(driver().LastDialog()->Buttons.size(), 1u);
    EXPECT_EQ(driver().LastDialog()->Buttons[0].Caption, "确定");
}

TEST_F(MessageReporterTest, TextsThatDoNotFormatListTheirArgumentsInstead) {
    // W 000003 wants numbers, but codes carry texts.
    host.reporter.ReportMessage("W;000003;a;b;c");
    EXPECT_EQ(host.reporter.ErrorTexts(), "%s共 %d 项, 第 %d 项尚未设置!\ra;b;c;;;;;;;;; ");
}

TEST_F(MessageReporterTest, ExceptionMarksAreGatheredButNotShown) {
    host.reporter.ReportMessage("E;-1");
    EXPECT_TRUE(driver().Dialogs().empty()) << "a non-numeric number is not shown";
    EXPECT_NE(fake->Last("GetMessage"), nullptr);
    EXPECT_EQ(rt::VarToStr(fake->Last("GetMessage")->args[1]), "1") << "the number loses its first character";
    host.reporter.ReportException("  连接中断  ");
    host.reporter.ReportException("连接中断");
    EXPECT_EQ(host.reporter.ErrorCodes(), "E;-1; E;-1; E;-1; ");
    EXPECT_EQ(host.reporter.ErrorTexts(), "例外; 连接中断; ");
    EXPECT_TRUE(driver().Dialogs().empty());
}

TEST_F(MessageReporterTest, EmptyTextsResetAndCancelFocusBlocksEverything) {
    host.reporter.ReportMessage("E;000005");
    host.cancelFocused = true;
    host.reporter.ReportMessage("E;000030;x");
    host.reporter.ReportException("x");
    host.reporter.ReportMessage("");
    EXPECT_EQ(host.reporter.ErrorCodes(), "E;000005; ") << "nothing changes while Cancel has the focus";
    EXPECT_EQ(driver().Dialogs().size(), 1u);
    host.cancelFocused = false;
    host.reporter.ReportException("   ");
    EXPECT_EQ(host.reporter.ErrorCodes(), "");
    EXPECT_EQ(host.reporter.ErrorTexts(), "");
    host.reporter.ReportMessage("E;000005");
    host.reporter.ReportMessage("");
    EXPECT_EQ(host.reporter.ErrorTexts(), "");
}

TEST_F(MessageReporterTest, ShowMessageDefaultsButtonsByTypeWithChineseCaptions) {
    driver().QueueAnswer(rt::mrNo);
    EXPECT_EQ(host.reporter.ShowMessage("D", "000001", {}, {}), 7);
    const rt::TDialogRecord* d = driver().LastDialog();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->Kind, rt::mtWarning);
    ASSERT_EQ(d->Buttons.size(), 3u);
    EXPECT_EQ(d->Buttons[0].Caption, "是(&Y)");
    EXPECT_EQ(d->Buttons[1].Caption, "否(&N)");
    EXPECT_EQ(d->Buttons[2].Caption, "取消");
    EXPECT_EQ(host.reporter.ShowMessage("W", "000003", {}, {"环境设置", 9, 4}), 1);
    EXPECT_EQ(driver().LastDialog()->Text, "环境设置共 9 项, 第 4 项尚未设置!");
    EXPECT_EQ(driver().LastDialog()->Buttons.size(), 2u);
    host.reporter.ShowMessage("Q", "000001", rt::TMsgDlgButtons{rt::mbYes, rt::mbNo}, {});
    EXPECT_EQ(driver().LastDialog()->Buttons[1].Name, "No") << "given buttons replace the type's set";
    host.SetUICodePage("437");
    host.reporter.ShowMessage("D", "000001", {}, {});
    EXPECT_NE(driver().LastDialog()->Buttons[0].Caption, "是(&Y)") << "the English interface keeps the captions";
}

TEST_F(MessageReporterTest, ExitQuietShowsOnlyErrors) {
    host.reporter.SetExitQuiet(true);
    EXPECT_EQ(host.reporter.ShowMessage("W", "000003", {}, {"a", 1, 1}), 0);
    EXPECT_TRUE(driver().Dialogs().empty());
    host.reporter.ReportMessage("E;000005");
    EXPECT_EQ(driver().Dialogs().size(), 1u);
    ASSERT_EQ(host.closedKinds.size(), 1u);
    EXPECT_EQ(host.closedKinds[0], rt::mtError) << "the form is told after the dialog closed";
}

}  // namespace
