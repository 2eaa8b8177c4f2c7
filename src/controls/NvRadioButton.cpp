#include "src/controls/NvRadioButton.h"

#include "platform/controls/TWinControl.h"
#include "platform/graphics/TCanvas.h"
#include "src/controls/ControlMessages.h"

namespace hemr {

namespace {

// The caption's indent by font size in points: the upper end of each range.
struct TIndentStep {
    int UpToPoints;
    int Indent;
};
constexpr TIndentStep kIndents[] = {{8, 17}, {15, 19}, {17, 20}, {23, 21}, {29, 23},
                                    {35, 25}, {41, 27}, {43, 29}, {60, 31}, {80, 39}};
constexpr int kOtherIndent = 44;
constexpr int kFillMargin = 4;
constexpr int kMarkSize = 12;

}  // namespace

TNvRadioButton::TNvRadioButton(rt::TComponent* owner)
    : rt::TButtonControl(owner), canvas_(std::make_unique<rt::TCanvas>()) {
    SetBounds(0, 0, 113, 17);
}

TNvRadioButton::~TNvRadioButton() = default;

void TNvRadioButton::Publish(rt::TPublisher<TNvRadioButton>& p) {
    p.Property("Alignment", &TNvRadioButton::Alignment, &TNvRadioButton::SetAlignment).Default(rt::taRightJustify);
    p.Property("Checked", &TNvRadioButton::Checked, &TNvRadioButton::SetChecked).Default(false);
}

int TNvRadioButton::CaptionIndent(int points) {
    if (points < 1) return kOtherIndent;
    for (const TIndentStep& step : kIndents) {
        if (points <= step.UpToPoints) return step.Indent;
    }
    return kOtherIndent;
}

void TNvRadioButton::SetAlignment(rt::TAlignment v) {
    if (v == alignment_) return;
    alignment_ = v;
    Invalidate();
}

void TNvRadioButton::SetChecked(bool v) {
    if (v == checked_) return;
    checked_ = v;
    SetTabStop(v);
    Invalidate();
    if (!v) return;
    UncheckSiblings();
    if (!ClicksSuppressed()) Click();
}

void TNvRadioButton::UncheckSiblings() {
    rt::TWinControl* parent = Parent();
    if (parent == nullptr) return;
    for (int i = 0; i < parent->ControlCount(); ++i) {
        auto* other = dynamic_cast<TNvRadioButton*>(parent->Controls(i));
        if (other != nullptr && other != this) other->SetChecked(false);
    }
}

void TNvRadioButton::WndProc(rt::TMessage& m) {
    if (m.Msg == CM_DIALOGCHAR) {
        m.Result = IsAccelCharOf(m, Caption()) && CanFocus() ? 1 : 0;
        if (m.Result != 0) SetFocus();
        return;
    }
    rt::TButtonControl::WndProc(m);
}

void TNvRadioButton::EnabledChanged() {
    rt::TButtonControl::EnabledChanged();
    Repaint();
}

void TNvRadioButton::Paint() {
    // The button itself, then the caption over the standard one.
    const rt::TRect client = ClientRect();
    const int top = (client.Height() - kMarkSize) / 2;
    canvas_->Brush()->SetStyle(rt::bsSolid);
    canvas_->Brush()->SetColor(rt::clWindow);
    canvas_->Pen()->SetColor(Enabled() ? rt::clBtnShadow : rt::clGrayText);
    canvas_->Rectangle(rt::Bounds(0, top, kMarkSize, kMarkSize));
    if (checked_) {
        canvas_->Brush()->SetColor(Enabled() ? rt::clWindowText : rt::clGrayText);
        canvas_->FillRect(rt::Bounds(4, top + 4, kMarkSize - 8, kMarkSize - 8));
    }
    PaintCaption();
}

void TNvRadioButton::PaintCaption() {
    const rt::TRect client = ClientRect();
    const int indent = CaptionIndent(Font()->Size());
    canvas_->SetFont(Font());
    if (!Enabled()) canvas_->Font()->SetColor(rt::clGrayText);
    canvas_->Brush()->SetStyle(rt::bsSolid);
    canvas_->Brush()->SetColor(Color());
    canvas_->FillRect(rt::Rect(indent - kFillMargin, client.Top, client.Right + kFillMargin, client.Bottom));
    rt::TRect text = rt::Rect(indent, client.Top, client.Right, client.Bottom);
    canvas_->Brush()->SetStyle(rt::bsClear);
    canvas_->DrawText(Caption(), text, rt::DT_SINGLELINE | rt::DT_VCENTER);
}

}  // namespace hemr
