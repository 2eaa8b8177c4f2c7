#include "platform/controls/TWinControl.h"

#include <algorithm>

#include "platform/controls/TFocusHost.h"
#include "platform/controls/VirtualKeys.h"
#include "platform/controls/WindowHandles.h"
#include "platform/core/Exceptions.h"

namespace rt {

namespace {

// Which DLGC_ flag keeps a key from being a dialog key.
LRESULT DialogMaskOf(uint16_t key) {
    switch (key) {
        case VK_TAB: return DLGC_WANTTAB;
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN: return DLGC_WANTARROWS;
        case VK_RETURN:
        case VK_ESCAPE: return DLGC_WANTALLKEYS;
        default: return 0;
    }
}

// The order of the original layout: earlier sorts first within one alignment.
bool AlignsBefore(TAlign align, const TControl* a, const TControl* b) {
    switch (align) {
        case alTop: return a->Top() < b->Top();
        case alBottom: return a->Top() + a->Height() > b->Top() + b->Height();
        case alLeft: return a->Left() < b->Left();
        case alRight: return a->Left() + a->Width() > b->Left() + b->Width();
        default: return false;
    }
}

}  // namespace

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
    // Leave the parent while still a window, so that it drops this one from its tab list and focus.
    SetParent(nullptr);
    while (!controls_.empty()) {
        TControl* child = controls_.back();
        RemoveControl(child);
        delete child;
    }
    if (handle_ != 0) ReleaseWindowHandle(handle_);
}

void TWinControl::Publish(TPublisher<TWinControl>& p) {
    p.Property("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder)
        .NoDefault()
        .Stored(&TWinControl::IsTabOrderStored);
    p.Property("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop).Default(false);
    p.Property("OnEnter", &TWinControl::OnEnter);
    p.Property("OnExit", &TWinControl::OnExit);
    p.Property("OnKeyDown", &TWinControl::OnKeyDown);
    p.Property("OnKeyPress", &TWinControl::OnKeyPress);
    p.Property("OnKeyUp", &TWinControl::OnKeyUp);
}

TControl* TWinControl::Controls(int index) const {
    if (index < 0 || index >= ControlCount()) {
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    }
    return controls_[static_cast<size_t>(index)];
}

bool TWinControl::ContainsControl(const TControl* control) const {
    for (const TControl* c = control; c != nullptr; c = c->Parent()) {
        if (c == this) return true;
    }
    return false;
}

TControl* TWinControl::ControlAtPos(TPoint p, bool allowDisabled) {
    // Later children lie on top of earlier ones.
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        TControl* c = *it;
        if (!c->Visible() || (!allowDisabled && !c->Enabled()) || !PtInRect(c->BoundsRect(), p)) continue;
        if (auto* win = dynamic_cast<TWinControl*>(c)) {
            const TRect client = win->ClientRect();
            TControl* inner = win->ControlAtPos({p.X - c->Left() - client.Left, p.Y - c->Top() - client.Top},
                                                allowDisabled);
            if (inner != nullptr) return inner;
        }
        return c;
    }
    return nullptr;
}

void TWinControl::GetChildren(const TGetChildProc& proc, TComponent* root) {
    for (TControl* c : controls_) {
        if (c->Owner() == root) proc(c);
    }
}

void TWinControl::InsertControl(TControl* control) {
    controls_.push_back(control);
    control->parent_ = this;
    if (auto* win = dynamic_cast<TWinControl*>(control)) {
        tabList_.push_back(win);
        // A tab order set before the control had a parent takes effect now.
        if (win->readTabOrder_ >= 0 && !win->ComponentState().Contains(csLoading)) {
            const int order = win->readTabOrder_;
            win->readTabOrder_ = -1;
            win->SetTabOrder(order);
        }
    }
    control->CopyParentFont();
    control->Invalidate();
    if (control->Align() != alNone) Realign();
}

void TWinControl::RemoveControl(TControl* control) {
    if (auto* win = dynamic_cast<TWinControl*>(control)) {
        if (TFocusHost* host = FocusHost()) host->DefocusControl(win, true);
        tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), win), tabList_.end());
    }
    controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
    control->parent_ = nullptr;
    if (control->Align() != alNone) Realign();
}

int TWinControl::TabOrder() const {
    if (Parent() == nullptr) return readTabOrder_;
    const auto& list = Parent()->tabList_;
    const auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int order) {
    if (ComponentState().Contains(csReading) || ComponentState().Contains(csLoading) || Parent() == nullptr) {
        readTabOrder_ = order;
        return;
    }
    auto& list = Parent()->tabList_;
    const int current = TabOrder();
    if (current < 0) return;
    order = std::clamp(order, 0, static_cast<int>(list.size()) - 1);
    if (order == current) return;
    list.erase(list.begin() + current);
    list.insert(list.begin() + order, this);
}

