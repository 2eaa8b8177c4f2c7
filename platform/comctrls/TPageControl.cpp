#include "platform/comctrls/TPageControl.h"

#include <algorithm>
#include <string>

#include "platform/core/Exceptions.h"
#include "platform/forms/TCustomForm.h"
#include "platform/graphics/TImageList.h"
#include "platform/graphics/TTextMetrics.h"

namespace rt {

namespace {
constexpr int kTabPadding = 6;
constexpr int kPageMargin = 4;
}  // namespace

TPageControl::TPageControl(TComponent* owner) : TWinControl(owner), canvas_(std::make_unique<TCanvas>()) {
    SetTabStop(true);
    SetBounds(0, 0, 289, 193);
}

TPageControl::~TPageControl() {
    SetImages(nullptr);
    // The pages are freed as children afterwards; they must not call back into this object.
    for (TTabSheet* page : pages_) page->pageControl_ = nullptr;
    pages_.clear();
    activePage_ = nullptr;
}

void TPageControl::Publish(TPublisher<TPageControl>& p) {
    p.Republish("TabStop").Default(true);
    p.Property("ActivePage", &TPageControl::ActivePage, &TPageControl::SetActivePage);
    p.Property("HotTrack", &TPageControl::HotTrack, &TPageControl::SetHotTrack).Default(false);
    p.Property("Images", &TPageControl::Images, &TPageControl::SetImages);
    p.Property("MultiLine", &TPageControl::MultiLine, &TPageControl::SetMultiLine).Default(false);
    p.Property("OwnerDraw", &TPageControl::OwnerDraw, &TPageControl::SetOwnerDraw).Default(false);
    p.Property("Style", &TPageControl::Style, &TPageControl::SetStyle).Default(tsTabs);
    p.Property("TabHeight", &TPageControl::TabHeight, &TPageControl::SetTabHeight).Default(0);
    p.Property("TabPosition", &TPageControl::TabPosition, &TPageControl::SetTabPosition).Default(tpTop);
    p.Property("TabWidth", &TPageControl::TabWidth, &TPageControl::SetTabWidth).Default(0);
    p.Property("OnChange", &TPageControl::OnChange);
    p.Property("OnChanging", &TPageControl::OnChanging);
    p.Property("OnDrawTab", &TPageControl::OnDrawTab);
}

TTabSheet* TPageControl::Pages(int index) const {
    if (index < 0 || index >= PageCount()) {
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    }
    return pages_[static_cast<size_t>(index)];
}

int TPageControl::IndexOfPage(const TTabSheet* page) const {
    const auto it = std::find(pages_.begin(), pages_.end(), page);
    return it == pages_.end() ? -1 : static_cast<int>(it - pages_.begin());
}

void TPageControl::InsertPage(TTabSheet* page) {
    pages_.push_back(page);
    page->pageControl_ = this;
    page->SetVisible(false);
    Realign();
    Invalidate();
}

void TPageControl::RemovePage(TTabSheet* page) {
    TTabSheet* next = nullptr;
    if (page == activePage_) {
        next = FindNextPage(page, true, true);
        if (next == page) next = nullptr;
    }
    pages_.erase(std::remove(pages_.begin(), pages_.end(), page), pages_.end());
    page->pageControl_ = nullptr;
    if (page == activePage_) {
        activePage_ = nullptr;
        page->SetVisible(false);
        SetActivePage(next);
    }
    Invalidate();
}

void TPageControl::MovePage(TTabSheet* page, int index) {
    const int current = IndexOfPage(page);
    if (current < 0) return;
    index = std::clamp(index, 0, PageCount() - 1);
    if (index == current) return;
    pages_.erase(pages_.begin() + current);
    pages_.insert(pages_.begin() + index, page);
    Invalidate();
}

void TPageControl::TabShowingChanged(TTabSheet* page, int oldTabIndex) {
    Invalidate();
    if (page->tabVisible_ || page != activePage_) return;
    // The active page lost its tab: the tab now at its position (or the last one) becomes active.
    const int count = TabCount();
    SetActivePage(count == 0 ? nullptr : PageForTab(std::min(oldTabIndex, count - 1)));
}

void TPageControl::SetActivePage(TTabSheet* page) {
    if (page != nullptr && page->pageControl_ != this) return;
    if (page == activePage_) return;
    TCustomForm* form = GetParentForm(this);
    TTabSheet* old = activePage_;
    if (form != nullptr && old != nullptr && form->ActiveControl() != nullptr &&
        old->ContainsControl(form->ActiveControl()) && old->CanFocus()) {
        // Leaving the page runs the exit handlers of the focused control first.
        form->SetActiveControl(old);
        if (form->ActiveControl() != old) return;
    }
    if (page != nullptr) page->SetVisible(true);
    const bool focusWasOnOld = form != nullptr && old != nullptr && form->ActiveControl() == old;
    if (old != nullptr) old->SetVisible(false);
    activePage_ = page;
    Realign();
    Invalidate();
    if (focusWasOnOld && page != nullptr && page->CanFocus()) {
        form->SetActiveControl(page);
        page->SelectFirst();
    } else if (focusWasOnOld && CanFocus()) {
        form->SetActiveControl(this);
    }
}

void TPageControl::SetActivePageIndex(int index) {
    SetActivePage(index >= 0 && index < PageCount() ? pages_[static_cast<size_t>(index)] : nullptr);
}

int TPageControl::TabIndex() const { return activePage_ == nullptr ? -1 : activePage_->TabIndex(); }

void TPageControl::SetTabIndex(int index) { SetActivePage(PageForTab(index)); }

int TPageControl::TabCount() const {
    return static_cast<int>(std::count_if(pages_.begin(), pages_.end(), [](const TTabSheet* p) { return p->tabVisible_; }));
}

TTabSheet* TPageControl::PageForTab(int tabIndex) const {
    if (tabIndex < 0) return nullptr;
    for (TTabSheet* page : pages_) {
        if (page->tabVisible_ && tabIndex-- == 0) return page;
    }
    return nullptr;
}

TTabSheet* TPageControl::FindNextPage(TTabSheet* current, bool goForward, bool checkTabVisible) const {
    if (pages_.empty()) return nullptr;
    const int count = PageCount();
    int start = IndexOfPage(current);
    if (start < 0) start = goForward ? count - 1 : 0;
    int i = start;
    do {
        i = goForward ? (i + 1) % count : (i + count - 1) % count;
        TTabSheet* page = pages_[static_cast<size_t>(i)];
        if (!checkTabVisible || page->tabVisible_) return page;
    } while (i != start);
    return nullptr;
}

void TPageControl::SelectNextPage(bool goForward, bool checkTabVisible) {
    TTabSheet* next = FindNextPage(activePage_, goForward, checkTabVisible);
    if (next != nullptr && next != activePage_) ChangeActivePage(next);
}

bool TPageControl::ClickTab(int tabIndex) {
    TTabSheet* page = PageForTab(tabIndex);
    if (page == nullptr || page == activePage_) return false;
    return ChangeActivePage(page);
}

bool TPageControl::ChangeActivePage(TTabSheet* page) {
    if (!CanChange()) return false;
    SetActivePage(page);
    if (activePage_ != page) return false;
    Change();
    return true;
}

bool TPageControl::CanChange() {
    bool allow = true;
    OnChanging(this, allow);
    return allow;
}

void TPageControl::Change() { OnChange(this); }

int TPageControl::RowHeight() const {
    if (tabHeight_ > 0) return tabHeight_;
    return GetTextMetrics().LineHeight(*Font()) + kTabPadding;
}

int TPageControl::TabExtent(const TTabSheet* page) const {
    if (tabWidth_ > 0) return tabWidth_;
    int width = GetTextMetrics().TextWidth(*Font(), page->Caption()) + 2 * kTabPadding;
    if (images_ != nullptr && page->imageIndex_ >= 0) width += images_->Width() + 3;
    return width;
}

TRect TPageControl::TabRect(int tabIndex) const {
    int x = 2;
    int index = 0;
    for (const TTabSheet* page : pages_) {
        if (!page->tabVisible_) continue;
        const int w = TabExtent(page);
        if (index == tabIndex) return Rect(x, 2, x + w, 2 + RowHeight());
        x += w;
        ++index;
    }
    return {};
}

int TPageControl::IndexOfTabAt(int x, int y) const {
    const int count = TabCount();
    for (int i = 0; i < count; ++i) {
        if (PtInRect(TabRect(i), Point(x, y))) return i;
    }
    return -1;
}

TRect TPageControl::DisplayRect() const {
    const int top = TabCount() > 0 ? RowHeight() + 2 + kPageMargin : kPageMargin;
    return Rect(kPageMargin, top, std::max(kPageMargin, Width() - kPageMargin),
                std::max(top, Height() - kPageMargin));
}

void TPageControl::AlignControls(TRect& rect) {
    for (TTabSheet* page : pages_) page->SetBoundsRect(rect);
    TWinControl::AlignControls(rect);
}

void TPageControl::SetOwnerDraw(bool v) {
    ownerDraw_ = v;
    Invalidate();
}

void TPageControl::SetTabHeight(int v) {
    tabHeight_ = std::max(0, v);
    Realign();
    Invalidate();
}

void TPageControl::SetTabWidth(int v) {
    tabWidth_ = std::max(0, v);
    Invalidate();
}

void TPageControl::SetImages(TImageList* images) {
    if (images == images_) return;
    if (images_ != nullptr) images_->RemoveFreeNotification(this);
    images_ = images;
    if (images_ != nullptr) images_->FreeNotification(this);
    Invalidate();
}

void TPageControl::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation == opRemove && component == images_) images_ = nullptr;
}

