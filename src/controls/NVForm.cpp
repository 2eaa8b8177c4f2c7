#include "src/controls/NVForm.h"

#include <vector>

#include "platform/classes/TypInfo.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/TBitmap.h"
#include "platform/os/Files.h"
#include "src/environment/CodeConverter.h"
#include "src/environment/LangCommon.h"
#include "src/environment/LangNvController.h"

namespace hemr {

namespace {

constexpr int kGB2312Charset = 134;
constexpr int kDarkBrightness = 384;

// Classes whose instances are themselves glyph buttons.
bool IsGlyphButton(const rt::TObject* component) {
    return ClassChainHas(component, "TSpeedButton") || ClassChainHas(component, "TBitBtn");
}

// Components that carry glyph buttons of their own (an edit or combo with a
// lookup button, the selection panel's list, delete and clear buttons).
bool HasOwnGlyphButtons(const rt::TObject* component) {
    return ClassChainHas(component, "TNvBtnDBEdit") || ClassChainHas(component, "TNvBtnDBCombo") ||
           ClassChainHas(component, "TSelectPanel");
}

void GiveDisabledGlyphs(rt::TComponent* component) {
    if (IsGlyphButton(component)) GiveDisabledGlyph(component);
    if (!HasOwnGlyphButtons(component)) return;
    for (int i = 0; i < component->ComponentCount(); ++i) {
        rt::TComponent* part = component->Components(i);
        if (IsGlyphButton(part)) GiveDisabledGlyph(part);
    }
}

std::vector<bool> MarkOutline(const rt::TBitmap& glyph, rt::TColor transparent) {
    const int w = glyph.Width();
    const int h = glyph.Height();
    std::vector<bool> marks(static_cast<size_t>(w) * static_cast<size_t>(h), false);
    // At the border the pixel itself stands in for the missing neighbour.
    auto at = [&](int x, int y, int px, int py) {
        return (x < 0 || y < 0 || x >= w || y >= h) ? glyph.GetPixel(px, py) : glyph.GetPixel(x, y);
    };
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const rt::TColor c = glyph.GetPixel(x, y);
            if (c == transparent) continue;
            const int brightness = rt::GetRValue(c) + rt::GetGValue(c) + rt::GetBValue(c);
            bool mark = brightness < kDarkBrightness;
            if (!mark) {
                mark = at(x - 1, y, x, y) == transparent || at(x + 1, y, x, y) == transparent ||
                       at(x, y - 1, x, y) == transparent || at(x, y + 1, x, y) == transparent;
            }
            marks[static_cast<size_t>(y) * static_cast<size_t>(w) + static_cast<size_t>(x)] = mark;
        }
    }
    return marks;
}

}  // namespace

TNVForm::TNVForm(rt::TComponent* owner) : rt::TForm(owner) {
    SetKeyPreview(true);
    SetShowHint(true);
    SetPosition(rt::poScreenCenter);
    SetScaled(false);
    Font()->SetName("宋体");
    Font()->SetHeight(-13);
    Font()->SetColor(rt::clWindowText);
    SetColor(rt::clBtnFace);
    SetBounds(Left(), Top(), 400, 191);
}

TNVForm::~TNVForm() { DestroyComponents(); }

void TNVForm::Publish(rt::TPublisher<TNVForm>& p) {
    p.Republish("KeyPreview").Default(true);
    p.Republish("Position").Default(rt::poScreenCenter);
    p.Republish("Scaled").Default(false);
    RT_METHOD(p, FormCreate);
    RT_METHOD(p, FormShow);
    p.Component("NvConverter", &TNVForm::nvConverter_);
    p.Component("LangController", &TNVForm::langController_);
}

// A form read from no resource at all (its class chain has none registered) still gets them.
void TNVForm::CreateOwnedComponents() {
    if (nvConverter_ == nullptr) {
        nvConverter_ = new TCodeConverter(this);
        nvConverter_->SetName("NvConverter");
    }
    if (langController_ == nullptr) {
        langController_ = new TNvLangController(this);
        langController_->SetName("LangController");
    }
}

void TNVForm::FormCreate(rt::TObject*) {
    CreateOwnedComponents();
    converted_ = false;
    const bool englishUI = GetUICodePage() == "437";
    for (int i = 0; i < ComponentCount(); ++i) AdjustComponent(Components(i), englishUI);
}

void TNVForm::AdjustComponent(rt::TComponent* component, bool englishUI) {
    // No input method is forced on any control.
    if (rt::HasProperty(component, "ImeName")) rt::TrySetStrProp(component, "ImeName", "");
    if (englishUI && rt::HasProperty(component, "Font") && rt::GetObjectProp(component, "Font") != nullptr) {
        rt::TrySetOrdProp(component, "Font.Charset", kGB2312Charset);
        rt::TrySetStrProp(component, "Font.Name", "Tahoma");
    }
    GiveDisabledGlyphs(component);
}

