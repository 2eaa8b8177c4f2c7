// The schedule side of the options form: the generation time, the required
// fields of the schedule, the environment items of the job, and the hooks the periodic page fills in.

#include "platform/buttons/TSpeedButton.h"
#include "platform/comctrls/TPageControl.h"
#include "platform/comctrls/TTabSheet.h"
#include "platform/maskedit/TCustomMaskEdit.h"
#include "platform/spin/TSpinEdit.h"
#include "platform/stdctrls/TCustomCheckBox.h"
#include "platform/stdctrls/TCustomPanel.h"
#include "platform/stdctrls/TGroupBox.h"
#include "platform/stdctrls/TRadioButton.h"
#include "platform/sysutils/Clock.h"
#include "platform/sysutils/DateTime.h"
#include "platform/sysutils/FormatSettings.h"
#include "platform/sysutils/IntConv.h"
#include "platform/sysutils/StrUtils.h"
#include "src/controls/BitCheckBox.h"
#include "src/controls/NvRadioButton.h"
#include "src/environment/FirstRunDate.h"
#include "src/environment/LibStrs.h"
#include "src/shell/BaseOpt.h"

namespace hemr {

namespace {

// Joins the non-empty groups with ",".
std::string JoinGroups(std::initializer_list<std::string> groups) {
    std::string joined;
    for (const std::string& g : groups) {
        if (g.empty()) continue;
        if (!joined.empty()) joined += ",";
        joined += g;
    }
    return joined;
}

// The control name of a required-field entry ("sp01;0;2" gives "sp01").
std::string EntryName(const std::string& entry) { return rt::Trim(entry.substr(0, entry.find(';'))); }

bool ListHasName(const std::vector<std::string>& entries, const std::string& name) {
    for (const std::string& e : entries)
        if (rt::SameText(EntryName(e), name)) return true;
    return false;
}

std::vector<std::string> SplitEntries(const std::string& list) {
    std::vector<std::string> entries;
    size_t start = 0;
    while (start <= list.size()) {
        const size_t comma = list.find(',', start);
        const std::string entry = rt::Trim(list.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        if (!entry.empty()) entries.push_back(entry);
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return entries;
}

// Raises a flag for the lifetime of the guard.
class TFlagGuard {
public:
    explicit TFlagGuard(bool& flag) : flag_(flag), saved_(flag) { flag_ = true; }
    ~TFlagGuard() { flag_ = saved_; }
    TFlagGuard(const TFlagGuard&) = delete;
    TFlagGuard& operator=(const TFlagGuard&) = delete;

private:
    bool& flag_;
    bool saved_;
};


}  // namespace

// ---- state --------------------------------------------------------------------------------------

bool TfrmBaseOpt::PeriodMode() const { return btnPeriod != nullptr && btnPeriod->Down(); }

int TfrmBaseOpt::PeriodRuleKind() const {
    const rt::Variant& rule = periodRule_.Deref();
    if (!rule.IsArray() || rule.ElementCount() == 0) return pkNone;
    try {
        const int kind = rule[rule.LowBound()].ToInt();
        return kind >= pkDaily && kind <= pkHourly ? kind : pkNone;
    } catch (const std::exception&) {
        return pkNone;
    }
}

std::string TfrmBaseOpt::ScheduleFields() const { return JoinGroups({cycleFields_, rangeFields_, timeFields_}); }

TGenerationTime TfrmBaseOpt::GenerationTime() const {
    if (rdoExceptTime != nullptr && rdoExceptTime->Checked()) return gtExceptTime;
    if (rdoRealTime != nullptr && rdoRealTime->Checked()) return gtRealTime;
    return gtQueue;
}

// ---- generation time --------------------------------------------------------------------------

void TfrmBaseOpt::rdoQueueClick(rt::TObject*) {
    if (pnlTime != nullptr) pnlTime->SetEnabled(false);
    timeFields_.clear();
    SetScheduleRequiredFields(ScheduleFields());
}

void TfrmBaseOpt::rdoExceptTimeClick(rt::TObject*) {
    if (pnlTime != nullptr) pnlTime->SetEnabled(true);
    timeFields_ = "edDate";
    SetScheduleRequiredFields(PeriodMode() ? ScheduleFields() : timeFields_);
}

void TfrmBaseOpt::edDateEnter(rt::TObject*) {}

void TfrmBaseOpt::edDateExit(rt::TObject*) {}

// ---- required fields ------------------------------------------------------------------------------

rt::TTabSheet* TfrmBaseOpt::PageOf(const rt::TControl* control) const {
    for (const rt::TControl* c = control; c != nullptr; c = c->Parent())
        if (auto* page = dynamic_cast<const rt::TTabSheet*>(c)) return const_cast<rt::TTabSheet*>(page);
    return nullptr;
}

void TfrmBaseOpt::SetScheduleRequiredFields(const std::string& List) {
    TFlagGuard schedule(scheduleFlag_);
    SetRequiredFields(List);
}

void TfrmBaseOpt::SetRequiredFields(const std::string& List) {
    const std::vector<std::string> wanted = SplitEntries(List);
    std::vector<std::string> kept;
    for (const std::string& entry : SplitEntries(RequiredFields())) {
        const std::string name = EntryName(entry);
        if (ListHasName(wanted, name)) continue;
        auto* control = dynamic_cast<rt::TWinControl*>(FindComponent(name));
        if (control == nullptr) continue;
        // The schedule replaces its own group and keeps the program's; the program the other way round.
        const bool onSchedulePage = IsSchedulePage(PageOf(control));
        if (scheduleFlag_ != onSchedulePage) kept.push_back(entry);
    }
    std::string joined = rt::Trim(List);
    for (const std::string& entry : kept) joined = JoinGroups({joined, entry});
    TfrmBaseGene::SetRequiredFields(joined);
}

// ---- the environment of the job ----------------------------------------------------------------------

bool TfrmBaseOpt::FillEnvironment(rt::Variant& Environment, int Count) {
    if (!TfrmBaseGene::FillEnvironment(Environment, Count)) return false;
    rt::FormatSettings().ShortDateFormat = "yyyy/mm/dd";
    if (PeriodMode()) Environment.At(9) = rt::Variant(rt::LowerCase(ProgramKind()));
    Environment.At(kEnvRunMoment) = rt::Variant::FromDate(rt::Now());
    const TGenerationTime start = GenerationTime();
    Environment.At(kEnvStartMode) = rt::Variant(static_cast<int>(start));
    bool done = true;
    if (start == gtExceptTime) {
        rt::TDateTime moment = 0;
        if (ComputeRunMoment(moment)) {
            // An hourly job starts from now; every other one at its moment.
            if (!(PeriodMode() && PeriodRuleKind() == pkHourly)) Environment.At(kEnvRunMoment) = rt::Variant::FromDate(moment);
        } else {
            Environment.At(kEnvStartMode) = rt::Variant(static_cast<int>(gtQueue));
            ReportMessage("E;000005;" + GetMessageText("I", "000009") + ";" + GetMessageText("I", "000010"));
            done = false;
        }
    }
    const bool notify = chkNotify != nullptr && chkNotify->Checked();
    Environment.At(kEnvNotify) = rt::Variant(notify ? notifyXml_ : std::string());
    return done;
}

bool TfrmBaseOpt::ComputeRunMoment(rt::TDateTime& Moment) {
    if (edDate == nullptr || edHour == nullptr || edMin == nullptr || edSec == nullptr) return false;
    try {
        rt::TDateTime day = 0;
        if (PeriodMode()) {
            if (!TakePeriodRunTime()) return false;
            // An hourly job has no first day: it starts from now.
            if (PeriodRuleKind() == pkHourly) return true;
            if (firstRunDate_.empty()) return false;
            day = YmdToDate(firstRunDate_);
        } else {
            day = ParseDateAs(edDate->GetText(), GetDateLayout(), GetDateSeparator());
        }
        if (day == 0) return false;
        int32_t hour = 0, minute = 0, second = 0;
        rt::TDateTime time = 0;
        if (!rt::TryStrToInt(rt::Trim(edHour->GetText()), hour) || !rt::TryStrToInt(rt::Trim(edMin->GetText()), minute) ||
            !rt::TryStrToInt(rt::Trim(edSec->GetText()), second) || !rt::TryEncodeTime(hour, minute, second, 0, time))
            return false;
        Moment = rt::DateOf(day) + time;
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace hemr
