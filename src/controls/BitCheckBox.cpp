#include "src/controls/BitCheckBox.h"

#include <algorithm>

#include "platform/controls/VirtualKeys.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "src/controls/ControlMessages.h"
#include "src/controls/GlyphLibrary.h"

namespace hemr {

namespace {

constexpr int kCaptionGap = 4;
constexpr int kCaptionLift = 2;
constexpr int kMaxFrames = 2;

const char* DefaultPictureName(rt::TCheckBoxState state) {
    switch (state) {
        case rt::cbChecked: return "CHECKED";
        case rt::cbGrayed: return "GRAYED";
        default: return "UNCHECKED";
    }
}

}  // namespace

TBitCheckBox::TBitCheckBox(rt::TComponent* owner)
    : rt::TWinControl(owner), canvas_(std::make_unique<rt::TCanvas>()) {
    SetTabStop(true);
    SetBounds(0, 0, 97, 17);
    for (rt::TCheckBoxState state : {rt::cbUnchecked, rt::cbChecked, rt::cbGrayed}) {
        Strip(state).Picture = std::make_unique<rt::TBitmap>();
        SetStripPicture(state, nullptr);
    }
}

TBitCheckBox::~TBitCheckBox() = default;

void TBitCheckBox::Publish(rt::TPublisher<TBitCheckBox>& p) {
    p.Republish("TabStop").Default(true);
    p.Property("Caption", &TBitCheckBox::Caption, &TBitCheckBox::SetCaption).Default(std::string());
    p.Property("Alignment", &TBitCheckBox::Alignment, &TBitCheckBox::SetAlignment).Default(rt::taRightJustify);
    p.Property("AllowGrayed", &TBitCheckBox::AllowGrayed, &TBitCheckBox::SetAllowGrayed).Default(false);
    p.Property("Checked", &TBitCheckBox::Checked, &TBitCheckBox::SetChecked).Default(false);
    p.Property("State", &TBitCheckBox::State, &TBitCheckBox::SetState).Stored(&TBitCheckBox::IsStateStored);
    // The pictures come from the library unless a program sets its own.
    p.Property("CheckedGlyph", &TBitCheckBox::CheckedGlyph, &TBitCheckBox::SetCheckedGlyph).Stored(false);
    p.Property("GrayedGlyph", &TBitCheckBox::GrayedGlyph, &TBitCheckBox::SetGrayedGlyph).Stored(false);
    p.Property("UncheckedGlyph", &TBitCheckBox::UncheckedGlyph, &TBitCheckBox::SetUncheckedGlyph).Stored(false);
    p.Property("CheckedNumGlyphs", &TBitCheckBox::CheckedNumGlyphs, &TBitCheckBox::SetCheckedNumGlyphs).Default(1);
    p.Property("GrayedNumGlyphs", &TBitCheckBox::GrayedNumGlyphs, &TBitCheckBox::SetGrayedNumGlyphs).Default(1);
    p.Property("UncheckedNumGlyphs", &TBitCheckBox::UncheckedNumGlyphs, &TBitCheckBox::SetUncheckedNumGlyphs)
        .Default(1);
}

void TBitCheckBox::SetAlignment(rt::TAlignment v) {
    if (v == alignment_) return;
    alignment_ = v;
    Invalidate();
}

void TBitCheckBox::SetState(rt::TCheckBoxState state) {
    if (state == state_) return;
    state_ = state;
    Invalidate();
}

void TBitCheckBox::SetStripPicture(rt::TCheckBoxState state, const rt::TBitmap* picture) {
    TStrip& strip = Strip(state);
    if (picture != nullptr && !picture->Empty()) {
        strip.Picture->Assign(picture);
    } else {
        rt::TBitmap fallback;
        strip.Picture->Assign(GetGlyphLibrary().LoadNamedBmp(&fallback, DefaultPictureName(state)) ? &fallback
                                                                                                   : nullptr);
    }
    const int w = strip.Picture->Width();
    const int h = strip.Picture->Height();
    // A strip of square frames; any other picture (the 19 x 14 defaults) is one frame.
    SetStripFrames(state, h > 0 && w % h == 0 ? w / h : 1);
    Invalidate();
}

void TBitCheckBox::SetStripFrames(rt::TCheckBoxState state, int count) {
    Strip(state).NumGlyphs = std::clamp(count, 1, kMaxFrames);
    Invalidate();
}

void TBitCheckBox::Toggle() {
    switch (state_) {
        case rt::cbUnchecked: SetState(allowGrayed_ ? rt::cbGrayed : rt::cbChecked); break;
        case rt::cbChecked: SetState(rt::cbUnchecked); break;
        case rt::cbGrayed: SetState(rt::cbChecked); break;
    }
}

void TBitCheckBox::Click() {
    Toggle();
    rt::TWinControl::Click();
    FocusIfPossible(this);
}

void TBitCheckBox::DefaultKeyUp(uint16_t key, rt::TShiftState shift) {
    if (key == rt::VK_SPACE && shift.Empty()) Click();
}

void TBitCheckBox::WndProc(rt::TMessage& m) {
    if (m.Msg == CM_DIALOGCHAR) {
        m.Result = IsAccelCharOf(m, Caption()) && CanFocus() ? 1 : 0;
        if (m.Result != 0) Click();
        return;
    }
    rt::TWinControl::WndProc(m);
}

std::unique_ptr<rt::TBitmap> TBitCheckBox::CurrentFrame() const {
    const TStrip& strip = Strip(state_);
    if (strip.Picture->Empty()) return nullptr;
    const int width = strip.Picture->Width() / strip.NumGlyphs;
    const int height = strip.Picture->Height();
    const int index = !Enabled() && strip.NumGlyphs == kMaxFrames ? 1 : 0;
    auto frame = std::make_unique<rt::TBitmap>(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) frame->SetPixel(x, y, strip.Picture->GetPixel(index * width + x, y));
    frame->SetTransparentColor(strip.Picture->TransparentColor());
    frame->SetTransparent(true);
    return frame;
}

void TBitCheckBox::Paint() {
    const rt::TRect client = ClientRect();
    canvas_->SetFont(Font());
    canvas_->Brush()->SetStyle(rt::bsSolid);
    canvas_->Brush()->SetColor(Color());
    canvas_->FillRect(client);

    const std::unique_ptr<rt::TBitmap> frame = CurrentFrame();
    const int frameWidth = frame != nullptr ? frame->Width() : 0;
    if (frame != nullptr) {
        const int x = alignment_ == rt::taLeftJustify ? client.Right - frameWidth : client.Left;
        canvas_->Draw(x, client.Top + (client.Height() - frame->Height()) / 2, *frame);
    }

    rt::TRect text = rt::Rect(0, 0, 0, 0);
    canvas_->DrawText(Caption(), text, rt::DT_CALCRECT | rt::DT_SINGLELINE);
    const int left = alignment_ == rt::taLeftJustify ? client.Left : client.Left + frameWidth + kCaptionGap;
    const int top = client.Top + (client.Height() - text.Height()) / 2 - kCaptionLift;
    PaintCaption(rt::Bounds(left, top, text.Width(), text.Height()));
}

void TBitCheckBox::PaintCaption(rt::TRect rect) {
    captionRect_ = rect;
    canvas_->Brush()->SetStyle(rt::bsClear);
    const uint32_t flags = rt::DT_SINGLELINE | rt::DT_NOCLIP;
    if (Enabled()) {
        canvas_->DrawText(Caption(), rect, flags);
    } else {
        // Greyed, with a highlight copy one pixel down and right: the 3-D look.
        rt::TRect lit = rect;
        rt::OffsetRect(lit, 1, 1);
        canvas_->Font()->SetColor(rt::clBtnHighlight);
        canvas_->DrawText(Caption(), lit, flags);
        canvas_->Font()->SetColor(rt::clBtnShadow);
        canvas_->DrawText(Caption(), rect, flags);
    }
    if (Focused()) {
        rt::TRect focus = captionRect_;
        rt::InflateRect(focus, 1, 1);
        canvas_->Brush()->SetStyle(rt::bsSolid);
        canvas_->Brush()->SetColor(rt::clWindowFrame);
        canvas_->FrameRect(focus);
    }
}

}  // namespace hemr
