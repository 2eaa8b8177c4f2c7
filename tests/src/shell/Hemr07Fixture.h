#pragma once
// The HEMR07 form as the controller makes it, on the report form's test
// install folder with its server stand-ins.

#include <string>

#include "platform/forms/TInputInjector.h"
#include "platform/maskedit/TCustomMaskEdit.h"
#include "platform/sysutils/Clock.h"
#include "src/controls/SelectPanel.h"
#include "src/controls/TarnMaskEdit.h"
#include "src/environment/LibStrs.h"
#include "src/shell/Hemr07CF.h"
#include "tests/src/shell/BaseRptFixture.h"

namespace hemr_test {

class Hemr07Test : public BaseRptTest {
protected:
    void SetUp() override {
        BaseRptTest::SetUp();
        // A fixed today, so that the statistics date is known.
        rt::SetClockOverride(hemr::YmdToDate("20240307"));
        fake->messages["E;100006"] = "%s不可为负数!";
    }
    void TearDown() override {
        rt::SetClockOverride(std::nullopt);
        BaseRptTest::TearDown();
    }

    // An initialised form; shown when asked, so that keys and focus reach it.
    hemr::TfrmHemr07* Hemr07Form(bool show = false) {
        hemr::TfrmHemr07* form = NewForm<hemr::TfrmHemr07>();
        EXPECT_TRUE(form->InitForm(FullParams())) << DialogTexts();
        if (show) form->Show();
        return form;
    }

    // Types `text` into `edit` as a user would: focus, select all, type.
    static void TypeInto(rt::TCustomMaskEdit* edit, const std::string& text) {
        edit->SetFocus();
        edit->SelectAll();
        rt::Input().TypeText(text);
    }
    static void Press(uint16_t key, rt::TShiftState shift = {}) { rt::Input().PressKey(key, shift); }

    // The dialogs shown so far with their text, one per line.
    static size_t DialogCount() { return Dialogs().Dialogs().size(); }
};

}  // namespace hemr_test
