#include "platform/comctrls/TToolButton.h"

#include <algorithm>

#include "platform/comctrls/TToolBar.h"
#include "platform/menus/TPopupMenu.h"

namespace rt {

TToolButton::TToolButton(TComponent* owner) : TControl(owner) { SetBounds(0, 0, 23, 22); }

TToolButton::~TToolButton() { SetDropdownMenu(nullptr); }

void TToolButton::Publish(TPublisher<TToolButton>& p) {
    p.Property("AllowAllUp", &TToolButton::AllowAllUp, &TToolButton::SetAllowAllUp).Default(false);
    p.Property("Caption", &TToolButton::Caption, &TToolButton::SetCaption).Default(std::string());
    p.Property("Down", &TToolButton::Down, &TToolButton::SetDown).Default(false);
    p.Property("DropdownMenu", &TToolButton::DropdownMenu, &TToolButton::SetDropdownMenu);
    p.Property("Grouped", &TToolButton::Grouped, &TToolButton::SetGrouped).Default(false);
    p.Property("ImageIndex", &TToolButton::ImageIndex, &TToolButton::SetImageIndex).Default(-1);
    p.Property("Indeterminate", &TToolButton::Indeterminate, &TToolButton::SetIndeterminate).Default(false);
    p.Property("Marked", &TToolButton::Marked, &TToolButton::SetMarked).Default(false);
    p.Property("Style", &TToolButton::Style, &TToolButton::SetStyle).Default(tbsButton);
}

TToolBar* TToolButton::ToolBar() const { return dynamic_cast<TToolBar*>(Parent()); }

void TToolButton::SetToolBar(TToolBar* bar) {
    TToolBar* old = ToolBar();
    SetParent(bar);
    if (old != nullptr && old != bar) old->Realign();
    if (bar != nullptr) bar->Realign();
}

void TToolButton::SetParentComponent(TComponent* parent) {
    TControl::SetParentComponent(parent);
    if (TToolBar* bar = ToolBar()) bar->Realign();
}

int TToolButton::Index() const { return ToolBar() == nullptr ? -1 : ToolBar()->IndexOfButton(this); }

void TToolButton::SetStyle(TToolButtonStyle style) {
    if (style == style_) return;
    style_ = style;
    if ((style == tbsSeparator || style == tbsDivider) && Width() == 23) SetWidth(8);
    if (TToolBar* bar = ToolBar()) bar->Realign();
}

void TToolButton::SetImageIndex(int index) {
    imageIndex_ = index;
    Invalidate();
}

std::vector<TToolButton*> TToolButton::Group() {
    std::vector<TToolButton*> group;
    TToolBar* bar = ToolBar();
    if (bar == nullptr || !grouped_ || style_ != tbsCheck) return {this};
    const int count = bar->ButtonCount();
    const int self = Index();
    int first = self;
    while (first > 0 && bar->Buttons(first - 1)->grouped_ && bar->Buttons(first - 1)->style_ == tbsCheck) --first;
    for (int i = first; i < count; ++i) {
        TToolButton* b = bar->Buttons(i);
        if (!b->grouped_ || b->style_ != tbsCheck) break;
        group.push_back(b);
    }
    return group;
}

void TToolButton::SetDown(bool down) {
    if (down == down_) return;
    const std::vector<TToolButton*> group = Group();
    if (!down && grouped_ && group.size() > 1) {
        // A grouped button goes up by another going down, unless all may be up.
        const bool allowAllUp = std::any_of(group.begin(), group.end(), [](const TToolButton* b) { return b->allowAllUp_; });
        if (!allowAllUp) return;
    }
    down_ = down;
    if (down) {
        for (TToolButton* b : group) {
            if (b != this) b->down_ = false;
        }
    }
    Invalidate();
}

void TToolButton::SetDropdownMenu(TPopupMenu* menu) {
    if (menu == dropdownMenu_) return;
    if (dropdownMenu_ != nullptr) dropdownMenu_->RemoveFreeNotification(this);
    dropdownMenu_ = menu;
    if (menu != nullptr) menu->FreeNotification(this);
}

void TToolButton::Notification(TComponent* component, TOperation operation) {
    TControl::Notification(component, operation);
    if (operation == opRemove && component == dropdownMenu_) dropdownMenu_ = nullptr;
}

void TToolButton::Click() {
    if (!EnabledInTree() || style_ == tbsSeparator || style_ == tbsDivider) return;
    if (style_ == tbsCheck) SetDown(!down_);
    TControl::Click();
}

bool TToolButton::ClickArrow() {
    if (!EnabledInTree() || style_ != tbsDropDown || dropdownMenu_ == nullptr) return false;
    const TPoint below = ClientToRoot(Point(0, Height()));
    dropdownMenu_->SetPopupComponent(this);
    dropdownMenu_->Popup(below.X, below.Y);
    return true;
}

void TToolButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TControl::MouseUp(button, shift, x, y);
    if (button != mbLeft || x < 0 || y < 0 || x >= Width() || y >= Height()) return;
    if (style_ == tbsDropDown && x >= Width() - ArrowWidth) {
        ClickArrow();
    } else {
        Click();
    }
}

}  // namespace rt
