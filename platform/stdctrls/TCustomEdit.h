#pragma once
// The single-line text entry every edit derives from. Positions, selections
// and MaxLength count characters; the text is UTF-8.
//
// User input arrives as keys: DefaultKeyDown moves the caret and deletes,
// DefaultKeyPress gathers typed bytes into characters. Derived edits (masked,
// spin) take over through EditKeyDown, EditChar and EditBackspace, and veto
// any user edit through AcceptEdit. Programmatic changes (SetText, SetSelText)
// bypass ReadOnly, MaxLength and AcceptEdit, as they do for the original control.

#include <string>

#include "platform/controls/TWinControl.h"
#include "platform/stdctrls/StdCtrlTypes.h"

namespace rt {

class TCustomEdit : public TWinControl {
    RT_CLASS(TCustomEdit, TWinControl)

public:
    explicit TCustomEdit(TComponent* owner);

    static void Publish(TPublisher<TCustomEdit>& p);

    // Zero means no limit.
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int v) { maxLength_ = v < 0 ? 0 : v; }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool v) { readOnly_ = v; }
    TEditCharCase CharCase() const { return charCase_; }
    void SetCharCase(TEditCharCase v);
    char PasswordChar() const { return passwordChar_; }
    void SetPasswordChar(char c);
    bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool v) { autoSelect_ = v; }
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle v) { borderStyle_ = v; }
    // Set by user edits, cleared by the program.
    bool Modified() const { return modified_; }
    void SetModified(bool v) { modified_ = v; }

    // What the control shows: the text, or one password character per character.
    std::string DisplayText() const;

    int SelStart() const;
    // Puts the caret at `pos` (clamped) and clears the selection.
    void SetSelStart(int pos);
    int SelLength() const;
    // Selects from SelStart on (clamped to the text).
    void SetSelLength(int length);
    std::string SelText() const;
    // Replaces the selection and leaves the caret after the new text.
    void SetSelText(const std::string& text);
    void SelectAll();
    void ClearSelection();
    // Where the caret is (the moving end of the selection), in characters.
    int CaretIndex() const { return caret_; }
    int TextLength() const;

    TNotifyEvent OnChange;

protected:
    virtual void Change();
    // A navigation or deletion key the key events left alone.
    virtual void EditKeyDown(uint16_t key, TShiftState shift);
    // One typed printable character (UTF-8).
    virtual void EditChar(const std::string& ch);
    virtual void EditBackspace();
    // Control characters other than Backspace; the single-line edit ignores them.
    virtual void EditControlChar(char) {}
    // Vetoes a user edit before it is applied; `newText` is the whole text it would give.
    virtual bool AcceptEdit(const std::string& newText);
    // A user edit: replaces the selection with `text` when the edit is
    // writable, the result fits MaxLength (the insertion is cut to fit) and
    // AcceptEdit agrees. True when the text changed.
    bool UserReplaceSelection(const std::string& text);
    // Sets the text as a user edit would, with the caret at `caret`.
    void ApplyUserText(const std::string& text, int caret);
    void SetCaret(int caret, bool extend);
    int AnchorIndex() const { return anchor_; }

    void DefaultKeyDown(uint16_t key, TShiftState shift) override;
    void DefaultKeyPress(char key) override;
    LRESULT DialogCode() const override;
    void DoEnter() override;
    void TextChanged() override;

private:
    void DeleteAtCaret(bool forward);
    std::string Cased(const std::string& text) const;

    int maxLength_ = 0;
    bool readOnly_ = false;
    TEditCharCase charCase_ = ecNormal;
    char passwordChar_ = 0;
    bool autoSelect_ = true;
    TBorderStyle borderStyle_ = bsSingle;
    bool modified_ = false;
    int anchor_ = 0;
    int caret_ = 0;
    // A user edit keeps its caret; any other text change puts the caret at the start.
    bool userEditing_ = false;
    // Bytes of a UTF-8 character typed byte by byte, until it is complete.
    std::string pendingChar_;
};

}  // namespace rt
