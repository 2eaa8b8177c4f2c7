#include "platform/graphics/TFont.h"

#include <cstdlib>

namespace rt {

namespace {

// a * b / c rounded half away from zero, as the toolkit's size conversions round.
int MulDivRound(int a, int b, int c) {
    const long long product = static_cast<long long>(a) * b;
    const long long half = c / 2;
    const long long q = product >= 0 ? (product + half) / c : (product - half) / c;
    return static_cast<int>(q);
}

}  // namespace

void TFont::Publish(TPublisher<TFont>& p) {
    p.Property("Charset", &TFont::Charset, &TFont::SetCharset).Default(DEFAULT_CHARSET);
    p.Property("Color", &TFont::Color, &TFont::SetColor).TypeName("TColor").Default(clWindowText);
    p.Property("Height", &TFont::Height, &TFont::SetHeight).Default(kDefaultHeight);
    p.Property("Name", &TFont::Name, &TFont::SetName).Default(std::string(kDefaultName));
    p.Property("Pitch", &TFont::Pitch, &TFont::SetPitch).Default(fpDefault);
    // Height carries the value in resources; Size is its view in points.
    p.Property("Size", &TFont::Size, &TFont::SetSize).Stored(false);
    p.Property("Style", &TFont::Style, &TFont::SetStyle).Default(TFontStyles{});
}

void TFont::Assign(const TPersistent* source) {
    const auto* font = dynamic_cast<const TFont*>(source);
    if (font == nullptr) {
        TPersistent::Assign(source);
        return;
    }
    BeginUpdate();
    SetCharset(font->charset_);
    SetColor(font->color_);
    SetHeight(font->height_);
    SetName(font->name_);
    SetPitch(font->pitch_);
    SetStyle(font->style_);
    EndUpdate();
}

template <class V>
void TFont::Update(V& field, const V& value) {
    if (field == value) return;
    field = value;
    Changed();
}

void TFont::SetCharset(int charset) { Update(charset_, charset); }
void TFont::SetColor(TColor color) { Update(color_, color); }
void TFont::SetHeight(int height) { Update(height_, height); }
void TFont::SetName(const std::string& name) { Update(name_, name); }
void TFont::SetPitch(TFontPitch pitch) { Update(pitch_, pitch); }
void TFont::SetStyle(TFontStyles style) { Update(style_, style); }

int TFont::Size() const { return -MulDivRound(height_, 72, kScreenPixelsPerInch); }

void TFont::SetSize(int size) { SetHeight(-MulDivRound(size, kScreenPixelsPerInch, 72)); }

int TFont::PixelHeight() const { return std::abs(height_); }

}  // namespace rt
