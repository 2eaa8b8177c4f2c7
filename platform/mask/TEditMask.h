#pragma once
// A parsed edit mask: the mask field with its positions, the save-literals flag
// and the blank character, and the conversions between a value, the text a mask
// edit shows (edit text) and the text it reports (Text).
//
// A mask text has up to three fields separated by ";": the mask, the
// save-literals field ("0" = literals are not part of Text) and the blank
// character (default "_"). The mask field ends at the first ";" that is not
// escaped with "\", so a literal ";" in a mask is written "\;".
// All positions and lengths count characters, not bytes.

#include "platform/mask/MaskTypes.h"
#include "platform/mask/TMaskSeparators.h"

#include <string>
#include <vector>

namespace rt {

class TEditMask {
public:
    TEditMask();
    explicit TEditMask(const std::string& editMask, const TMaskSeparators& separators = DefaultMaskSeparators());

    const std::string& MaskText() const { return maskText_; }
    // A mask edit is masked as soon as its mask text is not empty, even when the
    // text holds directives only.
    bool IsMasked() const { return !maskText_.empty(); }
    bool SaveLiterals() const { return saveLiterals_; }
    char32_t Blank() const { return blank_; }
    // "!" anywhere in the mask: optional characters that are absent are leading
    // blanks instead of trailing ones.
    bool Reverse() const { return reverse_; }
    int MaxLength() const { return static_cast<int>(positions_.size()); }
    // Character index (0-based) of the ";" that ends the mask field; -1 if none.
    int FieldSeparator() const { return fieldSeparator_; }
    const std::vector<TMaskPosition>& Positions() const { return positions_; }
    // Kind of the character at `offset` (0-based) of the mask text.
    TMaskCharType CharType(int offset) const;

    // Every slot shown as the blank character, literals as themselves.
    std::u32string BlankEditText() const;
    // A value without literals put into the slots in order (from the end with
    // "!"), missing characters as `blank`, surplus characters dropped.
    std::u32string FormatValue(const std::u32string& value, char32_t blank) const;
    // A value that carries the literals: each piece between two literals is
    // padded with `blank` (in front with "!") or cut to its slots.
    std::u32string PadInputLiterals(const std::u32string& value, char32_t blank) const;
    // FormatValue or PadInputLiterals, as the save-literals flag says.
    std::u32string FormatText(const std::u32string& value, char32_t blank) const;
    // The slot characters of an edit text with trailing blanks (leading ones
    // with "!") removed and the remaining blanks turned into spaces.
    std::u32string RemoveEditFormat(const std::u32string& editText) const;

    // Text from an edit text: RemoveEditFormat, with the literals put back and
    // spaces in the empty slots when literals are saved.
    std::u32string TextOf(const std::u32string& editText) const;
    // The edit text that Text `text` gives.
    std::u32string EditTextOf(const std::u32string& text) const;
    // An edit text brought to the shape of the mask: literal positions hold
    // their literals, missing slots are blank, surplus characters are dropped.
    std::u32string Conform(const std::u32string& editText) const;

    // True when `ch` may go into the slot at `pos`; `ch` is then case-converted.
    bool AcceptChar(int pos, char32_t& ch) const;
    // Position of the first required slot left empty in `editText`; -1 if none.
    int FirstInvalidPosition(const std::u32string& editText) const;
    // The first slot at or after `pos`, MaxLength when there is none.
    int NextEditPos(int pos) const;
    // The last slot before `pos`, -1 when there is none.
    int PrevEditPos(int pos) const;
    // Looking on from the slot at `pos`: the position of the first literal when
    // it shows `ch`, else -1.
    int FindLiteral(int pos, char32_t ch) const;

private:
    void Parse(const std::u32string& chars, const TMaskSeparators& separators);
    int ParseMaskField(const std::u32string& chars, const TMaskSeparators& separators);
    void ParseFields(const std::u32string& chars, size_t separator);
    void AddPosition(TMaskCharType type, char32_t ch, TMaskCase letterCase);
    std::u32string PadPiece(const std::u32string& piece, size_t slots, char32_t blank) const;
    void PutPiece(std::u32string& out, size_t& at, const std::u32string& piece) const;

    std::string maskText_;
    std::vector<TMaskPosition> positions_;
    std::vector<TMaskCharType> charTypes_;
    bool saveLiterals_ = true;
    char32_t blank_ = DefaultBlank;
    bool reverse_ = false;
    int fieldSeparator_ = -1;
};

}  // namespace rt
