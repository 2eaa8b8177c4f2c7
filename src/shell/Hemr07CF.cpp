#include "src/shell/Hemr07CF.h"

#include "platform/codepage/CodePages.h"
#include "platform/maskedit/TCustomMaskEdit.h"
#include "platform/stdctrls/TCustomLabel.h"
#include "platform/sysutils/Clock.h"
#include "platform/sysutils/IntConv.h"
#include "src/controls/SelectPanel.h"
#include "src/environment/LibStrs.h"
#include "src/shell/Edition.h"

namespace hemr {

namespace {

constexpr int kBoundLength = 2;
constexpr const char* kNoAge = "99";
constexpr const char* kValueMark = "__";

std::string PairName(int pair, char side) {
    const int row = pair + 6;
    return std::string("ed") + (row < 10 ? "0" : "") + std::to_string(row) + side;
}

std::string LabelName(int pair, char side) { return "lbl" + PairName(pair, side).substr(2); }

std::string CaptionOf(const rt::TCustomLabel* label) { return label != nullptr ? label->Caption() : std::string(); }

std::string TextOf(const rt::TCustomMaskEdit* edit) { return edit != nullptr ? edit->GetText() : std::string(); }

// Put the focus back on an edit whose check failed; a form that is not shown
// (a scheme restored before the first show) has nowhere to put it.
void FocusBack(rt::TCustomMaskEdit* edit) {
    if (edit->CanFocus()) edit->SetFocus();
}

}  // namespace

TfrmHemr07::TfrmHemr07(rt::TComponent* owner) : inherited(owner) {}

void TfrmHemr07::Publish(rt::TPublisher<TfrmHemr07>& p) {
    RT_METHOD(p, ed05Exit);
    RT_METHOD(p, ed06BExit);
    RT_METHOD(p, ed07BExit);
    RT_METHOD(p, ed08BExit);
    RT_METHOD(p, ed09BExit);
    RT_METHOD(p, ed10BExit);
    RT_METHOD(p, ed11BExit);
    RT_METHOD(p, ed12BExit);
    RT_METHOD(p, ed05KeyPress);
    RT_COMPONENT(p, sp01);
    RT_COMPONENT(p, sp02);
    RT_COMPONENT(p, ed03);
    RT_COMPONENT(p, ed05);
    RT_COMPONENT(p, ed13);
    RT_COMPONENT(p, lbl03);
    RT_COMPONENT(p, lbl04);
    RT_COMPONENT(p, lbl05);
    RT_COMPONENT(p, lbl13);
    for (int i = 0; i < kPairCount; ++i) {
        p.Component(PairName(i, 'A'), &TfrmHemr07::edA, i);
        p.Component(PairName(i, 'B'), &TfrmHemr07::edB, i);
        p.Component(LabelName(i, 'A'), &TfrmHemr07::lblA, i);
        p.Component(LabelName(i, 'B'), &TfrmHemr07::lblB, i);
    }
}

void TfrmHemr07::DoCreate() {
    inherited::DoCreate();
    SetVersionText(edition::kVersionText);
}

// ---- set-up ----------------------------------------------------------------------------------

void TfrmHemr07::InitSettings() {
    inherited::InitSettings();
    SetConditionCount(kOwnRows);
    SetDateFields("ed03");
    SetRequiredFields("ed03");
}

bool TfrmHemr07::InitForm(const rt::Variant& Params) {
    const bool ready = inherited::InitForm(Params);
    try {
        DateFieldCheck(ed03, true);
        ed03->SetText(FormatDateAs(GetDateLayout(), GetDateSeparator(), YmdToDate(DateToYmd(rt::Now()))));
        PrepareBrackets();
        PageEndControls().push_back(edB[kPairCount - 1]);
    } catch (const std::exception&) {
        return false;
    }
    return ready;
}

void TfrmHemr07::PrepareBrackets() {
    ed05->SetMaxLength(kBoundLength);
    for (rt::TCustomMaskEdit* bound : edB) bound->SetMaxLength(kBoundLength);
    // The lower bounds only ever copy the bound above them.
    for (rt::TCustomMaskEdit* lower : edA) lower->SetEnabled(false);
    ed13->SetEnabled(false);
    ed05->SetText(kNoAge);
    for (int i = 0; i < kPairCount; ++i) {
        edA[i]->SetText(kNoAge);
        edB[i]->SetText(kNoAge);
    }
    ed13->SetText(kNoAge);
}

// ---- the brackets ---------------------------------------------------------------------------

void TfrmHemr07::ed05KeyPress(rt::TObject*, char& Key) {
    const bool letter = (Key >= 'A' && Key <= 'Z') || (Key >= 'a' && Key <= 'z');
    if (Key == '\b' || letter) Key = 0;
}

rt::TCustomMaskEdit* TfrmHemr07::NextOf(int pair) const { return pair + 1 < kPairCount ? edA[pair + 1] : ed13; }

void TfrmHemr07::ed05Exit(rt::TObject*) { BoundExit(ed05, nullptr, edA[0]); }

void TfrmHemr07::PairExit(int pair) { BoundExit(edB[pair], edA[pair], NextOf(pair)); }

void TfrmHemr07::BoundExit(rt::TCustomMaskEdit* edit, rt::TCustomMaskEdit* lower, rt::TCustomMaskEdit* next) {
    // Leaving for Cancel checks nothing, as with every field of the form.
    if (CancelHasFocus()) return;
    const std::string text = edit->GetText();
    if (text.empty()) {
        FocusBack(edit);
        return;
    }
    // Text the key filter let through but that is no number ("5-") is as wrong
    // as a negative age: the same message, and nothing copied.
    int32_t value = 0;
    if (!rt::TryStrToInt(text, value) || value < 0) {
        ShowMessage("E", "100006", {}, {rt::Variant(CaptionOf(lbl04))});
        FocusBack(edit);
        return;
    }
    int32_t lowerValue = 0;
    if (lower != nullptr && rt::TryStrToInt(lower->GetText(), lowerValue) && value < lowerValue) {
        FocusBack(edit);
        return;
    }
    next->SetText(text);
}

void TfrmHemr07::AfterControlRestore(rt::TComponent* Control, const std::string& Value) {
    inherited::AfterControlRestore(Control, Value);
    if (Control == nullptr) return;
    if (Control == ed05) {
        ed05Exit(ed05);
        return;
    }
    for (int i = 0; i < kPairCount; ++i) {
        if (Control == edB[i]) PairExit(i);
    }
}

// ---- the condition rows -------------------------------------------------------------------

std::string TfrmHemr07::CaptionPadding() const { return std::string(rt::AnsiByteLength(CaptionOf(lbl04)), ' '); }

bool TfrmHemr07::FillConditionCaptions(rt::Variant& Captions, int Rows) {
    const bool filled = inherited::FillConditionCaptions(Captions, Rows);
    auto row = [&Captions](int index, const std::string& caption, const std::string& control) {
        Captions.At(index) = rt::Variant::ArrayOf({rt::Variant(caption), rt::Variant(control)});
    };
    row(1, sp01->Caption(), "sp01");
    row(2, sp02->Caption(), "sp02");
    row(3, CaptionOf(lbl03), "ed03");
    row(4, CaptionOf(lbl04) + kValueMark + CaptionOf(lbl05), "ed05");
    const std::string padding = CaptionPadding();
    for (int i = 0; i < kPairCount; ++i) {
        row(5 + i, padding + kValueMark + CaptionOf(lblA[i]) + kValueMark + CaptionOf(lblB[i]), PairName(i, 'A'));
    }
    row(kOwnRows, padding + kValueMark + CaptionOf(lbl13), "ed13");
    return filled;
}

bool TfrmHemr07::FillConditionValues(rt::Variant& Values, int Rows) {
    if (!inherited::FillConditionValues(Values, Rows)) return false;
    try {
        if (!PutPanelValue(sp01, Values, 1) || !PutPanelValue(sp02, Values, 2)) return false;
        Values.At(3) = rt::Variant(ConvertQuickDate(TextOf(ed03)));
        Values.At(4) = rt::Variant(TextOf(ed05));
        for (int i = 0; i < kPairCount; ++i) {
            Values.At(5 + i) = rt::Variant::ArrayOf({rt::Variant(TextOf(edA[i])), rt::Variant(TextOf(edB[i]))});
        }
        Values.At(kOwnRows) = rt::Variant(TextOf(ed13));
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

// ---- F2 ---------------------------------------------------------------------------------------

bool TfrmHemr07::OwnsPart(const TSelectPanel* panel, const rt::TWinControl* control) const {
    for (const rt::TWinControl* p = control != nullptr ? control->Parent() : nullptr; p != nullptr; p = p->Parent()) {
        if (p == panel) return true;
    }
    return false;
}

void TfrmHemr07::F2Handling(rt::TWinControl* control) {
    inherited::F2Handling(control);
    if (control == nullptr) return;
    if (OwnsPart(sp01, control)) {
        PanelLookup(control, "TAXMA", "01");
    } else if (OwnsPart(sp02, control)) {
        PanelLookup(control, "CMSME", "01");
    } else if (control == ed03) {
        ed03->SetText(ShowDateInput(ed03->GetText()));
    }
}

}  // namespace hemr
