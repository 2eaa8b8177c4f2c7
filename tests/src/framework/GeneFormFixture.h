#pragma once
// A condition form of the module on an install folder of the test's own
// whose client configuration names the local server: the report-counter
// object is a recording stand-in registered in-process, the session a fake
// handed to the form as the controller would.

#include <memory>
#include <string>

#include "platform/automation/ComObj.h"
#include "platform/forms/TApplication.h"
#include "platform/streaming/FormResources.h"
#include "src/shell/Hemr07CF.h"
#include "src/shell/ShellForm.h"
#include "tests/src/framework/FakeSession.h"
#include "tests/src/shell/ShellTestSupport.h"

namespace hemr_test {

class TFakeReportCounter : public TRecordingObject {
public:
    TFakeReportCounter() {
        DefineMethod("LoadTable", [this](rt::DispatchArgs& a) {
            Record("LoadTable", a);
            return rt::Variant();
        });
        DefineMethod("AS_GetRecords", [this](rt::DispatchArgs& a) {
            Record("AS_GetRecords", a);
            std::vector<rt::Variant> rows;
            for (const auto& [name, date] : schemes)
                rows.push_back(rt::Variant::ArrayOf({name, "796", "HEMR07", date, "", ""}));
            return rt::Variant::ArrayOf(
                {rt::Variant::ArrayOf({"NCONDITION", "CREATOR", "PROGRAMME", "CREATE_DATE", "SCONDITION", "VCONDITION"}),
                 rt::Variant::ArrayOf(rows)});
        });
    }
    std::vector<std::pair<std::string, std::string>> schemes;
};

// A generic condition form named as the HEMR07 form (its program code comes
// from the module file) whose derived rows the test decides: `rows`
// conditions, each filled with its number except `emptyRow`.
class TfrmGeneTest : public hemr::TfrmBaseGene {
    RT_CLASS(TfrmGeneTest, hemr::TfrmBaseGene)

public:
    explicit TfrmGeneTest(rt::TComponent* owner) : hemr::TfrmBaseGene(owner) {}

    void InitSettings() override {
        hemr::TfrmBaseGene::InitSettings();
        SetConditionCount(rows);
    }
    void SetupConnection(rt::TRemoteConnection& Connection) override {
        hemr::TfrmBaseGene::SetupConnection(Connection);
        Connection.SetServerName(hemr::TfrmBaseOpt::ReportCounterProgID);
    }
    bool FillConditionCaptions(rt::Variant& Captions, int Rows) override {
        if (!hemr::TfrmBaseGene::FillConditionCaptions(Captions, Rows)) return false;
        for (int i = 1; i <= Rows; ++i) Captions.At(i) = rt::Variant::ArrayOf({"条件" + std::to_string(i), "ed01"});
        return true;
    }
    bool FillConditionValues(rt::Variant& Values, int Rows) override {
        if (!hemr::TfrmBaseGene::FillConditionValues(Values, Rows)) return false;
        for (int i = 1; i <= Rows; ++i)
            if (i != emptyRow) Values.At(i) = rt::Variant(std::to_string(i));
        return true;
    }
    bool RunStartMode(int Mode) override {
        startModes.push_back(Mode);
        return true;
    }

    using hemr::TfrmBaseGene::SetSystemRowCount;
    using hemr::TfrmBaseGene::SetServiceFlags;
    using hemr::TfrmBaseGene::SetEnvCount;

    int rows = 0;
    int emptyRow = 0;
    std::vector<int> startModes;
};

// Keeps the forms a test made until they are destroyed.
class TFormWatch : public rt::TObject {
    RT_CLASS(TFormWatch, rt::TObject)
public:
    void Destroyed(rt::TObject* sender) {
        for (rt::TCustomForm*& f : alive)
            if (f == sender) f = nullptr;
        if (auto* form = dynamic_cast<hemr::IShellForm*>(sender)) {
            closedResultCode = form->FormResultCode();
            closedResultData = form->FormResultData();
        }
    }
    std::vector<rt::TCustomForm*> alive;
    // The result of the form destroyed last, read as the controller reads it.
    int32_t closedResultCode = -1;
    rt::Variant closedResultData;
};

class GeneFormTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        WriteClientConfiguration("127.0.0.1");
        fake->counter->settings = {{"NVR002", "9.0"}, {"Sys001", "1"}, {"Sys002", "/"}};
        fake->validator->rows["ADMMB"] = rt::Variant::ArrayOf({"员工年龄分布表", "R", "", "", "Y"});
        fake->messages = {{"W;000003", "%s共 %d 项, 第 %d 项尚未设置!"},
                          {"W;000002", "%s的数目不符: 应有 %d 项, 实际为 %d 项!"}};
        rt::RegisterAutoObjectFactory(hemr::TfrmBaseOpt::ReportCounterProgID, [this] { return rt::DispatchPtr(server); });
        rt::RegisterFormResource("TfrmGeneTest", "inherited frmHemr07: TfrmGeneTest\nend\n");
    }
    void TearDown() override {
        for (rt::TCustomForm* form : watch_.alive)
            if (form != nullptr) form->Free();
        rt::UnregisterAutoObjectFactory(hemr::TfrmBaseOpt::ReportCounterProgID);
        rt::UnregisterFormResource("TfrmGeneTest");
        ShellTest::TearDown();
    }

    void WriteClientConfiguration(const std::string& computer) {
        WriteFile(Client() + "KestrelC.ini", "[CodePage]\r\nUICodePage=936\r\n[Server Information]\r\nComputerName=" +
                                                 computer + "\r\nServerPort=211\r\n");
    }

    // A form as the controller makes it, before InitForm; freed at the end unless it freed itself.
    template <class T = TfrmGeneTest>
    T* NewForm(const std::string& moduleFile = "Hemr07C.so") {
        auto* form = new T(nullptr);
        form->AfterConstruction();
        watch_.alive.push_back(form);
        form->OnDestroy = rt::TNotifyEvent::Of<&TFormWatch::Destroyed>(&watch_);
        form->SetModulePath(Client() + moduleFile);
        form->SetSessionObject(AsVariant(fake));
        return form;
    }

    int32_t ClosedResultCode() const { return watch_.closedResultCode; }
    const rt::Variant& ClosedResultData() const { return watch_.closedResultData; }

    bool Alive(const rt::TCustomForm* form) const {
        for (const rt::TCustomForm* f : watch_.alive)
            if (f == form) return true;
        return false;
    }

    static rt::TDialogDriver& Dialogs() { return rt::Application().DialogDriver(); }
    // The texts of every dialog shown so far, one per line.
    static std::string DialogTexts() {
        std::string all;
        for (const rt::TDialogRecord& d : Dialogs().Dialogs()) all += d.Text + "\n";
        return all;
    }

    std::shared_ptr<TFakeSession> fake = std::make_shared<TFakeSession>();
    std::shared_ptr<TFakeReportCounter> server = std::make_shared<TFakeReportCounter>();

private:
    TFormWatch watch_;
};

inline rt::Variant FullParams() { return rt::Variant::ArrayOf({"796", "KWTest60", "KWDB", 0, ""}); }

}  // namespace hemr_test
