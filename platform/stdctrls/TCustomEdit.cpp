#include "platform/stdctrls/TCustomEdit.h"

#include <algorithm>
#include <cstdlib>

#include "platform/controls/VirtualKeys.h"
#include "platform/stdctrls/EditText.h"

namespace rt {

namespace {

// Bytes a UTF-8 sequence starting with `lead` has; 1 for ASCII and stray bytes.
size_t SequenceSize(unsigned char lead) {
    if (lead >= 0xF0 && lead < 0xF8) return 4;
    if (lead >= 0xE0) return lead < 0xF0 ? 3 : 1;
    if (lead >= 0xC0) return 2;
    return 1;
}

}  // namespace

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
    SetTabStop(true);
    SetBounds(0, 0, 121, 21);
}

void TCustomEdit::Publish(TPublisher<TCustomEdit>& p) {
    p.Republish("TabStop").Default(true);
    p.Property("Text", &TCustomEdit::GetText, &TCustomEdit::SetText).Default(std::string());
    p.Property("MaxLength", &TCustomEdit::MaxLength, &TCustomEdit::SetMaxLength).Default(0);
    p.Property("ReadOnly", &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly).Default(false);
    p.Property("CharCase", &TCustomEdit::CharCase, &TCustomEdit::SetCharCase).Default(ecNormal);
    p.Property("PasswordChar", &TCustomEdit::PasswordChar, &TCustomEdit::SetPasswordChar).Default(0);
    p.Property("AutoSelect", &TCustomEdit::AutoSelect, &TCustomEdit::SetAutoSelect).Default(true);
    p.Property("BorderStyle", &TCustomEdit::BorderStyle, &TCustomEdit::SetBorderStyle).Default(bsSingle);
    p.Property("OnChange", &TCustomEdit::OnChange);
}

void TCustomEdit::SetCharCase(TEditCharCase v) {
    if (v == charCase_) return;
    charCase_ = v;
    SetText(Cased(GetText()));
}

void TCustomEdit::SetPasswordChar(char c) {
    passwordChar_ = c;
    Invalidate();
}

std::string TCustomEdit::Cased(const std::string& text) const {
    switch (charCase_) {
        case ecUpperCase: return AsciiUpper(text);
        case ecLowerCase: return AsciiLower(text);
        default: return text;
    }
}

std::string TCustomEdit::DisplayText() const {
    if (passwordChar_ == 0) return GetText();
    return std::string(static_cast<size_t>(TextLength()), passwordChar_);
}

int TCustomEdit::TextLength() const { return Utf8CharCount(GetText()); }

int TCustomEdit::SelStart() const { return std::min(anchor_, caret_); }

int TCustomEdit::SelLength() const { return std::abs(caret_ - anchor_); }

void TCustomEdit::SetSelStart(int pos) {
    pos = std::clamp(pos, 0, TextLength());
    anchor_ = caret_ = pos;
}

void TCustomEdit::SetSelLength(int length) {
    const int start = SelStart();
    anchor_ = start;
    caret_ = std::clamp(start + std::max(length, 0), start, TextLength());
}

std::string TCustomEdit::SelText() const { return Utf8Mid(GetText(), SelStart(), SelLength()); }

void TCustomEdit::SetSelText(const std::string& text) {
    const std::string& current = GetText();
    const int start = SelStart();
    const std::string inserted = Cased(text);
    std::string next = Utf8Left(current, start) + inserted + Utf8Mid(current, start + SelLength(), INT32_MAX);
    userEditing_ = true;
    SetText(next);
    userEditing_ = false;
    SetSelStart(start + Utf8CharCount(inserted));
}

void TCustomEdit::SelectAll() {
    anchor_ = 0;
    caret_ = TextLength();
}

void TCustomEdit::ClearSelection() { SetSelText(std::string()); }

void TCustomEdit::SetCaret(int caret, bool extend) {
    caret_ = std::clamp(caret, 0, TextLength());
    if (!extend) anchor_ = caret_;
}

void TCustomEdit::Change() { OnChange(this); }

