#include "platform/mask/TEditMask.h"

#include "platform/mask/MaskChars.h"
#include "platform/mask/MaskFunctions.h"

#include <algorithm>

namespace rt {

namespace {

bool IsRequiredSlotChar(char32_t ch) {
    return ch == mMskAlpha || ch == mMskAlphaNum || ch == mMskAscii || ch == mMskNumeric;
}

bool IsOptionalSlotChar(char32_t ch) {
    return ch == mMskAlphaOpt || ch == mMskAlphaNumOpt || ch == mMskAsciiOpt || ch == mMskNumericOpt ||
           ch == mMskNumSymOpt;
}

bool FitsSlot(char32_t slot, char32_t ch) {
    switch (slot) {
        case mMskNumeric:
        case mMskNumericOpt: return maskchars::IsDigit(ch);
        case mMskNumSymOpt: return maskchars::IsDigit(ch) || ch == U' ' || ch == U'+' || ch == U'-';
        case mMskAlpha:
        case mMskAlphaOpt: return maskchars::IsLetter(ch);
        case mMskAlphaNum:
        case mMskAlphaNumOpt: return maskchars::IsLetter(ch) || maskchars::IsDigit(ch);
        default: return true;  // "C" and "c" take any character
    }
}

char32_t ApplyCase(TMaskCase letterCase, char32_t ch) {
    switch (letterCase) {
        case TMaskCase::Upper: return maskchars::ToUpper(ch);
        case TMaskCase::Lower: return maskchars::ToLower(ch);
        default: return ch;
    }
}

}  // namespace

TEditMask::TEditMask() = default;

TEditMask::TEditMask(const std::string& editMask, const TMaskSeparators& separators) : maskText_(editMask) {
    Parse(maskchars::DecodeUtf8(editMask), separators);
}

void TEditMask::Parse(const std::u32string& chars, const TMaskSeparators& separators) {
    charTypes_.assign(chars.size(), TMaskCharType::mcLiteral);
    int separator = ParseMaskField(chars, separators);
    if (separator >= 0) ParseFields(chars, static_cast<size_t>(separator));
}

// Reads the mask field; returns the index of the ";" that ends it, or -1.
int TEditMask::ParseMaskField(const std::u32string& chars, const TMaskSeparators& separators) {
    TMaskCase letterCase = TMaskCase::None;
    bool afterLowerDirective = false;
    for (size_t i = 0; i < chars.size(); ++i) {
        char32_t ch = chars[i];
        bool lowerDirective = false;
        TMaskCharType& type = charTypes_[i];
        if (ch == MaskFieldSeparator) {
            return static_cast<int>(i);
        } else if (ch == mDirLiteral) {
            type = TMaskCharType::mcDirective;
            // A "\" at the very end escapes nothing and is ignored.
            if (i + 1 < chars.size()) {
                ++i;
                AddPosition(TMaskCharType::mcLiteral, chars[i], letterCase);
            }
        } else if (ch == mDirReverse) {
            type = TMaskCharType::mcDirective;
            reverse_ = true;
        } else if (ch == mDirUpperCase) {
            type = TMaskCharType::mcDirective;
            // "<>" switches case conversion off.
            letterCase = afterLowerDirective ? TMaskCase::None : TMaskCase::Upper;
        } else if (ch == mDirLowerCase) {
            type = TMaskCharType::mcDirective;
            letterCase = TMaskCase::Lower;
            lowerDirective = true;
        } else if (ch == mMskDateSeparator || ch == mMskTimeSeparator) {
            type = TMaskCharType::mcIntlLiteral;
            AddPosition(TMaskCharType::mcIntlLiteral, MaskIntlLiteralToChar(ch, separators), letterCase);
        } else if (IsRequiredSlotChar(ch) || IsOptionalSlotChar(ch)) {
            type = IsRequiredSlotChar(ch) ? TMaskCharType::mcMask : TMaskCharType::mcMaskOpt;
            AddPosition(type, ch, letterCase);
        } else {
            AddPosition(TMaskCharType::mcLiteral, ch == mMskBlank ? U' ' : ch, letterCase);
        }
        afterLowerDirective = lowerDirective;
    }
    return -1;
}

// The save-literals field runs to the next ";", the blank field is the first
// character after that.
void TEditMask::ParseFields(const std::u32string& chars, size_t separator) {
    fieldSeparator_ = static_cast<int>(separator);
    charTypes_[separator] = TMaskCharType::mcFieldSeparator;
    size_t second = chars.find(MaskFieldSeparator, separator + 1);
    for (size_t i = separator + 1; i < chars.size(); ++i) charTypes_[i] = TMaskCharType::mcField;
    size_t saveEnd = second == std::u32string::npos ? chars.size() : second;
    saveLiterals_ = saveEnd == separator + 1 || chars[separator + 1] != MaskNoSave;
    if (second != std::u32string::npos) {
        charTypes_[second] = TMaskCharType::mcFieldSeparator;
        if (second + 1 < chars.size()) blank_ = chars[second + 1];
    }
}

void TEditMask::AddPosition(TMaskCharType type, char32_t ch, TMaskCase letterCase) {
    positions_.push_back(TMaskPosition{type, ch, letterCase});
}

TMaskCharType TEditMask::CharType(int offset) const {
    if (offset < 0 || offset >= static_cast<int>(charTypes_.size())) return TMaskCharType::mcNone;
    return charTypes_[static_cast<size_t>(offset)];
}

std::u32string TEditMask::BlankEditText() const { return FormatValue(std::u32string(), blank_); }

std::u32string TEditMask::FormatValue(const std::u32string& value, char32_t blank) const {
    std::u32string out(positions_.size(), blank);
    if (!reverse_) {
        size_t next = 0;
        for (size_t i = 0; i < positions_.size(); ++i) {
            if (positions_[i].IsLiteral()) {
                out[i] = positions_[i].Char;
            } else if (next < value.size()) {
                out[i] = value[next++];
            }
        }
        return out;
    }
    size_t remaining = value.size();
    for (size_t i = positions_.size(); i-- > 0;) {
        if (positions_[i].IsLiteral()) {
            out[i] = positions_[i].Char;
        } else if (remaining > 0) {
            out[i] = value[--remaining];
        }
    }
    return out;
}

std::u32string TEditMask::PadPiece(const std::u32string& piece, size_t slots, char32_t blank) const {
    if (piece.size() >= slots) {
        return reverse_ ? piece.substr(piece.size() - slots) : piece.substr(0, slots);
    }
    std::u32string padding(slots - piece.size(), blank);
    return reverse_ ? padding + piece : piece + padding;
}

void TEditMask::PutPiece(std::u32string& out, size_t& at, const std::u32string& piece) const {
    for (char32_t ch : piece) {
        while (at < positions_.size() && positions_[at].IsLiteral()) ++at;
        if (at < positions_.size()) out[at++] = ch;
    }
}

std::u32string TEditMask::PadInputLiterals(const std::u32string& value, char32_t blank) const {
    std::u32string out = FormatValue(std::u32string(), blank);
    size_t from = 0;   // where the current piece starts in `value`
    size_t slots = 0;  // slots since the last literal
    size_t pieceStart = 0;
    for (size_t i = 0; i < positions_.size(); ++i) {
        if (positions_[i].IsSlot()) {
            ++slots;
            continue;
        }
        size_t found = value.find(positions_[i].Char, from);
        size_t end = found == std::u32string::npos ? value.size() : found;
        PutPiece(out, pieceStart, PadPiece(value.substr(from, end - from), slots, blank));
        from = found == std::u32string::npos ? value.size() : found + 1;
        slots = 0;
        pieceStart = i + 1;
    }
    PutPiece(out, pieceStart, PadPiece(value.substr(from), slots, blank));
    return out;
}

std::u32string TEditMask::FormatText(const std::u32string& value, char32_t blank) const {
    return saveLiterals_ ? PadInputLiterals(value, blank) : FormatValue(value, blank);
}

std::u32string TEditMask::RemoveEditFormat(const std::u32string& editText) const {
    std::u32string value;
    for (size_t i = 0; i < positions_.size(); ++i) {
        if (positions_[i].IsSlot()) value.push_back(i < editText.size() ? editText[i] : blank_);
    }
    if (reverse_) {
        size_t first = value.find_first_not_of(blank_);
        value.erase(0, first == std::u32string::npos ? value.size() : first);
    } else {
        size_t last = value.find_last_not_of(blank_);
        value.erase(last == std::u32string::npos ? 0 : last + 1);
    }
    std::replace(value.begin(), value.end(), blank_, U' ');
    return value;
}

std::u32string TEditMask::TextOf(const std::u32string& editText) const {
    std::u32string value = RemoveEditFormat(editText);
    return saveLiterals_ ? FormatValue(value, U' ') : value;
}

std::u32string TEditMask::EditTextOf(const std::u32string& text) const { return FormatText(text, blank_); }

std::u32string TEditMask::Conform(const std::u32string& editText) const {
    std::u32string out = BlankEditText();
    for (size_t i = 0; i < positions_.size() && i < editText.size(); ++i) {
        if (positions_[i].IsSlot()) out[i] = editText[i];
    }
    return out;
}

bool TEditMask::AcceptChar(int pos, char32_t& ch) const {
    if (pos < 0 || pos >= MaxLength()) return false;
    const TMaskPosition& position = positions_[static_cast<size_t>(pos)];
    if (!position.IsSlot() || maskchars::IsControl(ch) || !FitsSlot(position.Char, ch)) return false;
    ch = ApplyCase(position.Case, ch);
    return true;
}

int TEditMask::FirstInvalidPosition(const std::u32string& editText) const {
    for (size_t i = 0; i < positions_.size(); ++i) {
        if (!positions_[i].IsRequired()) continue;
        char32_t ch = i < editText.size() ? editText[i] : blank_;
        // A space fills only a slot that takes any character.
        if (ch == blank_ || (ch == U' ' && positions_[i].Char != mMskAscii)) return static_cast<int>(i);
    }
    return -1;
}

int TEditMask::NextEditPos(int pos) const {
    for (int i = std::max(pos, 0); i < MaxLength(); ++i) {
        if (positions_[static_cast<size_t>(i)].IsSlot()) return i;
    }
    return MaxLength();
}

int TEditMask::PrevEditPos(int pos) const {
    for (int i = std::min(pos, MaxLength()) - 1; i >= 0; --i) {
        if (positions_[static_cast<size_t>(i)].IsSlot()) return i;
    }
    return -1;
}

int TEditMask::FindLiteral(int pos, char32_t ch) const {
    for (int i = std::max(pos + 1, 0); i < MaxLength(); ++i) {
        const TMaskPosition& position = positions_[static_cast<size_t>(i)];
        if (position.IsLiteral()) return position.Char == ch ? i : -1;
    }
    return -1;
}

}  // namespace rt
