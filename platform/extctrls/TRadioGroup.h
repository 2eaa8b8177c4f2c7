#pragma once
// A group box holding one radio button per line of Items, arranged in
// Columns filled top to bottom. ItemIndex is the checked button (-1: none);
// checking a button, by the user or by setting ItemIndex, raises OnClick.

#include <memory>
#include <vector>

#include "platform/stdctrls/TGroupBox.h"

namespace rt {

class TRadioButton;
class TStringList;
class TStrings;

class TRadioGroup : public TGroupBox {
    RT_CLASS(TRadioGroup, TGroupBox)

public:
    explicit TRadioGroup(TComponent* owner);
    ~TRadioGroup() override;

    static void Publish(TPublisher<TRadioGroup>& p);

    TStrings* Items() const;
    void SetItems(TStrings* items);
    int ItemIndex() const { return itemIndex_; }
    // Clamped to -1 .. Items count - 1.
    void SetItemIndex(int index);
    int Columns() const { return columns_; }
    // Clamped to 1 .. 16.
    void SetColumns(int columns);
    int ButtonCount() const { return static_cast<int>(buttons_.size()); }
    TRadioButton* Buttons(int index) const;

    void Loaded() override;
    // The buttons are made from Items, never stored.
    void GetChildren(const TGetChildProc& proc, TComponent* root) override;

protected:
    void EnabledChanged() override;
    void BoundsChanged() override;

private:
    void ItemsChanged(TObject* sender);
    void ButtonClick(TObject* sender);
    void UpdateButtons();
    void ArrangeButtons();

    std::unique_ptr<TStringList> items_;
    std::vector<TRadioButton*> buttons_;
    int itemIndex_ = -1;
    int columns_ = 1;
    bool updating_ = false;
};

}  // namespace rt
