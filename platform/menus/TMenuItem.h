#pragma once
// One entry of a menu: a caption with an "&" accelerator, a short cut,
// check marks (radio items check exclusively within their group index and
// parent), enabling and visibility, and the sub-items of a tree. Items are
// components owned by the form; the tree is their parent relation, which
// form resources rebuild through the component hooks.

#include <string>
#include <string_view>
#include <vector>

#include "platform/classes/Events.h"
#include "platform/classes/TComponent.h"
#include "platform/core/Exceptions.h"
#include "platform/menus/ShortCuts.h"

namespace rt {

class TMenu;

class TMenuItem : public TComponent {
    RT_CLASS(TMenuItem, TComponent)

public:
    explicit TMenuItem(TComponent* owner);
    // Frees the sub-items still inside and leaves the parent item.
    ~TMenuItem() override;

    static void Publish(TPublisher<TMenuItem>& p);

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption) { caption_ = caption; }
    // A caption of "-" is a separator line.
    bool IsLine() const { return caption_ == "-"; }
    TShortCut ShortCut() const { return shortCut_; }
    void SetShortCut(TShortCut shortCut) { shortCut_ = shortCut; }

    bool Checked() const { return checked_; }
    // Checking a radio item unchecks the other radio items of its group.
    void SetChecked(bool checked);
    bool RadioItem() const { return radioItem_; }
    void SetRadioItem(bool radio);
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int index);
    bool AutoCheck() const { return autoCheck_; }
    void SetAutoCheck(bool v) { autoCheck_ = v; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v) { enabled_ = v; }
    bool Visible() const { return visible_; }
    void SetVisible(bool v) { visible_ = v; }
    bool Default() const { return default_; }
    void SetDefault(bool v) { default_ = v; }
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index) { imageIndex_ = index; }
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint) { hint_ = hint; }

    // The tree.
    int Count() const { return static_cast<int>(items_.size()); }
    // Raises EMenuError "Menu index out of range" for a bad index.
    TMenuItem* Items(int index) const;
    TMenuItem* Parent() const { return parent_; }
    // The menu whose root this item hangs under, null when none.
    TMenu* GetParentMenu() const;
    int MenuIndex() const;
    void SetMenuIndex(int index);
    // Raises EMenuError "Menu inserted twice" for an item that already has a parent.
    void Add(TMenuItem* item);
    void Insert(int index, TMenuItem* item);
    void Remove(TMenuItem* item);
    // Frees the sub-item at `index`.
    void Delete(int index);
    void Clear();
    int IndexOf(const TMenuItem* item) const;
    // The direct sub-item whose caption, hotkeys stripped, equals `caption`.
    TMenuItem* Find(std::string_view caption) const;
    // This item or a sub-item (depth first) bound to `shortCut`, visible and enabled.
    TMenuItem* FindShortCut(TShortCut shortCut);

    // Runs the click when the item is enabled: the auto check first, then OnClick.
    virtual void Click();

    void GetChildren(const TGetChildProc& proc, TComponent* root) override;
    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* parent) override;

    TNotifyEvent OnClick;

private:
    friend class TMenu;
    void UncheckGroupSiblings();

    std::string caption_;
    TShortCut shortCut_ = scNone;
    bool checked_ = false;
    bool radioItem_ = false;
    int groupIndex_ = 0;
    bool autoCheck_ = false;
    bool enabled_ = true;
    bool visible_ = true;
    bool default_ = false;
    int imageIndex_ = -1;
    std::string hint_;
    std::vector<TMenuItem*> items_;
    TMenuItem* parent_ = nullptr;
    // Set on the root item of a menu.
    TMenu* menu_ = nullptr;
};

RT_DECLARE_EXCEPTION(EMenuError, Exception)

}  // namespace rt