void TNVForm::FormShow(rt::TObject*) { ApplyLanguagePacks(this, true); }

void TNVForm::ApplyLanguagePacks(rt::TComponent* Target, bool WithAncestors) {
    ApplyPacks(Target, WithAncestors, rt::TForm::StaticClass());
}

void TNVForm::ApplyDerivedLanguagePacks(rt::TComponent* Target, bool WithAncestors) {
    ApplyPacks(Target, WithAncestors, TNVForm::StaticClass());
}

void TNVForm::ApplyPacks(rt::TComponent* target, bool withAncestors, rt::TClass stopBefore) {
    if (target == nullptr || langController_ == nullptr) return;
    std::vector<std::string> names;
    if (withAncestors) {
        for (rt::TClass c = target->ClassType(); c != nullptr && c != stopBefore; c = c->ClassParent())
            names.insert(names.begin(), c->ClassName());
    } else {
        names.push_back(target->ClassName());
    }
    for (const std::string& name : names) {
        langController_->SetLangPackageName(name);
        const std::string& file = langController_->FileName();
        if (file.empty() || !rt::FileExists(file)) continue;
        try {
            langController_->SetActive(true);
            langController_->Reader().ReadComponent(target);
        } catch (const LanguageControllerError&) {
            // A pack that does not parse is skipped like a missing one: the form keeps its texts.
        }
    }
}

void TNVForm::ConvertOnce() {
    if (converted_) return;
    nvConverter_->ConvertForm(this, true);
    converted_ = true;
}

int TNVForm::ShowMessageBox(const std::string& Text, rt::TMsgDlgType DialogType, rt::TMsgDlgButtons Buttons) {
    return nvConverter_->ShowMessageDialog(Text, DialogType, Buttons);
}

std::string TNVForm::GetSystemCodePage() const { return nvConverter_->SystemCodePage(); }

std::string TNVForm::GetUICodePage() const { return nvConverter_->UICodePage(); }

uint8_t TNVForm::GetUIConvertMode() const { return nvConverter_->UIConvertMode(); }

uint8_t TNVForm::GetDBConvertMode() const { return nvConverter_->DBConvertMode(); }

void TNVForm::GetLangText(const std::string& Section, const std::string& Key, std::string& Text, bool ConvertDefault,
                          const std::string& Default) {
    const std::string def = ConvertDefault ? rt::VarToStr(nvConverter_->DesignToUI(rt::Variant(Default))) : Default;
    Text = GetLangMessage(langController_->DesignType(), Section, Key, def);
}

void TNVForm::AddDisabledGlyph(rt::TBitmap& glyph) {
    if (glyph.Empty()) return;
    glyph.SetPixelFormat(rt::pf24bit);
    const int w = glyph.Width();
    const int h = glyph.Height();
    const rt::TColor transparent = rt::ColorToRGB(glyph.TransparentColor());
    const std::vector<bool> marks = MarkOutline(glyph, transparent);

    rt::TBitmap disabled(w, h);
    disabled.Fill(rt::ColorToRGB(rt::clBtnFace));
    const rt::TColor highlight = rt::ColorToRGB(rt::clBtnHighlight);
    const rt::TColor shadow = rt::ColorToRGB(rt::clBtnShadow);
    for (int pass = 0; pass < 2; ++pass) {
        const int shift = pass == 0 ? 1 : 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (marks[static_cast<size_t>(y) * static_cast<size_t>(w) + static_cast<size_t>(x)])
                    disabled.SetPixel(x + shift, y + shift, pass == 0 ? highlight : shadow);
    }

    const bool fixed = glyph.HasFixedTransparentColor();
    const rt::TColor fixedColor = glyph.TransparentColor();
    glyph.SetSize(2 * w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) glyph.SetPixel(w + x, y, disabled.GetPixel(x, y));
    if (fixed) glyph.SetTransparentColor(fixedColor);
    glyph.Changed();
}

bool GiveDisabledGlyph(rt::TComponent* button) {
    if (button == nullptr || !rt::HasProperty(button, "NumGlyphs") || !rt::HasProperty(button, "Glyph")) return false;
    if (rt::GetOrdProp(button, "NumGlyphs") != 1) return false;
    auto* glyph = dynamic_cast<rt::TBitmap*>(rt::GetObjectProp(button, "Glyph"));
    if (glyph == nullptr || glyph->Empty()) return false;
    TNVForm::AddDisabledGlyph(*glyph);
    rt::SetOrdProp(button, "NumGlyphs", 2);
    return true;
}

}  // namespace hemr
