#include "outside/appserver/DateInputWindow.h"

#include "outside/appserver/WindowLayout.h"
#include "platform/comctrls/TMonthCalendar.h"
#include "platform/stdctrls/TButton.h"
#include "platform/stdctrls/TCustomLabel.h"
#include "platform/sysutils/DateFormat.h"

namespace appserver {

namespace {

rt::TDateTime DayOf(const std::string& ymd) {
    return rt::EncodeDate(std::stoi(ymd.substr(0, 4)), std::stoi(ymd.substr(4, 2)), std::stoi(ymd.substr(6, 2)));
}

}  // namespace

TfrmInputDay::TfrmInputDay(rt::TComponent* owner, const InputDayRequest& request) : rt::TForm(owner) {
    SetName("frmInputDay");
    SetCaption("选择日期");
    SetBorderStyle(rt::bsDialog);
    SetPosition(rt::poScreenCenter);
    SetBounds(0, 0, 248, 280);
    calDate = PlaceControl<rt::TMonthCalendar>(this, "calDate", 8, 8, 224, 176);
    calDate->SetRocYears(request.rocYears);
    calDate->SetDate(DayOf(request.start));
    calDate->OnChange = rt::TNotifyEvent::Of<&TfrmInputDay::DateChange>(this);
    calDate->OnDblClick = rt::TNotifyEvent::Of<&TfrmInputDay::DateDblClick>(this);
    lblDate = PlaceControl<rt::TLabel>(this, "lblDate", 8, 194, 224, 13);
    btnOk = PlaceControl<rt::TButton>(this, "btnOk", 76, 216, 75, 25);
    btnOk->SetCaption("确定");
    btnOk->SetModalResult(rt::mrOk);
    btnOk->SetDefault(true);
    btnCancel = PlaceControl<rt::TButton>(this, "btnCancel", 157, 216, 75, 25);
    btnCancel->SetCaption("取消");
    btnCancel->SetModalResult(rt::mrCancel);
    btnCancel->SetCancel(true);
    DateChange(calDate);
}

std::string TfrmInputDay::ChosenDay() const { return rt::FormatDateTime("yyyymmdd", calDate->Date()); }

void TfrmInputDay::DateChange(rt::TObject*) { lblDate->SetCaption(ShownDay(ChosenDay(), calDate->RocYears())); }

void TfrmInputDay::DateDblClick(rt::TObject*) { SetModalResult(rt::mrOk); }

}  // namespace appserver
