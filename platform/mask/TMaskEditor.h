#pragma once
// The editing state of a mask edit, without any control: the edit text, the
// caret and the selection, and what typing and the editing keys do to them.
//
// With a mask, typing overwrites: a character fills the slot at the caret when
// it fits the slot's kind, literals are skipped, and Backspace and Delete blank
// slots instead of removing characters. Without a mask the editor behaves as a
// plain single-line edit (insertion, optional MaxLength).
// Positions (SelStart, SelLength, MaxLength) count characters.

#include "platform/mask/TEditMask.h"

#include <string>

namespace rt {

// The message of the exception ValidateEdit raises.
inline constexpr const char* SMaskEditErr = "Invalid input value.  Use escape key to abandon changes";

class TMaskEditor {
public:
    TMaskEditor();
    explicit TMaskEditor(const std::string& editMask, const TMaskSeparators& separators = DefaultMaskSeparators());

    const std::string& EditMask() const { return mask_.MaskText(); }
    const TEditMask& Mask() const { return mask_; }
    bool IsMasked() const { return mask_.IsMasked(); }
    // Changing the mask keeps the characters entered so far and puts them into
    // the new mask's slots; setting the same mask again changes nothing.
    void SetEditMask(const std::string& editMask, const TMaskSeparators& separators = DefaultMaskSeparators());

    // What the edit shows: literals and blank characters included.
    std::string EditText() const;
    // Takes the text position by position; literal positions keep the mask's literals.
    void SetEditText(const std::string& editText);
    // The edit text with blanks as spaces and, when the mask does not save
    // literals, without literals and without trailing (with "!": leading) blanks.
    std::string Text() const;
    // Formats `text` through the mask (it carries literals when the mask saves them).
    void SetText(const std::string& text);
    // The Text of an edit with nothing entered.
    std::string EmptyText() const;
    void Clear();

    // The mask's length when masked; otherwise the limit set (0 = none).
    int MaxLength() const;
    void SetMaxLength(int maxLength);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
    bool Modified() const { return modified_; }
    void SetModified(bool modified) { modified_ = modified; }

    int SelStart() const { return selStart_; }
    int SelLength() const { return selLength_; }
    std::string SelText() const;
    // Out-of-range values are clipped; with a mask, a caret on a literal moves
    // on to the next slot.
    void SetSel(int start, int length);
    void SelectAll();

    // A typed character; false (nothing changed) when it is refused.
    bool TypeChar(char32_t ch);
    // Types each character in turn, as a user would; true when all were taken.
    bool TypeText(const std::string& text);
    // Replaces the selection by the first line of `text`. With a mask every
    // character must be taken, or nothing changes and the result is false.
    bool PasteText(const std::string& text);
    bool Backspace();
    bool Delete();
    void Home();
    void End();
    void Left();
    void Right();

    // Remembers the edit text that Reset goes back to (the control calls this
    // when it receives the focus; setting a text does it too).
    void SaveOldValue();
    // The Escape key: back to the remembered text when modified.
    bool Reset();

    // Position of the first required slot still empty; -1 when none (or unmasked).
    int FirstInvalidPosition() const;
    // When masked and modified, a required slot left empty moves the caret
    // there and raises EMaskException with SMaskEditErr.
    void ValidateEdit();

private:
    bool TypeMasked(char32_t ch);
    bool TypePlain(char32_t ch);
    bool DeleteMasked(bool backwards);
    bool DeletePlain(bool backwards);
    bool IsSkippedLiteral(char32_t ch) const;
    void BlankSelection();
    void PlaceCaret(int pos);
    void ForgetSkippedLiterals();
    void TakeNewText(std::u32string text);
    int Length() const { return static_cast<int>(text_.size()); }

    TEditMask mask_;
    std::u32string text_;
    std::u32string oldValue_;
    int selStart_ = 0;
    int selLength_ = 0;
    int maxLength_ = 0;
    bool modified_ = false;
    bool readOnly_ = false;
    // Literals the caret has just jumped over after a typed character: typing
    // one of them next is taken as already done.
    int skippedFrom_ = -1;
    int skippedTo_ = -1;
};

}  // namespace rt
