#pragma once
// A button of a tool bar: a picture from the tool bar's images, a plain,
// check, drop-down or separator style. A drop-down button pops its menu up
// below itself when its arrow is clicked; its body clicks like a button.
// Grouped check buttons between separators are down one at a time.

#include <vector>

#include "platform/controls/TControl.h"

namespace rt {

class TPopupMenu;
class TToolBar;

RT_ENUM(TToolButtonStyle, tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider)

class TToolButton : public TControl {
    RT_CLASS(TToolButton, TControl)

public:
    explicit TToolButton(TComponent* owner);
    ~TToolButton() override;

    static void Publish(TPublisher<TToolButton>& p);

    TToolBar* ToolBar() const;
    // Puts the button last on `bar` (null: off any) and lets the bar lay it out;
    // a plain SetParent does not re-arrange the bar.
    void SetToolBar(TToolBar* bar);
    void SetParentComponent(TComponent* parent) override;
    int Index() const;
    TToolButtonStyle Style() const { return style_; }
    void SetStyle(TToolButtonStyle style);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    bool Down() const { return down_; }
    // Putting a grouped button down raises the other buttons of its group.
    void SetDown(bool down);
    bool Grouped() const { return grouped_; }
    void SetGrouped(bool v) { grouped_ = v; }
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool v) { allowAllUp_ = v; }
    bool Indeterminate() const { return indeterminate_; }
    void SetIndeterminate(bool v) { indeterminate_ = v; }
    bool Marked() const { return marked_; }
    void SetMarked(bool v) { marked_ = v; }
    TPopupMenu* DropdownMenu() const { return dropdownMenu_; }
    void SetDropdownMenu(TPopupMenu* menu);
    // Width of the arrow part of a drop-down button.
    static constexpr int ArrowWidth = 14;

    // A check button toggles (within its group), then OnClick runs; nothing when disabled.
    void Click() override;
    // The release over the button clicks it already (MouseUp), as for speed buttons.
    void UserClick() override {}
    // The arrow of a drop-down button: pops the menu up below the button; true when it did.
    bool ClickArrow();

    void Notification(TComponent* component, TOperation operation) override;

protected:
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    // The run of grouped check buttons this one belongs to, itself included.
    std::vector<TToolButton*> Group();

    TToolButtonStyle style_ = tbsButton;
    int imageIndex_ = -1;
    bool down_ = false;
    bool grouped_ = false;
    bool allowAllUp_ = false;
    bool indeterminate_ = false;
    bool marked_ = false;
    TPopupMenu* dropdownMenu_ = nullptr;
};

}  // namespace rt
