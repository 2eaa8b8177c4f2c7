#pragma once
// Components standing in for toolkit controls the converter reaches only by
// published properties and class names: combo and list boxes, list and tree
// views, a tab set, a status bar, a navigator and a selection panel.

#include "platform/classes/TCollection.h"
#include "platform/classes/TCollectionItem.h"
#include "platform/classes/TComponent.h"
#include "platform/classes/TStringList.h"
#include "platform/graphics/TFont.h"

#include <memory>
#include <string>

namespace hemr_test::converter {

RT_ENUM(TComboBoxStyle, csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable)
RT_ENUM(TListBoxStyle, lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable)

using TStrings = std::unique_ptr<rt::TStringList>;
inline TStrings NewStrings() { return std::make_unique<rt::TStringList>(); }

class TCcLabel : public rt::TComponent {
    RT_CLASS(TCcLabel, rt::TComponent)
public:
    using rt::TComponent::TComponent;
    static void Publish(rt::TPublisher<TCcLabel>& p) {
        p.Property("Caption", &TCcLabel::Caption);
        p.Property("Hint", &TCcLabel::Hint);
        p.Property("Font", &TCcLabel::FontPtr);
        p.Property("TitleFont", &TCcLabel::TitleFontPtr);
    }
    rt::TFont* FontPtr() const { return font_.get(); }
    rt::TFont* TitleFontPtr() const { return titleFont_.get(); }
    std::string Caption;
    std::string Hint;

private:
    std::unique_ptr<rt::TFont> font_ = std::make_unique<rt::TFont>();
    std::unique_ptr<rt::TFont> titleFont_ = std::make_unique<rt::TFont>();
};

// Like a real combo box, new items or a new style drop the selection.
class TCustomComboBox : public rt::TComponent {
    RT_CLASS(TCustomComboBox, rt::TComponent)
public:
    explicit TCustomComboBox(rt::TComponent* owner) : rt::TComponent(owner) {
        items_->OnChange = rt::TNotifyEvent::Of<&TCustomComboBox::Lost>(this);
    }
    static void Publish(rt::TPublisher<TCustomComboBox>& p) {
        p.Property("Items", &TCustomComboBox::Items);
        p.Property("ItemIndex", &TCustomComboBox::ItemIndex);
        p.Property("Style", &TCustomComboBox::Style, &TCustomComboBox::SetStyle);
    }
    rt::TStringList* Items() const { return items_.get(); }
    TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle style) {
        style_ = style;
        ItemIndex = -1;
    }
    int32_t ItemIndex = -1;

private:
    void Lost(rt::TObject*) { ItemIndex = -1; }
    TStrings items_ = NewStrings();
    TComboBoxStyle style_ = csDropDown;
};

class TCustomListBox : public rt::TComponent {
    RT_CLASS(TCustomListBox, rt::TComponent)
public:
    using rt::TComponent::TComponent;
    static void Publish(rt::TPublisher<TCustomListBox>& p) {
        p.Property("Items", &TCustomListBox::Items);
        p.Property("Style", &TCustomListBox::Style);
    }
    rt::TStringList* Items() const { return items_.get(); }
    TListBoxStyle Style = lbStandard;

private:
    TStrings items_ = NewStrings();
};

class TCcTextItem : public rt::TCollectionItem {
    RT_CLASS(TCcTextItem, rt::TCollectionItem)
public:
    using rt::TCollectionItem::TCollectionItem;
    static void Publish(rt::TPublisher<TCcTextItem>& p) {
        p.Property("Caption", &TCcTextItem::Caption);
        p.Property("Text", &TCcTextItem::Text);
        p.Property("SubItems", &TCcTextItem::SubItems);
    }
    rt::TStringList* SubItems() const { return subItems_.get(); }
    std::string Caption;
    std::string Text;

private:
    TStrings subItems_ = NewStrings();
};

inline TCcTextItem* AddItem(rt::TCollection* collection, const std::string& caption) {
    auto* item = static_cast<TCcTextItem*>(collection->Add());
    item->Caption = caption;
    item->Text = caption;
    return item;
}

using TCollectionPtr = std::unique_ptr<rt::TCollection>;
inline TCollectionPtr NewCollection() { return std::make_unique<rt::TCollection>(TCcTextItem::StaticClass()); }

