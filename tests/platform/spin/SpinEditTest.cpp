#include <gtest/gtest.h>

#include <string>

#include "platform/controls/VirtualKeys.h"
#include "platform/forms/ToolkitClasses.h"
#include "platform/spin/TSpinEdit.h"
#include "platform/streaming/FormResources.h"

namespace rt {
namespace {

struct TChangeCounter : TObject {
    int Changes = 0;
    void Changed(TObject*) { ++Changes; }
};

TEST(SpinEditTest, LimitsBoundValueOnlyWhenTheyDiffer) {
    TSpinEdit spin(nullptr);
    spin.SetValue(-40);
    EXPECT_EQ(spin.Value(), -40) << "equal limits (0, 0) mean no limits";
    spin.SetMinValue(1);
    spin.SetMaxValue(31);
    spin.SetValue(40);
    EXPECT_EQ(spin.Value(), 31);
    EXPECT_EQ(spin.GetText(), "31");
    spin.SetText("0");
    EXPECT_EQ(spin.Value(), 1) << "a text below the minimum reads as the minimum";
}

TEST(SpinEditTest, TextThatIsNoNumberReadsAsMinValue) {
    TSpinEdit spin(nullptr);
    spin.SetMinValue(5);
    spin.SetMaxValue(9);
    spin.SetText("abc");
    EXPECT_EQ(spin.Value(), 5);
    spin.SetText("");
    EXPECT_EQ(spin.Value(), 5);
    spin.SetText("+7");
    EXPECT_EQ(spin.Value(), 7);
    spin.SetText("99999999999999");
    EXPECT_EQ(spin.Value(), 5) << "an overflowing number is no number";
}

TEST(SpinEditTest, UpAndDownStepByIncrementWithinTheLimits) {
    TSpinEdit spin(nullptr);
    TChangeCounter counter;
    spin.OnChange = TNotifyEvent::Of<&TChangeCounter::Changed>(&counter);
    spin.SetMinValue(0);
    spin.SetMaxValue(10);
    spin.SetIncrement(4);
    spin.Perform(WM_KEYDOWN, VK_UP);
    spin.Perform(WM_KEYDOWN, VK_UP);
    EXPECT_EQ(spin.Value(), 8);
    spin.Perform(WM_KEYDOWN, VK_UP);
    EXPECT_EQ(spin.Value(), 10) << "stepping stops at the maximum";
    spin.Perform(WM_KEYDOWN, VK_DOWN);
    EXPECT_EQ(spin.Value(), 6);
    EXPECT_EQ(counter.Changes, 4);
    spin.SetReadOnly(true);
    spin.Perform(WM_KEYDOWN, VK_UP);
    EXPECT_EQ(spin.Value(), 6) << "a read-only spin edit does not step";
}

TEST(SpinEditTest, OnlyDigitsAndSignsCanBeTyped) {
    TSpinEdit spin(nullptr);
    spin.SelectAll();
    for (char c : std::string("1a2-")) spin.Perform(WM_CHAR, static_cast<unsigned char>(c));
    EXPECT_EQ(spin.GetText(), "12-");
}

TEST(SpinEditTest, FormResourceStoresValueNotText) {
    RegisterToolkitClasses();
    TSpinEdit spin(nullptr);
    spin.SetName("seDays");
    spin.SetMaxValue(365);
    spin.SetMinValue(1);
    spin.SetValue(30);
    const std::string text = WriteComponentResText(&spin);
    EXPECT_EQ(text.find("Text ="), std::string::npos) << text;
    TSpinEdit loaded(nullptr);
    ReadComponentResText(&loaded, text);
    EXPECT_EQ(loaded.Value(), 30);
    EXPECT_EQ(loaded.MaxValue(), 365);
}

}  // namespace
}  // namespace rt
