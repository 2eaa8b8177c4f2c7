#include "src/environment/CodeConverter.h"

#include "platform/core/Exceptions.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/forms/TCustomForm.h"
#include "platform/forms/TForm.h"
#include "platform/graphics/TFont.h"
#include "src/environment/FormConverter.h"
#include "src/environment/KestrelINI.h"
#include "src/environment/NvlanguageTranslator.h"

#include <vector>

namespace hemr {

namespace {

constexpr const char* kChineseFontName = "SimSun";
constexpr int kBig5ByteCodePage = 950;
constexpr int kGBByteCodePage = 936;

}  // namespace

void TCodeConverter::Publish(rt::TPublisher<TCodeConverter>& p) {
    p.Property("DesignType", &TCodeConverter::DesignType, &TCodeConverter::SetDesignType).Default(dtClient);
}

TCodeConverter::TCodeConverter(rt::TComponent* owner) : rt::TComponent(owner) {
    LoadConfiguration();
    CreateTranslator();
}

TCodeConverter::TCodeConverter(rt::TComponent* owner, const TSettings& settings) : rt::TComponent(owner) {
    Apply(settings);
    CreateTranslator();
}

TCodeConverter::~TCodeConverter() = default;

void TCodeConverter::LoadConfiguration() {
    // Only the client's configuration can be meant here: the streamed
    // DesignType arrives after construction and does not reload.
    auto copy = [this](const TKestrelIniBase& ini) {
        Apply({ini.SystemCodePage(), ini.UICodePage(), ini.DBCodePage(), ini.UIConvertMode(), ini.DBConvertMode()});
    };
    if (designType_ == dtServer) {
        copy(TKestrelIniS());
    } else {
        copy(TKestrelIniC());
    }
}

void TCodeConverter::Apply(const TSettings& settings) {
    systemCodePage_ = settings.SystemCodePage;
    uiCodePage_ = settings.UICodePage;
    dbCodePage_ = settings.DBCodePage;
    uiConvertMode_ = settings.UIConvertMode;
    dbConvertMode_ = settings.DBConvertMode;
}

void TCodeConverter::CreateTranslator() {
    if (uiConvertMode_ != 0) translator_ = std::make_unique<TTranslator>();
}

std::string TCodeConverter::ConvertText(int kind, const std::string& text) const {
    if (translator_ == nullptr || text.empty()) return text;
    if (kind == ckBig5ToGB) return translator_->BIG5toGBText(text);
    if (kind == ckGBToBig5) return translator_->GBtoBIG5Text(text);
    return text;
}

std::string TCodeConverter::Big5ToGBText(const std::string& text) const { return ConvertText(ckBig5ToGB, text); }
std::string TCodeConverter::GBToBig5Text(const std::string& text) const { return ConvertText(ckGBToBig5, text); }

namespace {

// Texts already in a code page stay byte strings, moved to the other code
// page; every other value becomes wide text.
rt::Variant ConvertScalar(const TTranslator& translator, int kind, const rt::Variant& value) {
    if (value.IsByteString()) {
        if (kind == ckBig5ToGB) return rt::Variant::Bytes(translator.BIG5toGB(value.ByteData()), kGBByteCodePage);
        return rt::Variant::Bytes(translator.GBtoBIG5(value.ByteData()), kBig5ByteCodePage);
    }
    const std::string text = rt::VarToStr(value);
    return kind == ckBig5ToGB ? translator.BIG5toGBText(text) : translator.GBtoBIG5Text(text);
}

bool IsTextKind(int kind) { return kind == ckBig5ToGB || kind == ckGBToBig5; }

}  // namespace

rt::Variant TCodeConverter::ConvertArray(int kind, const rt::Variant& value) const {
    rt::Variant result = value;
    if (value.DimCount() == 2) {
        for (int i = value.LowBound(1); i <= value.HighBound(1); ++i) {
            for (int j = value.LowBound(2); j <= value.HighBound(2); ++j) {
                result.At(i, j) = ConvertVariant(kind, value.At(i, j));
            }
        }
        return result;
    }
    for (int i = value.LowBound(); i <= value.HighBound(); ++i) {
        const rt::Variant& element = value[i].Deref();
        if (element.IsArray()) {
            result[i] = ConvertVariant(kind, element);
        } else if (IsTextKind(kind) && !element.IsNull() && !element.IsEmpty() && !element.IsDispatch()) {
            result[i] = ConvertScalar(*translator_, kind, element);
        }
    }
    return result;
}

rt::Variant TCodeConverter::ConvertVariant(int kind, const rt::Variant& value) const {
    const rt::Variant& source = value.Deref();
    if (kind == ckNone || translator_ == nullptr || source.IsEmpty() || source.IsNull()) return source;
    if (source.IsArray()) return ConvertArray(kind, source);
    if (!IsTextKind(kind) || source.IsDispatch()) return source;
    return ConvertScalar(*translator_, kind, source);
}

rt::Variant TCodeConverter::DBToUI(const rt::Variant& value) const { return ConvertVariant(dbConvertMode_, value); }
rt::Variant TCodeConverter::DesignToUI(const rt::Variant& value) const {
    return ConvertVariant(uiConvertMode_, value);
}

rt::Variant TCodeConverter::ConvertBack(uint8_t mode, const rt::Variant& value) const {
    try {
        if (mode == ckBig5ToGB) return ConvertVariant(ckGBToBig5, value);
        if (mode == ckGBToBig5) return ConvertVariant(ckBig5ToGB, value);
    } catch (...) {
        // Values on their way out must never be lost to a failed conversion.
    }
    return value.Deref();
}

rt::Variant TCodeConverter::UIToDB(const rt::Variant& value) const { return ConvertBack(dbConvertMode_, value); }
rt::Variant TCodeConverter::UIToDesign(const rt::Variant& value) const {
    return ConvertBack(uiConvertMode_, value);
}

void TCodeConverter::ApplyFontRule(rt::TFont* font, int mode) {
    if (font == nullptr) return;
    font->SetName(kChineseFontName);
    font->SetCharset(mode == 2 || mode == 3 ? rt::CHINESEBIG5_CHARSET : rt::GB2312_CHARSET);
}

int TCodeConverter::ShowMessageDialog(const std::string& message, rt::TMsgDlgType dialogType,
                                      rt::TMsgDlgButtons buttons) {
    if (message.empty()) return 0;
    // The Chinese dialog font runs wider than its measure: the blanks keep
    // the last characters from being clipped.
    const std::string text = uiCodePage_ == "936" || systemCodePage_ == "936" ? message + "      " : message;
    std::unique_ptr<rt::TForm, void (*)(rt::TForm*)> dialog(rt::CreateMessageDialog(text, dialogType, buttons),
                                                            [](rt::TForm* f) { f->Free(); });
    if (auto* form = dynamic_cast<rt::TCustomForm*>(Owner())) {
        if (form->WindowState() == rt::wsMinimized) form->SetWindowState(rt::wsNormal);
        dialog->SetCaption(form->Caption());
    }
    ApplyFontRule(dialog->Font(), uiConvertMode_);
    return static_cast<int>(dialog->ShowModal());
}

void TCodeConverter::ConvertForm(rt::TCustomForm* form, bool convertAll) {
    TFormConverter(*this, convertAll).ConvertForm(form);
}

}  // namespace hemr
