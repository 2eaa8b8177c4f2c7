#pragma once
// A row of tool buttons laid out left to right in their order, each
// ButtonWidth x ButtonHeight (separators keep their own width), wrapping
// to a new row when Wrapable and the row is full.

#include <vector>

#include "platform/controls/TWinControl.h"

namespace rt {

class TImageList;
class TToolButton;

class TToolBar : public TWinControl {
    RT_CLASS(TToolBar, TWinControl)

public:
    explicit TToolBar(TComponent* owner);
    ~TToolBar() override;

    static void Publish(TPublisher<TToolBar>& p);

    int ButtonCount() const;
    // The tool buttons in their order; raises EListError for a bad index.
    TToolButton* Buttons(int index) const;
    int IndexOfButton(const TToolButton* button) const;

    int ButtonWidth() const { return buttonWidth_; }
    void SetButtonWidth(int v);
    int ButtonHeight() const { return buttonHeight_; }
    void SetButtonHeight(int v);
    int Indent() const { return indent_; }
    void SetIndent(int v);
    bool Flat() const { return flat_; }
    void SetFlat(bool v) { flat_ = v; Invalidate(); }
    bool ShowCaptions() const { return showCaptions_; }
    void SetShowCaptions(bool v) { showCaptions_ = v; Invalidate(); }
    bool List() const { return list_; }
    void SetList(bool v) { list_ = v; Invalidate(); }
    bool Wrapable() const { return wrapable_; }
    void SetWrapable(bool v);
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* images);
    TImageList* DisabledImages() const { return disabledImages_; }
    void SetDisabledImages(TImageList* images);
    TImageList* HotImages() const { return hotImages_; }
    void SetHotImages(TImageList* images);

    void Notification(TComponent* component, TOperation operation) override;

protected:
    void AlignControls(TRect& rect) override;

private:
    std::vector<TToolButton*> ButtonList() const;
    void SetImageList(TImageList*& field, TImageList* images);

    int buttonWidth_ = 23;
    int buttonHeight_ = 22;
    int indent_ = 0;
    bool flat_ = false;
    bool showCaptions_ = false;
    bool list_ = false;
    bool wrapable_ = true;
    TImageList* images_ = nullptr;
    TImageList* disabledImages_ = nullptr;
    TImageList* hotImages_ = nullptr;
};

}  // namespace rt
