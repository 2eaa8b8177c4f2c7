#include "platform/mask/MaskFunctions.h"

#include "platform/mask/MaskChars.h"
#include "platform/mask/TEditMask.h"

namespace rt {

std::string FormatMaskText(const std::string& editMask, const std::string& value) {
    TEditMask mask(editMask);
    if (!mask.IsMasked()) return value;
    return maskchars::EncodeUtf8(mask.FormatText(maskchars::DecodeUtf8(value), U' '));
}

std::string MaskGetBlankText(const std::string& editMask) {
    return maskchars::EncodeUtf8(TEditMask(editMask).BlankEditText());
}

int MaskGetMaxLength(const std::string& editMask) { return TEditMask(editMask).MaxLength(); }

int MaskGetFldSeparator(const std::string& editMask) {
    int separator = TEditMask(editMask).FieldSeparator();
    return separator < 0 ? -1 : separator + 1;
}

bool MaskGetMaskSave(const std::string& editMask) { return TEditMask(editMask).SaveLiterals(); }

std::string MaskGetMaskBlank(const std::string& editMask) {
    return maskchars::EncodeUtf8(TEditMask(editMask).Blank());
}

char32_t MaskIntlLiteralToChar(char32_t ch, const TMaskSeparators& separators) {
    if (ch == mMskDateSeparator) return separators.DateSeparator;
    if (ch == mMskTimeSeparator) return separators.TimeSeparator;
    return ch;
}

TMaskCharType MaskGetCharType(const std::string& editMask, int maskOffset) {
    return TEditMask(editMask).CharType(maskOffset - 1);
}

}  // namespace rt
