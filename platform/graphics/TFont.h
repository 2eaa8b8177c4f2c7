#pragma once
// A text font: name, pixel height (and the point size derived from it at 96
// pixels per inch), colour, style, pitch and character set.

#include <string>

#include "platform/classes/TEnumInfo.h"
#include "platform/classes/TSet.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/TGraphicsObject.h"

namespace rt {

RT_ENUM(TFontStyle, fsBold, fsItalic, fsUnderline, fsStrikeOut)
using TFontStyles = TSet<TFontStyle>;
RT_ENUM(TFontPitch, fpDefault, fpVariable, fpFixed)

constexpr int ANSI_CHARSET = 0;
constexpr int DEFAULT_CHARSET = 1;
constexpr int GB2312_CHARSET = 134;
constexpr int CHINESEBIG5_CHARSET = 136;

constexpr int kScreenPixelsPerInch = 96;

class TFont : public TGraphicsObject {
    RT_CLASS(TFont, TGraphicsObject)

public:
    static constexpr const char* kDefaultName = "Tahoma";
    static constexpr int kDefaultHeight = -11;

    TFont() = default;
    static void Publish(TPublisher<TFont>& p);

    void Assign(const TPersistent* source) override;

    int Charset() const { return charset_; }
    void SetCharset(int charset);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    // Negative: the character height without internal leading, as fonts are usually given.
    int Height() const { return height_; }
    void SetHeight(int height);
    const std::string& Name() const { return name_; }
    void SetName(const std::string& name);
    TFontPitch Pitch() const { return pitch_; }
    void SetPitch(TFontPitch pitch);
    // Points: -Height * 72 / 96, rounded.
    int Size() const;
    void SetSize(int size);
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles style);

    // The character cell height in pixels the text model works with (|Height|).
    int PixelHeight() const;

private:
    template <class V>
    void Update(V& field, const V& value);

    int charset_ = DEFAULT_CHARSET;
    TColor color_ = clWindowText;
    int height_ = kDefaultHeight;
    std::string name_ = kDefaultName;
    TFontPitch pitch_ = fpDefault;
    TFontStyles style_;
};

}  // namespace rt
