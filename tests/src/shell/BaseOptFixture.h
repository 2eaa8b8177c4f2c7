#pragma once
// The schedule options form on the generic form's test install folder: a
// report-counter stand-in that also hands out rights and accepts jobs, and a
// small derived form with one date condition "ed03" on its first page.

#include <string>

#include "platform/automation/ComObj.h"
#include "platform/comctrls/TPageControl.h"
#include "platform/comctrls/TTabSheet.h"
#include "platform/streaming/FormResources.h"
#include "src/shell/BaseOpt.h"
#include "tests/src/framework/GeneFormFixture.h"

namespace hemr_test {

class TFakeJobServer : public TFakeReportCounter {
public:
    TFakeJobServer() {
        DefineMethod("GetPower", [this](rt::DispatchArgs& a) {
            Record("GetPower", a);
            return rt::Variant::ArrayOf({"796", "KWDB,796,HEMR07,YYYYYYYY", "王小明", "http://site", "HEMR07",
                                         rt::Variant::ArrayOf({"3", "796", "D01", "YYYYYYYY"})});
        });
        DefineProperty("SQLType", [](rt::DispatchArgs&) { return rt::Variant(4); });
        DefineMethod("Request", [this](rt::DispatchArgs& a) {
            Record("Request", a);
            return rt::Variant(answer);
        });
        DefineProperty("ErrorDescript", [this](rt::DispatchArgs&) { return rt::Variant(errorDescript); });
    }
    // What Request answers: a job identifier or "ERROR".
    std::string answer = "20240307-0001";
    std::string errorDescript;
};

// The options form whose scheme dialog answers with `schemeAnswer` and notes what it was given.
class TfrmOptRecording : public hemr::TfrmBaseOpt {
    RT_CLASS(TfrmOptRecording, hemr::TfrmBaseOpt)

public:
    explicit TfrmOptRecording(rt::TComponent* owner) : hemr::TfrmBaseOpt(owner) {}

    rt::Variant ShowSchemeDialog(const std::string& Fields, int TrailingSystemFields) override {
        dialogFields.push_back(Fields + "/" + std::to_string(TrailingSystemFields));
        return schemeAnswer;
    }

    using hemr::TfrmBaseOpt::SetScheduleRequiredFields;

    rt::Variant schemeAnswer = rt::Variant::ArrayOf({"", "", ""});
    std::vector<std::string> dialogFields;
};

// One condition: the statistics date in "ed03".
class TfrmOptTest : public TfrmOptRecording {
    RT_CLASS(TfrmOptTest, TfrmOptRecording)

public:
    explicit TfrmOptTest(rt::TComponent* owner) : TfrmOptRecording(owner) {}

    void InitSettings() override {
        hemr::TfrmBaseOpt::InitSettings();
        SetConditionCount(1);
        SetRequiredFields("ed03");
    }
    bool FillConditionCaptions(rt::Variant& Captions, int Rows) override {
        if (!hemr::TfrmBaseOpt::FillConditionCaptions(Captions, Rows)) return false;
        Captions.At(1) = rt::Variant::ArrayOf({"统计日期", "ed03"});
        return true;
    }
    bool FillConditionValues(rt::Variant& Values, int Rows) override {
        if (!hemr::TfrmBaseOpt::FillConditionValues(Values, Rows)) return false;
        Values.At(1) = rt::Variant(static_cast<rt::TControl*>(FindComponent("ed03"))->GetText());
        return true;
    }

};

// The same form with nothing on its first page.
class TfrmOptEmpty : public TfrmOptRecording {
    RT_CLASS(TfrmOptEmpty, TfrmOptRecording)
public:
    explicit TfrmOptEmpty(rt::TComponent* owner) : TfrmOptRecording(owner) {}
};

inline constexpr const char* kOptTestResource = R"(inherited frmHemr07: TfrmOptTest
  inherited pgOption: TExtPageControl
    inherited tsOption1: TTabSheet
      object ed03: TEdit
        TabOrder = 0
        Text = '2024/03/07'
      end
    end
  end
end
)";

class BaseOptTest : public GeneFormTest {
protected:
    void SetUp() override {
        GeneFormTest::SetUp();
        rt::RegisterAutoObjectFactory(hemr::TfrmBaseOpt::ReportCounterProgID, [this] { return rt::DispatchPtr(jobs); });
        rt::RegisterFormResource("TfrmOptTest", kOptTestResource);
        rt::RegisterFormResource("TfrmOptEmpty", "inherited frmHemr07: TfrmOptEmpty\nend\n");
        fake->messages["I;000004"] = "作业 %s 已排入工作队列";
        fake->messages["E;000013"] = "送出失败: %s";
        fake->messages["E;000005"] = "日期错误: %s %s";
        fake->messages["I;000009"] = "生成时间";
        fake->messages["I;000010"] = "无法计算";
    }
    void TearDown() override {
        rt::UnregisterFormResource("TfrmOptEmpty");
        rt::UnregisterFormResource("TfrmOptTest");
        GeneFormTest::TearDown();
    }

    // An initialised form. Tests that need it shown use forms without controls
    // on their first page, so that they do not depend on how the generic form
    // focuses that page's first control while the form is being shown.
    template <class T = TfrmOptTest>
    T* OptForm(bool show = false) {
        T* form = NewForm<T>();
        EXPECT_TRUE(form->InitForm(FullParams())) << DialogTexts();
        if (show) form->Show();
        return form;
    }

    // The environment array the form fills on its own.
    static rt::Variant Environment(hemr::TfrmBaseOpt& form, bool& filled) {
        rt::Variant env = rt::Variant::CreateArray({{1, form.EnvCount()}});
        filled = form.FillEnvironment(env, form.EnvCount());
        return env;
    }

    // How often `name` was called on `object`.
    static int CallCount(const TRecordingObject& object, const std::string& name) {
        int n = 0;
        for (const TRecordedCall& call : object.calls) n += rt::SameText(call.name, name) ? 1 : 0;
        return n;
    }

    static void ShowSystemPage(hemr::TfrmBaseOpt& form) { form.pgOption->SetActivePage(form.tsOption2); }

    std::shared_ptr<TFakeJobServer> jobs = std::make_shared<TFakeJobServer>();
};

}  // namespace hemr_test
