#include "platform/stdctrls/TCustomMemo.h"

#include <algorithm>

#include "platform/controls/VirtualKeys.h"
#include "platform/stdctrls/EditText.h"

namespace rt {

namespace {

// The lines' text without the line break after the last line.
std::string JoinedLines(const TStrings& lines) {
    std::string text = lines.Text();
    if (text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0) text.resize(text.size() - 2);
    return text;
}

}  // namespace

TCustomMemo::TCustomMemo(TComponent* owner) : TCustomEdit(owner), lines_(new TStringList()) {
    lines_->OnChange = TNotifyEvent::Of<&TCustomMemo::LinesChanged>(this);
    SetAutoSelect(false);
    SetBounds(0, 0, 185, 89);
}

TCustomMemo::~TCustomMemo() { delete lines_; }

void TCustomMemo::Publish(TPublisher<TCustomMemo>& p) {
    // The text is stored through Lines.
    p.Republish("Text").Stored(false);
    p.Republish("AutoSelect").Default(false);
    p.Property("Lines", &TCustomMemo::Lines, &TCustomMemo::SetLines);
    p.Property("WantReturns", &TCustomMemo::WantReturns, &TCustomMemo::SetWantReturns).Default(true);
    p.Property("WantTabs", &TCustomMemo::WantTabs, &TCustomMemo::SetWantTabs).Default(false);
    p.Property("ScrollBars", &TCustomMemo::ScrollBars, &TCustomMemo::SetScrollBars).Default(ssNone);
    p.Property("WordWrap", &TCustomMemo::WordWrap, &TCustomMemo::SetWordWrap).Default(true);
}

void TCustomMemo::SetLines(TStrings* lines) {
    if (lines != nullptr) lines_->Assign(lines);
}

void TCustomMemo::LinesChanged(TObject*) {
    if (syncing_) return;
    syncing_ = true;
    try {
        SetText(JoinedLines(*lines_));
    } catch (...) {
        syncing_ = false;
        throw;
    }
    syncing_ = false;
}

void TCustomMemo::TextChanged() {
    if (!syncing_) {
        syncing_ = true;
        try {
            lines_->SetText(GetText());
        } catch (...) {
            syncing_ = false;
            throw;
        }
        syncing_ = false;
    }
    TCustomEdit::TextChanged();
}

int TCustomMemo::LineOfChar(int index) const {
    const std::string& text = GetText();
    const size_t end = Utf8ByteOffset(text, index);
    return static_cast<int>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(end), '\n'));
}

int TCustomMemo::LineStart(int line) const {
    const std::string& text = GetText();
    size_t pos = 0;
    for (int i = 0; i < line; ++i) {
        const size_t nl = text.find('\n', pos);
        if (nl == std::string::npos) return Utf8CharCount(text);
        pos = nl + 1;
    }
    return Utf8CharCount(std::string_view(text).substr(0, pos));
}

int TCustomMemo::LineLength(int line) const {
    const std::string& text = GetText();
    const size_t b = Utf8ByteOffset(text, LineStart(line));
    size_t e = text.find('\n', b);
    if (e == std::string::npos) {
        e = text.size();
    } else if (e > b && text[e - 1] == '\r') {
        --e;
    }
    return Utf8CharCount(std::string_view(text).substr(b, e - b));
}

int TCustomMemo::LineCount() const { return LineOfChar(TextLength()) + 1; }

TPoint TCustomMemo::CaretPos() const {
    const int line = LineOfChar(CaretIndex());
    return TPoint{CaretIndex() - LineStart(line), line};
}

void TCustomMemo::SetCaretPos(TPoint pos) {
    const int line = std::clamp(pos.Y, 0, LineCount() - 1);
    SetCaret(LineStart(line) + std::clamp(pos.X, 0, LineLength(line)), false);
}

void TCustomMemo::EditKeyDown(uint16_t key, TShiftState shift) {
    const bool extend = shift.Contains(ssShift);
    const TPoint caret = CaretPos();
    switch (key) {
        case VK_UP:
        case VK_DOWN: {
            const int line = caret.Y + (key == VK_UP ? -1 : 1);
            if (line < 0 || line >= LineCount()) return;
            SetCaret(LineStart(line) + std::min(caret.X, LineLength(line)), extend);
            return;
        }
        case VK_HOME: SetCaret(LineStart(caret.Y), extend); return;
        case VK_END: SetCaret(LineStart(caret.Y) + LineLength(caret.Y), extend); return;
        default: TCustomEdit::EditKeyDown(key, shift); return;
    }
}

void TCustomMemo::EditControlChar(char key) {
    if (key == '\r' && wantReturns_) {
        UserReplaceSelection("\r\n");
    } else if (key == '\t' && wantTabs_) {
        UserReplaceSelection("\t");
    }
}

bool TCustomMemo::WantsKey(uint16_t key, TShiftState shift) {
    switch (key) {
        case VK_RETURN: return wantReturns_ && !shift.Contains(ssCtrl);
        case VK_TAB: return wantTabs_ && !shift.Contains(ssCtrl);
        case VK_ESCAPE: return false;
        default: return TCustomEdit::WantsKey(key, shift);
    }
}

LRESULT TCustomMemo::DialogCode() const {
    LRESULT code = TCustomEdit::DialogCode();
    if (wantTabs_) code |= DLGC_WANTTAB;
    if (wantReturns_) code |= DLGC_WANTALLKEYS;
    return code;
}

}  // namespace rt
