#pragma once
// The code-page converter of every form: converts a whole form once when it is
// first shown (texts, fonts, owner-drawn styles) and single texts and variant
// values between the design, the user-interface and the database code pages.
// Components are reached through their published properties and class names,
// so controls the converter never links to are converted as well.

#include "platform/classes/RtClass.h"
#include "platform/classes/TComponent.h"
#include "platform/core/Variant.h"
#include "platform/forms/DialogTypes.h"
#include "src/environment/LangDesignType.h"

#include <cstdint>
#include <memory>
#include <string>

namespace rt {
class TCustomForm;
class TFont;
}  // namespace rt

namespace hemr {

class TTranslator;

// Conversion kinds: 1 Big5 -> GB, 2 GB -> Big5; any other kind leaves texts.
enum TConvertKind : uint8_t { ckNone = 0, ckBig5ToGB = 1, ckGBToBig5 = 2 };

class TCodeConverter : public rt::TComponent {
    RT_CLASS(TCodeConverter, rt::TComponent)

public:
    // Reads the client configuration; creates the translator when
    // UIConvertMode is not 0, which raises when Nvlanguage.so is unusable.
    explicit TCodeConverter(rt::TComponent* owner);
    ~TCodeConverter() override;

    static void Publish(rt::TPublisher<TCodeConverter>& p);

    // Streamed with the form; changing it later does not reload the configuration.
    TDesignType DesignType() const { return designType_; }
    void SetDesignType(TDesignType value) { designType_ = value; }

    TTranslator* Translator() const { return translator_.get(); }
    const std::string& SystemCodePage() const { return systemCodePage_; }
    const std::string& UICodePage() const { return uiCodePage_; }
    const std::string& DBCodePage() const { return dbCodePage_; }
    uint8_t UIConvertMode() const { return uiConvertMode_; }
    uint8_t DBConvertMode() const { return dbConvertMode_; }

    // Converts `form` and everything it owns; `convertAll` adds tree views and
    // grids. Does nothing without a translator. The caller converts a form once.
    void ConvertForm(rt::TCustomForm* form, bool convertAll);

    // A copy of `value` with every text converted by `kind`, arrays included
    // (nested and two-dimensional); numbers inside arrays come back as text.
    rt::Variant ConvertVariant(int kind, const rt::Variant& value) const;
    rt::Variant DBToUI(const rt::Variant& value) const;
    rt::Variant DesignToUI(const rt::Variant& value) const;
    // Never raise: on any error the value comes back unconverted.
    rt::Variant UIToDB(const rt::Variant& value) const;
    rt::Variant UIToDesign(const rt::Variant& value) const;

    // Empty for an empty text, and the text itself without a translator.
    std::string Big5ToGBText(const std::string& text) const;
    std::string GBToBig5Text(const std::string& text) const;
    // One text by kind; other kinds return it unchanged.
    std::string ConvertText(int kind, const std::string& text) const;

    // A standard message dialog captioned like the owning form; 0 and nothing
    // shown for an empty message, else the modal result.
    int ShowMessageDialog(const std::string& message, rt::TMsgDlgType dialogType, rt::TMsgDlgButtons buttons);

    // Modes 0, 1 and 4 give "SimSun" with GB2312, modes 2 and 3 "SimSun" with Big5.
    static void ApplyFontRule(rt::TFont* font, int mode);

    // Lets tests and hosts build a converter from given settings instead of
    // the configuration; the translator follows `uiConvertMode` as in the constructor.
    struct TSettings {
        std::string SystemCodePage = "936";
        std::string UICodePage = "936";
        std::string DBCodePage = "936";
        uint8_t UIConvertMode = 0;
        uint8_t DBConvertMode = 0;
    };
    TCodeConverter(rt::TComponent* owner, const TSettings& settings);

private:
    void LoadConfiguration();
    void Apply(const TSettings& settings);
    void CreateTranslator();
    rt::Variant ConvertArray(int kind, const rt::Variant& value) const;
    rt::Variant ConvertBack(uint8_t mode, const rt::Variant& value) const;

    std::unique_ptr<TTranslator> translator_;
    std::string systemCodePage_ = "936";
    std::string uiCodePage_ = "936";
    std::string dbCodePage_ = "936";
    uint8_t uiConvertMode_ = 0;
    uint8_t dbConvertMode_ = 0;
    TDesignType designType_ = dtClient;
};

}  // namespace hemr
