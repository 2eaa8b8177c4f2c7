#pragma once
// A set of pages with one tab each, one page active. The user changes pages
// by clicking a tab (OnChanging may refuse, OnChange follows); programs set
// ActivePage, ActivePageIndex or TabIndex without events, or step with
// SelectNextPage, which asks and tells like a click (the form binds
// Ctrl+Tab and Ctrl+Page Down to it). With OwnerDraw the tabs are drawn by
// DrawTab, which raises OnDrawTab, on the control's recording canvas.

#include <memory>
#include <vector>

#include "platform/classes/Events.h"
#include "platform/comctrls/TTabSheet.h"
#include "platform/controls/TWinControl.h"
#include "platform/graphics/TCanvas.h"

namespace rt {

class TImageList;
class TPageControl;

RT_ENUM(TTabStyle, tsTabs, tsButtons, tsFlatButtons)
RT_ENUM(TTabPosition, tpTop, tpBottom, tpLeft, tpRight)

using TDrawTabEvent = TEvent<void(TPageControl* Control, int TabIndex, const TRect& Rect, bool Active)>;

class TPageControl : public TWinControl {
    RT_CLASS(TPageControl, TWinControl)

public:
    explicit TPageControl(TComponent* owner);
    ~TPageControl() override;

    static void Publish(TPublisher<TPageControl>& p);

    int PageCount() const { return static_cast<int>(pages_.size()); }
    // Raises EListError "List index out of bounds (%d)".
    TTabSheet* Pages(int index) const;
    int IndexOfPage(const TTabSheet* page) const;

    TTabSheet* ActivePage() const { return activePage_; }
    // Ignores a page of another page control. When the focus is on the old
    // page it moves to the new page's first control; a focus change refused
    // by an exit handler keeps the old page.
    void SetActivePage(TTabSheet* page);
    int ActivePageIndex() const { return IndexOfPage(activePage_); }
    // Out of range: no page is active.
    void SetActivePageIndex(int index);
    // The active page's position among the visible tabs, -1 when none.
    int TabIndex() const;
    // Activates the page with that visible tab; out of range: none.
    void SetTabIndex(int index);
    int TabCount() const;
    // The page whose tab is at `tabIndex` among the visible tabs, null when none.
    TTabSheet* PageForTab(int tabIndex) const;

    // The page after (or before) `current`, wrapping, optionally only pages with a tab.
    TTabSheet* FindNextPage(TTabSheet* current, bool goForward, bool checkTabVisible) const;
    // Moves to the next page as a user would: OnChanging may refuse, then OnChange.
    void SelectNextPage(bool goForward, bool checkTabVisible = true);
    // A user's tab click: true when the page changed.
    bool ClickTab(int tabIndex);

    // Tab geometry, in client coordinates; an empty rectangle for a bad index.
    TRect TabRect(int tabIndex) const;
    // The visible tab at a client point, -1 when none.
    int IndexOfTabAt(int x, int y) const;
    // Where the active page sits.
    TRect DisplayRect() const;

    bool OwnerDraw() const { return ownerDraw_; }
    void SetOwnerDraw(bool v);
    int TabHeight() const { return tabHeight_; }
    void SetTabHeight(int v);
    int TabWidth() const { return tabWidth_; }
    void SetTabWidth(int v);
    bool MultiLine() const { return multiLine_; }
    void SetMultiLine(bool v) { multiLine_ = v; }
    TTabStyle Style() const { return style_; }
    void SetStyle(TTabStyle v) { style_ = v; }
    TTabPosition TabPosition() const { return tabPosition_; }
    void SetTabPosition(TTabPosition v) { tabPosition_ = v; }
    bool HotTrack() const { return hotTrack_; }
    void SetHotTrack(bool v) { hotTrack_ = v; }
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* images);

    // Painting goes here (no bitmap: it records the drawing).
    TCanvas* Canvas() const { return canvas_.get(); }

    TChangingEvent OnChanging;
    TNotifyEvent OnChange;
    TDrawTabEvent OnDrawTab;

    void Notification(TComponent* component, TOperation operation) override;
    void GetChildren(const TGetChildProc& proc, TComponent* root) override;
    void Loaded() override;

protected:
    virtual bool CanChange();
    virtual void Change();
    // Draws one tab; the default raises OnDrawTab.
    virtual void DrawTab(int tabIndex, const TRect& rect, bool active);
    void Paint() override;
    TRect AlignRect() const override { return DisplayRect(); }
    void AlignControls(TRect& rect) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    friend class TTabSheet;
    void InsertPage(TTabSheet* page);
    void RemovePage(TTabSheet* page);
    void MovePage(TTabSheet* page, int index);
    void TabShowingChanged(TTabSheet* page, int oldTabIndex);
    // Activates `page` after asking OnChanging and tells OnChange; true when it changed.
    bool ChangeActivePage(TTabSheet* page);
    int TabExtent(const TTabSheet* page) const;
    int RowHeight() const;
    void DrawDefaultTab(const TTabSheet* page, TRect rect, bool active);

    std::vector<TTabSheet*> pages_;
    TTabSheet* activePage_ = nullptr;
    bool ownerDraw_ = false;
    int tabHeight_ = 0;
    int tabWidth_ = 0;
    bool multiLine_ = false;
    TTabStyle style_ = tsTabs;
    TTabPosition tabPosition_ = tpTop;
    bool hotTrack_ = false;
    TImageList* images_ = nullptr;
    std::unique_ptr<TCanvas> canvas_;
};

}  // namespace rt
