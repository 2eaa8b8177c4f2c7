#pragma once
// A page of a page control. Pages are owned by the form and sit inside their
// page control; only the active page is visible, so the controls on the other
// pages cannot take the focus. A page whose tab is hidden stays in the page
// list but has no tab, and tab positions count only pages with a tab.

#include "platform/controls/TWinControl.h"

namespace rt {

class TPageControl;

class TTabSheet : public TWinControl {
    RT_CLASS(TTabSheet, TWinControl)

public:
    explicit TTabSheet(TComponent* owner);
    ~TTabSheet() override;

    static void Publish(TPublisher<TTabSheet>& p);

    TPageControl* PageControl() const { return pageControl_; }
    // Moves the page into `pageControl` (as its last page), or out of any for null.
    void SetPageControl(TPageControl* pageControl);
    // Position in the page control's page list, -1 without one.
    int PageIndex() const;
    void SetPageIndex(int index);
    // Position among the visible tabs, -1 when the tab is hidden or there is no page control.
    int TabIndex() const;
    bool TabVisible() const { return tabVisible_; }
    void SetTabVisible(bool visible);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    // Highlighted tab, drawn as such by the page control.
    bool Highlighted() const { return highlighted_; }
    void SetHighlighted(bool v);

    void SetParentComponent(TComponent* parent) override;
    TComponent* GetParentComponent() const override;

    TNotifyEvent OnShow;
    TNotifyEvent OnHide;

protected:
    void VisibleChanged() override;
    void TextChanged() override;

private:
    friend class TPageControl;
    TPageControl* pageControl_ = nullptr;
    bool tabVisible_ = true;
    int imageIndex_ = 0;
    bool highlighted_ = false;
};

}  // namespace rt
