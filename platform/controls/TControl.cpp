#include "platform/controls/TControl.h"

#include "platform/controls/TFocusHost.h"
#include "platform/controls/TWinControl.h"
#include "platform/core/Exceptions.h"

namespace rt {

TControl::TControl(TComponent* owner) : TComponent(owner), font_(new TFont()) {
    font_->OnChange = TNotifyEvent::Of<&TControl::OnFontChange>(this);
}

TControl::~TControl() {
    SetParent(nullptr);
    delete font_;
}

void TControl::Publish(TPublisher<TControl>& p) {
    p.Property("Left", &TControl::Left, &TControl::SetLeft).NoDefault();
    p.Property("Top", &TControl::Top, &TControl::SetTop).NoDefault();
    p.Property("Width", &TControl::Width, &TControl::SetWidth).NoDefault();
    p.Property("Height", &TControl::Height, &TControl::SetHeight).NoDefault();
    p.Property("Align", &TControl::Align, &TControl::SetAlign).Default(alNone);
    p.Property("Anchors", &TControl::Anchors, &TControl::SetAnchors).Default(TAnchors{akLeft, akTop});
    p.Property("Cursor", &TControl::Cursor, &TControl::SetCursor).Default(crDefault);
    p.Property("Enabled", &TControl::Enabled, &TControl::SetEnabled).Default(true);
    p.Property("Hint", &TControl::Hint, &TControl::SetHint).Default(std::string());
    p.Property("HelpContext", &TControl::HelpContext, &TControl::SetHelpContext).Default(0);
    p.Property("Color", &TControl::Color, &TControl::SetColor).TypeName("TColor").Stored(&TControl::IsColorStored);
    p.Property("Font", &TControl::Font).Stored(&TControl::IsFontStored);
    p.Property("ParentColor", &TControl::ParentColor, &TControl::SetParentColor).Default(true);
    p.Property("ParentFont", &TControl::ParentFont, &TControl::SetParentFont).Default(true);
    p.Property("ShowHint", &TControl::ShowHint, &TControl::SetShowHint).Stored(&TControl::IsShowHintStored);
    p.Property("ParentShowHint", &TControl::ParentShowHint, &TControl::SetParentShowHint).Default(true);
    p.Property("PopupMenu", &TControl::PopupMenu, &TControl::SetPopupMenu);
    p.Property("Visible", &TControl::Visible, &TControl::SetVisible).Default(true);
    p.Property("OnClick", &TControl::OnClick);
    p.Property("OnDblClick", &TControl::OnDblClick);
    p.Property("OnMouseDown", &TControl::OnMouseDown);
    p.Property("OnMouseUp", &TControl::OnMouseUp);
    p.Property("OnMouseMove", &TControl::OnMouseMove);
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == parent_) return;
    if (parent == this) throw EInvalidOperation("A control cannot have itself as its parent");
    for (TControl* p = parent; p != nullptr; p = p->parent_) {
        if (p == this) throw EInvalidOperation("A control cannot be the parent of its own parent");
    }
    if (parent_ != nullptr) parent_->RemoveControl(this);
    if (parent != nullptr) parent->InsertControl(this);
}

TComponent* TControl::GetParentComponent() const { return parent_; }

void TControl::SetParentComponent(TComponent* parent) {
    auto* win = dynamic_cast<TWinControl*>(parent);
    if (parent != nullptr && win == nullptr) {
        throw EInvalidOperation("Control '" + Name() + "' cannot have a " + parent->ClassName() + " as its parent");
    }
    SetParent(win);
}

TControl* TControl::RootParent() {
    TControl* c = this;
    while (c->parent_ != nullptr) c = c->parent_;
    return c;
}

TFocusHost* TControl::FocusHost() { return dynamic_cast<TFocusHost*>(RootParent()); }

void TControl::SetBounds(int left, int top, int width, int height) {
    if (width < 0) width = 0;
    if (height < 0) height = 0;
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    Invalidate();
    BoundsChanged();
    RequestAlign();
}

TPoint TControl::ClientToRoot(TPoint p) const {
    for (const TControl* c = this; c->parent_ != nullptr; c = c->parent_) {
        const TRect client = c->parent_->ClientRect();
        p.X += c->left_ + client.Left;
        p.Y += c->top_ + client.Top;
    }
    return p;
}

void TControl::SetAlign(TAlign align) {
    if (align == align_) return;
    align_ = align;
    RequestAlign();
}

void TControl::RequestAlign() {
    if (parent_ != nullptr) parent_->Realign();
}

void TControl::SetVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    VisibleChanged();
}

void TControl::VisibleChanged() {
    Invalidate();
    if (align_ != alNone) RequestAlign();
}

bool TControl::Showing() const {
    for (const TControl* c = this; c != nullptr; c = c->parent_) {
        if (!c->visible_) return false;
    }
    return true;
}

void TControl::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    EnabledChanged();
}

void TControl::EnabledChanged() { Invalidate(); }

bool TControl::EnabledInTree() const {
    for (const TControl* c = this; c != nullptr; c = c->parent_) {
        if (!c->enabled_) return false;
    }
    return true;
}

void TControl::SetText(const std::string& text) {
    if (text == text_) return;
    text_ = text;
    Invalidate();
    TextChanged();
}

