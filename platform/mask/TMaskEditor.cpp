#include "platform/mask/TMaskEditor.h"

#include "platform/core/Exceptions.h"
#include "platform/mask/MaskChars.h"

#include <algorithm>
#include <limits>

namespace rt {

namespace {

// A single-line edit takes a pasted text up to its first line break.
std::u32string FirstLine(const std::string& text) {
    std::u32string chars = maskchars::DecodeUtf8(text);
    size_t lineEnd = chars.find_first_of(U"\r\n");
    if (lineEnd != std::u32string::npos) chars.erase(lineEnd);
    return chars;
}

}  // namespace

TMaskEditor::TMaskEditor() = default;

TMaskEditor::TMaskEditor(const std::string& editMask, const TMaskSeparators& separators) {
    SetEditMask(editMask, separators);
}

void TMaskEditor::SetEditMask(const std::string& editMask, const TMaskSeparators& separators) {
    TEditMask newMask(editMask, separators);
    // Setting the mask in use again (a date field gets its mask on every
    // entry) must not disturb what is being typed.
    if (newMask.MaskText() == mask_.MaskText() && newMask.Positions() == mask_.Positions()) return;
    std::u32string newText;
    if (!mask_.IsMasked()) {
        // A plain edit's text is its Text, literals included.
        newText = newMask.IsMasked() ? newMask.EditTextOf(text_) : text_;
    } else {
        std::u32string value = mask_.RemoveEditFormat(text_);
        newText = newMask.IsMasked() ? newMask.FormatValue(value, newMask.Blank()) : value;
    }
    mask_ = std::move(newMask);
    TakeNewText(std::move(newText));
}

std::string TMaskEditor::EditText() const { return maskchars::EncodeUtf8(text_); }

void TMaskEditor::SetEditText(const std::string& editText) {
    std::u32string chars = maskchars::DecodeUtf8(editText);
    TakeNewText(IsMasked() ? mask_.Conform(chars) : chars);
}

std::string TMaskEditor::Text() const {
    return maskchars::EncodeUtf8(IsMasked() ? mask_.TextOf(text_) : text_);
}

void TMaskEditor::SetText(const std::string& text) {
    std::u32string chars = maskchars::DecodeUtf8(text);
    TakeNewText(IsMasked() ? mask_.EditTextOf(chars) : chars);
}

std::string TMaskEditor::EmptyText() const {
    return IsMasked() ? maskchars::EncodeUtf8(mask_.TextOf(mask_.BlankEditText())) : std::string();
}

void TMaskEditor::Clear() { SetText(std::string()); }

// A text set from outside is the new starting point: not modified, and what
// Escape returns to.
void TMaskEditor::TakeNewText(std::u32string text) {
    text_ = std::move(text);
    oldValue_ = text_;
    modified_ = false;
    PlaceCaret(0);
}

int TMaskEditor::MaxLength() const { return IsMasked() ? mask_.MaxLength() : maxLength_; }

void TMaskEditor::SetMaxLength(int maxLength) { maxLength_ = std::max(maxLength, 0); }

std::string TMaskEditor::SelText() const {
    return maskchars::EncodeUtf8(text_.substr(static_cast<size_t>(selStart_), static_cast<size_t>(selLength_)));
}

void TMaskEditor::SetSel(int start, int length) {
    start = std::clamp(start, 0, Length());
    length = std::clamp(length, 0, Length() - start);
    if (length == 0) {
        PlaceCaret(start);
        return;
    }
    ForgetSkippedLiterals();
    selStart_ = start;
    selLength_ = length;
}

void TMaskEditor::SelectAll() { SetSel(0, Length()); }

void TMaskEditor::PlaceCaret(int pos) {
    pos = std::clamp(pos, 0, Length());
    selStart_ = IsMasked() ? mask_.NextEditPos(pos) : pos;
    selLength_ = 0;
    ForgetSkippedLiterals();
}

void TMaskEditor::ForgetSkippedLiterals() {
    skippedFrom_ = -1;
    skippedTo_ = -1;
}

bool TMaskEditor::IsSkippedLiteral(char32_t ch) const {
    if (skippedFrom_ < 0 || selLength_ != 0 || selStart_ != skippedTo_) return false;
    for (int i = skippedFrom_; i < skippedTo_; ++i) {
        if (text_[static_cast<size_t>(i)] == ch) return true;
    }
    return false;
}

bool TMaskEditor::TypeChar(char32_t ch) {
    if (readOnly_) return false;
    return IsMasked() ? TypeMasked(ch) : TypePlain(ch);
}

bool TMaskEditor::TypeMasked(char32_t ch) {
    if (IsSkippedLiteral(ch)) {
        ForgetSkippedLiterals();
        return true;
    }
    int pos = selLength_ > 0 ? mask_.NextEditPos(selStart_) : selStart_;
    if (pos >= Length()) return false;
    char32_t converted = ch;
    if (mask_.AcceptChar(pos, converted)) {
        BlankSelection();
        text_[static_cast<size_t>(pos)] = converted;
        modified_ = true;
        PlaceCaret(pos + 1);
        if (selStart_ > pos + 1) {
            skippedFrom_ = pos + 1;
            skippedTo_ = selStart_;
        }
        return true;
    }
    // A separator typed early (e.g. "3/" for a two-digit month) jumps past it.
    int literal = mask_.FindLiteral(pos, ch);
    if (literal < 0) return false;
    BlankSelection();
    PlaceCaret(literal + 1);
    return true;
}

bool TMaskEditor::TypePlain(char32_t ch) {
    if (maskchars::IsControl(ch)) return false;
    if (maxLength_ > 0 && Length() - selLength_ + 1 > maxLength_) return false;
    text_.replace(static_cast<size_t>(selStart_), static_cast<size_t>(selLength_), 1, ch);
    modified_ = true;
    PlaceCaret(selStart_ + 1);
    return true;
}

bool TMaskEditor::TypeText(const std::string& text) {
    bool allTaken = true;
    for (char32_t ch : maskchars::DecodeUtf8(text)) allTaken = TypeChar(ch) && allTaken;
    return allTaken;
}

bool TMaskEditor::PasteText(const std::string& text) {
    if (readOnly_) return false;
    std::u32string line = FirstLine(text);
    if (line.empty()) return selLength_ > 0 && Delete();
    if (!IsMasked()) {
        int room = maxLength_ > 0 ? maxLength_ - (Length() - selLength_) : std::numeric_limits<int>::max();
        if (room <= 0) return false;
        if (static_cast<int>(line.size()) > room) line.erase(static_cast<size_t>(room));
        text_.replace(static_cast<size_t>(selStart_), static_cast<size_t>(selLength_), line);
        modified_ = true;
        PlaceCaret(selStart_ + static_cast<int>(line.size()));
        return true;
    }
    TMaskEditor trial = *this;
    for (char32_t ch : line) {
        if (!trial.TypeMasked(ch)) return false;
    }
    *this = std::move(trial);
    return true;
}

void TMaskEditor::BlankSelection() {
    if (selLength_ == 0) return;
    for (int i = selStart_; i < selStart_ + selLength_; ++i) {
        if (mask_.Positions()[static_cast<size_t>(i)].IsSlot()) text_[static_cast<size_t>(i)] = mask_.Blank();
    }
    modified_ = true;
    selLength_ = 0;
}

bool TMaskEditor::Backspace() { return !readOnly_ && (IsMasked() ? DeleteMasked(true) : DeletePlain(true)); }

bool TMaskEditor::Delete() { return !readOnly_ && (IsMasked() ? DeleteMasked(false) : DeletePlain(false)); }

// Blanks slots only: the literals and the other characters stay where they are.
bool TMaskEditor::DeleteMasked(bool backwards) {
    if (selLength_ > 0) {
        int start = selStart_;
        BlankSelection();
        PlaceCaret(start);
        return true;
    }
    int pos = backwards ? mask_.PrevEditPos(selStart_) : selStart_;
    if (pos < 0 || pos >= Length()) {
        ForgetSkippedLiterals();
        return false;
    }
    text_[static_cast<size_t>(pos)] = mask_.Blank();
    modified_ = true;
    PlaceCaret(pos);
    return true;
}

bool TMaskEditor::DeletePlain(bool backwards) {
    int start = selStart_;
    int count = selLength_;
    if (count == 0) {
        if (backwards) --start;
        count = 1;
    }
    if (start < 0 || start + count > Length()) return false;
    text_.erase(static_cast<size_t>(start), static_cast<size_t>(count));
    modified_ = true;
    PlaceCaret(start);
    return true;
}

void TMaskEditor::Home() { PlaceCaret(0); }

void TMaskEditor::End() { PlaceCaret(Length()); }

void TMaskEditor::Left() {
    if (selLength_ > 0) {
        PlaceCaret(selStart_);
        return;
    }
    int target = IsMasked() ? mask_.PrevEditPos(selStart_) : selStart_ - 1;
    PlaceCaret(target < 0 ? selStart_ : target);
}

void TMaskEditor::Right() {
    if (selLength_ > 0) {
        PlaceCaret(selStart_ + selLength_);
        return;
    }
    PlaceCaret(std::min(selStart_ + 1, Length()));
}

void TMaskEditor::SaveOldValue() { oldValue_ = text_; }

bool TMaskEditor::Reset() {
    if (!modified_) return false;
    text_ = oldValue_;
    modified_ = false;
    PlaceCaret(0);
    return true;
}

int TMaskEditor::FirstInvalidPosition() const { return IsMasked() ? mask_.FirstInvalidPosition(text_) : -1; }

void TMaskEditor::ValidateEdit() {
    if (!IsMasked() || !modified_) return;
    int pos = FirstInvalidPosition();
    if (pos < 0) return;
    PlaceCaret(pos);
    throw EMaskException(SMaskEditErr);
}

}  // namespace rt
