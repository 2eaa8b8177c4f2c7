#include <gtest/gtest.h>

#include <string>

#include "platform/forms/ToolkitClasses.h"
#include "platform/comctrls/TListView.h"
#include "platform/comctrls/TPageControl.h"
#include "platform/comctrls/TToolBar.h"
#include "platform/comctrls/TToolButton.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TForm.h"
#include "platform/graphics/TImageList.h"
#include "platform/menus/TPopupMenu.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/streaming/FormResources.h"

namespace rt {
namespace {

// A form writes its non-visual components (image lists, menus) ahead of its controls.
class TResForm : public TForm {
    RT_CLASS(TResForm, TForm)

public:
    explicit TResForm(TComponent* owner) : TForm(owner) {}
};

template <class T>
T* Make(TForm* form, const std::string& name, TWinControl* parent = nullptr) {
    auto* c = new T(form);
    c->SetName(name);
    if constexpr (std::is_base_of_v<TControl, T>) {
        if (parent != nullptr) c->SetParentComponent(parent);
    }
    return c;
}

class ResourceRoundTripTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterToolkitClasses();
        RegisterClass<TWinControl>();
        source = NewForm();
        auto* images = Make<TImageList>(source, "ImageList1");
        auto* mnList = Make<TPopupMenu>(source, "mnList");
        for (const char* name : {"ViewIcon", "ViewList"}) {
            auto* item = Make<TMenuItem>(source, name);
            item->SetParentComponent(mnList);
            item->SetRadioItem(true);
            item->SetCaption(std::string(name) + "(&X)");
        }
        mnList->Items()->Items(0)->SetChecked(true);
        auto* sub = Make<TMenuItem>(source, "ViewSub");
        sub->SetCaption("-");
        sub->SetParentComponent(mnList->Items()->Items(1));

        auto* bar = Make<TToolBar>(source, "ToolBar1", source);
        bar->SetImages(images);
        bar->SetFlat(true);
        bar->SetButtonWidth(25);
        auto* btn = Make<TToolButton>(source, "ToolButton1", bar);
        btn->SetStyle(tbsDropDown);
        btn->SetDropdownMenu(mnList);
        btn->SetImageIndex(4);

        auto* list = Make<TListView>(source, "lstCondition", source);
        list->SetSortType(stText);
        list->SetSmallImages(images);
        list->IconOptions()->SetAutoArrange(true);
        list->Columns()->Add()->SetCaption("方案名称");
        list->Columns()->Items(0)->SetAlignment(taRightJustify);
        list->Columns()->Add()->SetCaption("创建时间");
        list->Columns()->Items(1)->SetWidth(80);
        for (const char* caption : {"月报", "Annual"}) {
            TListItem* item = list->Items()->Add();
            item->SubItems()->Add("2024/01/02");
            item->SetImageIndex(0);
            item->SetCaption(caption);
        }

        auto* pages = Make<TPageControl>(source, "pgOption", source);
        pages->SetOwnerDraw(true);
        for (const char* name : {"tsOption1", "tsOption2", "tsHidden"}) {
            auto* sheet = Make<TTabSheet>(source, name, pages);
            sheet->SetCaption(name);
        }
        pages->Pages(2)->SetTabVisible(false);
        pages->SetActivePageIndex(1);
        auto* field = Make<TWinControl>(source, "edPrintDate", pages->Pages(1));
        field->SetTabStop(true);
    }
    void TearDown() override {
        source->Free();
        if (loaded != nullptr) loaded->Free();
    }

    static TForm* NewForm() {
        auto* form = new TResForm(&Application());
        form->AfterConstruction();
        return form;
    }

    TForm* source = nullptr;
    TForm* loaded = nullptr;
};

TEST_F(ResourceRoundTripTest, ControlsAndMenusComeBackFromTheirResource) {
    const std::string text = WriteComponentResText(source);
    EXPECT_NE(text.find("Columns = <"), std::string::npos) << text;
    EXPECT_NE(text.find("Items.Data = {"), std::string::npos) << text;
    EXPECT_NE(text.find("ActivePage = tsOption2"), std::string::npos) << text;
    EXPECT_EQ(text.find(" Visible ="), std::string::npos) << "pages do not store their visibility: " << text;
    EXPECT_NE(text.find("object ViewSub: TMenuItem"), std::string::npos) << text;

    loaded = NewForm();
    ReadComponentResText(loaded, text);

    auto* pages = dynamic_cast<TPageControl*>(loaded->FindComponent("pgOption"));
    ASSERT_NE(pages, nullptr);
    ASSERT_EQ(pages->PageCount(), 3);
    EXPECT_EQ(pages->ActivePage()->Name(), "tsOption2");
    EXPECT_TRUE(pages->OwnerDraw());
    EXPECT_FALSE(pages->Pages(0)->Visible()) << "an inactive page is hidden again";
    EXPECT_FALSE(pages->Pages(2)->TabVisible());
    EXPECT_EQ(pages->Pages(2)->Owner(), loaded);
    EXPECT_EQ(pages->Pages(1)->ControlCount(), 1);

    auto* list = dynamic_cast<TListView*>(loaded->FindComponent("lstCondition"));
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->Columns()->Count(), 2);
    EXPECT_EQ(list->Column(0)->Caption(), "方案名称");
    EXPECT_EQ(list->Column(0)->Alignment(), taRightJustify);
    EXPECT_EQ(list->Column(1)->Width(), 80);
    ASSERT_EQ(list->Items()->Count(), 2);
    EXPECT_EQ(list->Items()->Item(0)->Caption(), "Annual");
    EXPECT_EQ(list->Items()->Item(1)->SubItems()->Strings(0), "2024/01/02");
    EXPECT_EQ(list->SortType(), stText);
    EXPECT_TRUE(list->IconOptions()->AutoArrange());
    EXPECT_EQ(list->SmallImages(), loaded->FindComponent("ImageList1"));

    auto* menu = dynamic_cast<TPopupMenu*>(loaded->FindComponent("mnList"));
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->Items()->Count(), 2);
    EXPECT_TRUE(menu->Items()->Items(0)->Checked());
    EXPECT_TRUE(menu->Items()->Items(1)->RadioItem());
    EXPECT_EQ(menu->Items()->Items(1)->Caption(), "ViewList(&X)");
    ASSERT_EQ(menu->Items()->Items(1)->Count(), 1);
    EXPECT_TRUE(menu->Items()->Items(1)->Items(0)->IsLine());

    auto* button = dynamic_cast<TToolButton*>(loaded->FindComponent("ToolButton1"));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->DropdownMenu(), menu);
    EXPECT_EQ(button->Style(), tbsDropDown);
    EXPECT_EQ(button->ImageIndex(), 4);
    EXPECT_EQ(button->Width(), 25 + TToolButton::ArrowWidth) << "the bar's button width and the drop-down arrow";
    EXPECT_EQ(button->ToolBar()->Images(), list->SmallImages());

    EXPECT_EQ(WriteComponentResText(loaded), text) << "writing the loaded form gives the same resource";
}

}  // namespace
}  // namespace rt
