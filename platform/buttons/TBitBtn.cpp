#include "platform/buttons/TBitBtn.h"

#include <array>

#include "platform/buttons/Frame3D.h"
#include "platform/forms/TCustomForm.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"

namespace rt {

namespace {

struct TKindInfo {
    const char* Caption;
    TModalResult Result;
};

constexpr std::array<TKindInfo, 11> KindInfos{{{"", mrNone},
                                               {"OK", mrOk},
                                               {"Cancel", mrCancel},
                                               {"&Help", mrNone},
                                               {"&Yes", mrYes},
                                               {"&No", mrNo},
                                               {"&Close", mrNone},
                                               {"Abort", mrAbort},
                                               {"&Retry", mrRetry},
                                               {"&Ignore", mrIgnore},
                                               {"&All", mrAll}}};

bool IsDefaultKind(TBitBtnKind kind) { return kind == bkOK || kind == bkYes; }
bool IsCancelKind(TBitBtnKind kind) { return kind == bkCancel || kind == bkNo; }

}  // namespace

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner), canvas_(std::make_unique<TCanvas>()) {
    SetBounds(0, 0, 75, 25);
}

TBitBtn::~TBitBtn() = default;

void TBitBtn::Publish(TPublisher<TBitBtn>& p) {
    p.Property("Glyph", &TBitBtn::Glyph, &TBitBtn::SetGlyph);
    p.Property("Kind", &TBitBtn::Kind, &TBitBtn::SetKind).Default(bkCustom);
    p.Property("Layout", &TBitBtn::Layout, &TBitBtn::SetLayout).Default(blGlyphLeft);
    p.Property("Margin", &TBitBtn::Margin, &TBitBtn::SetMargin).Default(-1);
    p.Property("NumGlyphs", &TBitBtn::NumGlyphs, &TBitBtn::SetNumGlyphs).Default(1);
    p.Property("Spacing", &TBitBtn::Spacing, &TBitBtn::SetSpacing).Default(4);
    // A kind's own caption, result and roles follow from Kind, which is read first.
    p.Republish("Caption").Stored(&TBitBtn::IsCustomCaption);
}

std::string TBitBtn::KindCaption(TBitBtnKind kind) { return KindInfos[static_cast<size_t>(kind)].Caption; }

TModalResult TBitBtn::KindModalResult(TBitBtnKind kind) { return KindInfos[static_cast<size_t>(kind)].Result; }

TBitBtnKind TBitBtn::Kind() const {
    if (kind_ == bkCustom) return bkCustom;
    if (IsDefaultKind(kind_) != Default() || IsCancelKind(kind_) != Cancel() || ModalResult() != KindModalResult(kind_)) {
        return bkCustom;
    }
    return kind_;
}

void TBitBtn::SetKind(TBitBtnKind kind) {
    kind_ = kind;
    if (kind == bkCustom) return;
    SetDefault(IsDefaultKind(kind));
    SetCancel(IsCancelKind(kind));
    SetModalResult(KindModalResult(kind));
    // A resource writes a custom caption before the kind; the kind must not overwrite it.
    const bool keepCaption = ComponentState().Contains(csReading) && !Caption().empty();
    if (!keepCaption) SetCaption(KindCaption(kind));
    Invalidate();
}

bool TBitBtn::IsCustomCaption() const { return Caption() != KindCaption(Kind()); }

void TBitBtn::SetGlyph(TBitmap* glyph) {
    glyph_.Glyph()->Assign(glyph);
    Invalidate();
}

void TBitBtn::SetNumGlyphs(int count) {
    glyph_.SetNumGlyphs(count);
    Invalidate();
}

void TBitBtn::SetLayout(TButtonLayout layout) {
    arrangement_.Layout = layout;
    Invalidate();
}

void TBitBtn::SetMargin(int margin) {
    arrangement_.Margin = margin < -1 ? -1 : margin;
    Invalidate();
}

void TBitBtn::SetSpacing(int spacing) {
    arrangement_.Spacing = spacing < -1 ? -1 : spacing;
    Invalidate();
}

void TBitBtn::Click() {
    const bool closes = Kind() == bkClose;
    TButton::Click();
    if (!closes) return;
    if (auto* form = dynamic_cast<TCustomForm*>(RootParent())) form->Close();
}

void TBitBtn::Paint() {
    canvas_->SetFont(Font());
    TRect rect = ClientRect();
    canvas_->Brush()->SetStyle(bsSolid);
    canvas_->Brush()->SetColor(clBtnFace);
    canvas_->FillRect(rect);
    Frame3D(*canvas_, rect, clBtnHighlight, clWindowFrame, 1);
    Frame3D(*canvas_, rect, clBtnFace, clBtnShadow, 1);
    glyph_.Draw(*canvas_, ClientRect(), {0, 0}, Caption(), arrangement_, EnabledInTree() ? bsUp : bsDisabled);
}

}  // namespace rt
