#include "platform/comctrls/TTabSheet.h"

#include "platform/comctrls/TPageControl.h"

namespace rt {

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) {
    // Hidden until its page control makes it the active page.
    SetVisible(false);
    SetAlign(alNone);
}

TTabSheet::~TTabSheet() { SetPageControl(nullptr); }

void TTabSheet::Publish(TPublisher<TTabSheet>& p) {
    p.Property("Caption", &TTabSheet::Caption, &TTabSheet::SetCaption).Default(std::string());
    p.Property("Highlighted", &TTabSheet::Highlighted, &TTabSheet::SetHighlighted).Default(false);
    p.Property("ImageIndex", &TTabSheet::ImageIndex, &TTabSheet::SetImageIndex).Default(0);
    // The order of the pages in a resource is their page order.
    p.Property("PageIndex", &TTabSheet::PageIndex, &TTabSheet::SetPageIndex).Stored(false);
    p.Property("TabVisible", &TTabSheet::TabVisible, &TTabSheet::SetTabVisible).Default(true);
    p.Property("OnShow", &TTabSheet::OnShow);
    p.Property("OnHide", &TTabSheet::OnHide);
    // The page control decides which page shows.
    p.Republish("Visible").Stored(false);
}

void TTabSheet::SetPageControl(TPageControl* pageControl) {
    if (pageControl == pageControl_) return;
    if (pageControl_ != nullptr) pageControl_->RemovePage(this);
    SetParent(pageControl);
    if (pageControl != nullptr) pageControl->InsertPage(this);
}

int TTabSheet::PageIndex() const { return pageControl_ == nullptr ? -1 : pageControl_->IndexOfPage(this); }

void TTabSheet::SetPageIndex(int index) {
    if (pageControl_ != nullptr) pageControl_->MovePage(this, index);
}

int TTabSheet::TabIndex() const {
    if (pageControl_ == nullptr || !tabVisible_) return -1;
    int index = 0;
    for (int i = 0; i < pageControl_->PageCount(); ++i) {
        const TTabSheet* page = pageControl_->Pages(i);
        if (page == this) return index;
        if (page->tabVisible_) ++index;
    }
    return -1;
}

void TTabSheet::SetTabVisible(bool visible) {
    if (visible == tabVisible_) return;
    const int oldTab = TabIndex();
    tabVisible_ = visible;
    if (pageControl_ != nullptr) pageControl_->TabShowingChanged(this, oldTab);
}

void TTabSheet::SetImageIndex(int index) {
    imageIndex_ = index;
    if (pageControl_ != nullptr) pageControl_->Invalidate();
}

void TTabSheet::SetHighlighted(bool v) {
    highlighted_ = v;
    if (pageControl_ != nullptr) pageControl_->Invalidate();
}

void TTabSheet::SetParentComponent(TComponent* parent) {
    if (auto* pageControl = dynamic_cast<TPageControl*>(parent)) {
        SetPageControl(pageControl);
    } else {
        SetPageControl(nullptr);
        TWinControl::SetParentComponent(parent);
    }
}

TComponent* TTabSheet::GetParentComponent() const {
    if (pageControl_ != nullptr) return pageControl_;
    return TWinControl::GetParentComponent();
}

void TTabSheet::VisibleChanged() {
    TWinControl::VisibleChanged();
    if (Visible()) {
        OnShow(this);
    } else {
        OnHide(this);
    }
}

void TTabSheet::TextChanged() {
    if (pageControl_ != nullptr) pageControl_->Invalidate();
}

}  // namespace rt