void TWinControl::FixupTabList() {
    // Children read from a resource carry their tab order; a stable sort keeps
    // the insertion order among equal or missing numbers.
    std::vector<TWinControl*> read;
    for (TWinControl* c : tabList_) {
        if (c->readTabOrder_ >= 0) read.push_back(c);
    }
    if (read.empty()) return;
    std::stable_sort(tabList_.begin(), tabList_.end(), [](const TWinControl* a, const TWinControl* b) {
        const int ka = a->readTabOrder_ < 0 ? INT32_MAX : a->readTabOrder_;
        const int kb = b->readTabOrder_ < 0 ? INT32_MAX : b->readTabOrder_;
        return ka < kb;
    });
    for (TWinControl* c : tabList_) c->readTabOrder_ = -1;
}

void TWinControl::Loaded() {
    TControl::Loaded();
    FixupTabList();
    Realign();
}

HWND TWinControl::Handle() {
    if (handle_ == 0) handle_ = AllocateWindowHandle(this);
    return handle_;
}

bool TWinControl::CanFocus() {
    TControl* root = RootParent();
    if (dynamic_cast<TFocusHost*>(root) == nullptr) return false;
    for (TControl* c = this; c != root; c = c->Parent()) {
        if (!c->Visible() || !c->Enabled()) return false;
    }
    return true;
}

bool TWinControl::Focused() { return handle_ != 0 && GetFocus() == handle_; }

void TWinControl::SetFocus() {
    if (TFocusHost* host = FocusHost()) {
        host->FocusControl(this);
        return;
    }
    throw EInvalidOperation("Cannot focus a disabled or invisible window");
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
    for (TWinControl* c : tabList_) {
        list.push_back(c);
        c->GetTabOrderList(list);
    }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool goForward, bool checkTabStop,
                                          bool checkParent) {
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    if (list.empty()) return nullptr;
    const int count = static_cast<int>(list.size());
    int start = static_cast<int>(std::find(list.begin(), list.end(), current) - list.begin());
    if (start == count) start = goForward ? count - 1 : 0;
    int i = start;
    do {
        i = goForward ? (i + 1) % count : (i == 0 ? count : i) - 1;
        TWinControl* c = list[static_cast<size_t>(i)];
        if (c->CanFocus() && (!checkTabStop || c->TabStop()) && (!checkParent || c->Parent() == this)) return c;
    } while (i != start);
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool goForward, bool checkTabStop) {
    TWinControl* next = FindNextControl(current, goForward, checkTabStop, !checkTabStop);
    if (next != nullptr) next->SetFocus();
}

void TWinControl::SelectFirst() {
    TWinControl* first = FindNextControl(nullptr, true, true, false);
    if (first != nullptr) first->SetFocus();
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
    const bool resized = width != Width() || height != Height();
    TControl::SetBounds(left, top, width, height);
    if (resized) Realign();
}

void TWinControl::EnableAlign() {
    if (alignDisabled_ > 0 && --alignDisabled_ == 0) Realign();
}

void TWinControl::Realign() {
    if (alignDisabled_ > 0 || aligning_ || ComponentState().Contains(csLoading)) return;
    aligning_ = true;
    try {
        TRect rect = AlignRect();
        AlignControls(rect);
    } catch (...) {
        aligning_ = false;
        throw;
    }
    aligning_ = false;
}

void TWinControl::AlignControls(TRect& rect) {
    for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient}) AlignList(align, rect);
}

void TWinControl::AlignList(TAlign align, TRect& rect) {
    std::vector<TControl*> list;
    for (TControl* c : controls_) {
        if (c->Align() == align && c->Visible()) list.push_back(c);
    }
    std::stable_sort(list.begin(), list.end(),
                     [align](const TControl* a, const TControl* b) { return AlignsBefore(align, a, b); });
    for (TControl* c : list) {
        const int w = c->Width();
        const int h = c->Height();
        switch (align) {
            case alTop:
                c->SetBounds(rect.Left, rect.Top, rect.Width(), h);
                rect.Top += h;
                break;
            case alBottom:
                c->SetBounds(rect.Left, rect.Bottom - h, rect.Width(), h);
                rect.Bottom -= h;
                break;
            case alLeft:
                c->SetBounds(rect.Left, rect.Top, w, rect.Height());
                rect.Left += w;
                break;
            case alRight:
                c->SetBounds(rect.Right - w, rect.Top, w, rect.Height());
                rect.Right -= w;
                break;
            default: c->SetBounds(rect.Left, rect.Top, rect.Width(), rect.Height()); break;
        }
    }
}

void TWinControl::VisibleChanged() {
    if (!Visible()) {
        if (TFocusHost* host = FocusHost()) host->DefocusControl(this, false);
    }
    TControl::VisibleChanged();
}

void TWinControl::EnabledChanged() {
    if (!Enabled()) {
        if (TFocusHost* host = FocusHost()) host->DefocusControl(this, false);
    }
    TControl::EnabledChanged();
}