// Columns and rows as list views publish them; the selection panel
// publishes its list's the same way.
class TCcListParts : public rt::TComponent {
    RT_CLASS(TCcListParts, rt::TComponent)
public:
    using rt::TComponent::TComponent;
    static void Publish(rt::TPublisher<TCcListParts>& p) {
        p.Property("Columns", &TCcListParts::Columns);
        p.Property("Items", &TCcListParts::Items);
    }
    rt::TCollection* Columns() const { return columns_.get(); }
    rt::TCollection* Items() const { return items_.get(); }
    TCcTextItem* Column(int i) const { return static_cast<TCcTextItem*>(columns_->Items(i)); }
    TCcTextItem* Item(int i) const { return static_cast<TCcTextItem*>(items_->Items(i)); }

private:
    TCollectionPtr columns_ = NewCollection();
    TCollectionPtr items_ = NewCollection();
};

class TCustomListView : public TCcListParts {
    RT_CLASS(TCustomListView, TCcListParts)
public:
    using TCcListParts::TCcListParts;
};

class TCustomTreeView : public rt::TComponent {
    RT_CLASS(TCustomTreeView, rt::TComponent)
public:
    using rt::TComponent::TComponent;
    static void Publish(rt::TPublisher<TCustomTreeView>& p) { p.Property("Items", &TCustomTreeView::Items); }
    rt::TCollection* Items() const { return items_.get(); }
    TCcTextItem* Node(int i) const { return static_cast<TCcTextItem*>(items_->Items(i)); }

private:
    TCollectionPtr items_ = NewCollection();
};

class TTabSet : public rt::TComponent {
    RT_CLASS(TTabSet, rt::TComponent)
public:
    explicit TTabSet(rt::TComponent* owner) : rt::TComponent(owner) {
        tabs_->OnChange = rt::TNotifyEvent::Of<&TTabSet::Lost>(this);
    }
    static void Publish(rt::TPublisher<TTabSet>& p) {
        p.Property("Tabs", &TTabSet::Tabs);
        p.Property("TabIndex", &TTabSet::TabIndex);
    }
    rt::TStringList* Tabs() const { return tabs_.get(); }
    int32_t TabIndex = -1;

private:
    void Lost(rt::TObject*) { TabIndex = -1; }
    TStrings tabs_ = NewStrings();
};

class TStatusPanels : public rt::TCollection {
    RT_CLASS(TStatusPanels, rt::TCollection)
public:
    TStatusPanels() : rt::TCollection(TCcTextItem::StaticClass()) {}
};

class TCcStatusBar : public rt::TComponent {
    RT_CLASS(TCcStatusBar, rt::TComponent)
public:
    using rt::TComponent::TComponent;
    static void Publish(rt::TPublisher<TCcStatusBar>& p) { p.Property("Panels", &TCcStatusBar::Panels); }
    rt::TCollection* Panels() const { return panels_.get(); }

private:
    std::unique_ptr<TStatusPanels> panels_ = std::make_unique<TStatusPanels>();
};

class TDBNavigator : public rt::TComponent {
    RT_CLASS(TDBNavigator, rt::TComponent)
public:
    using rt::TComponent::TComponent;
    static void Publish(rt::TPublisher<TDBNavigator>& p) { p.Property("Hints", &TDBNavigator::Hints); }
    rt::TStringList* Hints() const { return hints_.get(); }

private:
    TStrings hints_ = NewStrings();
};

class TSelectPanel : public TCcListParts {
    RT_CLASS(TSelectPanel, TCcListParts)
public:
    using TCcListParts::TCcListParts;
    static void Publish(rt::TPublisher<TSelectPanel>& p) {
        p.Property("ChildHints", &TSelectPanel::ChildHints);
        p.Property("BeginWords", &TSelectPanel::BeginWords);
        p.Property("FinalWords", &TSelectPanel::FinalWords);
        p.Property("HintWord", &TSelectPanel::HintWord);
    }
    rt::TStringList* ChildHints() const { return childHints_.get(); }
    rt::TStringList* BeginWords() const { return beginWords_.get(); }
    rt::TStringList* FinalWords() const { return finalWords_.get(); }
    std::string HintWord;

private:
    TStrings childHints_ = NewStrings();
    TStrings beginWords_ = NewStrings();
    TStrings finalWords_ = NewStrings();
};

// Cells no published property reaches: converted by a registered walker.
class TStringGrid : public rt::TComponent {
    RT_CLASS(TStringGrid, rt::TComponent)
public:
    using rt::TComponent::TComponent;
    std::string Cells[2] = {"部门", "员工"};
};

template <class T>
T* Make(rt::TComponent* owner, const std::string& name) {
    auto* c = new T(owner);
    c->SetName(name);
    return c;
}

}  // namespace hemr_test::converter
