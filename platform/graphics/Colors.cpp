#include "platform/graphics/Colors.h"

#include <array>
#include <cctype>

#include "platform/classes/IdentText.h"
#include "platform/core/Exceptions.h"
#include "platform/sysutils/IntConv.h"

namespace rt {

namespace {

// The classic grey desktop scheme, fixed so that layout and pixel tests agree everywhere.
constexpr std::array<TColor, 25> kSystemPalette = {
    RGB(200, 200, 200),  // scroll bar
    RGB(0, 128, 128),    // background
    RGB(0, 0, 128),      // active caption
    RGB(128, 128, 128),  // inactive caption
    RGB(192, 192, 192),  // menu
    RGB(255, 255, 255),  // window
    RGB(0, 0, 0),        // window frame
    RGB(0, 0, 0),        // menu text
    RGB(0, 0, 0),        // window text
    RGB(255, 255, 255),  // caption text
    RGB(192, 192, 192),  // active border
    RGB(192, 192, 192),  // inactive border
    RGB(128, 128, 128),  // application work space
    RGB(0, 0, 128),      // highlight
    RGB(255, 255, 255),  // highlight text
    RGB(192, 192, 192),  // button face
    RGB(128, 128, 128),  // button shadow
    RGB(128, 128, 128),  // grey text
    RGB(0, 0, 0),        // button text
    RGB(192, 192, 192),  // inactive caption text
    RGB(255, 255, 255),  // button highlight
    RGB(0, 0, 0),        // 3-D dark shadow
    RGB(224, 224, 224),  // 3-D light
    RGB(0, 0, 0),        // info text
    RGB(255, 255, 225),  // info background
};

struct ColorName {
    TColor Color;
    const char* Name;
};

// First match wins when writing, so the preferred name of an alias comes first.
constexpr ColorName kColorNames[] = {
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clLtGray, "clLtGray"},
    {clDkGray, "clDkGray"},
    {clNone, "clNone"},
    {clDefault, "clDefault"},
    {clScrollBar, "clScrollBar"},
    {clBackground, "clBackground"},
    {clActiveCaption, "clActiveCaption"},
    {clInactiveCaption, "clInactiveCaption"},
    {clMenu, "clMenu"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clMenuText, "clMenuText"},
    {clWindowText, "clWindowText"},
    {clCaptionText, "clCaptionText"},
    {clActiveBorder, "clActiveBorder"},
    {clInactiveBorder, "clInactiveBorder"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clBtnFace, "clBtnFace"},
    {clBtnShadow, "clBtnShadow"},
    {clGrayText, "clGrayText"},
    {clBtnText, "clBtnText"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clBtnHighlight, "clBtnHighlight"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clInfoText, "clInfoText"},
    {clInfoBk, "clInfoBk"},
};

bool ParseHexColor(std::string_view digits, TColor& color) {
    if (digits.empty() || digits.size() > 8) return false;
    uint32_t value = 0;
    for (char ch : digits) {
        if (std::isxdigit(static_cast<unsigned char>(ch)) == 0) return false;
        const int digit = std::isdigit(static_cast<unsigned char>(ch)) != 0 ? ch - '0' : std::toupper(ch) - 'A' + 10;
        value = (value << 4) | static_cast<uint32_t>(digit);
    }
    color = static_cast<TColor>(value);
    return true;
}

}  // namespace

TColor ColorToRGB(TColor color) {
    if (!IsSystemColor(color)) return (color == clNone || color == clDefault) ? clBlack : (color & 0xFFFFFF);
    const uint32_t index = static_cast<uint32_t>(color) & 0xFF;
    return index < kSystemPalette.size() ? kSystemPalette[index] : clBlack;
}

bool ColorToIdent(TColor color, std::string& ident) {
    for (const ColorName& entry : kColorNames) {
        if (entry.Color == color) {
            ident = entry.Name;
            return true;
        }
    }
    return false;
}

bool IdentToColor(std::string_view ident, TColor& color) {
    for (const ColorName& entry : kColorNames) {
        if (SameName(entry.Name, ident)) {
            color = entry.Color;
            return true;
        }
    }
    return false;
}

std::string ColorToString(TColor color) {
    std::string ident;
    if (ColorToIdent(color, ident)) return ident;
    return "$" + IntToHex(color, 8);
}

TColor StringToColor(std::string_view text) {
    const std::string_view trimmed = TrimView(text);
    TColor color = 0;
    if (IdentToColor(trimmed, color)) return color;
    // Hexadecimal is read as 32 unsigned bits so that "$80000005" names a system colour.
    if (!trimmed.empty() && trimmed.front() == '$' && ParseHexColor(trimmed.substr(1), color)) return color;
    return StrToInt(std::string(trimmed));
}

}  // namespace rt
