#pragma once
// Multi-line edits: the text is the lines joined by CR LF; Lines and Text
// stay in step whichever is changed. Enter and Tab are kept by the memo when
// WantReturns / WantTabs say so, and otherwise act as dialog keys.

#include "platform/classes/TStringList.h"
#include "platform/stdctrls/TCustomEdit.h"

namespace rt {

class TCustomMemo : public TCustomEdit {
    RT_CLASS(TCustomMemo, TCustomEdit)

public:
    explicit TCustomMemo(TComponent* owner);
    ~TCustomMemo() override;

    static void Publish(TPublisher<TCustomMemo>& p);

    TStrings* Lines() const { return lines_; }
    void SetLines(TStrings* lines);
    bool WantReturns() const { return wantReturns_; }
    void SetWantReturns(bool v) { wantReturns_ = v; }
    bool WantTabs() const { return wantTabs_; }
    void SetWantTabs(bool v) { wantTabs_ = v; }
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle v) { scrollBars_ = v; }
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v) { wordWrap_ = v; }

    // The caret as X = column, Y = line (both from 0, in characters).
    TPoint CaretPos() const;
    void SetCaretPos(TPoint pos);
    // Line of a character index (CR LF counts as two characters, as in the text).
    int LineOfChar(int index) const;
    // Character index where `line` starts; the text length past the last line.
    int LineStart(int line) const;
    // Lines of the text as shown (a final line break starts an empty line).
    int LineCount() const;

protected:
    void EditKeyDown(uint16_t key, TShiftState shift) override;
    void EditControlChar(char key) override;
    bool WantsKey(uint16_t key, TShiftState shift) override;
    LRESULT DialogCode() const override;
    void TextChanged() override;

private:
    void LinesChanged(TObject* sender);
    int LineLength(int line) const;

    TStringList* lines_;
    bool wantReturns_ = true;
    bool wantTabs_ = false;
    TScrollStyle scrollBars_ = ssNone;
    bool wordWrap_ = true;
    bool syncing_ = false;
};

class TMemo : public TCustomMemo {
    RT_CLASS(TMemo, TCustomMemo)

public:
    explicit TMemo(TComponent* owner) : TCustomMemo(owner) {}
};

}  // namespace rt
