#pragma once
// The screen: the forms that exist, which one is active and which control has
// the focus, the cursor and the system fonts. Its size is fixed, so layout
// does not depend on the machine.

#include <map>
#include <vector>

#include "platform/classes/TComponent.h"
#include "platform/controls/ControlTypes.h"
#include "platform/graphics/TFont.h"

namespace rt {

class TCustomForm;
class TWinControl;

class TScreen : public TComponent {
    RT_CLASS(TScreen, TComponent)

public:
    explicit TScreen(TComponent* owner = nullptr);
    ~TScreen() override;

    TCustomForm* ActiveCustomForm() const { return activeForm_; }
    TCustomForm* ActiveForm() const { return activeForm_; }
    TWinControl* ActiveControl() const { return activeControl_; }
    // Forms in creation order.
    int FormCount() const { return static_cast<int>(forms_.size()); }
    TCustomForm* Forms(int index) const;

    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor) { cursor_ = cursor; }
    // Cursor handles by cursor number; the built-in cursors have their number as handle.
    intptr_t Cursors(TCursor index) const;
    void SetCursors(TCursor index, intptr_t handle) { cursors_[index] = handle; }

    TFont* HintFont() const { return hintFont_; }
    TFont* MenuFont() const { return menuFont_; }
    TFont* IconFont() const { return iconFont_; }
    int Width() const { return 1024; }
    int Height() const { return 768; }

    TNotifyEvent OnActiveControlChange;
    TNotifyEvent OnActiveFormChange;

    // Bookkeeping the forms do.
    void AddForm(TCustomForm* form);
    void RemoveForm(TCustomForm* form);
    void ActivateForm(TCustomForm* form);
    // A hidden form hands the activation back to the last active visible form.
    void FormHidden(TCustomForm* form);
    void SetActiveControl(TWinControl* control);

private:
    std::vector<TCustomForm*> forms_;
    // Most recently active first.
    std::vector<TCustomForm*> activation_;
    TCustomForm* activeForm_ = nullptr;
    TWinControl* activeControl_ = nullptr;
    TCursor cursor_ = crDefault;
    std::map<TCursor, intptr_t> cursors_;
    TFont* hintFont_;
    TFont* menuFont_;
    TFont* iconFont_;
};

TScreen& Screen();

}  // namespace rt
