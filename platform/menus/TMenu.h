#pragma once
// A menu: a root item whose sub-items are the entries, the images they show
// and short-cut dispatch. Pop-up menus derive from it.

#include <memory>

#include "platform/classes/TComponent.h"
#include "platform/menus/TMenuItem.h"

namespace rt {

class TImageList;

class TMenu : public TComponent {
    RT_CLASS(TMenu, TComponent)

public:
    explicit TMenu(TComponent* owner);
    ~TMenu() override;

    static void Publish(TPublisher<TMenu>& p);

    // The root item; its sub-items are the menu's entries.
    TMenuItem* Items() const { return items_.get(); }
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* images);
    bool OwnerDraw() const { return ownerDraw_; }
    void SetOwnerDraw(bool v) { ownerDraw_ = v; }

    // Clicks the visible, enabled item bound to the key; true when there was one.
    bool IsShortCut(uint16_t key, TShiftState shift);

    void GetChildren(const TGetChildProc& proc, TComponent* root) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    std::unique_ptr<TMenuItem> items_;
    TImageList* images_ = nullptr;
    bool ownerDraw_ = false;
};

}  // namespace rt
