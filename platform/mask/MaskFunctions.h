#pragma once
// The edit-mask functions of the runtime, each taking the whole mask text
// ("mask;save-literals;blank"). Positions count characters.

#include "platform/mask/MaskTypes.h"
#include "platform/mask/TMaskSeparators.h"

#include <string>

namespace rt {

// `value` shown through the mask: literals inserted, empty slots as spaces.
// When the mask saves literals the value is expected to carry them and each
// piece between literals is fitted to its slots ("2005/3/7" -> "2005/3 /7 ");
// otherwise the value is the slot characters alone ("20050307" -> "2005/03/07").
// An empty mask returns the value unchanged.
std::string FormatMaskText(const std::string& editMask, const std::string& value);

// What an empty mask edit shows: every slot as the blank character.
std::string MaskGetBlankText(const std::string& editMask);

// Number of characters of the edit text (literals and slots).
int MaskGetMaxLength(const std::string& editMask);

// 1-based character position of the ";" that ends the mask field; -1 if none.
int MaskGetFldSeparator(const std::string& editMask);

// False only when the save-literals field starts with "0".
bool MaskGetMaskSave(const std::string& editMask);

// The blank character (one character as UTF-8); "_" when the mask names none.
std::string MaskGetMaskBlank(const std::string& editMask);

// "/" and ":" become the date and time separators; other characters stay.
char32_t MaskIntlLiteralToChar(char32_t ch, const TMaskSeparators& separators = DefaultMaskSeparators());

// Kind of the character at the 1-based position `maskOffset` of the mask text.
TMaskCharType MaskGetCharType(const std::string& editMask, int maskOffset);

}  // namespace rt
