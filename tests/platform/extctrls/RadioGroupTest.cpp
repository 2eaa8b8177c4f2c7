#include <gtest/gtest.h>

#include <string>

#include "platform/classes/ClassRegistry.h"
#include "platform/classes/TStringList.h"
#include "platform/forms/ToolkitClasses.h"
#include "platform/extctrls/TRadioGroup.h"
#include "platform/stdctrls/TRadioButton.h"
#include "platform/streaming/FormResources.h"

namespace rt {
namespace {

struct TClickCounter : TObject {
    int Clicks = 0;
    void Clicked(TObject*) { ++Clicks; }
};

TEST(RadioGroupTest, OneButtonPerItemAndItemIndexChecksIt) {
    TRadioGroup group(nullptr);
    TClickCounter counter;
    group.OnClick = TNotifyEvent::Of<&TClickCounter::Clicked>(&counter);
    group.Items()->SetCommaText("Queue,Now,Later");
    ASSERT_EQ(group.ButtonCount(), 3);
    EXPECT_EQ(group.Buttons(1)->Caption(), "Now");
    EXPECT_EQ(group.ItemIndex(), -1);

    group.SetItemIndex(2);
    EXPECT_TRUE(group.Buttons(2)->Checked());
    EXPECT_EQ(counter.Clicks, 1) << "checking a button by ItemIndex clicks the group";
    group.Buttons(0)->SetChecked(true);
    EXPECT_EQ(group.ItemIndex(), 0) << "a checked button becomes the item index";
    EXPECT_FALSE(group.Buttons(2)->Checked());
    EXPECT_EQ(counter.Clicks, 2);

    group.SetItemIndex(7);
    EXPECT_EQ(group.ItemIndex(), 2) << "ItemIndex is clamped to the items";
    group.SetItemIndex(-5);
    EXPECT_EQ(group.ItemIndex(), -1);
    EXPECT_FALSE(group.Buttons(2)->Checked());

    group.Items()->Delete(2);
    EXPECT_EQ(group.ButtonCount(), 2) << "buttons follow the items";
}

TEST(RadioGroupTest, ColumnsAreClampedAndFilledTopToBottom) {
    TRadioGroup group(nullptr);
    group.SetBounds(0, 0, 210, 105);
    group.Items()->SetCommaText("a,b,c,d");
    group.SetColumns(40);
    EXPECT_EQ(group.Columns(), 16);
    group.SetColumns(2);
    EXPECT_EQ(group.Buttons(1)->Left(), group.Buttons(0)->Left()) << "b is under a";
    EXPECT_GT(group.Buttons(1)->Top(), group.Buttons(0)->Top());
    EXPECT_EQ(group.Buttons(2)->Left(), 8 + 100) << "c starts the second column of (210 - 10) / 2";
    group.SetEnabled(false);
    EXPECT_FALSE(group.Buttons(3)->Enabled()) << "the group's enabled state goes to its buttons";
}

TEST(RadioGroupTest, FormResourceRebuildsButtonsAndCheckedItem) {
    RegisterToolkitClasses();
    TRadioGroup group(nullptr);
    group.SetName("rgMode");
    group.Items()->SetCommaText("One,Two");
    group.SetItemIndex(1);
    const std::string text = WriteComponentResText(&group);
    EXPECT_EQ(text.find("TRadioButton"), std::string::npos) << "the buttons are not stored: " << text;

    TRadioGroup loaded(nullptr);
    TClickCounter counter;
    loaded.OnClick = TNotifyEvent::Of<&TClickCounter::Clicked>(&counter);
    ReadComponentResText(&loaded, text);
    ASSERT_EQ(loaded.ButtonCount(), 2);
    EXPECT_EQ(loaded.ItemIndex(), 1);
    EXPECT_TRUE(loaded.Buttons(1)->Checked());
    EXPECT_EQ(counter.Clicks, 0) << "reading a form clicks nothing";
}

}  // namespace
}  // namespace rt
