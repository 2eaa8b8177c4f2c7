#include "platform/sysutils/FloatPicture.h"

#include <cmath>
#include <vector>

#include "platform/sysutils/FloatConv.h"

namespace rt {

namespace {

bool IsQuote(char c) { return c == '\'' || c == '"'; }

bool IsExponentAt(std::string_view section, size_t i) {
    return (section[i] == 'E' || section[i] == 'e') && i + 1 < section.size() &&
           (section[i + 1] == '+' || section[i + 1] == '-');
}

std::vector<std::string_view> SplitSections(std::string_view picture) {
    std::vector<std::string_view> sections;
    size_t start = 0;
    char quote = 0;
    for (size_t i = 0; i < picture.size(); ++i) {
        char c = picture[i];
        if (quote) {
            if (c == quote) quote = 0;
        } else if (IsQuote(c)) {
            quote = c;
        } else if (c == ';') {
            sections.push_back(picture.substr(start, i - start));
            start = i + 1;
        }
    }
    sections.push_back(picture.substr(start));
    return sections;
}

// What a section asks for, read once before the digits are produced.
struct Layout {
    int intPlaceholders = 0;
    int minIntDigits = 0;
    int decimals = 0;
    int minDecimals = 0;
    bool thousands = false;
    bool scientific = false;
    int expDigits = 0;
};

Layout Analyse(std::string_view section) {
    Layout layout;
    bool afterPoint = false;
    int firstZero = -1;
    for (size_t i = 0; i < section.size(); ++i) {
        char c = section[i];
        if (IsQuote(c)) {
            size_t end = section.find(c, i + 1);
            i = end == std::string_view::npos ? section.size() : end;
        } else if (c == '0' || c == '#') {
            if (afterPoint) {
                ++layout.decimals;
                if (c == '0') layout.minDecimals = layout.decimals;
            } else {
                if (c == '0' && firstZero < 0) firstZero = layout.intPlaceholders;
                ++layout.intPlaceholders;
            }
        } else if (c == '.') {
            afterPoint = true;
        } else if (c == ',') {
            layout.thousands = true;
        } else if (IsExponentAt(section, i)) {
            layout.scientific = true;
            i += 2;
            while (i < section.size() && section[i] == '0') ++layout.expDigits, ++i;
            --i;
        }
    }
    if (firstZero >= 0) layout.minIntDigits = layout.intPlaceholders - firstZero;
    return layout;
}

// The digits to place: integer part, fraction and (scientific) exponent.
struct Digits {
    std::string integer;
    std::string fraction;
    int exponent = 0;
    bool zero = true;
};

std::string TrimFraction(std::string fraction, int minDecimals) {
    while (static_cast<int>(fraction.size()) > minDecimals && fraction.back() == '0') fraction.pop_back();
    return fraction;
}

std::string DigitRange(const TFloatRec& rec, int from, int to) {
    std::string out;
    for (int i = from; i < to; ++i)
        out += (i >= 0 && i < static_cast<int>(rec.Digits.size())) ? rec.Digits[i] : '0';
    return out;
}

Digits MakeDigits(double magnitude, const Layout& layout) {
    Digits d;
    if (layout.scientific) {
        int intCount = layout.intPlaceholders > 0 ? layout.intPlaceholders : 1;
        TFloatRec rec = FloatToDecimal(magnitude, intCount + layout.decimals, 9999);
        d.zero = rec.Digits.empty();
        d.exponent = d.zero ? 0 : rec.Exponent - intCount;
        d.integer = DigitRange(rec, 0, intCount);
        size_t keepFrom = 0;
        while (keepFrom < d.integer.size() &&
               static_cast<int>(d.integer.size() - keepFrom) > layout.minIntDigits && d.integer[keepFrom] == '0')
            ++keepFrom;
        d.integer.erase(0, keepFrom);
        d.fraction = TrimFraction(DigitRange(rec, intCount, intCount + layout.decimals), layout.minDecimals);
        return d;
    }
    TFloatRec rec = FloatToDecimal(magnitude, 15, layout.decimals);
    d.zero = rec.Digits.empty();
    if (rec.Exponent > 0) d.integer = DigitRange(rec, 0, rec.Exponent);
    if (static_cast<int>(d.integer.size()) < layout.minIntDigits)
        d.integer.insert(0, layout.minIntDigits - d.integer.size(), '0');
    d.fraction = TrimFraction(DigitRange(rec, rec.Exponent, rec.Exponent + layout.decimals), layout.minDecimals);
    return d;
}

// Writes the section with the digits in place of its placeholders.
class PictureWriter {
public:
    PictureWriter(const Layout& layout, const Digits& digits, const TFormatSettings& settings)
        : layout_(layout), digits_(digits), settings_(settings) {}

