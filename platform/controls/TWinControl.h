#pragma once
// Controls that are windows: they hold child controls, have a handle, take
// the focus and keys, keep a tab order and lay out their aligned children.

#include <vector>

#include "platform/controls/TControl.h"

namespace rt {

class TWinControl : public TControl {
    RT_CLASS(TWinControl, TControl)

public:
    explicit TWinControl(TComponent* owner);
    // Frees the child controls still inside, the last first.
    ~TWinControl() override;

    static void Publish(TPublisher<TWinControl>& p);

    // Children in insertion order.
    int ControlCount() const { return static_cast<int>(controls_.size()); }
    TControl* Controls(int index) const;
    bool ContainsControl(const TControl* control) const;
    // The visible, enabled child (or grandchild) under a client point, else null.
    TControl* ControlAtPos(TPoint p, bool allowDisabled = false);
    void GetChildren(const TGetChildProc& proc, TComponent* root) override;

    // Position in the parent's tab list, -1 without a parent. Setting clamps
    // into range and shifts the siblings in between.
    int TabOrder() const;
    void SetTabOrder(int order);
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool v) { tabStop_ = v; }

    HWND Handle();
    bool HandleAllocated() const { return handle_ != 0; }
    // A window outside the toolkit this control sits on (e.g. the host's).
    HWND ParentWindow() const { return parentWindow_; }
    void SetParentWindow(HWND handle) { parentWindow_ = handle; }

    // On a form, visible and enabled up to it.
    virtual bool CanFocus();
    bool Focused();
    // Raises EInvalidOperation "Cannot focus a disabled or invisible window".
    virtual void SetFocus();

    // Tab-ordered controls of this window and, after each, its own children's.
    void GetTabOrderList(std::vector<TWinControl*>& list) const;
    TWinControl* FindNextControl(TWinControl* current, bool goForward, bool checkTabStop, bool checkParent);
    void SelectNext(TWinControl* current, bool goForward, bool checkTabStop);
    void SelectFirst();

    void SetBounds(int left, int top, int width, int height) override;
    void DisableAlign() { ++alignDisabled_; }
    void EnableAlign();
    void Realign();
    void Loaded() override;

    void WndProc(TMessage& message) override;
    // Entry for a key pressed while this control has the focus: the key
    // events (form preview first), then dialog keys (Tab, arrows, Enter,
    // Escape) unless the control keeps them, then the control's own handling.
    // True when consumed, so that no character follows.
    bool HandleKeyDown(uint16_t key, TShiftState shift);

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyPressEvent OnKeyPress;
    TKeyEvent OnKeyUp;

protected:
    // The key events; true when a handler consumed the key (set it to 0).
    bool DoKeyDown(TMessage& m);
    bool DoKeyPress(TMessage& m);
    bool DoKeyUp(TMessage& m);
    virtual void KeyDown(uint16_t& key, TShiftState shift);
    virtual void KeyPress(char& key);
    virtual void KeyUp(uint16_t& key, TShiftState shift);
    // What the control itself does with keys the events left alone (an edit moves its caret).
    virtual void DefaultKeyDown(uint16_t key, TShiftState shift);
    virtual void DefaultKeyPress(char key);
    virtual void DefaultKeyUp(uint16_t key, TShiftState shift);
    // Which of Tab, arrows, Enter/Escape the control keeps (DLGC_ flags).
    virtual LRESULT DialogCode() const { return 0; }
    // Whether the control keeps a dialog key for itself; by default what DialogCode says.
    virtual bool WantsKey(uint16_t key, TShiftState shift);
    // CM_DIALOGKEY: offered to every child until one takes it.
    virtual bool DialogKey(uint16_t key, TShiftState shift);
    virtual void DoEnter();
    virtual void DoExit();
    // The aligned layout's working area inside this control.
    virtual TRect AlignRect() const { return ClientRect(); }
    virtual void AlignControls(TRect& rect);
    void VisibleChanged() override;
    void EnabledChanged() override;
    void FontChanged() override;
    void ParentFontChanged() override;
    void ParentColorChanged() override;

private:
    friend class TControl;
    // A window without a parent (a form) has no place in a tab order.
    bool IsTabOrderStored() const { return Parent() != nullptr; }
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    void FixupTabList();
    void AlignList(TAlign align, TRect& rect);
    void Broadcast(uint32_t msg);

    std::vector<TControl*> controls_;
    std::vector<TWinControl*> tabList_;
    bool tabStop_ = false;
    // The tab order read from a resource, applied once the tree is loaded.
    int readTabOrder_ = -1;
    HWND handle_ = 0;
    HWND parentWindow_ = 0;
    int alignDisabled_ = 0;
    bool aligning_ = false;
};

}  // namespace rt
