#pragma once
// The base of everything visible on a form: parent, bounds, alignment,
// visibility, enabling, text, hint, colour and font (both following the
// parent until set), mouse events and message dispatch by number.
//
// A control's Parent (where it sits) is separate from its Owner (who frees
// it); form resources rebuild the parent tree through the component hooks.

#include <cstdint>
#include <string>

#include "platform/classes/TComponent.h"
#include "platform/controls/ControlTypes.h"
#include "platform/controls/Messages.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/TFont.h"

namespace rt {

class TWinControl;
class TFocusHost;

class TControl : public TComponent {
    RT_CLASS(TControl, TComponent)

public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    static void Publish(TPublisher<TControl>& p);

    // Parent tree.
    TWinControl* Parent() const { return parent_; }
    void SetParent(TWinControl* parent);
    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* parent) override;
    // The top of the parent chain (this control when it has no parent).
    TControl* RootParent();
    // The form (or other focus host) at the top of the parent chain, if any.
    TFocusHost* FocusHost();

    // Bounds, in the parent's client coordinates.
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
    void SetTop(int v) { SetBounds(left_, v, width_, height_); }
    void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
    void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
    virtual void SetBounds(int left, int top, int width, int height);
    TRect BoundsRect() const { return Bounds(left_, top_, width_, height_); }
    void SetBoundsRect(const TRect& r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }
    virtual TRect ClientRect() const { return Rect(0, 0, width_, height_); }
    int ClientWidth() const { return ClientRect().Width(); }
    int ClientHeight() const { return ClientRect().Height(); }
    // Converts a point of this control's client area into the root's coordinates and back.
    TPoint ClientToRoot(TPoint p) const;

    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);
    TAnchors Anchors() const { return anchors_; }
    void SetAnchors(TAnchors anchors) { anchors_ = anchors; }

    bool Visible() const { return visible_; }
    virtual void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible together with every parent up to the root.
    bool Showing() const;
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool enabled);
    // Enabled together with every parent up to the root.
    bool EnabledInTree() const;

    // Caption and Text are the same value; each class publishes the name it uses.
    const std::string& GetText() const { return text_; }
    void SetText(const std::string& text);
    const std::string& Caption() const { return text_; }
    void SetCaption(const std::string& text) { SetText(text); }

    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint) { hint_ = hint; }
    // ShowHint follows the parent's while ParentShowHint is set.
    bool ShowHint() const;
    void SetShowHint(bool show);
    bool ParentShowHint() const { return parentShowHint_; }
    void SetParentShowHint(bool v) { parentShowHint_ = v; }

    // Color follows the parent's while ParentColor is set.
    TColor Color() const;
    void SetColor(TColor color);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool v);
    // The font follows the parent's until it is changed itself.
    TFont* Font() const { return font_; }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool v);

    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor) { cursor_ = cursor; }
    TComponent* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TComponent* menu);
    int HelpContext() const { return helpContext_; }
    void SetHelpContext(int v) { helpContext_ = v; }

    // Synchronous dispatch by message number; returns the message's result.
    LRESULT Perform(uint32_t msg, WPARAM wparam = 0, LPARAM lparam = 0);
    virtual void WndProc(TMessage& message);
    // Messages no class handled end here.
    virtual void DefaultHandler(TMessage& message);

    // Painting is recorded, not drawn: Invalidate marks the control, Repaint
    // paints it at once when it is showing.
    void Invalidate() { invalid_ = true; }
    bool NeedsPaint() const { return invalid_; }
    void Repaint();
    int PaintCount() const { return paintCount_; }

    virtual void Click();
    virtual void DblClick();
    // What a user's click (or Space on a focused button) does: a button
    // clicks, a check box toggles, a radio button checks; others just click.
    virtual void UserClick() { Click(); }

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;

    void Notification(TComponent* component, TOperation operation) override;

protected:
    virtual void Paint() {}
    virtual void TextChanged() {}
    virtual void VisibleChanged();
    virtual void EnabledChanged();
    virtual void FontChanged();
    virtual void ParentFontChanged();
    virtual void ParentColorChanged() {}
    virtual void BoundsChanged() {}
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    // Asks the parent to lay out its aligned children again.
    void RequestAlign();
    bool IsFontStored() const { return !parentFont_; }
    bool IsColorStored() const { return !parentColor_; }
    bool IsShowHintStored() const { return !parentShowHint_; }
    // Own colour as stored, without the parent's.
    TColor OwnColor() const { return color_; }

private:
    friend class TWinControl;
    void OnFontChange(TObject* sender);
    void CopyParentFont();
    void MouseMessage(const TMessage& m);

    TWinControl* parent_ = nullptr;
    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
    TAlign align_ = alNone;
    TAnchors anchors_{akLeft, akTop};
    bool visible_ = true;
    bool enabled_ = true;
    std::string text_;
    std::string hint_;
    bool showHint_ = false;
    bool parentShowHint_ = true;
    TColor color_ = clWindow;
    bool parentColor_ = true;
    TFont* font_;
    bool parentFont_ = true;
    bool copyingParentFont_ = false;
    TCursor cursor_ = crDefault;
    TComponent* popupMenu_ = nullptr;
    int helpContext_ = 0;
    bool invalid_ = true;
    int paintCount_ = 0;
};

// The shift state packed into the key data of key messages, and back.
LPARAM KeyDataFromShift(TShiftState shift);
TShiftState ShiftFromKeyData(LPARAM keyData);
// Mouse position packed into LParam as the low and high 16 bits.
LPARAM PointToLParam(int x, int y);

}  // namespace rt