void TCustomEdit::TextChanged() {
    const std::string cased = Cased(GetText());
    if (cased != GetText()) {
        // Setting the converted text comes back here once, and that call reports the change.
        SetText(cased);
        return;
    }
    if (!userEditing_) {
        anchor_ = caret_ = 0;
    } else {
        anchor_ = std::min(anchor_, TextLength());
        caret_ = std::min(caret_, TextLength());
    }
    Change();
}

bool TCustomEdit::AcceptEdit(const std::string&) { return true; }

void TCustomEdit::ApplyUserText(const std::string& text, int caret) {
    userEditing_ = true;
    try {
        SetText(text);
    } catch (...) {
        userEditing_ = false;
        throw;
    }
    userEditing_ = false;
    SetCaret(caret, false);
    modified_ = true;
}

bool TCustomEdit::UserReplaceSelection(const std::string& text) {
    if (readOnly_) return false;
    std::string inserted = Cased(text);
    const std::string& current = GetText();
    if (maxLength_ > 0) {
        const int room = maxLength_ - (TextLength() - SelLength());
        if (room <= 0 && !inserted.empty()) return false;
        inserted = Utf8Left(inserted, room);
    }
    const int start = SelStart();
    std::string next = Utf8Left(current, start) + inserted + Utf8Mid(current, start + SelLength(), INT32_MAX);
    if (next == current || !AcceptEdit(next)) return false;
    ApplyUserText(next, start + Utf8CharCount(inserted));
    return true;
}

void TCustomEdit::DeleteAtCaret(bool forward) {
    if (readOnly_) return;
    if (SelLength() == 0) {
        if (forward ? caret_ >= TextLength() : caret_ == 0) return;
        anchor_ = forward ? caret_ + 1 : caret_ - 1;
    }
    UserReplaceSelection(std::string());
}

void TCustomEdit::EditKeyDown(uint16_t key, TShiftState shift) {
    const bool extend = shift.Contains(ssShift);
    switch (key) {
        case VK_LEFT:
            if (!extend && SelLength() > 0) {
                SetCaret(SelStart(), false);
            } else {
                SetCaret(caret_ - 1, extend);
            }
            break;
        case VK_RIGHT:
            if (!extend && SelLength() > 0) {
                SetCaret(SelStart() + SelLength(), false);
            } else {
                SetCaret(caret_ + 1, extend);
            }
            break;
        case VK_HOME: SetCaret(0, extend); break;
        case VK_END: SetCaret(TextLength(), extend); break;
        case VK_DELETE:
            if (!shift.Contains(ssShift)) DeleteAtCaret(true);
            break;
        default: break;
    }
}

void TCustomEdit::EditChar(const std::string& ch) { UserReplaceSelection(ch); }

void TCustomEdit::EditBackspace() { DeleteAtCaret(false); }

void TCustomEdit::DefaultKeyDown(uint16_t key, TShiftState shift) { EditKeyDown(key, shift); }

void TCustomEdit::DefaultKeyPress(char key) {
    const auto byte = static_cast<unsigned char>(key);
    if (byte >= 0x80) {
        // Continuation bytes only count after a lead byte; a stray one is dropped.
        if ((byte & 0xC0) == 0x80 && pendingChar_.empty()) return;
        if ((byte & 0xC0) != 0x80) pendingChar_.clear();
        pendingChar_ += key;
        if (pendingChar_.size() == SequenceSize(static_cast<unsigned char>(pendingChar_[0]))) {
            const std::string ch = std::move(pendingChar_);
            pendingChar_.clear();
            EditChar(ch);
        }
        return;
    }
    pendingChar_.clear();
    if (key == '\b') {
        EditBackspace();
    } else if (byte < 0x20 || byte == 0x7F) {
        EditControlChar(key);
    } else {
        EditChar(std::string(1, key));
    }
}

LRESULT TCustomEdit::DialogCode() const { return DLGC_WANTCHARS | DLGC_WANTARROWS; }

void TCustomEdit::DoEnter() {
    if (autoSelect_) SelectAll();
    TWinControl::DoEnter();
}

}  // namespace rt