bool TControl::ShowHint() const {
    if (parentShowHint_ && parent_ != nullptr) return parent_->ShowHint();
    return showHint_;
}

void TControl::SetShowHint(bool show) {
    showHint_ = show;
    parentShowHint_ = false;
}

TColor TControl::Color() const {
    if (parentColor_ && parent_ != nullptr) return parent_->Color();
    return color_;
}

void TControl::SetColor(TColor color) {
    if (!parentColor_ && color == color_) return;
    color_ = color;
    parentColor_ = false;
    Invalidate();
}

void TControl::SetParentColor(bool v) {
    if (v == parentColor_) return;
    if (!v) color_ = Color();
    parentColor_ = v;
    Invalidate();
}

void TControl::SetParentFont(bool v) {
    parentFont_ = v;
    if (v) CopyParentFont();
}

void TControl::CopyParentFont() {
    if (!parentFont_ || parent_ == nullptr) return;
    copyingParentFont_ = true;
    try {
        font_->Assign(parent_->Font());
    } catch (...) {
        copyingParentFont_ = false;
        throw;
    }
    copyingParentFont_ = false;
}

void TControl::OnFontChange(TObject*) {
    if (!copyingParentFont_) parentFont_ = false;
    FontChanged();
}

void TControl::FontChanged() { Invalidate(); }

void TControl::ParentFontChanged() { CopyParentFont(); }

void TControl::SetPopupMenu(TComponent* menu) {
    if (menu == popupMenu_) return;
    if (popupMenu_ != nullptr) popupMenu_->RemoveFreeNotification(this);
    popupMenu_ = menu;
    if (menu != nullptr) menu->FreeNotification(this);
}

void TControl::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == popupMenu_) popupMenu_ = nullptr;
}

LRESULT TControl::Perform(uint32_t msg, WPARAM wparam, LPARAM lparam) {
    TMessage m{msg, wparam, lparam, 0};
    WndProc(m);
    return m.Result;
}

void TControl::WndProc(TMessage& m) {
    switch (m.Msg) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
        case WM_MOUSEMOVE: MouseMessage(m); break;
        case WM_PAINT: Repaint(); break;
        case CM_PARENTFONTCHANGED: ParentFontChanged(); break;
        case CM_PARENTCOLORCHANGED: ParentColorChanged(); break;
        case WM_SETTEXT: SetText(reinterpret_cast<const char*>(m.LParam)); break;
        case WM_GETTEXTLENGTH: m.Result = static_cast<LRESULT>(text_.size()); break;
        default: DefaultHandler(m); break;
    }
}

void TControl::DefaultHandler(TMessage&) {}

void TControl::MouseMessage(const TMessage& m) {
    const int x = static_cast<int16_t>(m.LParam & 0xFFFF);
    const int y = static_cast<int16_t>((m.LParam >> 16) & 0xFFFF);
    TShiftState shift = ShiftFromKeyData(static_cast<LPARAM>(m.WParam));
    switch (m.Msg) {
        case WM_LBUTTONDOWN: MouseDown(mbLeft, shift.Include(ssLeft), x, y); break;
        case WM_LBUTTONDBLCLK:
            MouseDown(mbLeft, shift.Include(ssLeft).Include(ssDouble), x, y);
            DblClick();
            break;
        case WM_RBUTTONDOWN: MouseDown(mbRight, shift.Include(ssRight), x, y); break;
        case WM_MBUTTONDOWN: MouseDown(mbMiddle, shift.Include(ssMiddle), x, y); break;
        case WM_LBUTTONUP: MouseUp(mbLeft, shift, x, y); break;
        case WM_RBUTTONUP: MouseUp(mbRight, shift, x, y); break;
        case WM_MBUTTONUP: MouseUp(mbMiddle, shift, x, y); break;
        default: MouseMove(shift, x, y); break;
    }
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) { OnMouseUp(this, button, shift, x, y); }

void TControl::MouseMove(TShiftState shift, int x, int y) { OnMouseMove(this, shift, x, y); }

void TControl::Repaint() {
    if (!Showing()) return;
    Paint();
    ++paintCount_;
    invalid_ = false;
}

void TControl::Click() { OnClick(this); }

void TControl::DblClick() { OnDblClick(this); }

LPARAM KeyDataFromShift(TShiftState shift) {
    LPARAM data = 0;
    if (shift.Contains(ssShift)) data |= KF_SHIFT;
    if (shift.Contains(ssCtrl)) data |= KF_CTRL;
    if (shift.Contains(ssAlt)) data |= KF_ALT;
    return data;
}

TShiftState ShiftFromKeyData(LPARAM keyData) {
    TShiftState shift;
    if ((keyData & KF_SHIFT) != 0) shift.Include(ssShift);
    if ((keyData & KF_CTRL) != 0) shift.Include(ssCtrl);
    if ((keyData & KF_ALT) != 0) shift.Include(ssAlt);
    return shift;
}

LPARAM PointToLParam(int x, int y) {
    return static_cast<LPARAM>((static_cast<uint32_t>(y & 0xFFFF) << 16) | static_cast<uint32_t>(x & 0xFFFF));
}

}  // namespace rt
