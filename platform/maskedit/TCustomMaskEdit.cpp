#include "platform/maskedit/TCustomMaskEdit.h"

#include "platform/controls/VirtualKeys.h"
#include "platform/mask/MaskChars.h"
#include "platform/sysutils/Beep.h"

namespace rt {

TCustomMaskEdit::TCustomMaskEdit(TComponent* owner) : TCustomEdit(owner) {}

void TCustomMaskEdit::Publish(TPublisher<TCustomMaskEdit>& p) {
    p.Property("EditMask", &TCustomMaskEdit::EditMask, &TCustomMaskEdit::SetEditMask).Default(std::string());
    p.Property("MaxLength", &TCustomMaskEdit::MaxLength, &TCustomMaskEdit::SetMaxLength).Default(0).Stored(
        &TCustomMaskEdit::IsMaxLengthStored);
    p.Property("Text", &TCustomMaskEdit::GetText, &TCustomMaskEdit::SetText).Default(std::string());
}

void TCustomMaskEdit::SetEditMask(const std::string& mask) {
    if (mask == editor_.EditMask()) return;
    editor_.SetEditText(TCustomEdit::GetText());
    editor_.SetEditMask(mask);
    if (!IsMasked()) editor_.SetMaxLength(TCustomEdit::MaxLength());
    PullState(false);
}

std::string TCustomMaskEdit::EditText() const { return TCustomEdit::GetText(); }

void TCustomMaskEdit::SetEditText(const std::string& editText) {
    editor_.SetEditText(editText);
    PullState(false);
}

std::string TCustomMaskEdit::GetText() const {
    if (!IsMasked()) return TCustomEdit::GetText();
    return editor_.Text();
}

void TCustomMaskEdit::SetText(const std::string& text) {
    if (ComponentState().Contains(csReading)) {
        pendingText_ = text;
        hasPendingText_ = true;
        return;
    }
    if (!IsMasked()) {
        TCustomEdit::SetText(text);
        return;
    }
    editor_.SetText(text);
    PullState(false);
}

void TCustomMaskEdit::Loaded() {
    TCustomEdit::Loaded();
    if (!hasPendingText_) return;
    hasPendingText_ = false;
    SetText(pendingText_);
}

int TCustomMaskEdit::MaxLength() const { return IsMasked() ? editor_.MaxLength() : TCustomEdit::MaxLength(); }

void TCustomMaskEdit::SetMaxLength(int length) {
    TCustomEdit::SetMaxLength(length);
    if (!IsMasked()) editor_.SetMaxLength(TCustomEdit::MaxLength());
}

bool TCustomMaskEdit::IsMaxLengthStored() const { return !IsMasked() && TCustomEdit::MaxLength() != 0; }

void TCustomMaskEdit::PushSelection() {
    editor_.SetReadOnly(ReadOnly());
    editor_.SetModified(Modified());
    // Setting the same selection again would make the editor forget the literals it just skipped.
    if (editor_.EditText() != TCustomEdit::GetText()) editor_.SetEditText(TCustomEdit::GetText());
    if (editor_.SelStart() != SelStart() || editor_.SelLength() != SelLength()) editor_.SetSel(SelStart(), SelLength());
}

void TCustomMaskEdit::PullState(bool userEdit) {
    pulling_ = true;
    try {
        const std::string shown = editor_.EditText();
        if (userEdit) {
            if (shown != TCustomEdit::GetText()) ApplyUserText(shown, editor_.SelStart());
        } else {
            TCustomEdit::SetText(shown);
        }
    } catch (...) {
        pulling_ = false;
        throw;
    }
    pulling_ = false;
    SetSelStart(editor_.SelStart());
    SetSelLength(editor_.SelLength());
}

void TCustomMaskEdit::TextChanged() {
    // A text set from outside (a message, a language pack) is taken as an edit text.
    if (IsMasked() && !pulling_ && TCustomEdit::GetText() != editor_.EditText()) {
        editor_.SetEditText(TCustomEdit::GetText());
        if (editor_.EditText() != TCustomEdit::GetText()) {
            PullState(false);
            return;
        }
    }
    TCustomEdit::TextChanged();
}

void TCustomMaskEdit::EditKeyDown(uint16_t key, TShiftState shift) {
    if (!IsMasked() || shift.Contains(ssShift)) {
        // Selecting with Shift uses the plain edit's caret rules; the editor follows on the next key.
        if (!IsMasked() || key != VK_DELETE) TCustomEdit::EditKeyDown(key, shift);
        return;
    }
    PushSelection();
    bool edited = false;
    switch (key) {
        case VK_LEFT: editor_.Left(); break;
        case VK_RIGHT: editor_.Right(); break;
        case VK_HOME: editor_.Home(); break;
        case VK_END: editor_.End(); break;
        case VK_DELETE: edited = editor_.Delete(); break;
        default: return;
    }
    PullState(edited);
}

void TCustomMaskEdit::EditChar(const std::string& ch) {
    if (!IsMasked()) {
        TCustomEdit::EditChar(ch);
        return;
    }
    PushSelection();
    const std::u32string chars = maskchars::DecodeUtf8(ch);
    if (chars.empty()) return;
    const bool taken = editor_.TypeChar(chars[0]);
    if (!taken) MessageBeep();
    PullState(taken);
}

void TCustomMaskEdit::EditBackspace() {
    if (!IsMasked()) {
        TCustomEdit::EditBackspace();
        return;
    }
    PushSelection();
    PullState(editor_.Backspace());
}

void TCustomMaskEdit::KeyDown(uint16_t& key, TShiftState shift) {
    TCustomEdit::KeyDown(key, shift);
    if (key == VK_ESCAPE && IsMasked() && Modified()) {
        Reset();
        key = 0;
    }
}

bool TCustomMaskEdit::Reset() {
    editor_.SetModified(Modified());
    if (!editor_.Reset()) return false;
    PullState(false);
    SetModified(false);
    return true;
}

void TCustomMaskEdit::ValidateEdit() {
    if (!IsMasked() || !Modified()) return;
    PushSelection();
    try {
        editor_.ValidateEdit();
    } catch (const EMaskException& e) {
        SetSelStart(editor_.SelStart());
        throw EDBEditError(e.what());
    }
}

void TCustomMaskEdit::DoEnter() {
    editor_.SetEditText(TCustomEdit::GetText());
    editor_.SaveOldValue();
    TCustomEdit::DoEnter();
}

void TCustomMaskEdit::DoExit() {
    try {
        ValidateEdit();
    } catch (const EDBEditError&) {
        if (CanFocus()) SetFocus();
        throw;
    }
    TCustomEdit::DoExit();
}

}  // namespace rt