    std::string Write(std::string_view section) {
        for (size_t i = 0; i < section.size(); ++i) {
            char c = section[i];
            if (IsQuote(c)) {
                size_t end = section.find(c, i + 1);
                if (end == std::string_view::npos) end = section.size();
                out_.append(section.substr(i + 1, end - i - 1));
                i = end;
            } else if ((c == '0' || c == '#') && !afterPoint_) {
                IntegerPlaceholder();
            } else if (c == '0' || c == '#') {
                if (fractionIndex_ < digits_.fraction.size()) out_ += digits_.fraction[fractionIndex_];
                ++fractionIndex_;
            } else if (c == '.' && !afterPoint_) {
                afterPoint_ = true;
                if (layout_.intPlaceholders == 0) AppendIntegerDigits(0, digits_.integer.size());
                if (!digits_.fraction.empty()) out_ += settings_.DecimalSeparator;
            } else if (c == ',') {
                // Grouping is placed by the digits themselves.
            } else if (layout_.scientific && IsExponentAt(section, i)) {
                i = Exponent(section, i);
            } else {
                out_ += c;
            }
        }
        return std::move(out_);
    }

private:
    void IntegerPlaceholder() {
        int length = static_cast<int>(digits_.integer.size());
        int first = length - layout_.intPlaceholders + intIndex_;
        // The first placeholder takes every digit the picture has no room for.
        if (intIndex_ == 0) AppendIntegerDigits(0, first < 0 ? 0 : static_cast<size_t>(first) + 1);
        else if (first >= 0) AppendIntegerDigits(static_cast<size_t>(first), static_cast<size_t>(first) + 1);
        ++intIndex_;
    }

    void AppendIntegerDigits(size_t from, size_t to) {
        size_t length = digits_.integer.size();
        for (size_t i = from; i < to && i < length; ++i) {
            out_ += digits_.integer[i];
            size_t remaining = length - 1 - i;
            if (layout_.thousands && !layout_.scientific && remaining > 0 && remaining % 3 == 0)
                out_ += settings_.ThousandSeparator;
        }
    }

    size_t Exponent(std::string_view section, size_t i) {
        out_ += section[i];
        bool alwaysSign = section[i + 1] == '+';
        if (digits_.exponent < 0) out_ += '-';
        else if (alwaysSign) out_ += '+';
        std::string number = std::to_string(std::abs(digits_.exponent));
        if (static_cast<int>(number.size()) < layout_.expDigits) out_.append(layout_.expDigits - number.size(), '0');
        out_ += number;
        i += 2;
        while (i < section.size() && section[i] == '0') ++i;
        return i - 1;
    }

    const Layout& layout_;
    const Digits& digits_;
    const TFormatSettings& settings_;
    std::string out_;
    bool afterPoint_ = false;
    int intIndex_ = 0;
    size_t fractionIndex_ = 0;
};

std::string Render(std::string_view section, double magnitude, bool minus, bool& zero,
                   const TFormatSettings& settings) {
    Layout layout = Analyse(section);
    Digits digits = MakeDigits(magnitude, layout);
    zero = digits.zero;
    std::string body = PictureWriter(layout, digits, settings).Write(section);
    return minus && !digits.zero ? "-" + body : body;
}

}  // namespace

std::string FormatFloat(std::string_view picture, double value, const TFormatSettings& settings) {
    if (picture.empty() || !std::isfinite(value)) return FloatToStr(value, settings);
    std::vector<std::string_view> sections = SplitSections(picture);
    size_t index = (value < 0 && sections.size() >= 2 && !sections[1].empty()) ? 1 : 0;
    if (sections[index].empty()) return FloatToStr(value, settings);
    bool zero = false;
    std::string text = Render(sections[index], std::fabs(value), value < 0 && index == 0, zero, settings);
    if (zero && sections.size() >= 3 && !sections[2].empty()) text = Render(sections[2], 0, false, zero, settings);
    return text;
}

std::string FormatFloat(std::string_view picture, double value) {
    return FormatFloat(picture, value, FormatSettings());
}

}  // namespace rt