void TWinControl::Broadcast(uint32_t msg) {
    for (TControl* c : controls_) c->Perform(msg);
}

void TWinControl::FontChanged() {
    TControl::FontChanged();
    Broadcast(CM_PARENTFONTCHANGED);
}

void TWinControl::ParentFontChanged() { CopyParentFont(); }

void TWinControl::ParentColorChanged() { Broadcast(CM_PARENTCOLORCHANGED); }

void TWinControl::WndProc(TMessage& m) {
    switch (m.Msg) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (!DoKeyDown(m)) DefaultKeyDown(static_cast<uint16_t>(m.WParam), ShiftFromKeyData(m.LParam));
            break;
        case WM_CHAR:
        case WM_SYSCHAR:
            if (!DoKeyPress(m)) DefaultKeyPress(static_cast<char>(m.WParam));
            break;
        case WM_KEYUP:
        case WM_SYSKEYUP:
            if (!DoKeyUp(m)) DefaultKeyUp(static_cast<uint16_t>(m.WParam), ShiftFromKeyData(m.LParam));
            break;
        case WM_GETDLGCODE: m.Result = DialogCode(); break;
        case CM_DIALOGKEY:
            m.Result = DialogKey(static_cast<uint16_t>(m.WParam), ShiftFromKeyData(m.LParam)) ? 1 : 0;
            break;
        case CM_ENTER: DoEnter(); break;
        case CM_EXIT: DoExit(); break;
        default: TControl::WndProc(m); break;
    }
}

bool TWinControl::HandleKeyDown(uint16_t key, TShiftState shift) {
    const LPARAM data = KeyDataFromShift(shift);
    // The key events (the form's preview first) may consume or change the key
    // before it acts as a dialog key or reaches the control's own handling.
    TMessage m{WM_KEYDOWN, key, data, 0};
    if (DoKeyDown(m)) return true;
    key = static_cast<uint16_t>(m.WParam);
    if (DialogMaskOf(key) != 0 && !WantsKey(key, shift) && RootParent()->Perform(CM_DIALOGKEY, key, data) != 0) {
        return true;
    }
    DefaultKeyDown(key, shift);
    return false;
}

bool TWinControl::WantsKey(uint16_t key, TShiftState) {
    return (Perform(WM_GETDLGCODE) & DialogMaskOf(key)) != 0;
}

bool TWinControl::DialogKey(uint16_t key, TShiftState shift) {
    for (TControl* c : controls_) {
        auto* win = dynamic_cast<TWinControl*>(c);
        if (win != nullptr && win->Perform(CM_DIALOGKEY, key, KeyDataFromShift(shift)) != 0) return true;
    }
    return false;
}

namespace {

// The host sees the key first when it previews keys; true when it consumed it.
template <class F>
bool PreviewByHost(TWinControl* self, F&& forward) {
    TControl* root = self->RootParent();
    auto* host = dynamic_cast<TFocusHost*>(root);
    if (root == self || host == nullptr || !host->WantsKeyPreview()) return false;
    return forward(static_cast<TWinControl*>(root));
}

}  // namespace

bool TWinControl::DoKeyDown(TMessage& m) {
    if (PreviewByHost(this, [&m](TWinControl* host) { return host->DoKeyDown(m); })) return true;
    uint16_t key = static_cast<uint16_t>(m.WParam);
    KeyDown(key, ShiftFromKeyData(m.LParam));
    m.WParam = key;
    return key == 0;
}

bool TWinControl::DoKeyPress(TMessage& m) {
    if (PreviewByHost(this, [&m](TWinControl* host) { return host->DoKeyPress(m); })) return true;
    char key = static_cast<char>(m.WParam);
    KeyPress(key);
    m.WParam = static_cast<unsigned char>(key);
    return key == 0;
}

bool TWinControl::DoKeyUp(TMessage& m) {
    if (PreviewByHost(this, [&m](TWinControl* host) { return host->DoKeyUp(m); })) return true;
    uint16_t key = static_cast<uint16_t>(m.WParam);
    KeyUp(key, ShiftFromKeyData(m.LParam));
    m.WParam = key;
    return key == 0;
}

void TWinControl::KeyDown(uint16_t& key, TShiftState shift) { OnKeyDown(this, key, shift); }

void TWinControl::KeyPress(char& key) { OnKeyPress(this, key); }

void TWinControl::KeyUp(uint16_t& key, TShiftState shift) { OnKeyUp(this, key, shift); }

void TWinControl::DefaultKeyDown(uint16_t, TShiftState) {}

void TWinControl::DefaultKeyPress(char) {}

void TWinControl::DefaultKeyUp(uint16_t, TShiftState) {}

void TWinControl::DoEnter() { OnEnter(this); }

void TWinControl::DoExit() { OnExit(this); }

}  // namespace rt
