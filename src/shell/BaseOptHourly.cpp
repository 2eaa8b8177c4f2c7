// The hourly cycle of the period page: "每小时" with its panel and the edit
// of the hours between runs. Only edition 9 holds it.

#include <cmath>
#include <exception>
#include <string>

#include "platform/stdctrls/TCustomEdit.h"
#include "platform/stdctrls/TCustomPanel.h"
#include "platform/sysutils/StrUtils.h"
#include "src/controls/NvRadioButton.h"
#include "src/shell/BaseOpt.h"

namespace hemr {

namespace {

// The text read as a number of hours, 0 when it is none.
double NumberOfText(const std::string& text) {
    try {
        size_t used = 0;
        const double value = std::stod(rt::Trim(text), &used);
        return std::isfinite(value) ? value : 0;
    } catch (const std::exception&) {
        return 0;
    }
}

}  // namespace

void TfrmBaseOpt::PublishHourlyCycle(rt::TPublisher<TfrmBaseOpt>& p) {
    RT_METHOD(p, rbEveryHourClick);
    RT_METHOD(p, edEveryHourExit);
    RT_METHOD(p, edEveryHourKeyPress);
    RT_COMPONENT(p, rbEveryHour);
    RT_COMPONENT(p, pnEveryHour);
    RT_COMPONENT(p, edEveryHour);
}

rt::Variant TfrmBaseOpt::HourlyRule() const {
    using V = rt::Variant;
    return V::ArrayOf({V(int(pkHourly)), V(NumberOfText(edEveryHour->GetText()))});
}

void TfrmBaseOpt::rbEveryHourClick(rt::TObject*) { ChooseCycle(pnEveryHour, "edEveryHour,meStartDate"); }

void TfrmBaseOpt::edEveryHourKeyPress(rt::TObject*, char& Key) {
    if (Key == '.') {
        const std::string text = edEveryHour->GetText();
        if (text.empty() || text.find('.') != std::string::npos) Key = 0;
        return;
    }
    if (Key != '\b' && (Key < '0' || Key > '9')) Key = 0;
}

void TfrmBaseOpt::edEveryHourExit(rt::TObject*) {
    if (NumberOfText(edEveryHour->GetText()) == 0) edEveryHour->SetText("1");
}

}  // namespace hemr
