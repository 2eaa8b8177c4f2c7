#pragma once
// Floating-point numbers to text and back, with the original runtime's
// general format (15 significant digits) and its rounding of halves away from zero.

#include <string>

#include "platform/sysutils/FormatSettings.h"

namespace rt {

enum class TFloatFormat { ffGeneral, ffExponent, ffFixed, ffNumber, ffCurrency };
using enum TFloatFormat;

// A value as decimal digits: value = 0.Digits x 10^Exponent. Digits carry no
// trailing zeros and are empty for zero; Special is "NAN", "INF" or "-INF".
struct TFloatRec {
    int Exponent = 0;
    bool Negative = false;
    std::string Digits;
    std::string Special;
};

// Rounds to at most `precision` significant digits (1..18) and at most
// `decimals` digits after the point.
TFloatRec FloatToDecimal(double value, int precision, int decimals);

std::string FloatToStr(double value);
std::string FloatToStr(double value, const TFormatSettings& settings);
// `digits` is the decimals for fixed/number/currency, the minimum exponent
// digits (0..4) for general/exponent.
std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits);
std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits,
                        const TFormatSettings& settings);
// Blanks around the number are allowed; DecimalSeparator; optional exponent.
bool TryStrToFloat(const std::string& text, double& value);
bool TryStrToFloat(const std::string& text, double& value, const TFormatSettings& settings);
// Raises EConvertError "'<text>' is not a valid floating point value".
double StrToFloat(const std::string& text);
double StrToFloatDef(const std::string& text, double fallback);

}  // namespace rt
