#include "platform/sysutils/FloatConv.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/core/Exceptions.h"

namespace rt {

namespace {

constexpr int kMaxPrecision = 18;

int Clamp(int value, int low, int high) { return value < low ? low : (value > high ? high : value); }

// Rounds the digit string half away from zero to `count` digits.
void RoundDigits(TFloatRec& rec, int count) {
    if (count >= static_cast<int>(rec.Digits.size())) return;
    if (count < 0) {
        rec.Digits.clear();
        return;
    }
    bool up = rec.Digits[count] >= '5';
    rec.Digits.resize(count);
    if (!up) return;
    int i = count - 1;
    while (i >= 0 && rec.Digits[i] == '9') rec.Digits[i--] = '0';
    if (i >= 0) {
        ++rec.Digits[i];
    } else {
        // All nines carried over: 0.999 becomes 0.100 one place up.
        rec.Digits.assign(static_cast<size_t>(count), '0');
        rec.Digits[0] = '1';
        ++rec.Exponent;
    }
}

std::string ExponentText(int exponent, bool plusSign, int minDigits) {
    std::string out = "E";
    if (exponent < 0) out += '-';
    else if (plusSign) out += '+';
    std::string number = std::to_string(std::abs(exponent));
    if (static_cast<int>(number.size()) < minDigits) out.append(minDigits - number.size(), '0');
    return out + number;
}

char DigitAt(const TFloatRec& rec, int index) {
    return index >= 0 && index < static_cast<int>(rec.Digits.size()) ? rec.Digits[index] : '0';
}

std::string IntegerPart(const TFloatRec& rec, char thousands) {
    if (rec.Exponent <= 0) return "0";
    std::string out;
    for (int i = 0; i < rec.Exponent; ++i) {
        out += DigitAt(rec, i);
        int remaining = rec.Exponent - 1 - i;
        if (thousands != 0 && remaining > 0 && remaining % 3 == 0) out += thousands;
    }
    return out;
}

std::string FormatGeneral(const TFloatRec& rec, int precision, int expDigits, const TFormatSettings& settings) {
    if (!rec.Special.empty()) return rec.Special;
    if (rec.Digits.empty()) return "0";
    std::string out = rec.Negative ? "-" : "";
    if (rec.Exponent > precision || rec.Exponent < -3) {
        out += rec.Digits[0];
        if (rec.Digits.size() > 1) {
            out += settings.DecimalSeparator;
            out.append(rec.Digits, 1);
        }
        return out + ExponentText(rec.Exponent - 1, false, expDigits);
    }
    out += IntegerPart(rec, 0);
    int decimals = static_cast<int>(rec.Digits.size()) - rec.Exponent;
    if (decimals > 0) {
        out += settings.DecimalSeparator;
        for (int i = 0; i < decimals; ++i) out += DigitAt(rec, rec.Exponent + i);
    }
    return out;
}

std::string FormatExponent(const TFloatRec& rec, int precision, int expDigits, const TFormatSettings& settings) {
    if (!rec.Special.empty()) return rec.Special;
    std::string out = rec.Negative && !rec.Digits.empty() ? "-" : "";
    out += DigitAt(rec, 0);
    if (precision > 1) {
        out += settings.DecimalSeparator;
        for (int i = 1; i < precision; ++i) out += DigitAt(rec, i);
    }
    return out + ExponentText(rec.Digits.empty() ? 0 : rec.Exponent - 1, true, expDigits);
}

std::string FormatFixed(const TFloatRec& rec, int decimals, char thousands, const TFormatSettings& settings) {
    if (!rec.Special.empty()) return rec.Special;
    std::string out = rec.Negative && !rec.Digits.empty() ? "-" : "";
    out += IntegerPart(rec, thousands);
    if (decimals > 0) {
        out += settings.DecimalSeparator;
        for (int i = 0; i < decimals; ++i) out += DigitAt(rec, rec.Exponent + i);
    }
    return out;
}

std::string FormatCurrency(const TFloatRec& rec, int decimals, const TFormatSettings& settings) {
    if (!rec.Special.empty()) return rec.Special;
    TFloatRec positive = rec;
    positive.Negative = false;
    std::string amount = settings.CurrencyString;
    amount.append(FormatFixed(positive, decimals, settings.ThousandSeparator, settings));
    if (!rec.Negative || rec.Digits.empty()) return amount;
    amount.insert(amount.begin(), '(');
    amount.push_back(')');
    return amount;
}

}  // namespace

TFloatRec FloatToDecimal(double value, int precision, int decimals) {
    TFloatRec rec;
    if (std::isnan(value)) {
        rec.Special = "NAN";
        return rec;
    }
    if (std::isinf(value)) {
        rec.Special = value < 0 ? "-INF" : "INF";
        return rec;
    }
    if (value == 0) return rec;
    // 18 correctly rounded digits first, then halves rounded away from zero at
    // the requested place, so 0.1 + 0.2 still reads 0.3 at 15 digits.
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17e", std::fabs(value));
    rec.Negative = value < 0;
    char digits[18];
    digits[0] = buffer[0];
    std::memcpy(digits + 1, buffer + 2, 17);
    rec.Digits.assign(digits, sizeof digits);
    rec.Exponent = std::atoi(buffer + 20) + 1;
    int count = Clamp(precision, 1, kMaxPrecision);
    if (decimals < 9999 && rec.Exponent + decimals < count) count = rec.Exponent + decimals;
    if (count < 0) {
        rec.Digits.clear();
    } else if (count == 0) {
        // Only the rounding of the first digit can leave something.
        bool up = rec.Digits[0] >= '5';
        rec.Digits.clear();
        if (up) {
            rec.Digits.push_back('1');
            ++rec.Exponent;
        }
    } else {
        RoundDigits(rec, count);
    }
    while (!rec.Digits.empty() && rec.Digits.back() == '0') rec.Digits.pop_back();
    if (rec.Digits.empty()) {
        rec.Exponent = 0;
        rec.Negative = false;
    }
    return rec;
}

std::string FloatToStr(double value, const TFormatSettings& settings) {
    return FormatGeneral(FloatToDecimal(value, 15, 9999), 15, 0, settings);
}

std::string FloatToStr(double value) { return FloatToStr(value, FormatSettings()); }

std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits,
                        const TFormatSettings& settings) {
    precision = Clamp(precision, 1, kMaxPrecision);
    switch (format) {
        case ffGeneral:
            return FormatGeneral(FloatToDecimal(value, precision, 9999), precision, Clamp(digits, 0, 4), settings);
        case ffExponent:
            return FormatExponent(FloatToDecimal(value, precision, 9999), precision, Clamp(digits, 0, 4), settings);
        case ffFixed:
        case ffNumber:
        case ffCurrency: {
            digits = Clamp(digits, 0, kMaxPrecision);
            TFloatRec rec = FloatToDecimal(value, precision, digits);
            // Too many integer digits for the precision: the general layout
            // keeps the magnitude readable instead of inventing digits.
            if (rec.Exponent > precision) return FormatGeneral(rec, precision, 0, settings);
            if (format == ffCurrency) return FormatCurrency(rec, digits, settings);
            return FormatFixed(rec, digits, format == ffNumber ? settings.ThousandSeparator : 0, settings);
        }
    }
    return {};
}

