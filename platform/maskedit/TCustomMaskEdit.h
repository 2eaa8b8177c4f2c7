#pragma once
// An edit that takes its input through an edit mask ("!9999/99/99;1; "):
// typing fills the mask's slots and skips its literals, Backspace and Delete
// blank slots, Escape goes back to the text the edit had when it got the focus.
//
// EditText is what the edit shows (literals and blank characters included);
// Text is what it reports: without literals when the mask does not save them.
// Text hides the control's text on purpose, as the original control does:
// through a TControl pointer the edit text is seen.
//
// Leaving the edit with a required slot empty raises EDBEditError and puts the
// focus back. Without a mask it behaves as a plain edit.

#include <string>

#include "platform/core/Exceptions.h"
#include "platform/mask/TMaskEditor.h"
#include "platform/stdctrls/TCustomEdit.h"

namespace rt {

RT_DECLARE_EXCEPTION(EDBEditError, EMaskException)

class TCustomMaskEdit : public TCustomEdit {
    RT_CLASS(TCustomMaskEdit, TCustomEdit)

public:
    explicit TCustomMaskEdit(TComponent* owner);

    static void Publish(TPublisher<TCustomMaskEdit>& p);

    const std::string& EditMask() const { return editor_.EditMask(); }
    // Keeps the characters entered so far, put into the new mask's slots.
    void SetEditMask(const std::string& mask);
    bool IsMasked() const { return editor_.IsMasked(); }

    std::string EditText() const;
    void SetEditText(const std::string& editText);
    std::string GetText() const;
    // Formats `text` through the mask; while loading it waits for the mask to be read.
    void SetText(const std::string& text);
    // The mask's length when masked.
    int MaxLength() const;
    void SetMaxLength(int length);

    // Raises EDBEditError with the caret on the first empty required slot, when
    // masked and modified.
    virtual void ValidateEdit();
    // Back to the text remembered at focus; false when there was nothing to undo.
    bool Reset();

    void Loaded() override;

protected:
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void EditKeyDown(uint16_t key, TShiftState shift) override;
    void EditChar(const std::string& ch) override;
    void EditBackspace() override;
    void TextChanged() override;
    void DoEnter() override;
    void DoExit() override;

    const TMaskEditor& MaskEditor() const { return editor_; }

private:
    // Brings the editor's selection to the control's before a masked operation
    // and the control's text and selection to the editor's after it.
    void PushSelection();
    void PullState(bool userEdit);
    bool IsMaxLengthStored() const;

    TMaskEditor editor_;
    bool pulling_ = false;
    bool hasPendingText_ = false;
    std::string pendingText_;
};

}  // namespace rt
