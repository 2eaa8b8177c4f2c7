#include "platform/menus/TMenu.h"

#include "platform/graphics/TImageList.h"

namespace rt {

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(std::make_unique<TMenuItem>(nullptr)) {
    items_->menu_ = this;
}

TMenu::~TMenu() {
    SetImages(nullptr);
    // Items owned by the form may outlive the menu: they only leave the tree.
    while (items_->Count() > 0) {
        TMenuItem* last = items_->Items(items_->Count() - 1);
        items_->Remove(last);
        if (last->Owner() == nullptr) delete last;
    }
}

void TMenu::Publish(TPublisher<TMenu>& p) {
    p.Property("Images", &TMenu::Images, &TMenu::SetImages);
    p.Property("OwnerDraw", &TMenu::OwnerDraw, &TMenu::SetOwnerDraw).Default(false);
}

void TMenu::SetImages(TImageList* images) {
    if (images == images_) return;
    if (images_ != nullptr) images_->RemoveFreeNotification(this);
    images_ = images;
    if (images_ != nullptr) images_->FreeNotification(this);
}

bool TMenu::IsShortCut(uint16_t key, TShiftState shift) {
    const TShortCut shortCut = rt::ShortCut(key, shift);
    for (int i = 0; i < items_->Count(); ++i) {
        if (TMenuItem* item = items_->Items(i)->FindShortCut(shortCut)) {
            item->Click();
            return true;
        }
    }
    return false;
}

void TMenu::GetChildren(const TGetChildProc& proc, TComponent* root) { items_->GetChildren(proc, root); }

void TMenu::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == images_) images_ = nullptr;
}

}  // namespace rt