std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits) {
    return FloatToStrF(value, format, precision, digits, FormatSettings());
}

bool TryStrToFloat(const std::string& text, double& value, const TFormatSettings& settings) {
    size_t i = 0;
    const size_t n = text.size();
    while (i < n && text[i] == ' ') ++i;
    std::string normal;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') normal += '-';
        ++i;
    }
    size_t digits = 0;
    auto takeDigits = [&] {
        size_t count = 0;
        while (i < n && text[i] >= '0' && text[i] <= '9') normal += text[i++], ++count;
        return count;
    };
    digits += takeDigits();
    if (i < n && text[i] == settings.DecimalSeparator) {
        normal += '.';
        ++i;
        digits += takeDigits();
    }
    if (digits == 0) return false;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        normal += 'e';
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-')) normal += text[i++];
        if (takeDigits() == 0) return false;
    }
    while (i < n && text[i] == ' ') ++i;
    if (i != n) return false;
    double parsed = 0;
    auto [end, error] = std::from_chars(normal.data(), normal.data() + normal.size(), parsed);
    if (error == std::errc::result_out_of_range) {
        // Too small to represent is zero; too large is not a number we hold.
        if (normal.find("e-") == std::string::npos) return false;
        parsed = 0;
    } else if (error != std::errc() || end != normal.data() + normal.size()) {
        return false;
    }
    value = parsed;
    return true;
}

bool TryStrToFloat(const std::string& text, double& value) { return TryStrToFloat(text, value, FormatSettings()); }

double StrToFloat(const std::string& text) {
    double value = 0;
    if (!TryStrToFloat(text, value)) throw EConvertError("'" + text + "' is not a valid floating point value");
    return value;
}

double StrToFloatDef(const std::string& text, double fallback) {
    double value = 0;
    return TryStrToFloat(text, value) ? value : fallback;
}

}  // namespace rt
