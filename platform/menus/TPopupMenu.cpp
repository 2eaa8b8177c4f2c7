#include "platform/menus/TPopupMenu.h"

#include "platform/menus/TMenuDriver.h"

namespace rt {

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) {}

void TPopupMenu::Publish(TPublisher<TPopupMenu>& p) {
    p.Property("Alignment", &TPopupMenu::Alignment, &TPopupMenu::SetAlignment).Default(paLeft);
    p.Property("AutoPopup", &TPopupMenu::AutoPopup, &TPopupMenu::SetAutoPopup).Default(true);
    p.Property("OnPopup", &TPopupMenu::OnPopup);
}

TMenuItem* TPopupMenu::Popup(int x, int y) {
    popupPoint_ = {x, y};
    OnPopup(this);
    TMenuItem* chosen = MenuDriver().Choose(*this, popupPoint_);
    // A grey or hidden entry cannot be clicked: the menu just closes.
    if (chosen != nullptr && chosen->Visible()) chosen->Click();
    return chosen;
}

}  // namespace rt
