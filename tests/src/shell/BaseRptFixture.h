#pragma once
// A report output form on the framework's test install: the report-counter
// object answers Request1 and records the status updates, and the queue
// manager, the XML-HTTP request and the browser are recording stand-ins
// registered under their ProgIDs for the test's lifetime.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/automation/ComObj.h"
#include "platform/os/ShellExecuteRecorder.h"
#include "platform/remote/TXmlHttpRequest.h"
#include "platform/sysutils/Clock.h"
#include "src/shell/BaseRpt.h"
#include "tests/src/framework/GeneFormFixture.h"

namespace hemr_test {

class TFakeRptCounter : public TFakeReportCounter {
public:
    TFakeRptCounter() {
        DefineMethod("Request1", [this](rt::DispatchArgs& a) {
            Record("Request1", a);
            return rt::Variant(jobAnswer);
        });
        DefineMethod("UpdateStatus1", [this](rt::DispatchArgs& a) {
            Record("UpdateStatus1", a);
            return rt::Variant();
        });
        DefineProperty("ErrorDescript", [this](rt::DispatchArgs&) { return rt::Variant(errorDescript); });
    }
    std::string jobAnswer = "20261208000123";
    std::string errorDescript;
};

class TFakeQueueManager : public TRecordingObject {
public:
    TFakeQueueManager() {
        DefineMethod("OpenReport", [this](rt::DispatchArgs& a) {
            Record("OpenReport", a);
            if (onOpen) onOpen();
            return rt::Variant(answer);
        });
    }
    int answer = 0;
    std::function<void()> onOpen;
};

class TFakeXmlHttp : public TRecordingObject {
public:
    TFakeXmlHttp() {
        DefineMethod("open", [this](rt::DispatchArgs& a) {
            Record("open", a);
            return rt::Variant();
        });
        DefineMethod("send", [this](rt::DispatchArgs& a) {
            Record("send", a);
            return rt::Variant();
        });
    }
};

class TFakeBrowser : public TRecordingObject {
public:
    TFakeBrowser() {
        for (const char* name : {"Visible", "left", "top", "height", "width", "menubar", "addressbar", "toolbar"}) {
            DefineProperty(
                name, [](rt::DispatchArgs&) { return rt::Variant(); },
                [this, name](rt::DispatchArgs&, const rt::Variant& v) { puts.push_back(std::string(name) + "=" + rt::VarToStr(v)); });
        }
        DefineMethod("Navigate", [this](rt::DispatchArgs& a) {
            Record("Navigate", a);
            return rt::Variant();
        });
    }
    std::vector<std::string> puts;
};

// A report form whose `rows` derived conditions are filled with their numbers;
// the direct run is recorded instead of loading the server library.
class TfrmRptTest : public hemr::TfrmBaseRpt {
    RT_CLASS(TfrmRptTest, hemr::TfrmBaseRpt)

public:
    explicit TfrmRptTest(rt::TComponent* owner) : hemr::TfrmBaseRpt(owner) {}

    void InitSettings() override {
        hemr::TfrmBaseRpt::InitSettings();
        if (fixedLayout) SetProgramKind("F");
        SetConditionCount(rows);
    }
    bool FillConditionCaptions(rt::Variant& Captions, int Rows) override {
        if (!hemr::TfrmBaseRpt::FillConditionCaptions(Captions, Rows)) return false;
        for (int i = 1; i <= Rows; ++i) Captions.At(i) = rt::Variant::ArrayOf({"条件" + std::to_string(i), "ed01"});
        return true;
    }
    bool FillConditionValues(rt::Variant& Values, int Rows) override {
        if (!hemr::TfrmBaseRpt::FillConditionValues(Values, Rows)) return false;
        for (int i = 1; i <= Rows; ++i) Values.At(i) = rt::Variant(std::to_string(i));
        return true;
    }
    bool RunDirect(const std::vector<rt::Variant>& Args) override {
        runs.push_back(Args);
        kindsDuringRun.push_back(ProgramKind());
        queryRunDuringRun.push_back(QueryRun());
        if (!runFailure.empty()) {
            ReportException(runFailure);
            return false;
        }
        return true;
    }

    using hemr::TfrmBaseGene::SetProgramKind;
    using hemr::TfrmBaseRpt::SetExtName;

    int rows = 2;
    bool fixedLayout = false;
    std::string runFailure;
    std::vector<std::vector<rt::Variant>> runs;
    std::vector<std::string> kindsDuringRun;
    std::vector<bool> queryRunDuringRun;
};

class BaseRptTest : public GeneFormTest {
protected:
    void SetUp() override {
        GeneFormTest::SetUp();
        server = counter;
        rt::RegisterAutoObjectFactory(hemr::TfrmBaseRpt::QueueManagerProgID, [this] { return rt::DispatchPtr(queue); });
        rt::RegisterAutoObjectFactory(rt::kXmlHttpProgId, [this] { return rt::DispatchPtr(http); });
        rt::RegisterAutoObjectFactory(hemr::TfrmBaseRpt::BrowserProgID, [this] { return rt::DispatchPtr(browser); });
        fake->messages["W;000004"] = "%s不存在!";
        fake->messages["R;100235"] = "页脚编号";
        fake->messages["R;100236"] = "签核编号";
        fake->messages["I;000005"] = "至少要选一种报表生成选项%s";
    }
    void TearDown() override {
        rt::SetClockOverride(std::nullopt);
        rt::UnregisterAutoObjectFactory(hemr::TfrmBaseRpt::QueueManagerProgID);
        rt::UnregisterAutoObjectFactory(hemr::TfrmBaseRpt::BrowserProgID);
        rt::RegisterXmlHttpRequest();
        GeneFormTest::TearDown();
    }

    // A form of program HEMR07, initialised with the full parameters.
    TfrmRptTest* ReadyForm(const std::function<void(TfrmRptTest&)>& before = {}) {
        auto* form = NewForm<TfrmRptTest>();
        // The program code is checked against the form's name.
        form->SetName("frmHemr07");
        if (before) before(*form);
        EXPECT_TRUE(form->InitForm(FullParams())) << "the report form initialises";
        return form;
    }

    static std::string Text(const rt::Variant& v) { return rt::VarToStr(v); }

    std::shared_ptr<TFakeRptCounter> counter = std::make_shared<TFakeRptCounter>();
    std::shared_ptr<TFakeQueueManager> queue = std::make_shared<TFakeQueueManager>();
    std::shared_ptr<TFakeXmlHttp> http = std::make_shared<TFakeXmlHttp>();
    std::shared_ptr<TFakeBrowser> browser = std::make_shared<TFakeBrowser>();
};

}  // namespace hemr_test
