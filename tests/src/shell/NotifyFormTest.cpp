// The notification form opened from the schedule options form's button, as
// a user opens it: receivers taken from the system's users through the
// lookup window or from the portal's users, keys in the grid, OK and Cancel.

#include <gtest/gtest.h>

#include <functional>

#include "outside/portal/TPortalServer.h"
#include "platform/buttons/TBitBtn.h"
#include "platform/buttons/TSpeedButton.h"
#include "platform/controls/HintInfo.h"
#include "platform/controls/VirtualKeys.h"
#include "platform/forms/TInputInjector.h"
#include "src/grid/TStringAlignGrid.h"
#include "platform/stdctrls/TCustomCheckBox.h"
#include "src/collaboration/NvNotify.h"
#include "src/controls/BitCheckBox.h"
#include "src/collaboration/PortalUser.h"
#include "tests/platform/forms/UserClick.h"
#include "tests/src/shell/BaseOptFixture.h"

namespace hemr_test {

namespace {

const std::string kHead = R"(<?xml version="1.0" encoding="GB2312"?>)";
const std::string kOneRecipient = kHead + R"(<Root><R1 ID="796" Name="" Type="5" Msg="YNN"/></Root>)";

}  // namespace

class NotifyFormTest : public BaseOptTest {
protected:
    void SetUp() override {
        BaseOptTest::SetUp();
        form_ = OptForm<TfrmOptEmpty>(true);
        ShowSystemPage(*form_);
        SetPortal("N", "");
        rt::Application().SetModalDriver([this](rt::TCustomForm& modal) {
            if (auto* notify = dynamic_cast<hemr::TfrmNotify*>(&modal)) {
                notify_ = notify;
                grid_ = notify->grReceive;
                if (inNotify_) inNotify_(*notify);
            } else if (auto* users = dynamic_cast<hemr::TfrmPortalUser*>(&modal)) {
                if (inPortalUsers_) inPortalUsers_(*users);
            }
            if (modal.ModalResult() == rt::mrNone) PressKey(modal, rt::VK_ESCAPE);
        });
    }

    // The portal settings the schedule form reads when its button is clicked.
    void SetPortal(const std::string& startup, const std::string& address) {
        fake->counter->counterAnswer = [startup, address](rt::DispatchArgs& a) {
            const bool isStartup = rt::VarToStr(a[1][0]).find("StartupPortal") != std::string::npos;
            return rt::Variant::ArrayOf({rt::Variant::ArrayOf({isStartup ? startup : address})});
        };
    }

    // Ticks "完成后通知" and clicks the button beside it.
    void OpenNotify() {
        if (!form_->chkNotify->Checked()) rt::test::UserClick(form_->chkNotify);
        rt::test::UserClick(form_->btnNotify);
    }

    // Moves to (col, row) of the receiver grid, as clicking the cell would.
    void Cell(int col, int row) {
        grid_->SetFocus();
        grid_->SetRow(row);
        grid_->SetCol(col);
        grid_->SetEditorMode(true);
    }
    std::vector<std::string> RowCells(int row) const {
        std::vector<std::string> cells;
        for (int c = 0; c < 8; ++c) cells.push_back(grid_->Cells(c, row));
        return cells;
    }
    std::vector<std::string> Dialogs() const {
        std::vector<std::string> texts;
        for (const rt::TDialogRecord& d : rt::Application().DialogDriver().Dialogs()) texts.push_back(d.Text);
        return texts;
    }