void TPageControl::GetChildren(const TGetChildProc& proc, TComponent* root) {
    // Pages in page order, then any other child.
    for (TTabSheet* page : pages_) {
        if (page->Owner() == root) proc(page);
    }
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (c->Owner() == root && dynamic_cast<TTabSheet*>(c) == nullptr) proc(c);
    }
}

void TPageControl::Loaded() {
    TWinControl::Loaded();
    for (TTabSheet* page : pages_) page->SetVisible(page == activePage_);
}

void TPageControl::Paint() {
    const int count = TabCount();
    const int active = TabIndex();
    for (int i = 0; i < count; ++i) {
        const TRect rect = TabRect(i);
        if (ownerDraw_) {
            DrawTab(i, rect, i == active);
        } else {
            DrawDefaultTab(PageForTab(i), rect, i == active);
        }
    }
}

void TPageControl::DrawTab(int tabIndex, const TRect& rect, bool active) {
    OnDrawTab(this, tabIndex, rect, active);
}

void TPageControl::DrawDefaultTab(const TTabSheet* page, TRect rect, bool active) {
    canvas_->SetFont(Font());
    canvas_->Brush()->SetColor(active ? clWindow : clBtnFace);
    canvas_->FillRect(rect);
    TRect textRect = rect;
    if (images_ != nullptr && page->imageIndex_ >= 0 && page->imageIndex_ < images_->Count()) {
        images_->Draw(*canvas_, rect.Left + kTabPadding, rect.Top + 2, page->imageIndex_);
        textRect.Left += images_->Width() + 3;
    }
    canvas_->DrawText(page->Caption(), textRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void TPageControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft) {
        const int tab = IndexOfTabAt(x, y);
        if (tab >= 0) ClickTab(tab);
    }
    TWinControl::MouseDown(button, shift, x, y);
}

}  // namespace rt
