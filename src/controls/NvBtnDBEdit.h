#pragma once
// A data-aware edit with a square lookup button ("F2Button") glued to its
// right. A click on the button calls OnDialog when a form assigned it;
// otherwise it asks the owning form for the F2 lookup on the edit.

#include <string>

#include "src/controls/NvDBEdit.h"

namespace hemr {

class TGSpeedButton;

class TNvBtnDBEdit : public TNvDBEdit {
    RT_CLASS(TNvBtnDBEdit, TNvDBEdit)

public:
    explicit TNvBtnDBEdit(rt::TComponent* owner);
    ~TNvBtnDBEdit() override;

    static void Publish(rt::TPublisher<TNvBtnDBEdit>& p);

    // Null once the button was freed elsewhere.
    TGSpeedButton* Button() const { return button_; }
    int ButtonSpacing() const { return buttonSpacing_; }
    void SetButtonSpacing(int spacing);
    int GlyphIndex() const;
    void SetGlyphIndex(int index);
    std::string ButtonHint() const;
    void SetButtonHint(const std::string& hint);

    // Sender is the edit.
    rt::TNotifyEvent OnDialog;

    void Notification(rt::TComponent* component, rt::TOperation operation) override;

protected:
    void PlaceParts() override;

private:
    void ButtonClick(rt::TObject* sender);

    TGSpeedButton* button_ = nullptr;
    int buttonSpacing_ = 2;
};

}  // namespace hemr
