#pragma once
// The date-input window ("frmInputDay"): a month calendar (calDate) with the
// start day selected, the chosen day written out below it as the window shows
// dates (lblDate, "2024/03/07" or with ROC years "113/03/07"), and OK /
// Cancel (btnOk, btnCancel). A double click on a day is OK.

#include <string>

#include "outside/appserver/InputDay.h"
#include "platform/forms/TForm.h"

namespace rt {
class TButton;
class TLabel;
class TMonthCalendar;
}  // namespace rt

namespace appserver {

class TfrmInputDay : public rt::TForm {
    RT_CLASS(TfrmInputDay, rt::TForm)

public:
    TfrmInputDay(rt::TComponent* owner, const InputDayRequest& request);

    // The selected day as "YYYYMMDD".
    std::string ChosenDay() const;

    rt::TMonthCalendar* calDate = nullptr;
    rt::TLabel* lblDate = nullptr;
    rt::TButton* btnOk = nullptr;
    rt::TButton* btnCancel = nullptr;

private:
    void DateChange(rt::TObject* sender);
    void DateDblClick(rt::TObject* sender);
};

}  // namespace appserver
