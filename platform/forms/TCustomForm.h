#pragma once
// Top-level windows: they keep the active control and run the focus walk
// (exits innermost first, then enters outermost first), preview keys, show
// and hide with their events, close with a close action and run modally.
//
// Forms are created with CreateForm/NewForm (or AfterConstruction called after
// `new`), which reads the class chain's form resources and raises OnCreate,
// and are freed with Free() or Release(), which raise OnDestroy first.

#include <string>
#include <vector>

#include "platform/controls/TFocusHost.h"
#include "platform/controls/TWinControl.h"
#include "platform/forms/FormTypes.h"

namespace rt {

class TCustomForm : public TWinControl, public TFocusHost {
    RT_CLASS(TCustomForm, TWinControl)

public:
    explicit TCustomForm(TComponent* owner);
    ~TCustomForm() override;

    static void Publish(TPublisher<TCustomForm>& p);

    // Reads the form resources of the class chain, oldest ancestor first, then raises OnCreate.
    virtual void AfterConstruction();
    // Raises OnDestroy and deletes the form. A form running modally is closed
    // (mrCancel) and freed when its ShowModal returns.
    void Free();

    TWinControl* ActiveControl() const { return activeControl_; }
    // Raises EInvalidOperation "Cannot focus a disabled or invisible window".
    void SetActiveControl(TWinControl* control);
    // The control at the end of the last completed focus walk.
    TWinControl* FocusedControl() const { return focusedControl_; }
    bool KeyPreview() const { return keyPreview_; }
    void SetKeyPreview(bool v) { keyPreview_ = v; }
    bool Active() const { return active_; }

    void SetVisible(bool visible) override;
    // The form's own components that are no controls, then its controls.
    void GetChildren(const TGetChildProc& proc, TComponent* root) override;
    // Closes by the close action (OnCloseQuery, then OnClose); a modal form gets mrCancel instead.
    void Close();
    bool CloseQuery();
    // Frees the form once control is back in the message loop.
    void Release();
    // Raises EInvalidOperation "Cannot make a visible window modal".
    virtual TModalResult ShowModal();
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult result) { modalResult_ = result; }
    bool IsModal() const { return modal_; }
    // The modal loop's end check: closes the form when a modal result is set.
    void CheckModalEnd();

    TWindowState WindowState() const { return windowState_; }
    void SetWindowState(TWindowState state);
    TPosition Position() const { return position_; }
    void SetPosition(TPosition position) { position_ = position; }
    TBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TBorderIcons icons) { borderIcons_ = icons; }
    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle style) { borderStyle_ = style; }
    TFormStyle FormStyle() const { return formStyle_; }
    void SetFormStyle(TFormStyle style) { formStyle_ = style; }
    bool Scaled() const { return scaled_; }
    void SetScaled(bool v) { scaled_ = v; }

    // TFocusHost
    void FocusControl(TWinControl* control) override;
    void DefocusControl(TWinControl* control, bool removing) override;
    bool WantsKeyPreview() const override { return keyPreview_; }

    // Runs the exit and enter events towards `control`; false when a handler moved the focus elsewhere.
    bool SetFocusedControl(TWinControl* control);
    // Activates the form and gives the focus to its active control.
    void SetFocus() override;
    bool CanFocus() override { return Visible() && Enabled(); }
    // Called by the screen when the form becomes or stops being the active one.
    void Activate();
    void Deactivate();

    void SetBounds(int left, int top, int width, int height) override;
    void WndProc(TMessage& message) override;

    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnResize;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;
    TNotifyEvent OnActiveControlChange;

protected:
    virtual void DoCreate() { OnCreate(this); }
    virtual void DoShow() { OnShow(this); }
    virtual void DoHide() { OnHide(this); }
    virtual void DoDestroy() { OnDestroy(this); }
    virtual void DoClose(TCloseAction& action) { OnClose(this, action); }
    // Every completed focus change of the form.
    virtual void FocusChanged(TWinControl* control);
    bool DialogKey(uint16_t key, TShiftState shift) override;
    void Loaded() override;

private:
    void ReadResources();
    bool SendFocusMessage(TWinControl* control, uint32_t msg);
    void SetWindowFocus();
    void RestoreFocus(TWinControl* control);
    void CloseModal();
    void EndModal();

    TWinControl* activeControl_ = nullptr;
    TWinControl* focusedControl_ = nullptr;
    std::vector<TWinControl*> focusing_;
    int focusCount_ = 0;
    bool keyPreview_ = false;
    bool active_ = false;
    bool modal_ = false;
    bool modalEnded_ = false;
    bool destroyed_ = false;
    bool freeAfterModal_ = false;
    bool showAfterLoad_ = false;
    TModalResult modalResult_ = mrNone;
    TWindowState windowState_ = wsNormal;
    TPosition position_ = poDesigned;
    TBorderIcons borderIcons_{biSystemMenu, biMinimize, biMaximize};
    TFormBorderStyle borderStyle_ = bsSizeable;
    TFormStyle formStyle_ = fsNormal;
    bool scaled_ = true;
};

// The form a control sits on, null when none.
TCustomForm* GetParentForm(TControl* control);

}  // namespace rt
