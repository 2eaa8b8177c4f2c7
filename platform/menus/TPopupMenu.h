#pragma once
// A menu shown at a point. Popping it up raises OnPopup and then lets the
// menu driver pick the item a user would click; that item's click runs.

#include "platform/classes/Events.h"
#include "platform/graphics/Geometry.h"
#include "platform/menus/TMenu.h"

namespace rt {

RT_ENUM(TPopupAlignment, paLeft, paRight, paCenter)

class TPopupMenu : public TMenu {
    RT_CLASS(TPopupMenu, TMenu)

public:
    explicit TPopupMenu(TComponent* owner);

    static void Publish(TPublisher<TPopupMenu>& p);

    // Shows the menu at (x, y) in screen coordinates; returns the item picked
    // (clicked when enabled), null when the menu closed without a choice.
    virtual TMenuItem* Popup(int x, int y);
    TPoint PopupPoint() const { return popupPoint_; }
    // The control the menu was last popped up for (set by whoever pops it up).
    TComponent* PopupComponent() const { return popupComponent_; }
    void SetPopupComponent(TComponent* component) { popupComponent_ = component; }

    bool AutoPopup() const { return autoPopup_; }
    void SetAutoPopup(bool v) { autoPopup_ = v; }
    TPopupAlignment Alignment() const { return alignment_; }
    void SetAlignment(TPopupAlignment a) { alignment_ = a; }

    TNotifyEvent OnPopup;

private:
    TPoint popupPoint_{};
    TComponent* popupComponent_ = nullptr;
    bool autoPopup_ = true;
    TPopupAlignment alignment_ = paLeft;
};

}  // namespace rt
