#pragma once
// The base of every form of the module: it owns the code-page converter and
// the language controller, adjusts its components when it is created, gives
// single-glyph buttons a disabled look, applies the language packs of its
// class chain when shown, and offers the small text services forms share.

#include <cstdint>
#include <string>

#include "platform/forms/DialogTypes.h"
#include "platform/forms/TForm.h"

namespace rt {
class TBitmap;
}

namespace hemr {

class TCodeConverter;
class TNvLangController;

class TNVForm : public rt::TForm {
    RT_CLASS(TNVForm, rt::TForm)

public:
    explicit TNVForm(rt::TComponent* owner);
    ~TNVForm() override;

    static void Publish(rt::TPublisher<TNVForm>& p);

    // Owned components read from the form resource (created here when a
    // class has no resource, so that every form has them).
    TCodeConverter* NvConverter() const { return nvConverter_; }
    TNvLangController* LangController() const { return langController_; }
    // The texts were converted to the user-interface code page once.
    bool Converted() const { return converted_; }

    // Translates `Target` from the packs named after its class chain, from
    // this class down to the target's own; later packs override earlier ones.
    virtual void ApplyLanguagePacks(rt::TComponent* Target, bool WithAncestors);
    // The same without the base form's own pack.
    virtual void ApplyDerivedLanguagePacks(rt::TComponent* Target, bool WithAncestors);

    void ConvertOnce();
    int ShowMessageBox(const std::string& Text, rt::TMsgDlgType DialogType, rt::TMsgDlgButtons Buttons);
    std::string GetSystemCodePage() const;
    std::string GetUICodePage() const;
    uint8_t GetUIConvertMode() const;
    uint8_t GetDBConvertMode() const;
    void GetLangText(const std::string& Section, const std::string& Key, std::string& Text, bool ConvertDefault,
                     const std::string& Default);

    // Widens a one-glyph picture to two: the glyph, then its embossed,
    // disabled look drawn in the button-face, highlight and shadow colours.
    static void AddDisabledGlyph(rt::TBitmap& glyph);

    void FormCreate(rt::TObject* Sender);
    void FormShow(rt::TObject* Sender);

private:
    void CreateOwnedComponents();
    void AdjustComponent(rt::TComponent* component, bool englishUI);
    void ApplyPacks(rt::TComponent* target, bool withAncestors, rt::TClass stopBefore);

    TCodeConverter* nvConverter_ = nullptr;
    TNvLangController* langController_ = nullptr;
    bool converted_ = false;
};

// Gives a button whose published "NumGlyphs" is 1 its disabled glyph and a
// glyph count of 2; anything else is left alone. True when it changed.
bool GiveDisabledGlyph(rt::TComponent* button);

}  // namespace hemr
