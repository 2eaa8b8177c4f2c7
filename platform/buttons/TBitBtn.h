#pragma once
// A push button with a glyph beside its caption. Kind gives the button of a
// standard answer its caption, modal result and default/cancel role at once;
// changing any of those by hand makes it a custom button again.

#include <memory>
#include <string>

#include "platform/buttons/ButtonTypes.h"
#include "platform/buttons/TButtonGlyph.h"
#include "platform/stdctrls/TButton.h"

namespace rt {

class TBitmap;
class TCanvas;

RT_ENUM(TBitBtnKind, bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll)

class TBitBtn : public TButton {
    RT_CLASS(TBitBtn, TButton)

public:
    explicit TBitBtn(TComponent* owner);
    ~TBitBtn() override;

    static void Publish(TPublisher<TBitBtn>& p);

    // bkCustom once caption-independent settings no longer match the kind.
    TBitBtnKind Kind() const;
    void SetKind(TBitBtnKind kind);
    // The caption a kind gives ("OK", "Cancel", "&Help" ...); empty for bkCustom.
    static std::string KindCaption(TBitBtnKind kind);
    static TModalResult KindModalResult(TBitBtnKind kind);

    TBitmap* Glyph() const { return glyph_.Glyph(); }
    void SetGlyph(TBitmap* glyph);
    int NumGlyphs() const { return glyph_.NumGlyphs(); }
    void SetNumGlyphs(int count);
    TButtonLayout Layout() const { return arrangement_.Layout; }
    void SetLayout(TButtonLayout layout);
    int Margin() const { return arrangement_.Margin; }
    void SetMargin(int margin);
    int Spacing() const { return arrangement_.Spacing; }
    void SetSpacing(int spacing);
    const TButtonGlyph& ButtonGlyph() const { return glyph_; }

    TCanvas* Canvas() const { return canvas_.get(); }
    // A close button closes its form after OnClick.
    void Click() override;

protected:
    void Paint() override;

private:
    bool IsCustomCaption() const;

    TBitBtnKind kind_ = bkCustom;
    TButtonGlyph glyph_;
    TGlyphArrangement arrangement_;
    std::unique_ptr<TCanvas> canvas_;
};

}  // namespace rt
