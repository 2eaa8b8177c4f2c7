#pragma once
// A group box holding one TNvGroupButton per line of Items, arranged in
// Columns filled top to bottom. ItemIndex is the checked button (-1: none);
// a button's click sets it and raises the group's OnClick.

#include <memory>
#include <vector>

#include "platform/stdctrls/TGroupBox.h"

namespace rt {
class TStringList;
class TStrings;
}  // namespace rt

namespace hemr {

class TNvGroupButton;

class TNvRadioGroup : public rt::TGroupBox {
    RT_CLASS(TNvRadioGroup, rt::TGroupBox)

public:
    explicit TNvRadioGroup(rt::TComponent* owner);
    ~TNvRadioGroup() override;

    static void Publish(rt::TPublisher<TNvRadioGroup>& p);

    // Clamped to 1 .. 16.
    int Columns() const { return columns_; }
    void SetColumns(int columns);
    // Clamped to -1 .. Items count - 1.
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);
    rt::TStrings* Items() const;
    void SetItems(rt::TStrings* items);
    int ButtonCount() const { return static_cast<int>(buttons_.size()); }
    TNvGroupButton* Buttons(int index) const;

    // A key pressed on one of the buttons (OnKeyPress of the group).
    void ButtonKeyPress(char& key) { KeyPress(key); }

    void Loaded() override;
    // The buttons are made from Items, never stored.
    void GetChildren(const TGetChildProc& proc, rt::TComponent* root) override;

protected:
    void EnabledChanged() override;
    void BoundsChanged() override;

private:
    void ItemsChanged(rt::TObject* sender);
    void ButtonClicked(rt::TObject* sender);
    void RebuildButtons();
    void ArrangeButtons();

    std::unique_ptr<rt::TStringList> items_;
    std::vector<TNvGroupButton*> buttons_;
    int columns_ = 1;
    int itemIndex_ = -1;
    // Checks made by the group itself are not the user's clicks.
    bool updating_ = false;
};

}  // namespace hemr
