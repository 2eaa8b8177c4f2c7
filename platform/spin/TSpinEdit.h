#pragma once
// An integer edit stepped with Up and Down by Increment. MinValue and
// MaxValue bound Value unless they are equal (both 0 by default: no limits).
// A text that is not a number reads as MinValue, as on the original platform;
// leaving the edit writes the bounded value back into the text.

#include "platform/stdctrls/TCustomEdit.h"

namespace rt {

class TSpinEdit : public TCustomEdit {
    RT_CLASS(TSpinEdit, TCustomEdit)

public:
    explicit TSpinEdit(TComponent* owner);

    static void Publish(TPublisher<TSpinEdit>& p);

    int MinValue() const { return minValue_; }
    void SetMinValue(int v) { minValue_ = v; }
    int MaxValue() const { return maxValue_; }
    void SetMaxValue(int v) { maxValue_ = v; }
    int Increment() const { return increment_; }
    void SetIncrement(int v) { increment_ = v; }
    bool EditorEnabled() const { return editorEnabled_; }
    void SetEditorEnabled(bool v) { editorEnabled_ = v; }

    int Value() const;
    // Writes the bounded value as the text.
    void SetValue(int value);
    // `value` within the limits (unchanged when there are none).
    int CheckValue(int value) const;

protected:
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void EditChar(const std::string& ch) override;
    void DoExit() override;

private:
    int minValue_ = 0;
    int maxValue_ = 0;
    int increment_ = 1;
    bool editorEnabled_ = true;
};

}  // namespace rt