    TfrmOptEmpty* form_ = nullptr;
    hemr::TfrmNotify* notify_ = nullptr;
    hemr::TStringAlignGrid* grid_ = nullptr;
    std::function<void(hemr::TfrmNotify&)> inNotify_;
    std::function<void(hemr::TfrmPortalUser&)> inPortalUsers_;
};

TEST_F(NotifyFormTest, NobodyOpensOneEmptyRowAndOkWithNothingEnteredGivesN) {
    rt::test::UserClick(form_->chkNotify);
    form_->btnNotify->SetEnabled(true);
    inNotify_ = [this](hemr::TfrmNotify& f) {
        EXPECT_EQ(grid_->RowCount(), 2) << "the header and one row";
        EXPECT_EQ(RowCells(1), std::vector<std::string>(8));
        rt::test::UserClick(f.BitBtn1);
    };
    // A document of nobody, as a saved job may carry.
    EXPECT_EQ(hemr::EditNotifyReceivers(form_, "N", "N", ""), "N");
    ASSERT_NE(notify_, nullptr) << "the form was shown";
}

TEST_F(NotifyFormTest, UnderATraditionalInterfaceTheGridHeadingsAndTypeListAreTraditional) {
    WriteFile(Client() + "KestrelC.ini", "[CodePage]\r\nUICodePage=950\r\nDBCodePage=936\r\n");
    std::vector<std::string> headings;
    std::string typeCell;
    std::string caption;
    fake->f2Window->lookup = rt::Variant::ArrayOf({rt::Variant::ArrayOf({"U002", "李娜", "", "", "A02"})});
    inNotify_ = [&](hemr::TfrmNotify& f) {
        caption = f.Caption();  // read while the form lives: it is freed when it closes
        headings = RowCells(0);
        Cell(hemr::rcCode, 1);
        rt::Input().PressKey(rt::VK_RETURN, rt::TShiftState{rt::ssAlt});
        typeCell = RowCells(1)[hemr::rcType];
    };
    OpenNotify();
    ASSERT_NE(notify_, nullptr) << "the form was shown";
    EXPECT_EQ(caption, "被通知人");
    EXPECT_EQ(headings, (std::vector<std::string>{"收件人", "姓名", "手機號碼", "郵箱地址", "類型", "消息", "短信", "郵件"}));
    EXPECT_EQ(typeCell, "1.系統用戶") << "a looked-up receiver takes the converted type entry";
}

TEST_F(NotifyFormTest, PortalTypeWithThePortalOffIsLeftEmptyAndDroppedOnOk) {
    inNotify_ = [this](hemr::TfrmNotify& f) {
        EXPECT_EQ(f.Caption(), "被通知人");
        EXPECT_EQ(RowCells(1), (std::vector<std::string>{"796", "", "", "", "", "Y", "N", "N"}));
        rt::test::UserClick(f.BitBtn1);
    };
    OpenNotify();
    EXPECT_EQ(form_->NotifyXml(), kHead + R"(<Root><R1 ID="796" Name="" Msg="YNN"/></Root>)");
}

TEST_F(NotifyFormTest, F2InTheCodeColumnTakesASystemUserAndOkWritesHisChannels) {
    fake->f2Window->lookup = rt::Variant::ArrayOf(
        {rt::Variant::ArrayOf({"U001", "张伟", "13800000001", "zhangwei@example.com", "B01"})});
    inNotify_ = [this](hemr::TfrmNotify& f) {
        Cell(0, 1);
        rt::Input().PressKey(rt::VK_F2);
        EXPECT_EQ(RowCells(1), (std::vector<std::string>{"U001", "张伟", "13800000001", "zhangwei@example.com",
                                                         "1.系统用户", "Y", "N", "N"}));
        Cell(6, 1);
        rt::Input().PressKey(rt::VK_SPACE);
        rt::test::UserClick(f.BitBtn1);
    };
    OpenNotify();
    const auto* call = fake->f2Window->Last("F2GetData");
    ASSERT_NE(call, nullptr) << "the lookup window was asked";
    EXPECT_EQ(rt::VarToStr(call->args[0][0]), "NVRMA");
    EXPECT_EQ(rt::VarToStr(call->args[0][1]), "04");
    EXPECT_FALSE(call->args[0][3].ToBool()) << "one user at a time";
    EXPECT_EQ(form_->NotifyXml(), kHead + R"(<Root><R1 ID="U001" Name="张伟" Mob="13800000001" )"
                                          R"(Mail="zhangwei@example.com" Type="1" Msg="YYN"/></Root>)");
}

TEST_F(NotifyFormTest, TheCodeCellsButtonLooksUpToo) {
    fake->f2Window->lookup = rt::Variant::ArrayOf({rt::Variant::ArrayOf({"U002", "李娜", "", "", "A02"})});
    inNotify_ = [this](hemr::TfrmNotify&) {
        Cell(0, 1);
        rt::Input().PressKey(rt::VK_RETURN, rt::TShiftState{rt::ssAlt});
        EXPECT_EQ(RowCells(1)[1], "李娜") << "Alt+Enter presses the cell's button";
    };
    OpenNotify();
}

TEST_F(NotifyFormTest, F2OutsideTheCodeColumnAndACancelledLookupChangeNothing) {
    inNotify_ = [this](hemr::TfrmNotify& f) {
        Cell(1, 1);
        rt::Input().PressKey(rt::VK_F2);
        EXPECT_EQ(fake->f2Window->Last("F2GetData"), nullptr) << "only the code column looks users up";
        Cell(0, 1);
        rt::Input().PressKey(rt::VK_F2);
        EXPECT_NE(fake->f2Window->Last("F2GetData"), nullptr);
        EXPECT_EQ(RowCells(1)[0], "796") << "a lookup without a row leaves the receiver";
        rt::test::UserClick(f.BitBtn2);
    };
    OpenNotify();
    EXPECT_EQ(form_->NotifyXml(), kOneRecipient) << "Cancel keeps the old text";
}

TEST_F(NotifyFormTest, DownOnTheLastRowAppendsOneAndCtrlDeleteOnTheOnlyRowClearsIt) {
    inNotify_ = [this](hemr::TfrmNotify& f) {
        Cell(0, 1);
        rt::Input().PressKey(rt::VK_DOWN);
        EXPECT_EQ(grid_->RowCount(), 3) << "a row is appended";
        EXPECT_EQ(grid_->Row(), 2) << "and the cursor moves to it";
        rt::Input().PressKey(rt::VK_UP);
        rt::Input().PressKey(rt::VK_DOWN);
        EXPECT_EQ(grid_->RowCount(), 3) << "Down above the last row only moves";
        rt::Input().PressKey(rt::VK_DELETE, rt::TShiftState{rt::ssCtrl});
        EXPECT_EQ(grid_->RowCount(), 2) << "the current row is deleted";
        EXPECT_EQ(RowCells(1)[0], "796");
        Cell(0, 1);
        rt::Input().PressKey(rt::VK_DELETE, rt::TShiftState{rt::ssCtrl});
        EXPECT_EQ(grid_->RowCount(), 2) << "the only row stays";
        EXPECT_EQ(RowCells(1), std::vector<std::string>(8)) << "emptied";
        rt::test::UserClick(f.BitBtn1);
    };
    OpenNotify();
    EXPECT_EQ(form_->NotifyXml(), "N");
}

TEST_F(NotifyFormTest, TheCodeColumnHintsAtF2WhileEditing) {
    std::vector<std::string> hints;
    inNotify_ = [&](hemr::TfrmNotify&) {
        Cell(0, 1);
        for (int col : {0, 1}) {
            const rt::TRect r = grid_->CellRect(col, 1);
            rt::THintInfo info;
            const bool shown = rt::QueryControlHint(*grid_, {r.Left + 2, r.Top + 2}, info);
            hints.push_back(shown ? info.HintStr : "(none)");
        }
    };
    OpenNotify();
    EXPECT_EQ(hints, (std::vector<std::string>{"[F2]系统用户开窗", "(none)"}));
}

class NotifyPortalTest : public NotifyFormTest {
protected:
    void SetUp() override {
        NotifyFormTest::SetUp();
        portal_.Start();
        SetPortal("Y", portal_.Address());
        rt::Application().DialogDriver().Reset();
    }
    portal::TPortalServer portal_;
};

TEST_F(NotifyPortalTest, ThePickedPortalUserLandsWithTypeFive) {
    std::vector<std::string> listed;
    inPortalUsers_ = [&](hemr::TfrmPortalUser& users) {
        for (int r = 1; r < users.grUser->RowCount(); ++r) listed.push_back(users.grUser->Cells(1, r));
        users.grUser->SetRow(2);
        rt::test::UserClick(users.BitBtn1);
    };
    inNotify_ = [this](hemr::TfrmNotify& f) {
        EXPECT_EQ(f.TypeEntry(), "5.Portal用户");
        EXPECT_EQ(RowCells(1)[4], "5.Portal用户") << "the stored type 5 is offered with the portal on";
        Cell(0, 1);
        rt::Input().PressKey(rt::VK_F2);
        EXPECT_EQ(RowCells(1), (std::vector<std::string>{"P1001", "陈静怡", "", "", "5.Portal用户", "Y", "N", "N"}));
        rt::test::UserClick(f.BitBtn1);
    };
    OpenNotify();
    EXPECT_EQ(listed, (std::vector<std::string>{"王建国", "陈静怡", "刘志强", "赵雅婷", "孙明辉"}));
    EXPECT_EQ(form_->NotifyXml(), kHead + R"(<Root><R1 ID="P1001" Name="陈静怡" Type="5" Msg="YNN"/></Root>)");
    EXPECT_TRUE(Dialogs().empty());
}

TEST_F(NotifyPortalTest, CancelInTheUserDialogLeavesTheGridUnchanged) {
    inPortalUsers_ = [](hemr::TfrmPortalUser& users) {
        users.grUser->SetRow(3);
        rt::test::UserClick(users.BitBtn2);
    };
    inNotify_ = [this](hemr::TfrmNotify& f) {
        Cell(0, 1);
        const auto before = RowCells(1);
        rt::Input().PressKey(rt::VK_F2);
        EXPECT_EQ(RowCells(1), before);
        rt::test::UserClick(f.BitBtn1);
    };
    OpenNotify();
    EXPECT_EQ(form_->NotifyXml(), kOneRecipient);
}

TEST_F(NotifyPortalTest, RefusedConnectionAndUnknownCompanyShowTheirMessageAndChangeNoReceiver) {
    const std::string refused = portal_.Address();
    portal_.Stop();
    SetPortal("Y", refused);
    inNotify_ = [this](hemr::TfrmNotify& f) {
        Cell(0, 1);
        const auto before = RowCells(1);
        rt::Input().PressKey(rt::VK_F2);
        EXPECT_EQ(RowCells(1), before);
        rt::test::UserClick(f.BitBtn1);
    };
    OpenNotify();
    ASSERT_EQ(Dialogs().size(), 1u);
    EXPECT_TRUE(Dialogs()[0].starts_with("Call portal webservice error! ")) << Dialogs()[0];
    EXPECT_TRUE(Dialogs()[0].ends_with("\n\rResult:")) << Dialogs()[0];

    portal::TPortalServer other(portal::TPortalDirectory({{"Elsewhere", {{"1", "甲"}}}}));
    other.Start();
    SetPortal("Y", other.Address());
    OpenNotify();
    ASSERT_EQ(Dialogs().size(), 2u);
    EXPECT_EQ(Dialogs()[1], "Call portal webservice error! \n\rUnknown organization: KWTest60");
    EXPECT_EQ(form_->NotifyXml(), kHead + R"(<Root><R1 ID="796" Name="" Type="5" Msg="YNN"/></Root>)");
}

TEST_F(NotifyFormTest, HeaderTextsComeFromTheLanguagePack) {
    WritePack("CHS", "TfrmNotify",
              "<TfrmNotify><Cells00 Msg=\"Receiver\"/><Cells10 Msg=\"Name\"/><Cells20 Msg=\"Mobile\"/>"
              "<Cells30 Msg=\"Mail\"/><Cells40 Msg=\"Type\"/><Cells50 Msg=\"Msg\"/><Cells60 Msg=\"SMS\"/>"
              "<Cells70 Msg=\"E-mail\"/></TfrmNotify>");
    std::vector<std::string> headers;
    inNotify_ = [&](hemr::TfrmNotify&) {
        for (int c = 0; c < 8; ++c) headers.push_back(grid_->Cells(c, 0));
    };
    OpenNotify();
    EXPECT_EQ(headers, (std::vector<std::string>{"Receiver", "Name", "Mobile", "Mail", "Type", "Msg", "SMS", "E-mail"}));
}

}  // namespace hemr_test
